#pragma once
// Linux errno values as the Windows error numbers of this layer: one mapping, used everywhere.

#include "platform/win_types.h"

#include <cerrno>
#include <string>

inline constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
inline constexpr DWORD ERROR_SEM_TIMEOUT = 121;
inline constexpr DWORD ERROR_NEGATIVE_SEEK = 131;
inline constexpr DWORD ERROR_FILE_TOO_LARGE = 223;
inline constexpr DWORD ERROR_IO_DEVICE = 1117;
inline constexpr DWORD ERROR_TOO_MANY_LINKS = 1142;
inline constexpr DWORD ERROR_CANT_RESOLVE_FILENAME = 1921;

// ENOENT becomes ERROR_FILE_NOT_FOUND and EEXIST ERROR_FILE_EXISTS; callers that know better
// (a missing parent folder, an existing folder) use the overloads below or their own value.
DWORD WindowsErrorFromErrno(int error);

namespace platform {

// As WindowsErrorFromErrno, but ENOENT becomes ERROR_PATH_NOT_FOUND when the folder that should
// hold hostPath is missing, as Windows tells the two apart.
DWORD ErrorForPath(int error, const std::string& hostPath);

// Sets the last error from errno (ErrorForPath) and returns FALSE.
BOOL FailWithErrno(int error, const std::string& hostPath);
// Sets the last error and returns FALSE.
BOOL Fail(DWORD error);

// Runs op() (a system call returning -1 with errno on failure) again for as long as a signal
// interrupts it, so a signal caught while a file is read or written never fails the file.
template <class Op> auto RetryOnInterrupt(Op&& op)
{
    for (;;) {
        const auto result = op();
        if (!(result < 0 && errno == EINTR)) {
            return result;
        }
    }
}

}  // namespace platform
