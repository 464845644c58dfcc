#include "platform/file_lock.h"
#include "platform/errors.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>

namespace platform {

FileLock::FileLock(const std::string& lockFile, bool exclusive)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(lockFile).parent_path(), ec);
    fd_.Reset(open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (fd_.valid() &&
        platform::RetryOnInterrupt([&] { return flock(fd_.get(), exclusive ? LOCK_EX : LOCK_SH); }) != 0) {
        error_ = WindowsErrorFromErrno(errno);
        return;
    }
    if (!fd_.valid()) {
        error_ = WindowsErrorFromErrno(errno);
    }
}

}  // namespace platform
