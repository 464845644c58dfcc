#pragma once
// One job at a time per drive, across processes: an advisory lock (flock) on the drive's root
// folder itself, held for the object's life. Every process that sees the drive's file system
// sees the lock, whatever letter or profile it reaches the drive by, and nothing is written to
// the drive for it.

#include "platform/unique_fd.h"
#include "platform/win_types.h"

#include <string_view>

namespace platform {

class DriveJobLock {
public:
    // Takes the lock of the drive of `path` ("X:\..."), without waiting.
    explicit DriveJobLock(std::u16string_view path);
    // 0 when the lock is held; ERROR_LOCK_VIOLATION when another job holds it; else the error of
    // reaching the drive.
    DWORD error() const { return error_; }

private:
    UniqueFd fd_;
    DWORD error_ = 0;
};

}  // namespace platform
