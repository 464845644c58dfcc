#include "platform/drive_job_lock.h"

#include "platform/drives.h"
#include "platform/errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace platform {

DriveJobLock::DriveJobLock(std::u16string_view path)
{
    const HostPath root = ToHostPath(path.substr(0, 3));
    if (!root.ok()) {
        error_ = root.error;
        return;
    }
    fd_.Reset(open(root.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd_.valid()) {
        error_ = WindowsErrorFromErrno(errno);
        return;
    }
    if (platform::RetryOnInterrupt([&] { return flock(fd_.get(), LOCK_EX | LOCK_NB); }) != 0) {
        error_ = errno == EWOULDBLOCK ? ERROR_LOCK_VIOLATION : WindowsErrorFromErrno(errno);
        fd_.Reset();
    }
}

}  // namespace platform
