#pragma once
// Looking entries up and listing folders on a drive, for the restore, size and delete walks.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/PathUtil.h"
#include "platform/files.h"
#include "platform/text.h"

#include <algorithm>
#include <string>
#include <string_view>

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

// The find record of one path; false (with the last error) when it does not exist or cannot be read.
inline bool FindEntry(const std::u16string& path, WIN32_FIND_DATAW* found)
{
    HANDLE find = FindFirstFileW(path.c_str(), found);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(find);
    return true;
}

// Calls visit(entry, index) for every entry of folder\pattern in listing order; visit returns false
// to stop. False, with the last error, when the folder cannot be listed or its listing breaks off
// at an entry that cannot be read.
template <class Visit> bool ForEachFolderEntry(const std::u16string& folder, const std::u16string& pattern, Visit visit)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((WithTrailingBackslash(folder) + pattern).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD error = ERROR_NO_MORE_FILES;
    for (int index = 0; visit(entry, index); ++index) {
        if (!FindNextFileW(find, &entry)) {
            error = GetLastError();
            break;
        }
    }
    FindClose(find);
    SetLastError(error);
    return error == ERROR_NO_MORE_FILES;
}

template <class Visit> bool ForEachFolderEntry(const std::u16string& folder, Visit visit)
{
    return ForEachFolderEntry(folder, u"*.*", visit);
}

// Why a walk that has just failed to list a folder must say so: the last error, or 0 when nothing
// in it matched (an empty drive root, a pattern no name fits).
inline DWORD ListingError()
{
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

// Names that differ only in case, which a Linux folder may hold, follow each other in a listing
// (sorted by upper case). The drive matches names case-blind, so only the first of them can have a
// copy of its own: each later one is a twin. System entries and dots are never copied, so they
// neither are nor make twins.
class CaseTwins {
public:
    bool IsTwin(const WIN32_FIND_DATAW& entry)
    {
        if (IsSystemEntry(entry) || IsDotsName(entry.cFileName)) {
            return false;
        }
        const bool twin = platform::EqualNoCase(entry.cFileName, previous_);
        previous_ = entry.cFileName;
        return twin;
    }

private:
    std::u16string previous_;
};

// True when two paths below one folder name one entry case-blind at some level while spelling it
// differently: backed up both, one would land in the other's place.
inline bool DifferInCaseOnly(std::u16string_view a, std::u16string_view b)
{
    for (;;) {
        const std::size_t aEnd = std::min(a.find(u'\\'), a.size());
        const std::size_t bEnd = std::min(b.find(u'\\'), b.size());
        const std::u16string_view aName = a.substr(0, aEnd);
        const std::u16string_view bName = b.substr(0, bEnd);
        if (!platform::EqualNoCase(aName, bName)) {
            return false;
        }
        if (aName != bName) {
            return true;
        }
        if (aEnd == a.size() || bEnd == b.size()) {
            return false;
        }
        a.remove_prefix(aEnd + 1);
        b.remove_prefix(bEnd + 1);
    }
}
