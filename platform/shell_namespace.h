#pragma once
// The shell's namespace as the folder trees see it: the computer folder, the items the shell lists
// directly below it (the drives, in letter order), display names and the system icons by index.

#include "platform/win_types.h"

#include <string>
#include <vector>

inline constexpr DWORD SFGAO_FOLDER = 0x20000000;
inline constexpr DWORD SFGAO_FILESYSANCESTOR = 0x10000000;
inline constexpr DWORD SFGAO_HIDDEN = 0x00080000;

namespace platform {

// Indexes of the system small-icon list.
enum SystemIconIndex : int {
    SYSICON_FILE = 0,
    SYSICON_FOLDER = 3,
    SYSICON_FOLDER_OPEN = 4,
    SYSICON_DRIVE_REMOVABLE = 7,
    SYSICON_DRIVE_FIXED = 8,
    SYSICON_DRIVE_CDROM = 11,
    SYSICON_COMPUTER = 15,
    SYSICON_DESKTOP = 34,
};

struct ShellItem {
    std::u16string DisplayName;
    std::u16string Path;  // the file-system path; empty for an item without one
    DWORD Attributes = 0;  // SFGAO_ bits
};

std::u16string ComputerFolderDisplayName();
std::u16string DesktopDisplayName();

// The folders directly below the computer folder: every drive, "Local Disk (C:)" or its volume
// label with the letter. The shell marks none of them hidden, so includeHidden changes nothing here.
std::vector<ShellItem> ComputerFolderItems(bool includeHidden);

// The small icon of a path: a drive root by its type, a folder (open or closed), a file; the
// computer folder for an empty path. -1 when nothing exists at the path.
int SystemIconOfPath(const std::u16string& path, bool open);

}  // namespace platform
