#include "platform/copy_file.h"

#include "platform/errors.h"
#include "platform/file_handle.h"
#include "platform/file_info.h"
#include "platform/file_times.h"
#include "platform/files.h"
#include "platform/host_case.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

using platform::Fail;
using platform::FileHandle;
using platform::HostPath;

constexpr std::size_t kChunkBytes = 1 << 20;

// "." for a bare name, which is relative to the held folder it is in (HostPath::at).
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Runs create(path) on unused temporary names beside finalPath until one is free; the name used on
// success, empty with errno on failure.
template <class Create> std::string WithFreshTemporaryName(const std::string& finalPath, Create&& create)
{
    static std::atomic<std::uint64_t> counter{std::random_device{}()};
    const std::string folder = finalPath.substr(0, finalPath.find_last_of('/') + 1);
    for (int attempt = 0; attempt < 16; ++attempt) {
        char name[40];
        std::snprintf(name, sizeof name, ".~copy%016llx.tmp", static_cast<unsigned long long>(counter++));
        std::string path = folder + name;
        if (create(path.c_str()) == 0) {
            return path;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

// Linking an unnamed file needs its /proc/self/fd entry.
bool CanLinkUnnamedFiles()
{
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

// Moves up to count bytes; 0 at the end of the source, -1 with errno on failure.
ssize_t CopyChunk(int from, int to, std::size_t count, bool& kernelCopy)
{
    if (kernelCopy) {
        const ssize_t copied =
            platform::RetryOnInterrupt([&] { return ::copy_file_range(from, nullptr, to, nullptr, count, 0); });
        if (copied >= 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)) {
            return copied;
        }
        kernelCopy = false;
    }
    thread_local std::unique_ptr<char[]> buffer(new char[kChunkBytes]);
    const ssize_t got =
        platform::RetryOnInterrupt([&] { return ::read(from, buffer.get(), std::min(count, kChunkBytes)); });
    for (ssize_t written = 0; written < got;) {
        const ssize_t n = platform::RetryOnInterrupt(
            [&] { return ::write(to, buffer.get() + written, static_cast<std::size_t>(got - written)); });
        if (n < 0) {
            return -1;
        }
        written += n;
    }
    return got;
}

LARGE_INTEGER Large(ULONGLONG value)
{
    LARGE_INTEGER result;
    result.QuadPart = static_cast<LONGLONG>(value);
    return result;
}

// Refuses what Windows refuses about an existing destination.
DWORD DestinationRefusal(const struct stat& target, const HostPath& host, DWORD sourceBits, DWORD flags)
{
    if (flags & COPY_FILE_FAIL_IF_EXISTS) {
        return ERROR_FILE_EXISTS;
    }
    if (!S_ISREG(target.st_mode) || platform::IsReadOnlyMode(target.st_mode)) {
        return ERROR_ACCESS_DENIED;
    }
    const platform::FileIdentity id{target.st_dev, target.st_ino};
    const DWORD targetBits = platform::ReadStoredAttributes(host.path, id).value_or(0);
    if (targetBits & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) & ~sourceBits) {
        return ERROR_ACCESS_DENIED;
    }
    return platform::CanOpenBeside(id, GENERIC_WRITE, 0) ? 0 : ERROR_SHARING_VIOLATION;
}

platform::SourceVersion VersionOf(const struct stat& status)
{
    return {{status.st_dev, status.st_ino},
            static_cast<ULONGLONG>(status.st_size),
            status.st_mtim,
            status.st_ctim,
            status.st_mode};
}

bool SameTime(const timespec& a, const timespec& b, long precision)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec / precision == b.tv_nsec / precision;
}

bool SameFile(const platform::FileIdentity& a, const platform::FileIdentity& b)
{
    return a.device == b.device && a.inode == b.inode;
}

// Write times count to 100 ns, as a listing holds them; change times to the nanosecond.
bool SameVersion(const platform::SourceVersion& a, const platform::SourceVersion& b)
{
    return SameFile(a.id, b.id) && a.size == b.size && SameTime(a.lastWrite, b.lastWrite, 100) &&
           SameTime(a.changed, b.changed, 1);
}

// True when the file, still the one listed with the listed write time, has another size: a file
// being written shows that before the file system stamps its times.
bool BeingWritten(const platform::SourceVersion& version, const WIN32_FIND_DATAW* listed)
{
    return listed != nullptr && SameFile(version.id, listed->hostId) &&
           SameTime(version.lastWrite, platform::ToTimespec(listed->ftLastWriteTime), 100) &&
           version.size != ((static_cast<ULONGLONG>(listed->nFileSizeHigh) << 32) | listed->nFileSizeLow);
}

// Copies total bytes of the open source into the pending copy, reporting each chunk; 0 or the
// Windows error. A source that ends before total fails with ERROR_SHARING_VIOLATION, as a file in
// use does.
DWORD CopyContent(FileHandle& sourceFile, ULONGLONG total, platform::PendingCopy& copy, LPPROGRESS_ROUTINE progress,
                  void* data, BOOL* cancel)
{
    if (total > kChunkBytes) {
        ::posix_fadvise(sourceFile.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ULONGLONG done = 0;
    const auto report = [&](DWORD reason) {
        if (!progress) {
            return PROGRESS_CONTINUE;
        }
        const DWORD answer = progress(Large(total), Large(done), Large(total), Large(done), 1, reason,
                                      platform::ToHandle(&sourceFile), platform::ToHandle(&copy.file()), data);
        if (answer == PROGRESS_QUIET) {
            progress = nullptr;
        }
        return answer;
    };
    const auto cancelled = [&](DWORD answer) {
        return answer == PROGRESS_CANCEL || answer == PROGRESS_STOP || (cancel && *cancel);
    };

    if (cancelled(report(CALLBACK_STREAM_SWITCH))) {
        return ERROR_REQUEST_ABORTED;
    }
    bool kernelCopy = true;
    while (done < total) {
        const ssize_t copied =
            CopyChunk(sourceFile.fd(), copy.file().fd(),
                      static_cast<std::size_t>(std::min<ULONGLONG>(total - done, kChunkBytes)), kernelCopy);
        if (copied < 0) {
            return WindowsErrorFromErrno(errno);
        }
        if (copied == 0) {
            break;
        }
        done += static_cast<ULONGLONG>(copied);
        if (cancelled(report(CALLBACK_CHUNK_FINISHED))) {
            return ERROR_REQUEST_ABORTED;
        }
    }
    return done != total ? ERROR_SHARING_VIOLATION : 0;
}

// Gives the complete copy its stored attribute bits (a new file has the archive bit alone), the
// write time and, last, as extended attributes need a writable file, the read-only mode: its
// permission bits without the write bits. 0 or the Windows error.
DWORD FinishCopy(platform::PendingCopy& copy, DWORD storedBits, bool readOnly, const timespec& lastWrite,
                 mode_t permissions)
{
    const int out = copy.file().fd();
    if (storedBits != FILE_ATTRIBUTE_ARCHIVE && !platform::WriteStoredAttributesOfNewFile(out, storedBits)) {
        return WindowsErrorFromErrno(errno);
    }
    const timespec times[2] = {timespec{0, UTIME_OMIT}, lastWrite};
    if (::futimens(out, times) != 0) {
        return WindowsErrorFromErrno(errno);
    }
    if (readOnly && ::fchmod(out, permissions & ~0222) != 0) {
        return WindowsErrorFromErrno(errno);
    }
    return 0;
}

// The permission bits of a copy of a file with the mode: the owner's, the group's and the others',
// never set-user, set-group or sticky; writable by its owner until it is finished.
mode_t CopyPermissions(mode_t mode)
{
    return (mode & 0777) | S_IWUSR;
}

// What a copy makes of its destination once the source is open: a refusal, or the stored
// attribute bits and the read-only mode the copy gets.
struct CopyPlan {
    DWORD refusal = 0;
    DWORD storedBits = FILE_ATTRIBUTE_ARCHIVE;
    bool readOnly = false;
};

// Opens the source, asks plan(sourceFile, sourceInfo, target) what to do and writes the copy
// beside the target, naming it only when complete; 0 or the Windows error. listed is the source's
// find record, if any. With trustListing, the record stands for the source's status at the open,
// which is then not read: nullopt, having written nothing, when the file changed since the listing
// before it was opened. Without, the status is read at the open.
template <class Plan>
std::optional<DWORD> CopyOnce(HostPath& source, HostPath& target, LPPROGRESS_ROUTINE progress, void* data, BOOL* cancel,
                              bool mayReplace, Plan& plan, const WIN32_FIND_DATAW* listed, bool trustListing)
{
    struct stat sourceInfo { };
    const auto sourceFile =
        platform::OpenHostFile(source, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                               &sourceInfo, trustListing ? listed : nullptr);
    if (!sourceFile) {
        // The handles in the way may be open on the listed file rather than on the one there now.
        if (trustListing && GetLastError() == ERROR_SHARING_VIOLATION) {
            return std::nullopt;
        }
        return GetLastError();
    }
    const platform::SourceVersion atOpen = VersionOf(sourceInfo);
    if (!trustListing && BeingWritten(atOpen, listed)) {
        return ERROR_SHARING_VIOLATION;
    }
    // When the copy began, to the clock's tick (read without a system call).
    timespec opened{};
    if (trustListing) {
        ::clock_gettime(CLOCK_REALTIME_COARSE, &opened);
    }
    const CopyPlan planned = plan(*sourceFile, sourceInfo, target);
    if (planned.refusal != 0) {
        return planned.refusal;
    }
    platform::PendingCopy copy(target);
    const mode_t permissions = CopyPermissions(sourceInfo.st_mode);
    if (!copy.Create(permissions)) {
        return errno == ENOENT ? ERROR_PATH_NOT_FOUND : WindowsErrorFromErrno(errno);
    }
    const DWORD error = CopyContent(*sourceFile, atOpen.size, copy, progress, data, cancel);
    if (error == ERROR_REQUEST_ABORTED || (error != 0 && !trustListing)) {
        return error;
    }
    // Read after the copy, the status tells whether the copy holds one whole version of the source,
    // and gives the copy the source's write time to the nanosecond.
    struct stat now { };
    const bool read = ::fstat(sourceFile->fd(), &now) == 0;
    if (!read || !SameVersion(VersionOf(now), atOpen)) {
        // Changed since the listing but before the open, as its change time tells to the clock's
        // tick, the source is copied again as it is now. Changed since (within the tick of the open
        // counts as since), or grown or shrunk under the listed write time, it is being written.
        if (trustListing && read && !BeingWritten(VersionOf(now), listed) &&
            (now.st_ctim.tv_sec < opened.tv_sec ||
             (now.st_ctim.tv_sec == opened.tv_sec && now.st_ctim.tv_nsec < opened.tv_nsec))) {
            return std::nullopt;
        }
        return error != 0 ? error : ERROR_SHARING_VIOLATION;
    }
    if (error != 0) {
        return error;
    }
    if (const DWORD finishError = FinishCopy(copy, planned.storedBits, planned.readOnly, now.st_mtim, permissions)) {
        return finishError;
    }
    if (!copy.Commit(mayReplace)) {
        return errno == EEXIST ? ERROR_FILE_EXISTS : WindowsErrorFromErrno(errno);
    }
    return 0;
}

// CopyOnce trusting the listing, and once more from a fresh open, under the same rule, when the
// file had changed since the listing before it was opened.
template <class Plan>
BOOL CopyHostFile(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, BOOL* cancel, bool mayReplace,
                  Plan&& plan, const WIN32_FIND_DATAW* listed = nullptr)
{
    HostPath source = platform::ToHostPath(from ? from : u"");
    HostPath target = platform::ToHostPath(to ? to : u"");
    if (!source.ok() || !target.ok()) {
        return Fail(source.ok() ? target.error : source.error);
    }
    std::optional<DWORD> error =
        CopyOnce(source, target, progress, data, cancel, mayReplace, plan, listed, listed != nullptr);
    if (!error) {
        error = CopyOnce(source, target, progress, data, cancel, mayReplace, plan, listed, false);
    }
    if (*error != 0) {
        return Fail(*error);
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

}  // namespace

BOOL CopyFileExW(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, BOOL* cancel, DWORD flags)
{
    const auto plan = [flags](FileHandle& sourceFile, const struct stat& sourceInfo, HostPath& target) {
        const DWORD sourceBits =
            platform::ReadStoredAttributes(sourceFile.fd(), sourceFile.id()).value_or(FILE_ATTRIBUTE_ARCHIVE);
        CopyPlan planned{0, sourceBits | FILE_ATTRIBUTE_ARCHIVE, platform::IsReadOnlyMode(sourceInfo.st_mode)};
        struct stat targetInfo { };
        if (platform::WithCaseFallback(target, [&targetInfo](const char* p) { return ::lstat(p, &targetInfo); }) == 0) {
            planned.refusal = DestinationRefusal(targetInfo, target, sourceBits, flags);
        }
        return planned;
    };
    return CopyHostFile(from, to, progress, data, cancel, !(flags & COPY_FILE_FAIL_IF_EXISTS), plan);
}

BOOL platform::CopyFileToFreeName(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, DWORD attributes,
                                  const WIN32_FIND_DATAW* listed)
{
    const auto plan = [attributes](FileHandle&, const struct stat&, const HostPath& target) {
        if (!platform::IsNameFree(target.path)) {
            return CopyPlan{ERROR_FILE_EXISTS};
        }
        return CopyPlan{0, attributes & platform::kStoredFileBits, (attributes & FILE_ATTRIBUTE_READONLY) != 0};
    };
    return CopyHostFile(from, to, progress, data, nullptr, false, plan, listed);
}

BOOL CopyFileW(LPCWSTR from, LPCWSTR to, BOOL failIfExists)
{
    return CopyFileExW(from, to, nullptr, nullptr, nullptr, failIfExists ? COPY_FILE_FAIL_IF_EXISTS : 0);
}

DWORD platform::ReadSourceVersion(HANDLE file, const WIN32_FIND_DATAW* listed, SourceVersion* version)
{
    auto* source = platform::HandleAs<FileHandle>(file);
    struct stat status { };
    if (source == nullptr || ::fstat(source->fd(), &status) != 0) {
        return source == nullptr ? ERROR_INVALID_HANDLE : WindowsErrorFromErrno(errno);
    }
    *version = VersionOf(status);
    return BeingWritten(*version, listed) ? ERROR_SHARING_VIOLATION : 0;
}

DWORD platform::CheckSourceUnchanged(HANDLE file, const SourceVersion& atOpen)
{
    SourceVersion now;
    return ReadSourceVersion(file, nullptr, &now) == 0 && SameVersion(now, atOpen) ? 0 : ERROR_SHARING_VIOLATION;
}

platform::PendingCopy::PendingCopy(HostPath target) : target_(std::move(target))
{
}

platform::PendingCopy::~PendingCopy()
{
    if (!tempPath_.empty()) {
        file_.reset();
        ::unlinkat(target_.dirFd, tempPath_.c_str(), 0);
    }
}

bool platform::PendingCopy::Create(unsigned permissions)
{
    if (!MakeFile(permissions)) {
        return false;
    }
    return platform::UmaskKeeps(permissions) || ::fchmod(file_->fd(), permissions) == 0;
}

HANDLE platform::PendingCopy::handle()
{
    return platform::ToHandle(file_.get());
}

bool platform::PendingCopy::Commit(bool mayReplace)
{
    const std::string finalPath = target_.at();
    const int dirFd = target_.dirFd;
    if (tempPath_.empty()) {
        char unnamed[32];
        std::snprintf(unnamed, sizeof unnamed, "/proc/self/fd/%d", file_->fd());
        const auto link = [dirFd, &unnamed](const char* path) {
            return ::linkat(AT_FDCWD, unnamed, dirFd, path, AT_SYMLINK_FOLLOW);
        };
        if (link(finalPath.c_str()) == 0) {
            platform::NoteNameAdded(target_.path);
            file_.reset();
            return true;
        }
        if (errno != EEXIST || !mayReplace) {
            return false;
        }
        tempPath_ = WithFreshTemporaryName(finalPath, link);
        if (tempPath_.empty()) {
            return false;
        }
    }
    const unsigned noReplace = mayReplace ? 0 : RENAME_NOREPLACE;
    if (::renameat2(dirFd, tempPath_.c_str(), dirFd, finalPath.c_str(), noReplace) != 0) {
        return false;
    }
    tempPath_.clear();
    platform::NoteNameAdded(target_.path);
    file_.reset();
    return true;
}

bool platform::PendingCopy::MakeFile(unsigned permissions)
{
    const std::string finalPath = target_.at();
    const int dirFd = target_.dirFd;
    if (CanLinkUnnamedFiles()) {
        const int fd = platform::RetryOnInterrupt([&] {
            return ::openat(dirFd, FolderOf(finalPath).c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, permissions);
        });
        if (fd >= 0) {
            file_ = FileHandle::AdoptUnnamed(fd, GENERIC_WRITE);
            return true;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return false;
        }
    }
    int fd = -1;
    tempPath_ = WithFreshTemporaryName(finalPath, [&](const char* path) {
        fd = platform::RetryOnInterrupt(
            [&] { return ::openat(dirFd, path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions); });
        return fd >= 0 ? 0 : -1;
    });
    return !tempPath_.empty() && Adopt(fd);
}

bool platform::PendingCopy::Adopt(int fd)
{
    struct stat info { };
    ::fstat(fd, &info);
    file_ = FileHandle::Adopt(fd, {info.st_dev, info.st_ino}, GENERIC_WRITE, 0);
    return file_ != nullptr;
}

std::unique_ptr<platform::PendingCopy> platform::CreatePendingCopy(LPCWSTR path, const SourceVersion& source)
{
    HostPath target = platform::ToHostPath(path ? path : u"");
    if (!target.ok()) {
        SetLastError(target.error);
        return nullptr;
    }
    std::unique_ptr<PendingCopy> copy;
    const int made = platform::WithCaseFallback(target, [&](int, const char*) {
        copy = std::make_unique<PendingCopy>(target);
        return copy->Create(CopyPermissions(source.mode)) ? 0 : -1;
    });
    if (made != 0) {
        SetLastError(!target.ok()      ? target.error
                     : errno == ENOENT ? ERROR_PATH_NOT_FOUND
                                       : WindowsErrorFromErrno(errno));
        return nullptr;
    }
    return copy;
}

BOOL platform::CommitPendingCopy(PendingCopy& copy, const SourceVersion& source)
{
    const timespec times[2] = {timespec{0, UTIME_OMIT}, source.lastWrite};
    if (::futimens(copy.file().fd(), times) != 0 || !copy.Commit(true)) {
        return Fail(WindowsErrorFromErrno(errno));
    }
    return TRUE;
}

std::u16string platform::FreeNameBeside(const std::u16string& path)
{
    for (int n = 0;; ++n) {
        const std::string number = std::to_string(n);
        std::u16string candidate = path + std::u16string(kFreeNameMark) + std::u16string(number.begin(), number.end());
        if (GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) {
            return candidate;
        }
    }
}
