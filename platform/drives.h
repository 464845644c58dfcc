#pragma once
// The drive table: which drive letters exist and where each lives on this Linux machine.
// Filled from the machine profile (platform/machine.h) or, without one, from the real machine.

#include "platform/text.h"
#include "platform/win_types.h"

#include <fcntl.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class UniqueFd;

enum class DriveBus { Other, Usb };

struct Drive {
    char16_t letter = u'C';  // upper case
    std::string hostFolder;  // absolute Linux folder that is the drive's root
    UINT type = 3;  // DRIVE_FIXED, DRIVE_REMOVABLE, DRIVE_CDROM, DRIVE_REMOTE
    DriveBus bus = DriveBus::Other;
    std::u16string label;  // volume name
    DWORD serial = 0;  // volume serial number
    std::u16string fileSystem = u"NTFS";
};

// The drives in letter order.
std::vector<Drive> Drives();
std::optional<Drive> FindDrive(char16_t letter);
// Adds or replaces the drive of that letter.
void MountDrive(const Drive& drive);
void UnmountDrive(char16_t letter);
void ClearDrives();

// Maps "X:\a\b" (or "X:", "X:\"; "/" is taken for "\") to the Linux path below the drive's host
// folder; "." and empty names are dropped. A ".." name is refused (ERROR_BAD_PATHNAME), so no path
// text ever walks up, and names map losslessly (platform/text.h ToHostName), so no name becomes
// two. Fails, with the numbers Windows gives for the same path, with ERROR_PATH_NOT_FOUND for an
// unknown letter or a path without a drive, ERROR_INVALID_NAME for a name holding one of
// < > : " | ? *, a control character or a unit no host name gives, and ERROR_FILENAME_EXCED_RANGE
// for a path longer than UNICODE_STRING_MAX_CHARS: deep folders of a Linux home are reached as
// Windows reaches them through "\\?\" paths.
// The names are mapped as written; platform/host_case.h matches them case-insensitively. On a FAT
// or exFAT drive the characters those refuse are written in their private-use forms.
struct HostPath {
    std::string path;
    DWORD error = 0;
    std::size_t rootLength = 0;  // leading characters of path that are the drive's host folder
    bool endsWithSeparator = false;
    ReservedChars reserved = ReservedChars::AsIs;  // how the drive holds names, for names read from it
    char16_t drive = 0;
    // What at() is relative to: AT_FDCWD (at() is the whole path) or, on a drive a job holds
    // (platform/drive_root.h), the folder of the last name, opened below the held root.
    int dirFd = AT_FDCWD;
    std::size_t nameStart = 0;
    std::shared_ptr<const UniqueFd> folder;  // keeps dirFd open
    bool ok() const { return error == 0; }
    bool held() const { return dirFd != AT_FDCWD; }
    // The name for the *at calls with dirFd ("." for the held root itself).
    const char* at() const
    {
        return nameStart < path.size() ? path.c_str() + nameStart : (held() ? "." : path.c_str());
    }
    // Open flags that keep a held drive's last name from being followed as a link.
    int noFollow() const { return held() ? O_NOFOLLOW : 0; }
};
HostPath ToHostPath(std::u16string_view windowsPath);

// A host folder (empty: none) whose "NAME.lnk" files live on the host as "NAME.desktop": the XDG
// autostart folder of the real machine, so that the desktop starts what a Startup link names.
void SetDesktopEntryFolder(std::string hostFolder);

}  // namespace platform
