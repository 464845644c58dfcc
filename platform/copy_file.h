#pragma once
// The copy a backup makes of a file into a folder where its name is normally still free.

#include "platform/files.h"

namespace platform {

// CopyFileExW to a name that no entry of its folder holds in any case, the copy getting exactly
// `attributes` (FILE_ATTRIBUTE_NORMAL, or read-only, hidden and system bits) rather than the
// source's plus archive, before it is given its name. Fails with ERROR_FILE_EXISTS, having written
// nothing, when the name is taken or its folder is not found as written: the general way then
// decides.
BOOL CopyFileToFreeName(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, DWORD attributes);

}  // namespace platform
