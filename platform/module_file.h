#pragma once
// The running program's own file as a Windows path (GetModuleFileNameW): the Linux executable
// mapped through the drive table, or the path a test or the demo declared for it.

#include "platform/win_types.h"

#include <string>

using HMODULE = void*;

// Only the program's own module (nullptr). The size is in characters; the result is the length
// copied without the zero, or 0 with ERROR_FILE_NOT_FOUND when the executable lies on no drive, or
// size with ERROR_INSUFFICIENT_BUFFER when the path does not fit (cut, zero-terminated).
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);

namespace platform {

// Declares the program's own Windows path; an empty path returns to the executable's.
void SetModuleFilePath(std::u16string path);

// The Windows path of a Linux path below a drive's host folder; empty when it lies on no drive.
std::u16string WindowsPathOfHost(const std::string& hostPath);

}  // namespace platform
