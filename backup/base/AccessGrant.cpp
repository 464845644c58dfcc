#include "backup/base/AccessGrant.h"

#include "backup/base/SysInfo.h"
#include "platform/security.h"

LONG GrantAccessOnPath(const std::u16string& path, const char* account, DWORD accessMask)
{
    if (!IsNtFamily()) {
        return 0;
    }
    if (GrantAccessToGroup(path.c_str(), account, accessMask)) {
        return 0;
    }
    const DWORD error = GetLastError();
    return error == 0 ? -1 : static_cast<LONG>(error);
}

LONG GrantUsersFullAccess(const std::u16string& path)
{
    return GrantAccessOnPath(path, "users", GENERIC_ALL);
}
