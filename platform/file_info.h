#pragma once
// What a directory entry or a path looks like to Windows: attributes, size and the three times.

#include "platform/dos_attributes.h"
#include "platform/win_types.h"

#include <ctime>
#include <string>

namespace platform {

struct EntryInfo {
    DWORD attributes = 0;
    ULONGLONG size = 0;
    FILETIME creation;
    FILETIME lastAccess;
    FILETIME lastWrite;
    FileIdentity id;
    timespec changed{};
    unsigned permissions = 0;
};

// Reads the entry name of the folder dirFd (AT_FDCWD with a full name) without following a symlink;
// hostPath is the entry's full path. A symlink reports FILE_ATTRIBUTE_REPARSE_POINT, plus
// FILE_ATTRIBUTE_DIRECTORY when it leads to a folder; a device, pipe or socket reports
// FILE_ATTRIBUTE_SYSTEM so that walks leave it alone. A folder that is a drive's root where another
// drive holds it (a disk mounted inside the home) reports FILE_ATTRIBUTE_REPARSE_POINT, as a volume
// mounted in a folder does, so that walks of that other drive never enter it; driveRoot: hostPath is
// reached as that drive's own root. False with errno on failure.
bool ReadEntryInfo(int dirFd, const char* name, const std::string& hostPath, EntryInfo& info, bool driveRoot = false);

// The read-only bit as Windows shows it for a regular file's permission bits.
bool IsReadOnlyMode(unsigned mode);

// True when a file or folder created with the permission bits gets them all, the process's umask
// taking none away.
bool UmaskKeeps(unsigned permissions);

}  // namespace platform
