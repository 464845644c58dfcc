#include "platform/drive_root.h"
#include "platform/errors.h"
#include "platform/file_info.h"
#include "platform/files.h"
#include "platform/handle.h"
#include "platform/host_case.h"
#include "platform/text.h"
#include "platform/unique_fd.h"
#include "platform/win_names.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

void FillFindData(const EntryInfo& info, std::u16string name, WIN32_FIND_DATAW& data)
{
    data.dwFileAttributes = info.attributes;
    data.ftCreationTime = info.creation;
    data.ftLastAccessTime = info.lastAccess;
    data.ftLastWriteTime = info.lastWrite;
    data.nFileSizeHigh = static_cast<DWORD>(info.size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(info.size);
    data.cFileName = std::move(name);
    data.hostId = info.id;
    data.hostChangeTime = info.changed;
    data.hostMode = info.permissions;
}

struct FoundName {
    std::string onDisk;
    std::u16string name;
    std::u16string sortKey;
    bool dots = false;
};

// "." and ".." are handed out as bare folders: every walk passes over them, so nothing is read.
void FillDotsData(std::u16string name, WIN32_FIND_DATAW& data)
{
    data = WIN32_FIND_DATAW();
    data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    data.cFileName = std::move(name);
}

// An open walk: the folder stays open so that each entry is read relative to it, when it is handed out.
class FindHandle final : public HandleObject {
public:
    FindHandle(std::shared_ptr<const UniqueFd> folderFd, std::string folder, std::vector<FoundName> names)
        : folderFd_(std::move(folderFd)), folder_(std::move(folder)), names_(std::move(names))
    {
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    // Fills data with the next entry that still exists; false when none is left, or when an entry
    // cannot be read (error() tells why): passing over it would leave it out without a word.
    bool Next(WIN32_FIND_DATAW& data)
    {
        EntryInfo info;
        while (next_ < names_.size()) {
            FoundName& found = names_[next_++];
            if (found.dots) {
                FillDotsData(std::move(found.name), data);
                return true;
            }
            entryPath_.assign(folder_).append("/").append(found.onDisk);
            if (ReadEntryInfo(folderFd_->get(), found.onDisk.c_str(), entryPath_, info)) {
                FillFindData(info, std::move(found.name), data);
                return true;
            }
            if (errno != ENOENT) {
                error_ = errno;
                next_ = names_.size();
                return false;
            }
        }
        return false;
    }

    // The errno of the entry that ended the walk, or 0 when it ran to its end.
    int error() const { return error_; }

private:
    std::shared_ptr<const UniqueFd> folderFd_;
    std::string folder_;
    std::vector<FoundName> names_;
    std::size_t next_ = 0;
    std::string entryPath_;
    int error_ = 0;
};

FoundName MakeFoundName(std::string onDisk, ReservedChars reserved)
{
    FoundName found{std::move(onDisk), {}, {}, false};
    found.name = FromHostName(found.onDisk, reserved);
    found.sortKey = UpperCase(found.name);
    return found;
}

// The entries whose names match; none, with the errno, when the folder cannot be read to its end,
// as a listing cut short would leave files out without a word.
std::vector<FoundName> ListMatching(int folderFd, std::u16string_view pattern, bool atDriveRoot, ReservedChars reserved,
                                    int* error)
{
    const std::u16string upperPattern = UpperCase(pattern);
    std::vector<FoundName> found;
    alignas(8) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = RetryOnInterrupt([&] { return ::getdents64(folderFd, buffer, sizeof buffer); });
        if (length < 0) {
            *error = errno;
            return {};
        }
        if (length == 0) {
            break;
        }
        for (ssize_t offset = 0; offset < length;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
            offset += entry->d_reclen;
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..") {
                continue;
            }
            FoundName candidate = MakeFoundName(std::string(name), reserved);
            if (MatchesWildcard(candidate.sortKey, upperPattern)) {
                found.push_back(std::move(candidate));
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const FoundName& a, const FoundName& b) {
        return a.sortKey != b.sortKey ? a.sortKey < b.sortKey : a.onDisk < b.onDisk;
    });
    if (!atDriveRoot) {
        std::vector<FoundName> dots;
        for (const char* dot : {".", ".."}) {
            FoundName entry = MakeFoundName(dot, reserved);
            entry.dots = true;
            if (MatchesWildcard(entry.sortKey, upperPattern)) {
                dots.push_back(std::move(entry));
            }
        }
        found.insert(found.begin(), std::make_move_iterator(dots.begin()), std::make_move_iterator(dots.end()));
    }
    return found;
}

// The entry that a name without wildcards names when it is spelled as on disk, read by its whole
// path with no folder to open; false when that finds nothing.
bool ReadLiteralAsSpelled(const HostPath& folder, std::u16string_view name, WIN32_FIND_DATAW& data)
{
    std::string path = folder.path;
    path += '/';
    const std::size_t nameStart = path.size();
    EntryInfo info;
    if (!ToHostName(name, path, folder.reserved) || !ReadEntryInfo(AT_FDCWD, path.c_str(), path, info)) {
        return false;
    }
    FillFindData(info, MakeFoundName(path.substr(nameStart), folder.reserved).name, data);
    return true;
}

// The entry that a name without wildcards names, as it is spelled on disk; none with the errno
// of the failed look-up.
std::vector<FoundName> ListLiteral(const HostPath& folder, std::u16string_view name, int* error)
{
    HostPath entry = folder;
    entry.path += '/';
    if (!ToHostName(name, entry.path, folder.reserved)) {
        *error = ENOENT;
        return {};
    }
    struct stat info { };
    if (WithCaseFallback(entry, [&info](const char* path) { return ::lstat(path, &info); }) != 0) {
        *error = errno;
        return {};
    }
    return {MakeFoundName(entry.path.substr(entry.path.find_last_of('/') + 1), folder.reserved)};
}

}  // namespace

}  // namespace platform

HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data)
{
    using namespace platform;
    const std::u16string_view text = pattern ? pattern : u"";
    const auto separator = std::find_if(text.rbegin(), text.rend(), IsSeparator);
    const std::size_t nameStart = static_cast<std::size_t>(text.rend() - separator);
    HostPath folder = ToHostPath(text.substr(0, nameStart));
    const std::u16string_view name = text.substr(nameStart);
    DWORD error = folder.error;
    if (error == 0 && text.size() > UNICODE_STRING_MAX_CHARS) {
        error = ERROR_FILENAME_EXCED_RANGE;
    } else if (error == 0 && (separator == text.rend() || name.empty())) {
        error = ERROR_FILE_NOT_FOUND;
    } else if (error == 0 && std::any_of(name.begin(), name.end(),
                                         [](char16_t c) { return c != u'*' && c != u'?' && IsForbiddenInName(c); })) {
        error = ERROR_INVALID_NAME;
    }
    if (error != 0) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }

    const bool hasWildcard = name.find_first_of(u"*?") != std::u16string_view::npos;
    WIN32_FIND_DATAW literal;
    if (!hasWildcard && ReadLiteralAsSpelled(folder, name, literal)) {
        if (data) {
            *data = std::move(literal);
        }
        SetLastError(ERROR_SUCCESS);
        return ToHandle(new FindHandle(nullptr, {}, {}));
    }
    const int folderFd = WithCaseFallback(folder, [&folder](int dirFd, const char* at) {
        constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
        return folder.held() ? OpenBeneath(dirFd, at, kFlags) : ::openat(dirFd, at, kFlags);
    });
    if (folderFd < 0) {
        const int openError = errno;
        SetLastError(openError == ENOENT || openError == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                                 : WindowsErrorFromErrno(openError));
        return INVALID_HANDLE_VALUE;
    }
    int lookUpError = ENOENT;
    auto names = hasWildcard ? ListMatching(folderFd, name, folder.path.size() == folder.rootLength, folder.reserved,
                                            &lookUpError)
                             : ListLiteral(folder, name, &lookUpError);
    auto* find = new FindHandle(KeepOpenedFolder(folder, folderFd), folder.path, std::move(names));
    WIN32_FIND_DATAW first;
    if (!find->Next(first)) {
        lookUpError = find->error() != 0 ? find->error() : lookUpError;
        delete find;
        // A name too long for the host, say, is not a missing one.
        SetLastError(lookUpError == ENOENT || lookUpError == ENOTDIR ? ERROR_FILE_NOT_FOUND
                                                                     : WindowsErrorFromErrno(lookUpError));
        return INVALID_HANDLE_VALUE;
    }
    if (data) {
        *data = std::move(first);
    }
    SetLastError(ERROR_SUCCESS);
    return ToHandle(find);
}

BOOL FindNextFileW(HANDLE find, WIN32_FIND_DATAW* data)
{
    using namespace platform;
    auto* walk = HandleAs<FindHandle>(find);
    if (!walk) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    WIN32_FIND_DATAW next;
    if (!walk->Next(next)) {
        return Fail(walk->error() != 0 ? WindowsErrorFromErrno(walk->error()) : ERROR_NO_MORE_FILES);
    }
    if (data) {
        *data = std::move(next);
    }
    return TRUE;
}

BOOL FindClose(HANDLE find)
{
    using namespace platform;
    auto* walk = HandleAs<FindHandle>(find);
    if (!walk) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    delete walk;
    return TRUE;
}
