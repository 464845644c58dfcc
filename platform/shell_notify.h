#pragma once
// Shell notices of changes in the file system: SHChangeNotifyRegister over inotify. The watched
// folders are the local fixed drives (for the desktop, the root of the shell namespace) or the
// folder of an entry, with their subfolders a few levels deep and the folders made below them
// later. The message loop takes the notices and sends each registered window its message.

#include "platform/shell.h"
#include "platform/win_types.h"

#include <string>
#include <vector>

inline constexpr LONG SHCNE_RENAMEITEM = 0x1;
inline constexpr LONG SHCNE_CREATE = 0x2;
inline constexpr LONG SHCNE_DELETE = 0x4;
inline constexpr LONG SHCNE_MKDIR = 0x8;
inline constexpr LONG SHCNE_RMDIR = 0x10;
inline constexpr LONG SHCNE_ATTRIBUTES = 0x800;
inline constexpr LONG SHCNE_UPDATEDIR = 0x1000;
inline constexpr LONG SHCNE_UPDATEITEM = 0x2000;
inline constexpr LONG SHCNE_RENAMEFOLDER = 0x20000;

struct SHChangeNotifyEntry {
    LPCITEMIDLIST pidl = nullptr;
    BOOL fRecursive = FALSE;
};

// 0 when no entry names a folder that can be watched.
ULONG SHChangeNotifyRegister(HWND window, int sources, LONG events, UINT msg, int entryCount,
                             const SHChangeNotifyEntry* entries);
BOOL SHChangeNotifyDeregister(ULONG id);

namespace platform {

// One change for one registered window; path2 is the new path of a rename, else empty.
struct ShellNotice {
    HWND window = nullptr;
    UINT msg = 0;
    LONG event = 0;
    std::u16string path1;
    std::u16string path2;
};

// What happened since the last call, in order, for every registration whose events ask for it.
// Never waits.
std::vector<ShellNotice> TakeShellNotices();

}  // namespace platform
