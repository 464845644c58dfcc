#pragma once
// Removing a file that a listing of the running job has just shown, without looking it up again.

#include "platform/files.h"

namespace platform {

// DeleteFileW for a file whose find record gave `attributes`. A file that is neither a folder, a
// link, read-only nor a system entry goes with one call while no open handle and no bits kept by
// the process need its identity; anything else goes as DeleteFileW takes it.
BOOL DeleteListedFile(LPCWSTR path, DWORD attributes);

}  // namespace platform
