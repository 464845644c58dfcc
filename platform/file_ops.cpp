#include "platform/drive_root.h"
#include "platform/errors.h"
#include "platform/file_handle.h"
#include "platform/file_info.h"
#include "platform/files.h"
#include "platform/host_case.h"
#include "platform/listed_delete.h"
#include "platform/unique_fd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::Fail;
using platform::HostPath;
using platform::kStoredFileBits;

// The entry at host, found case-insensitively; false with the last error set when it is missing.
bool LookUp(HostPath& host, struct stat& info)
{
    if (platform::WithCaseFallback(host, [&info](int dirFd, const char* name) {
            return ::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW);
        }) == 0) {
        return true;
    }
    SetLastError(platform::ErrorForPath(errno, host.path));
    return false;
}

bool MapPath(LPCWSTR path, HostPath& host)
{
    host = platform::ToHostPath(path ? path : u"");
    if (!host.ok()) {
        SetLastError(host.error);
    }
    return host.ok();
}

bool IsFolderLink(const HostPath& host)
{
    struct stat target { };
    return ::fstatat(host.dirFd, host.at(), &target, 0) == 0 && S_ISDIR(target.st_mode);
}

platform::FileIdentity IdentityOf(const struct stat& info)
{
    return {info.st_dev, info.st_ino};
}

// Moves a file to another file system: copy, then remove the source.
BOOL CopyThenDelete(LPCWSTR from, LPCWSTR to, const HostPath& source, DWORD flags)
{
    const DWORD copyFlags = (flags & MOVEFILE_REPLACE_EXISTING) ? 0 : COPY_FILE_FAIL_IF_EXISTS;
    if (!CopyFileExW(from, to, nullptr, nullptr, nullptr, copyFlags)) {
        return FALSE;
    }
    if (::unlinkat(source.dirFd, source.at(), 0) != 0) {
        return platform::FailWithErrno(errno, source.path);
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

}  // namespace

DWORD GetFileAttributesW(LPCWSTR path)
{
    HostPath host;
    if (!MapPath(path, host)) {
        return INVALID_FILE_ATTRIBUTES;
    }
    platform::EntryInfo info;
    const bool driveRoot = host.path.size() <= host.rootLength;
    const auto read = [&](int dirFd, const char* name) {
        return platform::ReadEntryInfo(dirFd, name, host.path, info, driveRoot) ? 0 : -1;
    };
    if (platform::WithCaseFallback(host, read) != 0) {
        SetLastError(platform::ErrorForPath(errno, host.path));
        return INVALID_FILE_ATTRIBUTES;
    }
    if (host.endsWithSeparator && !(info.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_FILE_ATTRIBUTES;
    }
    return info.attributes;
}

BOOL SetFileAttributesW(LPCWSTR path, DWORD attributes)
{
    HostPath host;
    struct stat info { };
    if (!MapPath(path, host) || !LookUp(host, info)) {
        return FALSE;
    }
    if (S_ISLNK(info.st_mode)) {
        return TRUE;
    }
    const bool isFolder = S_ISDIR(info.st_mode);
    const DWORD storedBits = attributes & (isFolder ? kStoredFileBits | FILE_ATTRIBUTE_READONLY : kStoredFileBits);
    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    const mode_t mode = readOnly ? (info.st_mode & ~0222) : (info.st_mode | S_IWUSR);
    const bool changesMode = !isFolder && (mode & 07777) != (info.st_mode & 07777);
    // On a held drive the bits go through the entry itself, so no link swapped in meanwhile is followed.
    const platform::UniqueFd opened(
        host.held() ? ::openat(host.dirFd, host.at(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1);
    if (host.held() && !opened.valid()) {
        return platform::FailWithErrno(errno, host.path);
    }
    const auto setMode = [&] {
        return opened.valid() ? ::fchmod(opened.get(), mode & 07777) : ::chmod(host.path.c_str(), mode & 07777);
    };
    // Extended attributes need write permission: store them while the file is still writable.
    if (changesMode && !readOnly && setMode() != 0) {
        return platform::FailWithErrno(errno, host.path);
    }
    const bool stored = opened.valid()
                            ? platform::WriteStoredAttributes(opened.get(), IdentityOf(info), storedBits, isFolder)
                            : platform::WriteStoredAttributes(host.path, IdentityOf(info), storedBits, isFolder);
    if (!stored) {
        return platform::FailWithErrno(errno, host.path);
    }
    if (changesMode && readOnly && setMode() != 0) {
        return platform::FailWithErrno(errno, host.path);
    }
    return TRUE;
}

namespace {

// Makes the folder with the permission bits, exactly unless they are the default's.
BOOL MakeFolder(LPCWSTR path, mode_t permissions)
{
    HostPath host;
    if (!MapPath(path, host)) {
        return FALSE;
    }
    struct stat info { };
    const std::optional<bool> free = platform::IsKeptNameFree(host.path);
    const auto lookUp = [&info](int dirFd, const char* name) {
        return ::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW);
    };
    if (free ? !*free : platform::WithCaseFallback(host, lookUp) == 0) {
        return Fail(ERROR_ALREADY_EXISTS);
    }
    if (::mkdirat(host.dirFd, host.at(), permissions) != 0) {
        return errno == EEXIST ? Fail(ERROR_ALREADY_EXISTS)
                               : Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : WindowsErrorFromErrno(errno));
    }
    platform::NoteNameAdded(host.path);
    platform::NoteFolderMade(host.path);
    if (permissions != 0777 && !platform::UmaskKeeps(permissions) &&
        ::fchmodat(host.dirFd, host.at(), permissions, AT_SYMLINK_NOFOLLOW) != 0) {
        return platform::FailWithErrno(errno, host.path);
    }
    return TRUE;
}

}  // namespace

BOOL CreateDirectoryW(LPCWSTR path, void*)
{
    return MakeFolder(path, 0777);
}

BOOL CreateDirectoryExW(LPCWSTR templateDirectory, LPCWSTR path, void*)
{
    HostPath model;
    struct stat info { };
    if (!MapPath(templateDirectory, model)) {
        return FALSE;
    }
    // What a link leads to is what the folder stands for.
    if (platform::WithCaseFallback(model, [&info](const char* p) { return ::stat(p, &info); }) != 0) {
        return platform::FailWithErrno(errno, model.path);
    }
    return MakeFolder(path, (info.st_mode & 0777) | S_IRWXU);
}

BOOL RemoveDirectoryW(LPCWSTR path)
{
    HostPath host;
    if (!MapPath(path, host)) {
        return FALSE;
    }
    // An empty folder, the common case, goes with one call when no bits kept for it need forgetting.
    if (host.path.size() != host.rootLength && !platform::KeepsAttributesInProcess() &&
        platform::WithCaseFallback(
            host, [](int dirFd, const char* name) { return ::unlinkat(dirFd, name, AT_REMOVEDIR); }) == 0) {
        platform::ForgetHeldFolders(host);
        return TRUE;
    }
    struct stat info { };
    if (!LookUp(host, info)) {
        return FALSE;
    }
    if (host.path.size() == host.rootLength) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    if (S_ISLNK(info.st_mode)) {
        // A folder link goes as a link; its target is never touched.
        if (!IsFolderLink(host)) {
            return Fail(ERROR_DIRECTORY);
        }
        return ::unlinkat(host.dirFd, host.at(), 0) == 0 ? TRUE : platform::FailWithErrno(errno, host.path);
    }
    if (!S_ISDIR(info.st_mode)) {
        return Fail(ERROR_DIRECTORY);
    }
    if (::unlinkat(host.dirFd, host.at(), AT_REMOVEDIR) != 0) {
        return Fail(errno == ENOTEMPTY || errno == EEXIST ? ERROR_DIR_NOT_EMPTY : WindowsErrorFromErrno(errno));
    }
    platform::ForgetHeldFolders(host);
    platform::ForgetStoredAttributes(IdentityOf(info));
    return TRUE;
}

BOOL DeleteFileW(LPCWSTR path)
{
    HostPath host;
    struct stat info { };
    if (!MapPath(path, host) || !LookUp(host, info)) {
        return FALSE;
    }
    if (S_ISDIR(info.st_mode) || (S_ISLNK(info.st_mode) && IsFolderLink(host))) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    if (S_ISREG(info.st_mode) && platform::IsReadOnlyMode(info.st_mode)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    if (!platform::DeleteIsShared(IdentityOf(info))) {
        return Fail(ERROR_SHARING_VIOLATION);
    }
    if (::unlinkat(host.dirFd, host.at(), 0) != 0) {
        return platform::FailWithErrno(errno, host.path);
    }
    // The other names of a linked file keep its attributes.
    if (info.st_nlink <= 1) {
        platform::ForgetStoredAttributes(IdentityOf(info));
    }
    return TRUE;
}

BOOL platform::DeleteListedFile(LPCWSTR path, DWORD attributes)
{
    constexpr DWORD kLookedUp =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
    if ((attributes & kLookedUp) != 0 || !EveryDeleteIsShared() || KeepsAttributesInProcess()) {
        return DeleteFileW(path);
    }
    HostPath host;
    if (!MapPath(path, host)) {
        return FALSE;
    }
    if (WithCaseFallback(host, [](int dirFd, const char* name) { return ::unlinkat(dirFd, name, 0); }) != 0) {
        return errno == EISDIR ? Fail(ERROR_ACCESS_DENIED) : FailWithErrno(errno, host.path);
    }
    return TRUE;
}

BOOL CreateHardLinkW(LPCWSTR fileName, LPCWSTR existingFileName, void*)
{
    HostPath link;
    HostPath existing;
    if (!MapPath(fileName, link) || !MapPath(existingFileName, existing)) {
        return FALSE;
    }
    if (!platform::IsNameFree(link.path) && !(platform::MatchCase(link) && platform::IsNameFree(link.path))) {
        const DWORD missing = platform::ErrorForPath(ENOENT, link.path);
        return Fail(missing == ERROR_PATH_NOT_FOUND ? missing : ERROR_ALREADY_EXISTS);
    }
    const auto linkTo = [&link](int dirFd, const char* name) {
        return ::linkat(dirFd, name, link.dirFd, link.at(), 0);
    };
    if (platform::WithCaseFallback(existing, linkTo) != 0) {
        switch (errno) {
        case EEXIST:
            return Fail(ERROR_ALREADY_EXISTS);
        case EPERM:
        case EOPNOTSUPP:
            return Fail(ERROR_INVALID_FUNCTION);
        case EMLINK:
            return Fail(ERROR_TOO_MANY_LINKS);
        default:
            return platform::FailWithErrno(errno, existing.path);
        }
    }
    platform::NoteNameAdded(link.path);
    return TRUE;
}

BOOL MoveFileW(LPCWSTR from, LPCWSTR to)
{
    return MoveFileExW(from, to, MOVEFILE_COPY_ALLOWED);
}

BOOL MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    HostPath source;
    HostPath target;
    struct stat sourceInfo { };
    if (!MapPath(from, source) || !MapPath(to, target) || !LookUp(source, sourceInfo)) {
        return FALSE;
    }
    if (!platform::DeleteIsShared(IdentityOf(sourceInfo))) {
        return Fail(ERROR_SHARING_VIOLATION);
    }
    const std::string nameAsWritten = target.path.substr(target.path.find_last_of('/'));
    struct stat targetInfo { };
    const bool targetExists = platform::WithCaseFallback(target, [&targetInfo](int dirFd, const char* name) {
                                  return ::fstatat(dirFd, name, &targetInfo, AT_SYMLINK_NOFOLLOW);
                              }) == 0;
    const bool renamesCase =
        targetExists && targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino;
    if (renamesCase) {
        target.path = target.path.substr(0, target.path.find_last_of('/')) + nameAsWritten;
    } else if (targetExists) {
        if (!(flags & MOVEFILE_REPLACE_EXISTING)) {
            return Fail(ERROR_ALREADY_EXISTS);
        }
        if (S_ISDIR(targetInfo.st_mode) || S_ISDIR(sourceInfo.st_mode) ||
            (S_ISREG(targetInfo.st_mode) && platform::IsReadOnlyMode(targetInfo.st_mode))) {
            return Fail(ERROR_ACCESS_DENIED);
        }
        if (!platform::DeleteIsShared(IdentityOf(targetInfo))) {
            return Fail(ERROR_SHARING_VIOLATION);
        }
    }
    const unsigned renameFlags = (targetExists && !renamesCase) ? 0 : RENAME_NOREPLACE;
    if (::renameat2(source.dirFd, source.at(), target.dirFd, target.at(), renameFlags) == 0) {
        platform::NoteNameAdded(target.path);
        if (S_ISDIR(sourceInfo.st_mode)) {
            platform::ForgetHeldFolders(source);
        }
        return TRUE;
    }
    if (errno == EXDEV && (flags & MOVEFILE_COPY_ALLOWED) && S_ISREG(sourceInfo.st_mode)) {
        return CopyThenDelete(from, to, source, flags);
    }
    if (errno == EEXIST) {
        return Fail(ERROR_ALREADY_EXISTS);
    }
    return errno == ENOENT ? Fail(ERROR_PATH_NOT_FOUND) : platform::FailWithErrno(errno, target.path);
}
