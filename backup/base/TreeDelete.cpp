#include "backup/base/TreeDelete.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/base/PathUtil.h"
#include "platform/files.h"

namespace {

bool IsDirectory(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows refuses to delete a read-only file; the bits go first.
bool DeleteFileWithBits(const std::u16string& path, DWORD attributes)
{
    if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) != 0) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    return DeleteFileW(path.c_str()) != FALSE;
}

// stopped: set once betweenEntries answered false; nothing more is deleted then.
bool DeleteTreeUnlessStopped(const std::u16string& path, const std::function<bool()>& betweenEntries, bool& stopped)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    if (IsDirectory(attributes) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return RemoveDirectoryW(path.c_str()) != FALSE;
    }
    if (!IsDirectory(attributes) && !path.ends_with(u":\\")) {
        return DeleteFileWithBits(path, attributes);
    }
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((WithTrailingBackslash(path) + u"*.*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            stopped = betweenEntries && !betweenEntries();
            if (stopped) {
                break;
            }
            const std::u16string name = entry.cFileName;
            // A name no Windows folder holds would name another entry once joined: it stays.
            if (name == u"." || name == u".." || !IsSafeDriveName(name)) {
                continue;
            }
            const std::u16string child = WithTrailingBackslash(path) + name;
            if (IsDirectory(entry.dwFileAttributes)) {
                DeleteTreeUnlessStopped(child, betweenEntries, stopped);
            } else {
                DeleteFileWithBits(child, entry.dwFileAttributes);
            }
        } while (!stopped && FindNextFileW(find, &entry));
        FindClose(find);
    }
    if (stopped) {
        return false;
    }
    RemoveDirectoryW(path.c_str());
    return true;
}

}  // namespace

bool DeleteTree(const std::u16string& path, const std::function<bool()>& betweenEntries)
{
    bool stopped = false;
    return DeleteTreeUnlessStopped(path, betweenEntries, stopped);
}
