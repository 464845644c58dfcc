#include "platform/errors.h"
#include "platform/file_handle.h"
#include "platform/file_info.h"
#include "platform/files.h"
#include "platform/host_case.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::Fail;
using platform::FileHandle;
using platform::HostPath;

constexpr std::size_t kChunkBytes = 1 << 20;

// A copy in progress: written under a temporary name beside the destination and renamed into
// place only when complete, so a failure never leaves a half-written file nor loses the old one.
class PendingCopy {
public:
    ~PendingCopy()
    {
        if (!tempPath_.empty()) {
            file_.reset();
            ::unlink(tempPath_.c_str());
        }
    }

    // Creates the temporary file in the folder of finalPath; false with errno on failure.
    bool Create(const std::string& finalPath)
    {
        static std::atomic<std::uint64_t> counter{std::random_device{}()};
        const std::string folder = finalPath.substr(0, finalPath.find_last_of('/') + 1);
        for (int attempt = 0; attempt < 16; ++attempt) {
            char name[40];
            std::snprintf(name, sizeof name, ".~copy%016llx.tmp", static_cast<unsigned long long>(counter++));
            const std::string path = folder + name;
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                struct stat info{};
                ::fstat(fd, &info);
                tempPath_ = path;
                file_ = FileHandle::Adopt(fd, {info.st_dev, info.st_ino}, GENERIC_WRITE, 0);
                return file_ != nullptr;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        return false;
    }

    FileHandle& file() { return *file_; }

    bool Commit(const std::string& finalPath)
    {
        if (::rename(tempPath_.c_str(), finalPath.c_str()) != 0) {
            return false;
        }
        tempPath_.clear();
        platform::NoteNameAdded(finalPath);
        return true;
    }

private:
    std::string tempPath_;
    std::unique_ptr<FileHandle> file_;
};

// Moves up to count bytes; 0 at the end of the source, -1 with errno on failure.
ssize_t CopyChunk(int from, int to, std::size_t count, bool& kernelCopy)
{
    if (kernelCopy) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, count, 0);
        if (copied >= 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)) {
            return copied;
        }
        kernelCopy = false;
    }
    thread_local std::unique_ptr<char[]> buffer(new char[kChunkBytes]);
    const ssize_t got = ::read(from, buffer.get(), std::min(count, kChunkBytes));
    for (ssize_t written = 0; written < got;) {
        const ssize_t n = ::write(to, buffer.get() + written, static_cast<std::size_t>(got - written));
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

}  // namespace

BOOL CopyFileExW(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, BOOL* cancel, DWORD flags)
{
    HostPath source = platform::ToHostPath(from ? from : u"");
    HostPath target = platform::ToHostPath(to ? to : u"");
    if (!source.ok() || !target.ok()) {
        return Fail(source.ok() ? target.error : source.error);
    }
    const auto sourceFile =
        platform::OpenHostFile(source, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!sourceFile) {
        return FALSE;
    }
    struct stat sourceInfo{};
    ::fstat(sourceFile->fd(), &sourceInfo);
    const DWORD sourceBits =
        platform::ReadStoredAttributes(source.path, sourceFile->id()).value_or(FILE_ATTRIBUTE_ARCHIVE);

    struct stat targetInfo{};
    if (platform::WithCaseFallback(target, [&targetInfo](const char* p) { return ::lstat(p, &targetInfo); }) == 0) {
        if (const DWORD refusal = DestinationRefusal(targetInfo, target, sourceBits, flags)) {
            return Fail(refusal);
        }
    }

    PendingCopy copy;
    if (!copy.Create(target.path)) {
        return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : WindowsErrorFromErrno(errno));
    }
    ::posix_fadvise(sourceFile->fd(), 0, 0, POSIX_FADV_SEQUENTIAL);

    const ULONGLONG total = static_cast<ULONGLONG>(sourceInfo.st_size);
    ULONGLONG done = 0;
    const auto report = [&](DWORD reason) {
        if (!progress) {
            return PROGRESS_CONTINUE;
        }
        const DWORD answer = progress(Large(total), Large(done), Large(total), Large(done), 1, reason,
                                      platform::ToHandle(sourceFile.get()), platform::ToHandle(&copy.file()), data);
        if (answer == PROGRESS_QUIET) {
            progress = nullptr;
        }
        return answer;
    };
    const auto cancelled = [&](DWORD answer) {
        return answer == PROGRESS_CANCEL || answer == PROGRESS_STOP || (cancel && *cancel);
    };

    if (cancelled(report(CALLBACK_STREAM_SWITCH))) {
        return Fail(ERROR_REQUEST_ABORTED);
    }
    bool kernelCopy = true;
    while (done < total) {
        const ssize_t copied = CopyChunk(sourceFile->fd(), copy.file().fd(),
                                         static_cast<std::size_t>(std::min<ULONGLONG>(total - done, kChunkBytes)),
                                         kernelCopy);
        if (copied < 0) {
            return Fail(WindowsErrorFromErrno(errno));
        }
        if (copied == 0) {
            break;
        }
        done += static_cast<ULONGLONG>(copied);
        if (cancelled(report(CALLBACK_CHUNK_FINISHED))) {
            return Fail(ERROR_REQUEST_ABORTED);
        }
    }

    const int out = copy.file().fd();
    const DWORD copyBits = sourceBits | FILE_ATTRIBUTE_ARCHIVE;
    if (copyBits != FILE_ATTRIBUTE_ARCHIVE && !platform::WriteStoredAttributes(out, copy.file().id(), copyBits, false)) {
        return Fail(WindowsErrorFromErrno(errno));
    }
    const timespec times[2] = {timespec{0, UTIME_OMIT}, sourceInfo.st_mtim};
    if (::futimens(out, times) != 0) {
        return Fail(WindowsErrorFromErrno(errno));
    }
    if (platform::IsReadOnlyMode(sourceInfo.st_mode)) {
        struct stat outInfo{};
        ::fstat(out, &outInfo);
        if (::fchmod(out, outInfo.st_mode & 07555) != 0) {
            return Fail(WindowsErrorFromErrno(errno));
        }
    }
    if (!copy.Commit(target.path)) {
        return Fail(WindowsErrorFromErrno(errno));
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL CopyFileW(LPCWSTR from, LPCWSTR to, BOOL failIfExists)
{
    return CopyFileExW(from, to, nullptr, nullptr, nullptr, failIfExists ? COPY_FILE_FAIL_IF_EXISTS : 0);
}
