#pragma once
// The access grant "full access for the local users group" on a file or folder, applied as a
// POSIX ACL entry for the Linux group of that name (read, write and execute, with the ACL mask
// widened to match). A grant replaces the group's earlier entry, so repeated grants do not pile up.

#include "platform/win_types.h"

inline constexpr DWORD GENERIC_ALL = 0x10000000;
inline constexpr DWORD GENERIC_EXECUTE = 0x20000000;
inline constexpr DWORD ERROR_NONE_MAPPED = 1332;

// account: a local group name ("users"). accessMask: GENERIC_ALL gives rwx; otherwise GENERIC_READ
// gives r, GENERIC_WRITE w and GENERIC_EXECUTE x. FALSE with the last error: ERROR_NONE_MAPPED for
// an unknown group, ERROR_NOT_SUPPORTED where the file system keeps no ACLs, or the error of the
// path (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ...).
BOOL GrantAccessToGroup(LPCWSTR path, LPCSTR account, DWORD accessMask);
