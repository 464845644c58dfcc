#include "platform/errors.h"

#include <cerrno>
#include <sys/stat.h>

DWORD WindowsErrorFromErrno(int error)
{
    switch (error) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENODEV:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return ERROR_ACCESS_DENIED;
    case EBUSY:
    case ETXTBSY:
        return ERROR_SHARING_VIOLATION;
    case EAGAIN:
        return ERROR_LOCK_VIOLATION;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case EXDEV:
        return ERROR_NOT_SAME_DEVICE;
    case EIO:
        return ERROR_IO_DEVICE;
    case ENXIO:
    case ENOMEDIUM:
        return ERROR_NOT_READY;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case EILSEQ:
        return ERROR_INVALID_NAME;
    case EFBIG:
        return ERROR_FILE_TOO_LARGE;
    case ELOOP:
        return ERROR_CANT_RESOLVE_FILENAME;
    case ETIMEDOUT:
        return ERROR_SEM_TIMEOUT;
    case EOPNOTSUPP:
    case ENOSYS:
        return ERROR_NOT_SUPPORTED;
    case EPIPE:
        return ERROR_BROKEN_PIPE;
    default:
        return ERROR_GEN_FAILURE;
    }
}

namespace platform {

DWORD ErrorForPath(int error, const std::string& hostPath)
{
    if (error != ENOENT) {
        return WindowsErrorFromErrno(error);
    }
    const auto slash = hostPath.find_last_of('/');
    if (slash == std::string::npos || slash == 0) {
        return ERROR_FILE_NOT_FOUND;
    }
    struct stat parent { };
    const bool parentIsFolder = ::stat(hostPath.substr(0, slash).c_str(), &parent) == 0 && S_ISDIR(parent.st_mode);
    return parentIsFolder ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

BOOL FailWithErrno(int error, const std::string& hostPath)
{
    SetLastError(ErrorForPath(error, hostPath));
    return FALSE;
}

BOOL Fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

}  // namespace platform
