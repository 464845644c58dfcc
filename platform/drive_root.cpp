#include "platform/drive_root.h"

#include "platform/errors.h"
#include "platform/host_case.h"
#include "platform/text.h"
#include "platform/unique_fd.h"

#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <linux/openat2.h>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace platform {

struct HeldRoot {
    char16_t letter = 0;
    std::string hostFolder;
    // The held folder as ToHostPath writes it and as matched to the names on disk ("" for "/"):
    // the paths that start with either are reached below fd.
    std::string folder;
    std::string matchedFolder;
    bool wholeDrive = true;
    std::shared_ptr<const UniqueFd> fd;
    dev_t device = 0;
    ino_t inode = 0;
    std::atomic<bool> lost{false};
};

namespace {

// A few folders opened below a held root, most recent first, so that the files of one folder (or
// of the two a job moves between) cost no look-up each.
struct OpenedFolder {
    const HeldRoot* root = nullptr;
    std::string path;  // the folder's host path
    std::shared_ptr<const UniqueFd> fd;
};

struct Holds {
    std::mutex mutex;
    std::vector<std::weak_ptr<HeldRoot>> held;
    std::list<OpenedFolder> opened;
};

constexpr std::size_t kOpenedFolders = 8;

std::atomic<unsigned> holdCount{0};

// Never destroyed: a hold may end in a static's destructor.
Holds& TheHolds()
{
    static Holds& holds = *new Holds;
    return holds;
}

bool Covers(const std::string& folder, const std::string& path)
{
    return path.size() >= folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

// The live hold of the letter that held is true of; the one with the longest folder.
template <class Held> std::shared_ptr<HeldRoot> HeldFor(char16_t letter, Held&& held)
{
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    std::shared_ptr<HeldRoot> found;
    for (const std::weak_ptr<HeldRoot>& weak : holds.held) {
        std::shared_ptr<HeldRoot> root = weak.lock();
        if (root && root->letter == letter && held(*root) && (!found || root->folder.size() > found->folder.size())) {
            found = std::move(root);
        }
    }
    return found;
}

// The hold that the host path lies below, and the length of the path's leading held folder.
std::shared_ptr<HeldRoot> HeldFor(const HostPath& host, std::size_t& folderLength)
{
    std::shared_ptr<HeldRoot> root = HeldFor(host.drive, [&host](const HeldRoot& held) {
        return Covers(held.folder, host.path) || Covers(held.matchedFolder, host.path);
    });
    if (root) {
        folderLength = Covers(root->folder, host.path) ? root->folder.size() : root->matchedFolder.size();
    }
    return root;
}

void AddHold(const std::shared_ptr<HeldRoot>& held)
{
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    std::erase_if(holds.held, [](const std::weak_ptr<HeldRoot>& weak) { return weak.expired(); });
    holds.held.push_back(held);
    ++holdCount;
}

void KeepOpened(const HeldRoot& root, std::string path, std::shared_ptr<const UniqueFd> fd)
{
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    std::erase_if(holds.opened, [&path](const OpenedFolder& folder) { return folder.path == path; });
    holds.opened.push_front({&root, std::move(path), std::move(fd)});
    if (holds.opened.size() > kOpenedFolders) {
        holds.opened.pop_back();
    }
}

// The folder `relative` below the root (its host path `path`), opened without following a link or
// crossing a mount.
std::shared_ptr<const UniqueFd> OpenBelow(const HeldRoot& root, const std::string& relative, std::string path)
{
    Holds& holds = TheHolds();
    {
        std::lock_guard lock(holds.mutex);
        for (auto it = holds.opened.begin(); it != holds.opened.end(); ++it) {
            if (it->root == &root && it->path == path) {
                holds.opened.splice(holds.opened.begin(), holds.opened, it);
                return it->fd;
            }
        }
    }
    const int fd = OpenBeneath(root.fd->get(), relative.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    auto opened = std::make_shared<const UniqueFd>(fd);
    KeepOpened(root, std::move(path), opened);
    return opened;
}

DWORD HeldPathError(int error)
{
    switch (error) {
    case ELOOP:
    case EXDEV:
        return ERROR_CANT_ACCESS_FILE;
    case ENOENT:
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    default:
        return WindowsErrorFromErrno(error);
    }
}

}  // namespace

HeldDriveRoot::HeldDriveRoot(std::u16string_view root)
{
    if (root.empty()) {
        return;
    }
    const char16_t letter = UpperChar(root.front());
    if (std::shared_ptr<HeldRoot> held = HeldFor(letter, [](const HeldRoot& held) { return held.wholeDrive; })) {
        root_ = std::move(held);
        return;
    }
    const std::optional<Drive> drive = FindDrive(letter);
    if (!drive) {
        return;
    }
    UniqueFd fd(::open(drive->hostFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat info { };
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        return;
    }
    auto held = std::make_shared<HeldRoot>();
    held->letter = letter;
    held->hostFolder = drive->hostFolder;
    held->folder = drive->hostFolder == "/" ? std::string() : drive->hostFolder;
    held->matchedFolder = held->folder;
    held->fd = std::make_shared<const UniqueFd>(std::move(fd));
    held->device = info.st_dev;
    held->inode = info.st_ino;
    AddHold(held);
    root_ = std::move(held);
}

std::unique_ptr<HeldDriveRoot> HeldDriveRoot::Folder(std::u16string_view folder)
{
    std::unique_ptr<HeldDriveRoot> hold(new HeldDriveRoot);
    HostPath host = ToHostPath(folder);
    if (!host.ok()) {
        return hold;
    }
    std::string written = host.path;
    const int fd = WithCaseFallback(host, [](int dirFd, const char* name) {
        return RetryOnInterrupt([&] { return ::openat(dirFd, name, O_PATH | O_DIRECTORY | O_CLOEXEC); });
    });
    struct stat info { };
    UniqueFd opened(fd);
    if (!opened.valid() || ::fstat(opened.get(), &info) != 0) {
        return hold;
    }
    auto held = std::make_shared<HeldRoot>();
    held->letter = host.drive;
    held->folder = written == "/" ? std::string() : std::move(written);
    held->matchedFolder = host.path == "/" ? std::string() : host.path;
    held->wholeDrive = false;
    held->fd = std::make_shared<const UniqueFd>(std::move(opened));
    held->device = info.st_dev;
    held->inode = info.st_ino;
    AddHold(held);
    hold->root_ = std::move(held);
    return hold;
}

HeldDriveRoot::~HeldDriveRoot()
{
    if (!root_) {
        return;
    }
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    if (root_.use_count() > 1) {
        return;
    }
    std::erase_if(holds.opened, [this](const OpenedFolder& folder) { return folder.root == root_.get(); });
    std::erase_if(holds.held, [this](const std::weak_ptr<HeldRoot>& weak) { return weak.lock() == root_; });
    root_.reset();
    --holdCount;
}

bool HeldDriveRoot::IsStillTheDrive() const
{
    if (!root_) {
        return false;
    }
    const std::optional<Drive> drive = FindDrive(root_->letter);
    struct stat info { };
    return drive && drive->hostFolder == root_->hostFolder && ::stat(drive->hostFolder.c_str(), &info) == 0 &&
           info.st_dev == root_->device && info.st_ino == root_->inode;
}

void HeldDriveRoot::Lose()
{
    if (root_) {
        root_->lost = true;
    }
}

void PlaceBelowHeldRoot(HostPath& host)
{
    host.dirFd = AT_FDCWD;
    host.nameStart = 0;
    host.folder.reset();
    if (holdCount == 0 || !host.ok()) {
        return;
    }
    std::size_t folderLength = 0;
    const std::shared_ptr<HeldRoot> root = HeldFor(host, folderLength);
    if (!root) {
        return;
    }
    if (root->lost) {
        host.error = ERROR_PATH_NOT_FOUND;
        return;
    }
    std::size_t lastSlash = host.path.find_last_of('/');
    if (host.path.size() == folderLength) {
        host.folder = root->fd;
        host.nameStart = host.path.size();
    } else if (lastSlash == folderLength) {
        host.folder = root->fd;
        host.nameStart = lastSlash + 1;
    } else {
        const auto relativeOf = [&host, folderLength](std::size_t end) {
            return host.path.substr(folderLength + 1, end - folderLength - 1);
        };
        host.folder = OpenBelow(*root, relativeOf(lastSlash), host.path.substr(0, lastSlash));
        if (!host.folder && (errno == ENOENT || errno == ENOTDIR)) {
            HostPath parent = host;
            parent.path.resize(lastSlash);
            if (MatchCase(parent)) {
                host.path = parent.path + host.path.substr(lastSlash);
                lastSlash = parent.path.size();
                host.folder = OpenBelow(*root, relativeOf(lastSlash), std::move(parent.path));
            }
        }
        if (!host.folder) {
            host.error = HeldPathError(errno);
            return;
        }
        host.nameStart = lastSlash + 1;
    }
    host.dirFd = host.folder->get();
}

int OpenBeneath(int dirFd, const char* name, int flags)
{
    open_how how{};
    how.flags = static_cast<std::uint64_t>(flags);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_NO_XDEV;
    return static_cast<int>(RetryOnInterrupt([&] { return ::syscall(SYS_openat2, dirFd, name, &how, sizeof how); }));
}

std::shared_ptr<const UniqueFd> KeepOpenedFolder(const HostPath& host, int fd)
{
    auto opened = std::make_shared<const UniqueFd>(fd);
    if (!host.held() || host.nameStart >= host.path.size()) {
        return opened;
    }
    std::size_t folderLength = 0;
    if (const std::shared_ptr<HeldRoot> root = HeldFor(host, folderLength)) {
        KeepOpened(*root, host.path, opened);
    }
    return opened;
}

void ForgetHeldFolders(const HostPath& host)
{
    if (!host.held() || host.nameStart >= host.path.size()) {
        return;
    }
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    std::erase_if(holds.opened, [&host](const OpenedFolder& folder) { return Covers(host.path, folder.path); });
}

}  // namespace platform
