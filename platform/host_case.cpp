#include "platform/host_case.h"

#include "platform/errors.h"
#include "platform/text.h"

#include <atomic>
#include <dirent.h>
#include <fcntl.h>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace platform {

namespace {

// The names of a folder by their upper-cased form, valid while the folder's modification time
// stays what it was when they were read, or while the KeepFolderNames that checked them lives.
struct FolderNames {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    unsigned keptIn = 0;
    std::unordered_map<std::u16string, std::string> byUpperName;
};

// The KeepFolderNames in effect (0: none), and how deep they are nested.
std::atomic<unsigned> keeping{0};
std::atomic<unsigned> keptScopes{0};
std::atomic<unsigned> keepDepth{0};

bool SameStamp(const FolderNames& names, const struct stat& info)
{
    return names.device == info.st_dev && names.inode == info.st_ino && names.modified.tv_sec == info.st_mtim.tv_sec &&
           names.modified.tv_nsec == info.st_mtim.tv_nsec;
}

void Stamp(FolderNames& names, const struct stat& info)
{
    names.device = info.st_dev;
    names.inode = info.st_ino;
    names.modified = info.st_mtim;
}

// Reads the names of the folder names.path; false when it cannot be opened as a folder or read to
// its end, as names left out would pass for free ones.
bool ReadNames(FolderNames& names)
{
    const int fd = ::open(names.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    alignas(8) char buffer[32 * 1024];
    ssize_t length = 0;
    while ((length = RetryOnInterrupt([&] { return ::getdents64(fd, buffer, sizeof buffer); })) > 0) {
        for (ssize_t offset = 0; offset < length;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
            offset += entry->d_reclen;
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") {
                names.byUpperName.emplace(UpperCase(FromHostName(name)), std::string(name));
            }
        }
    }
    ::close(fd);
    return length == 0;
}

// A few recently searched folders, so that looking up many missing names in one folder (a copy
// into it, say) reads the folder once, not once per name.
class FolderNameCache {
public:
    // known, when given, is the folder's status as just read.
    std::string Find(const std::string& folder, const std::string& name, const struct stat* known)
    {
        if (std::optional<std::string> kept = FindKept(folder, name)) {
            return *std::move(kept);
        }
        struct stat info { };
        if (known) {
            info = *known;
        } else if (::stat(folder.c_str(), &info) != 0) {
            return {};
        }
        if (!S_ISDIR(info.st_mode)) {
            return {};
        }
        std::lock_guard lock(mutex_);
        FolderNames& names = Current(folder, info);
        names.keptIn = keeping;
        return NameIn(names, name);
    }

    // The name on disk when the folder is checked in the KeepFolderNames in effect; nullopt otherwise.
    std::optional<std::string> FindKept(const std::string& folder, const std::string& name)
    {
        std::lock_guard lock(mutex_);
        const FolderNames* names = Kept(folder);
        return names ? std::optional(NameIn(*names, name)) : std::nullopt;
    }

    // Within a KeepFolderNames, for a folder not checked in it yet: its names, read without a stamp so
    // that they are read again once no KeepFolderNames vouches for them; nullopt when it is no folder.
    std::optional<std::string> ReadKept(const std::string& folder, const std::string& name)
    {
        FolderNames names;
        names.path = folder;
        if (!ReadNames(names)) {
            return std::nullopt;
        }
        std::lock_guard lock(mutex_);
        std::erase_if(folders_, [&folder](const FolderNames& old) { return old.path == folder; });
        names.keptIn = keeping;
        Push(std::move(names));
        return NameIn(folders_.front(), name);
    }

    void NoteAdded(const std::string& folder, const std::string& name)
    {
        std::lock_guard lock(mutex_);
        for (auto& names : folders_) {
            if (names.path != folder) {
                continue;
            }
            // A kept folder needs no new stamp: it is read again once no KeepFolderNames vouches for it.
            struct stat info { };
            if (keeping != 0 && names.keptIn == keeping) {
                names.byUpperName.insert_or_assign(UpperCase(FromHostName(name)), name);
            } else if (::stat(folder.c_str(), &info) == 0) {
                names.byUpperName.insert_or_assign(UpperCase(FromHostName(name)), name);
                Stamp(names, info);
            }
            return;
        }
    }

    void NoteMade(const std::string& folder)
    {
        std::lock_guard lock(mutex_);
        if (keeping == 0) {
            return;
        }
        std::erase_if(folders_, [&folder](const FolderNames& names) { return names.path == folder; });
        FolderNames names;
        names.path = folder;
        names.keptIn = keeping;
        Push(std::move(names));
    }

private:
    static std::string NameIn(const FolderNames& names, const std::string& name)
    {
        const auto found = names.byUpperName.find(UpperCase(FromHostName(name)));
        return found == names.byUpperName.end() ? std::string() : found->second;
    }

    FolderNames* Kept(const std::string& folder)
    {
        if (keeping == 0) {
            return nullptr;
        }
        for (auto it = folders_.begin(); it != folders_.end(); ++it) {
            if (it->path == folder && it->keptIn == keeping) {
                folders_.splice(folders_.begin(), folders_, it);
                return &folders_.front();
            }
        }
        return nullptr;
    }

    void Push(FolderNames names)
    {
        folders_.push_front(std::move(names));
        if (folders_.size() > kFolders) {
            folders_.pop_back();
        }
    }

    FolderNames& Current(const std::string& folder, const struct stat& info)
    {
        for (auto it = folders_.begin(); it != folders_.end(); ++it) {
            if (it->path == folder) {
                if (SameStamp(*it, info)) {
                    folders_.splice(folders_.begin(), folders_, it);
                    return folders_.front();
                }
                folders_.erase(it);
                break;
            }
        }
        FolderNames names;
        names.path = folder;
        Stamp(names, info);
        ReadNames(names);
        Push(std::move(names));
        return folders_.front();
    }

    static constexpr std::size_t kFolders = 16;
    std::mutex mutex_;
    std::list<FolderNames> folders_;
};

FolderNameCache& TheCache()
{
    static FolderNameCache cache;
    return cache;
}

// The folder part and the last name of a host path; an empty folder when there is no slash.
std::pair<std::string, std::string> FolderAndName(const std::string& hostPath)
{
    const std::size_t slash = hostPath.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return {slash == 0 ? "/" : hostPath.substr(0, slash), hostPath.substr(slash + 1)};
}

}  // namespace

bool MatchCase(HostPath& host)
{
    const int savedErrno = errno;
    std::string matched = host.path.substr(0, host.rootLength);
    if (matched == "/") {
        matched.clear();
    }
    // Most misses name a new entry of an existing folder: then only the last name needs matching.
    const std::size_t lastSlash = host.path.find_last_of('/');
    struct stat info { };
    struct stat folderInfo { };
    bool folderKnown = false;
    std::size_t pos = host.rootLength;
    if (lastSlash > host.rootLength && ::stat(host.path.substr(0, lastSlash).c_str(), &folderInfo) == 0) {
        matched = host.path.substr(0, lastSlash);
        pos = lastSlash;
        folderKnown = true;
    }
    bool changed = false;
    bool stillOnDisk = true;
    while (pos < host.path.size()) {
        if (host.path[pos] == '/') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(host.path.find('/', pos), host.path.size());
        std::string name = host.path.substr(pos, end - pos);
        pos = end;
        if (stillOnDisk && ::lstat((matched + '/' + name).c_str(), &info) != 0) {
            const std::string onDisk =
                TheCache().Find(matched.empty() ? "/" : matched, name, folderKnown ? &folderInfo : nullptr);
            stillOnDisk = !onDisk.empty();
            if (stillOnDisk && onDisk != name) {
                name = onDisk;
                changed = true;
            }
        }
        matched += '/';
        matched += name;
        folderKnown = false;
    }
    if (changed) {
        host.path = std::move(matched);
    }
    errno = savedErrno;
    return changed;
}

bool IsNameFree(const std::string& hostPath)
{
    if (const std::optional<bool> free = IsKeptNameFree(hostPath)) {
        return *free;
    }
    const auto [folder, name] = FolderAndName(hostPath);
    if (folder.empty()) {
        return false;
    }
    if (keeping != 0) {
        const std::optional<std::string> onDisk = TheCache().ReadKept(folder, name);
        return onDisk && onDisk->empty();
    }
    struct stat info { };
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && TheCache().Find(folder, name, &info).empty();
}

void NoteNameAdded(const std::string& hostPath)
{
    const auto [folder, name] = FolderAndName(hostPath);
    if (!folder.empty()) {
        TheCache().NoteAdded(folder, name);
    }
}

void NoteFolderMade(const std::string& hostPath)
{
    TheCache().NoteMade(hostPath);
}

std::optional<bool> IsKeptNameFree(const std::string& hostPath)
{
    const auto [folder, name] = FolderAndName(hostPath);
    if (folder.empty()) {
        return std::nullopt;
    }
    const std::optional<std::string> onDisk = TheCache().FindKept(folder, name);
    return onDisk ? std::optional(onDisk->empty()) : std::nullopt;
}

KeepFolderNames::KeepFolderNames()
{
    if (keepDepth++ == 0) {
        keeping = ++keptScopes;
    }
}

KeepFolderNames::~KeepFolderNames()
{
    if (--keepDepth == 0) {
        keeping = 0;
    }
}

}  // namespace platform
