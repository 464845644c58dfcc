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
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

struct HeldRoot {
    char16_t letter = 0;
    std::string hostFolder;
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
    std::string relative;
    std::shared_ptr<const UniqueFd> fd;
};

struct Holds {
    std::mutex mutex;
    std::map<char16_t, std::weak_ptr<HeldRoot>> byLetter;
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

std::shared_ptr<HeldRoot> HeldFor(char16_t letter)
{
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    const auto found = holds.byLetter.find(letter);
    return found == holds.byLetter.end() ? nullptr : found->second.lock();
}

// The folder `relative` below the root, opened without following a link or crossing a mount.
std::shared_ptr<const UniqueFd> OpenBelow(const HeldRoot& root, const std::string& relative)
{
    Holds& holds = TheHolds();
    {
        std::lock_guard lock(holds.mutex);
        for (auto it = holds.opened.begin(); it != holds.opened.end(); ++it) {
            if (it->root == &root && it->relative == relative) {
                holds.opened.splice(holds.opened.begin(), holds.opened, it);
                return it->fd;
            }
        }
    }
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_NO_XDEV;
    const int fd = static_cast<int>(
        RetryOnInterrupt([&] { return ::syscall(SYS_openat2, root.fd->get(), relative.c_str(), &how, sizeof how); }));
    if (fd < 0) {
        return nullptr;
    }
    auto opened = std::make_shared<const UniqueFd>(fd);
    std::lock_guard lock(holds.mutex);
    holds.opened.push_front({&root, relative, opened});
    if (holds.opened.size() > kOpenedFolders) {
        holds.opened.pop_back();
    }
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
    Holds& holds = TheHolds();
    if (std::shared_ptr<HeldRoot> held = HeldFor(letter)) {
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
    held->fd = std::make_shared<const UniqueFd>(std::move(fd));
    held->device = info.st_dev;
    held->inode = info.st_ino;
    std::lock_guard lock(holds.mutex);
    holds.byLetter[letter] = held;
    root_ = std::move(held);
    ++holdCount;
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
    holds.byLetter.erase(root_->letter);
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
    const std::shared_ptr<HeldRoot> root = HeldFor(host.drive);
    if (!root) {
        return;
    }
    if (root->lost) {
        host.error = ERROR_PATH_NOT_FOUND;
        return;
    }
    std::size_t lastSlash = host.path.find_last_of('/');
    if (host.path.size() <= host.rootLength || lastSlash < host.rootLength) {
        host.folder = root->fd;
        host.nameStart = host.path.size();
    } else if (lastSlash == host.rootLength) {
        host.folder = root->fd;
        host.nameStart = lastSlash + 1;
    } else {
        const auto relativeOf = [&host](std::size_t end) {
            return host.path.substr(host.rootLength + 1, end - host.rootLength - 1);
        };
        host.folder = OpenBelow(*root, relativeOf(lastSlash));
        if (!host.folder && (errno == ENOENT || errno == ENOTDIR)) {
            HostPath parent = host;
            parent.path.resize(lastSlash);
            if (MatchCase(parent)) {
                host.path = parent.path + host.path.substr(lastSlash);
                lastSlash = parent.path.size();
                host.folder = OpenBelow(*root, relativeOf(lastSlash));
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

std::shared_ptr<const UniqueFd> KeepOpenedFolder(const HostPath& host, int fd)
{
    auto opened = std::make_shared<const UniqueFd>(fd);
    if (!host.held() || host.nameStart >= host.path.size()) {
        return opened;
    }
    const std::shared_ptr<HeldRoot> root = HeldFor(host.drive);
    if (!root) {
        return opened;
    }
    std::string relative = host.path.substr(host.rootLength + 1);
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    std::erase_if(holds.opened, [&relative](const OpenedFolder& folder) { return folder.relative == relative; });
    holds.opened.push_front({root.get(), std::move(relative), opened});
    if (holds.opened.size() > kOpenedFolders) {
        holds.opened.pop_back();
    }
    return opened;
}

void ForgetHeldFolders(const HostPath& host)
{
    if (!host.held() || host.nameStart >= host.path.size()) {
        return;
    }
    const std::string relative = host.path.substr(host.rootLength + 1);
    Holds& holds = TheHolds();
    std::lock_guard lock(holds.mutex);
    std::erase_if(holds.opened, [&relative](const OpenedFolder& folder) {
        return folder.relative.starts_with(relative) &&
               (folder.relative.size() == relative.size() || folder.relative[relative.size()] == '/');
    });
}

}  // namespace platform
