#include "platform/shell_namespace.h"

#include "platform/drives.h"
#include "platform/files.h"

namespace platform {

namespace {

std::u16string DriveKindName(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE:
        return u"Removable Disk";
    case DRIVE_CDROM:
        return u"CD Drive";
    case DRIVE_REMOTE:
        return u"Network Drive";
    default:
        return u"Local Disk";
    }
}

int DriveIcon(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE:
        return SYSICON_DRIVE_REMOVABLE;
    case DRIVE_CDROM:
        return SYSICON_DRIVE_CDROM;
    default:
        return SYSICON_DRIVE_FIXED;
    }
}

bool IsDriveRoot(const std::u16string& path)
{
    return path.size() == 3 && path[1] == u':' && path[2] == u'\\';
}

}  // namespace

std::u16string ComputerFolderDisplayName()
{
    return u"Computer";
}

std::u16string DesktopDisplayName()
{
    return u"Desktop";
}

std::vector<ShellItem> ComputerFolderItems(bool)
{
    std::vector<ShellItem> items;
    for (const Drive& drive : Drives()) {
        const std::u16string letter(1, drive.letter);
        const std::u16string name = drive.label.empty() ? DriveKindName(drive.type) : drive.label;
        items.push_back({name + u" (" + letter + u":)", letter + u":\\", SFGAO_FOLDER | SFGAO_FILESYSANCESTOR});
    }
    return items;
}

int SystemIconOfPath(const std::u16string& path, bool open)
{
    if (path.empty()) {
        return SYSICON_COMPUTER;
    }
    if (IsDriveRoot(path)) {
        const std::optional<Drive> drive = FindDrive(path[0] >= u'a' ? path[0] - (u'a' - u'A') : path[0]);
        return drive ? DriveIcon(drive->type) : -1;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return -1;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return SYSICON_FILE;
    }
    return open ? SYSICON_FOLDER_OPEN : SYSICON_FOLDER;
}

}  // namespace platform
