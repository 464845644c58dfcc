#include "platform/file_info.h"

#include "platform/file_times.h"
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace platform {

namespace {

constexpr DWORD kFolderStoredBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY |
                                    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD kFileStoredBits = kFolderStoredBits & ~FILE_ATTRIBUTE_READONLY;

}  // namespace

bool IsReadOnlyMode(unsigned mode)
{
    return (mode & S_IWUSR) == 0;
}

bool ReadEntryInfo(int dirFd, const char* name, const std::string& hostPath, EntryInfo& info)
{
    struct statx st { };
    if (::statx(dirFd, name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) {
        return false;
    }
    info.id = FileIdentity{makedev(st.stx_dev_major, st.stx_dev_minor), st.stx_ino};
    info.lastAccess = ToFileTime(st.stx_atime);
    info.lastWrite = ToFileTime(st.stx_mtime);
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
