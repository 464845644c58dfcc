#include "platform/file_handle.h"

#include "platform/errors.h"
#include "platform/file_info.h"
#include "platform/file_times.h"
#include "platform/files.h"
#include "platform/host_case.h"

#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr DWORD kAttributesSetAtCreation =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

struct OpenFiles {
    std::mutex mutex;
    std::multimap<std::pair<dev_t, ino_t>, const FileHandle*> byFile;
    std::size_t refusingDelete = 0;  // handles opened without FILE_SHARE_DELETE
};

OpenFiles& TheOpenFiles()
{
    static OpenFiles files;
    return files;
}

bool SharesConflict(DWORD accessA, DWORD shareA, DWORD accessB, DWORD shareB)
{
    const auto refuses = [](DWORD access, DWORD share) {
        return ((access & GENERIC_READ) && !(share & FILE_SHARE_READ)) ||
               ((access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE));
    };
    return refuses(accessA, shareB) || refuses(accessB, shareA);
}

// Called with files.mutex held.
bool ConflictsWithOpenHandles(const OpenFiles& files, FileIdentity id, DWORD access, DWORD share)
{
    const auto [first, last] = files.byFile.equal_range({id.device, id.inode});
    for (auto it = first; it != last; ++it) {
        if (SharesConflict(access, share, it->second->access(), it->second->share())) {
            return true;
        }
    }
    return false;
}

int OpenFlagsFor(DWORD access)
{
    const int base = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if ((access & GENERIC_READ) && (access & GENERIC_WRITE)) {
        return base | O_RDWR;
    }
    return base | ((access & GENERIC_WRITE) ? O_WRONLY : O_RDONLY);
}

struct Opened {
    int fd = -1;
    bool existed = false;
};

Opened OpenOnDisk(HostPath& host, DWORD access, DWORD disposition, DWORD flags)
{
    const int openFlags = OpenFlagsFor(access);
    const mode_t mode = (flags & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    // An open can wait (a network file system, a file being locked) and so be interrupted.
    const auto openExisting = [&](int dirFd, const char* name) {
        return RetryOnInterrupt([&] { return ::openat(dirFd, name, openFlags | host.noFollow()); });
    };
    const auto createNew = [&](int dirFd, const char* name) {
        return RetryOnInterrupt([&] { return ::openat(dirFd, name, openFlags | O_CREAT | O_EXCL, mode); });
    };
    switch (disposition) {
    case CREATE_NEW:
        return {WithCaseFallback(host, createNew), false};
    case OPEN_EXISTING:
    case TRUNCATE_EXISTING:
        return {WithCaseFallback(host, openExisting), true};
    case CREATE_ALWAYS:
    case OPEN_ALWAYS:
        for (;;) {
            const int fd = WithCaseFallback(host, openExisting);
            if (fd >= 0 || errno != ENOENT) {
                return {fd, true};
            }
            const int created = createNew(host.dirFd, host.at());
            if (created >= 0 || errno != EEXIST) {
                return {created, false};
            }
        }
    default:
        errno = EINVAL;
        return {};
    }
}

// Windows refuses to open a folder as a file, to write to or replace a read-only file, and to
// replace a hidden or system file unless the new attributes keep those bits.
DWORD RefusalOf(const struct stat& info, const std::string& path, FileIdentity id, DWORD access, DWORD disposition,
                DWORD flags)
{
    if (S_ISDIR(info.st_mode)) {
        return (flags & FILE_FLAG_BACKUP_SEMANTICS) && !(access & GENERIC_WRITE) ? 0 : ERROR_ACCESS_DENIED;
    }
    if (!S_ISREG(info.st_mode)) {
        return ERROR_ACCESS_DENIED;
    }
    const bool replaces = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    if ((replaces || (access & GENERIC_WRITE)) && IsReadOnlyMode(info.st_mode)) {
        return ERROR_ACCESS_DENIED;
    }
    if (disposition == CREATE_ALWAYS) {
        const DWORD stored = ReadStoredAttributes(path, id).value_or(0);
        if (stored & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) & ~flags) {
            return ERROR_ACCESS_DENIED;
        }
    }
    if (disposition == TRUNCATE_EXISTING && !(access & GENERIC_WRITE)) {
        return ERROR_INVALID_PARAMETER;
    }
    return 0;
}

// The status a find record stands for, as far as opening its file needs it.
struct stat StatusOfListed(const WIN32_FIND_DATAW& listed)
{
    struct stat status { };
    status.st_dev = listed.hostId.device;
    status.st_ino = listed.hostId.inode;
    status.st_mode = ((listed.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? S_IFDIR : S_IFREG) | listed.hostMode;
    status.st_size = static_cast<off_t>((static_cast<ULONGLONG>(listed.nFileSizeHigh) << 32) | listed.nFileSizeLow);
    status.st_mtim = ToTimespec(listed.ftLastWriteTime);
    status.st_ctim = listed.hostChangeTime;
    return status;
}

}  // namespace

FileHandle::FileHandle(int fd, FileIdentity id, DWORD access, DWORD share)
    : fd_(fd), id_(id), access_(access), share_(share)
{
}

FileHandle::~FileHandle()
{
    auto& files = TheOpenFiles();
    {
        std::lock_guard lock(files.mutex);
        auto [first, last] = files.byFile.equal_range({id_.device, id_.inode});
        for (auto it = first; it != last; ++it) {
            if (it->second == this) {
                files.byFile.erase(it);
                files.refusingDelete -= (share_ & FILE_SHARE_DELETE) ? 0 : 1;
                break;
            }
        }
    }
    ::close(fd_);
}

std::unique_ptr<FileHandle> FileHandle::Adopt(int fd, FileIdentity id, DWORD access, DWORD share)
{
    auto& files = TheOpenFiles();
    std::lock_guard lock(files.mutex);
    if (ConflictsWithOpenHandles(files, id, access, share)) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<FileHandle> handle(new FileHandle(fd, id, access, share));
    files.byFile.emplace(std::pair{id.device, id.inode}, handle.get());
    files.refusingDelete += (share & FILE_SHARE_DELETE) ? 0 : 1;
    return handle;
}

std::unique_ptr<FileHandle> FileHandle::AdoptUnnamed(int fd, DWORD access)
{
    return std::unique_ptr<FileHandle>(new FileHandle(fd, FileIdentity{}, access, 0));
}

bool CanOpenBeside(FileIdentity id, DWORD access, DWORD share)
{
    auto& files = TheOpenFiles();
    std::lock_guard lock(files.mutex);
    return !ConflictsWithOpenHandles(files, id, access, share);
}

bool DeleteIsShared(FileIdentity id)
{
    auto& files = TheOpenFiles();
    std::lock_guard lock(files.mutex);
    auto [first, last] = files.byFile.equal_range({id.device, id.inode});
    for (auto it = first; it != last; ++it) {
        if (!(it->second->share() & FILE_SHARE_DELETE)) {
            return false;
        }
    }
    return true;
}

bool EveryDeleteIsShared()
{
    auto& files = TheOpenFiles();
    std::lock_guard lock(files.mutex);
    return files.refusingDelete == 0;
}

std::unique_ptr<FileHandle> OpenHostFile(HostPath& host, DWORD access, DWORD share, DWORD disposition, DWORD flags,
                                         struct stat* info, const WIN32_FIND_DATAW* listed)
{
    const Opened opened = OpenOnDisk(host, access, disposition, flags);
    if (opened.fd < 0) {
        const int error = errno;
        SetLastError(error == EEXIST && disposition == CREATE_NEW ? ERROR_FILE_EXISTS : ErrorForPath(error, host.path));
        return nullptr;
    }
    if (!opened.existed) {
        NoteNameAdded(host.path);
    }
    struct stat status { };
    if (listed != nullptr) {
        status = StatusOfListed(*listed);
    } else {
        ::fstat(opened.fd, &status);
    }
    const FileIdentity id{status.st_dev, status.st_ino};
    if (opened.existed) {
        if (const DWORD refusal = RefusalOf(status, host.path, id, access, disposition, flags)) {
            ::close(opened.fd);
            SetLastError(refusal);
            return nullptr;
        }
    }
    auto handle = FileHandle::Adopt(opened.fd, id, access, share);
    if (!handle) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return nullptr;
    }
    const bool replaces = opened.existed && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
    if (replaces && ::ftruncate(handle->fd(), 0) != 0) {
        SetLastError(WindowsErrorFromErrno(errno));
        return nullptr;
    }
    if ((replaces || !opened.existed) && (disposition != TRUNCATE_EXISTING) &&
        (opened.existed || (flags & kAttributesSetAtCreation))) {
        WriteStoredAttributes(handle->fd(), id, (flags & kAttributesSetAtCreation) | FILE_ATTRIBUTE_ARCHIVE, false);
    }
    if (info) {
        *info = status;
    }
    const bool reportsExisting = opened.existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS);
    SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

}  // namespace platform
