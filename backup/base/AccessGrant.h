#pragma once
// Opening a file or folder to all local users ("users", full access). Callers of
// GrantUsersFullAccess ignore the result: a path that cannot be opened is used unchanged.

#include "platform/win_types.h"

#include <string>

// 0 on success (and where the system keeps no access lists of this kind), else the Windows error
// number of the failure, or -1 when the failure left none.
LONG GrantAccessOnPath(const std::u16string& path, const char* account, DWORD accessMask);
LONG GrantUsersFullAccess(const std::u16string& path);
