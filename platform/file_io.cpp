#include "platform/devices.h"
#include "platform/errors.h"
#include "platform/file_handle.h"
#include "platform/file_times.h"
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::Fail;
using platform::FileHandle;

BOOL FailWithErrno()
{
    return Fail(WindowsErrorFromErrno(errno));
}

bool IsDevicePath(std::u16string_view path)
{
    return path.size() > 4 && path.substr(0, 4) == u"\\\\.\\";
}

}  // namespace

HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD share, void*, DWORD disposition, DWORD flags, HANDLE)
{
    const std::u16string_view text = path ? path : u"";
    if (IsDevicePath(text)) {
        return platform::OpenDevice(text, access, share);
    }
    platform::HostPath host = platform::ToHostPath(text);
    if (!host.ok()) {
        SetLastError(host.error);
        return INVALID_HANDLE_VALUE;
    }
    auto file = platform::OpenHostFile(host, access, share, disposition, flags);
    if (!file) {
        return INVALID_HANDLE_VALUE;
    }
    if (flags & FILE_FLAG_SEQUENTIAL_SCAN) {
        ::posix_fadvise(file->fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    return platform::ToHandle(file.release());
}

BOOL ReadFile(HANDLE handle, void* buffer, DWORD toRead, DWORD* read, void*)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (read) {
        *read = 0;
    }
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (!(file->access() & GENERIC_READ)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    DWORD done = 0;
    while (done < toRead) {
        const ssize_t n = platform::RetryOnInterrupt(
            [&] { return ::read(file->fd(), static_cast<char*>(buffer) + done, toRead - done); });
        if (n < 0) {
            return FailWithErrno();
        }
        if (n == 0) {
            break;
        }
        done += static_cast<DWORD>(n);
        if (read) {
            *read = done;
        }
    }
    return TRUE;
}

BOOL WriteFile(HANDLE handle, const void* buffer, DWORD toWrite, DWORD* written, void*)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (written) {
        *written = 0;
    }
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (!(file->access() & GENERIC_WRITE)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    DWORD done = 0;
    while (done < toWrite) {
        const ssize_t n = platform::RetryOnInterrupt(
            [&] { return ::write(file->fd(), static_cast<const char*>(buffer) + done, toWrite - done); });
        if (n < 0) {
            return FailWithErrno();
        }
        done += static_cast<DWORD>(n);
        if (written) {
            *written = done;
        }
    }
    return TRUE;
}

BOOL SetFilePointerEx(HANDLE handle, LARGE_INTEGER distance, LARGE_INTEGER* newPosition, DWORD method)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    const int whence = method == FILE_BEGIN ? SEEK_SET : method == FILE_CURRENT ? SEEK_CUR : SEEK_END;
    if (method > FILE_END) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const off_t position = ::lseek(file->fd(), distance.QuadPart, whence);
    if (position < 0) {
        return Fail(errno == EINVAL ? ERROR_NEGATIVE_SEEK : WindowsErrorFromErrno(errno));
    }
    if (newPosition) {
        newPosition->QuadPart = position;
    }
    return TRUE;
}

BOOL GetFileSizeEx(HANDLE handle, LARGE_INTEGER* size)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (!file || !size) {
        return Fail(file ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    }
    struct stat info { };
    if (::fstat(file->fd(), &info) != 0) {
        return FailWithErrno();
    }
    size->QuadPart = info.st_size;
    return TRUE;
}

BOOL SetEndOfFile(HANDLE handle)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (!(file->access() & GENERIC_WRITE)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    const off_t position = ::lseek(file->fd(), 0, SEEK_CUR);
    if (position < 0 || ::ftruncate(file->fd(), position) != 0) {
        return FailWithErrno();
    }
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE handle)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    return ::fsync(file->fd()) == 0 ? TRUE : FailWithErrno();
}

BOOL GetFileTime(HANDLE handle, FILETIME* creation, FILETIME* access, FILETIME* lastWrite)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    struct statx st { };
    if (::statx(file->fd(), "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) {
        return FailWithErrno();
    }
    if (creation) {
        *creation = platform::ToFileTime((st.stx_mask & STATX_BTIME) ? st.stx_btime : st.stx_ctime);
    }
    if (access) {
        *access = platform::ToFileTime(st.stx_atime);
    }
    if (lastWrite) {
        *lastWrite = platform::ToFileTime(st.stx_mtime);
    }
    return TRUE;
}

// Linux cannot set a creation time; it is accepted and left as it is.
BOOL SetFileTime(HANDLE handle, const FILETIME*, const FILETIME* access, const FILETIME* lastWrite)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (!(file->access() & GENERIC_WRITE)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    const auto toTimespec = [](const FILETIME* time) {
        return time && FileTimeToU64(*time) != 0 ? platform::ToTimespec(*time) : timespec{0, UTIME_OMIT};
    };
    const timespec times[2] = {toTimespec(access), toTimespec(lastWrite)};
    return ::futimens(file->fd(), times) == 0 ? TRUE : FailWithErrno();
}

BOOL platform::MarkRunnable(HANDLE handle)
{
    auto* file = platform::HandleAs<FileHandle>(handle);
    struct stat info { };
    if (!file) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (::fstat(file->fd(), &info) != 0 ||
        ::fchmod(file->fd(), (info.st_mode & 0777) | ((info.st_mode & 0444) >> 2)) != 0) {
        return ::FailWithErrno();
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE handle)
{
    auto* object = platform::HandleAs<platform::HandleObject>(handle);
    if (!object) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    delete object;
    return TRUE;
}
