#pragma once
// Looking entries up and listing folders on a drive, for the restore, size and delete walks.

#include "backup/frame/base/BackupDriveLayout.h"
#include "backup/frame/base/PathUtil.h"
#include "platform/files.h"

#include <string>

inline bool IsDotsName(const std::u16string& name)
{
    return name == u"." || name == u"..";
}

inline bool IsDirectoryEntry(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

inline bool IsSystemEntry(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
}

inline bool IsLinkEntry(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A file that a walk copies or counts: neither a folder nor a system entry.
inline bool IsPlainFileEntry(const WIN32_FIND_DATAW& entry)
{
    return !IsDirectoryEntry(entry) && !IsSystemEntry(entry);
}

// A folder that a walk enters: not a system entry, not "." or "..", and never a link (walks do not
// follow linked folders).
inline bool IsWalkedFolderEntry(const WIN32_FIND_DATAW& entry)
{
    return IsDirectoryEntry(entry) && !IsSystemEntry(entry) && !IsLinkEntry(entry) && !IsDotsName(entry.cFileName);
}

inline bool IsRunListFileName(const std::u16string& name)
{
    return name == RepeatListFileName() || name == OriSizeFileName() || name == RecordFileName();
}

inline LONGLONG EntrySize(const WIN32_FIND_DATAW& entry)
{
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow);
}

// The find record of one path; false when it does not exist.
inline bool FindEntry(const std::u16string& path, WIN32_FIND_DATAW* found)
{
    HANDLE find = FindFirstFileW(path.c_str(), found);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(find);
    return true;
}

// Calls visit(entry, index) for every entry of the folder in listing order; visit returns false to
// stop. False when the folder cannot be listed.
template <class Visit> bool ForEachFolderEntry(const std::u16string& folder, Visit visit)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((WithTrailingBackslash(folder) + u"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    int index = 0;
    while (visit(entry, index++) && FindNextFileW(find, &entry)) { }
    FindClose(find);
    return true;
}
