#pragma once
// Safe removal through udisks2 on the system bus: the disk's file systems are unmounted, then the
// drive is powered off, as the desktop's own "safely remove" does.

#include "platform/win_types.h"

#include <string>
#include <vector>

namespace platform {

// partitions are block device names ("sdb1") of the disk's mounted file systems, the disk's own
// name when it has no partition table. 0 on success; ERROR_NOT_SUPPORTED without udisks2,
// ERROR_BUSY while a file system is in use, ERROR_ACCESS_DENIED when the user may not, and
// ERROR_GEN_FAILURE for any other refusal.
DWORD UdisksSafeRemoval(const std::vector<std::string>& partitions);

}  // namespace platform
