#pragma once
// An advisory lock (flock) on a lock file shared by the processes of one machine, held for the
// object's life: shared for readers, exclusive for writers.

#include "platform/unique_fd.h"
#include "platform/win_types.h"

#include <string>

namespace platform {

class FileLock {
public:
    // Creates the lock file and its folder when missing.
    FileLock(const std::string& lockFile, bool exclusive);
    // 0 when the lock is held, else a Windows error number.
    DWORD error() const { return error_; }

private:
    UniqueFd fd_;
    DWORD error_ = 0;
};

}  // namespace platform
