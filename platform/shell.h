#pragma once
// The Windows shell: special folders by CSIDL, shell links (".lnk" files in our own format) and
// ShellExecuteW. Special folders are Windows paths set up from the machine (platform/machine.h).

#include "platform/win_types.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr int CSIDL_DESKTOP = 0x00;
inline constexpr int CSIDL_PERSONAL = 0x05;
inline constexpr int CSIDL_FAVORITES = 0x06;
inline constexpr int CSIDL_STARTUP = 0x07;
inline constexpr int CSIDL_STARTMENU = 0x0B;
inline constexpr int CSIDL_MYMUSIC = 0x0D;
inline constexpr int CSIDL_MYVIDEO = 0x0E;
inline constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;
inline constexpr int CSIDL_COMMON_STARTMENU = 0x16;
inline constexpr int CSIDL_COMMON_PROGRAMS = 0x17;
inline constexpr int CSIDL_COMMON_STARTUP = 0x18;
inline constexpr int CSIDL_COMMON_DESKTOPDIRECTORY = 0x19;
inline constexpr int CSIDL_APPDATA = 0x1A;
inline constexpr int CSIDL_LOCAL_APPDATA = 0x1C;
inline constexpr int CSIDL_COMMON_APPDATA = 0x23;
inline constexpr int CSIDL_WINDOWS = 0x24;
inline constexpr int CSIDL_SYSTEM = 0x25;
inline constexpr int CSIDL_PROGRAM_FILES = 0x26;
inline constexpr int CSIDL_MYPICTURES = 0x27;
inline constexpr int CSIDL_PROFILE = 0x28;
inline constexpr int CSIDL_PROGRAM_FILESX86 = 0x2A;
inline constexpr int CSIDL_FLAG_CREATE = 0x8000;

namespace platform {

// The profile's [folders] key of a CSIDL ("desktop", "documents", ...), and back.
std::optional<int> SpecialFolderOfKey(std::string_view key);
std::string_view KeyOfSpecialFolder(int csidl);

// Sets the Windows path of a special folder (no trailing "\" except at a drive root).
void SetSpecialFolder(int csidl, std::u16string path);
void ClearSpecialFolders();
// Empty when the machine has no such folder. CSIDL_DESKTOP is the desktop folder.
std::u16string SpecialFolderPath(int csidl);

// A shell link as this layer stores it: a UTF-8 text file, one "key = value" line per field.
struct ShellLink {
    std::u16string target;
    std::u16string arguments;
    std::u16string workingFolder;
    std::u16string iconPath;
    int iconIndex = 0;
};

// Writes (or replaces) the link file at a Windows path. FALSE with the last error on failure.
BOOL SaveShellLink(LPCWSTR linkPath, const ShellLink& link);
// FALSE with ERROR_FILE_NOT_FOUND (or another error) when the file is missing, and with
// ERROR_INVALID_DATA when it is not a link of this layer.
BOOL LoadShellLink(LPCWSTR linkPath, ShellLink& link);

}  // namespace platform

using HRESULT = LONG;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

// path receives MAX_PATH characters at most. E_FAIL when the machine
// has no such folder; with CSIDL_FLAG_CREATE a missing folder is created on the way.
HRESULT SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags, LPWSTR path);
BOOL SHGetSpecialFolderPathW(HWND owner, LPWSTR path, int csidl, BOOL create);

// An item list of this layer is a block holding the folder's path; CoTaskMemFree or ILFree frees it.
struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
HRESULT SHGetSpecialFolderLocation(HWND owner, int csidl, LPITEMIDLIST* list);
BOOL SHGetPathFromIDListW(LPCITEMIDLIST list, LPWSTR path);
void ILFree(LPITEMIDLIST list);
void CoTaskMemFree(void* block);

// The size is in characters; the result is the length copied, or the size needed (with the zero)
// when the buffer is short, or 0 when the machine has no such folder.
UINT GetWindowsDirectoryW(LPWSTR buffer, UINT size);
UINT GetSystemDirectoryW(LPWSTR buffer, UINT size);

using HINSTANCE = void*;
inline constexpr int SE_ERR_FNF = 2;
inline constexpr int SE_ERR_PNF = 3;
inline constexpr int SE_ERR_ACCESSDENIED = 5;
inline constexpr int SE_ERR_NOASSOC = 31;

// Opens a file or folder with the desktop's opener, never waiting for it and never running the
// file itself, whatever its permission bits: files from a backup drive are opened this way. On a
// simulated machine the request is appended to "shell.log" in the machine folder; on the real
// machine the file is handed to xdg-open. The result is above 32 on success, else an SE_ERR_ value
// (SE_ERR_FNF for a missing file, SE_ERR_PNF for an unknown drive). show takes the SW_ values of
// ui/windows.h; it is only recorded.
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, int show);

// Starts one of the system's own programs (the installed application) with the parameters in the
// directory, never waiting for it; on a simulated machine the request is noted in "shell.log" as
// an "open" too. SE_ERR_NOASSOC for a file that is no program; otherwise as ShellExecuteW.
HINSTANCE StartProgramW(LPCWSTR program, LPCWSTR parameters, LPCWSTR directory, int show);
