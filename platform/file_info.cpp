#include "platform/file_info.h"

#include "platform/drives.h"
#include "platform/file_times.h"
#include "platform/files.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace platform {

namespace {

constexpr DWORD kFolderStoredBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY |
                                    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD kFileStoredBits = kFolderStoredBits & ~FILE_ATTRIBUTE_READONLY;

// True when the folder is the root of one of the drives.
bool IsDriveRootFolder(const FileIdentity& id)
{
    for (const Drive& drive : Drives()) {
        struct stat root { };
        if (::stat(drive.hostFolder.c_str(), &root) == 0 && root.st_dev == id.device && root.st_ino == id.inode) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsReadOnlyMode(unsigned mode)
{
    return (mode & S_IWUSR) == 0;
}

bool UmaskKeeps(unsigned permissions)
{
    // Read once, from the process's status: asking umask(2) would set it.
    static const unsigned umask = [] {
        unsigned value = 0777;
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("Umask:")) {
                value = static_cast<unsigned>(std::stoul(line.substr(6), nullptr, 8));
            }
        }
        return value;
    }();
    return (permissions & umask) == 0;
}

bool ReadEntryInfo(int dirFd, const char* name, const std::string& hostPath, EntryInfo& info, bool driveRoot)
{
    struct statx st { };
    if (::statx(dirFd, name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) {
        return false;
    }
    info.id = FileIdentity{makedev(st.stx_dev_major, st.stx_dev_minor), st.stx_ino};
    info.lastAccess = ToFileTime(st.stx_atime);
    info.lastWrite = ToFileTime(st.stx_mtime);
    info.permissions = st.stx_mode & 0777;
    info.changed = timespec{static_cast<time_t>(st.stx_ctime.tv_sec), static_cast<long>(st.stx_ctime.tv_nsec)};
    info.creation = (st.stx_mask & STATX_BTIME) ? ToFileTime(st.stx_btime) : ToFileTime(st.stx_ctime);
    info.size = 0;

    DWORD attributes = 0;
    if (S_ISLNK(st.stx_mode)) {
        struct stat target { };
        const bool toFolder = ::fstatat(dirFd, name, &target, 0) == 0 && S_ISDIR(target.st_mode);
        attributes = FILE_ATTRIBUTE_REPARSE_POINT | (toFolder ? FILE_ATTRIBUTE_DIRECTORY : 0);
    } else if (S_ISDIR(st.stx_mode)) {
        attributes = FILE_ATTRIBUTE_DIRECTORY |
                     (ReadStoredAttributes(dirFd, name, hostPath, info.id).value_or(0) & kFolderStoredBits);
        // Only a mount's root can be a drive's disk, so other folders cost no look-up.
        if (!driveRoot && (st.stx_attributes_mask & st.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0 &&
            IsDriveRootFolder(info.id)) {
            attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
        }
    } else if (S_ISREG(st.stx_mode)) {
        info.size = st.stx_size;
        attributes =
            ReadStoredAttributes(dirFd, name, hostPath, info.id).value_or(FILE_ATTRIBUTE_ARCHIVE) & kFileStoredBits;
        if (IsReadOnlyMode(st.stx_mode)) {
            attributes |= FILE_ATTRIBUTE_READONLY;
        }
    } else {
        attributes = FILE_ATTRIBUTE_SYSTEM;
    }
    info.attributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    return true;
}

}  // namespace platform
