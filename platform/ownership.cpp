#include "platform/ownership.h"
#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/host_case.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {
namespace {

// An access list that is not there, or a file system that keeps none, is as good as removed.
bool RemoveAccessList(int fd, const char* name)
{
    return fremovexattr(fd, name) == 0 || errno == ENODATA || errno == ENOTSUP;
}

BOOL Tighten(int fd, const std::string& hostPath)
{
    struct stat info;
    if (fstat(fd, &info) != 0) {
        return FailWithErrno(errno, hostPath);
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    if (!RemoveAccessList(fd, "system.posix_acl_access") || !RemoveAccessList(fd, "system.posix_acl_default") ||
        ((info.st_mode & 07777) != 0700 && fchmod(fd, 0700) != 0)) {
        return FailWithErrno(errno, hostPath);
    }
    return TRUE;
}

int OpenFolder(const char* hostPath)
{
    return open(hostPath, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

}  // namespace
}  // namespace platform

BOOL MakeOwnFolder(LPCWSTR path)
{
    using namespace platform;
    HostPath host = ToHostPath(path != nullptr ? path : u"");
    if (!host.ok()) {
        return Fail(host.error);
    }
    UniqueFd folder(WithCaseFallback(host, OpenFolder));
    if (!folder.valid() && errno == ENOENT) {
        if (mkdir(host.path.c_str(), 0700) == 0) {
            NoteNameAdded(host.path);
            NoteFolderMade(host.path);
        } else if (errno != EEXIST) {
            return FailWithErrno(errno, host.path);
        }
        folder.Reset(OpenFolder(host.path.c_str()));
    }
    if (!folder.valid()) {
        // A link, a file, or a folder closed to the user: none of them is the user's own folder.
        const bool notOwn = errno == ELOOP || errno == ENOTDIR || errno == EACCES;
        return notOwn ? Fail(ERROR_ACCESS_DENIED) : FailWithErrno(errno, host.path);
    }
    return Tighten(folder.get(), host.path);
}

BOOL IsOwnItem(LPCWSTR path)
{
    using namespace platform;
    HostPath host = ToHostPath(path != nullptr ? path : u"");
    if (!host.ok()) {
        return Fail(host.error);
    }
    struct stat info;
    if (WithCaseFallback(host, [&info](const char* p) { return lstat(p, &info); }) != 0) {
        return FailWithErrno(errno, host.path);
    }
    return S_ISLNK(info.st_mode) || info.st_uid != geteuid() ? Fail(ERROR_ACCESS_DENIED) : TRUE;
}
