#include "platform/security.h"
#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/host_case.h"
#include "platform/unique_fd.h"

#include <acl/libacl.h>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/acl.h>
#include <sys/stat.h>

namespace platform {
namespace {

class AclHolder {
public:
    explicit AclHolder(acl_t acl) : acl_(acl) { }
    ~AclHolder()
    {
        if (acl_ != nullptr) {
            acl_free(acl_);
        }
    }
    AclHolder(const AclHolder&) = delete;
    AclHolder& operator=(const AclHolder&) = delete;
    acl_t& get() { return acl_; }

private:
    acl_t acl_;
};

DWORD AclError(int error, const std::string& hostPath)
{
    return error == ENOTSUP ? ERROR_NOT_SUPPORTED : ErrorForPath(error, hostPath);
}

// The group's existing entry, or a new one.
bool GroupEntry(acl_t& acl, gid_t group, acl_entry_t& entry)
{
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1; which = ACL_NEXT_ENTRY) {
        acl_tag_t tag;
        if (acl_get_tag_type(entry, &tag) == 0 && tag == ACL_GROUP) {
            auto* qualifier = static_cast<gid_t*>(acl_get_qualifier(entry));
            const bool same = qualifier != nullptr && *qualifier == group;
            acl_free(qualifier);
            if (same) {
                return true;
            }
        }
    }
    return acl_create_entry(&acl, &entry) == 0 && acl_set_tag_type(entry, ACL_GROUP) == 0 &&
           acl_set_qualifier(entry, &group) == 0;
}

bool SetPermissions(acl_entry_t entry, DWORD accessMask)
{
    const bool all = (accessMask & GENERIC_ALL) != 0;
    acl_permset_t permissions;
    if (acl_get_permset(entry, &permissions) != 0 || acl_clear_perms(permissions) != 0) {
        return false;
    }
    if ((all || (accessMask & GENERIC_READ) != 0) && acl_add_perm(permissions, ACL_READ) != 0) {
        return false;
    }
    if ((all || (accessMask & GENERIC_WRITE) != 0) && acl_add_perm(permissions, ACL_WRITE) != 0) {
        return false;
    }
    if ((all || (accessMask & GENERIC_EXECUTE) != 0) && acl_add_perm(permissions, ACL_EXECUTE) != 0) {
        return false;
    }
    return acl_set_permset(entry, permissions) == 0;
}

}  // namespace
}  // namespace platform

BOOL GrantAccessToGroup(LPCWSTR path, LPCSTR account, DWORD accessMask)
{
    using namespace platform;
    if (path == nullptr || account == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    HostPath host = ToHostPath(path);
    if (!host.ok()) {
        return Fail(host.error);
    }
    const group* entry = getgrnam(account);
    if (entry == nullptr) {
        return Fail(ERROR_NONE_MAPPED);
    }
    const gid_t groupId = entry->gr_gid;
    // Read and set through the entry itself: a link on a held drive is refused, never granted through.
    const UniqueFd file(WithCaseFallback(host, [&host](int dirFd, const char* at) {
        return ::openat(dirFd, at, O_RDONLY | O_NONBLOCK | O_CLOEXEC | host.noFollow());
    }));
    if (!file.valid()) {
        return FailWithErrno(errno, host.path);
    }
    AclHolder acl(acl_get_fd(file.get()));
    if (acl.get() == nullptr) {
        return Fail(AclError(errno, host.path));
    }
    acl_entry_t groupEntry;
    if (!GroupEntry(acl.get(), groupId, groupEntry) || !SetPermissions(groupEntry, accessMask) ||
        acl_calc_mask(&acl.get()) != 0) {
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    if (acl_set_fd(file.get(), acl.get()) != 0) {
        return Fail(AclError(errno, host.path));
    }
    return TRUE;
}
