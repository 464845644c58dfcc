#include "tests/support/small_file_system.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

SmallFileSystem::SmallFileSystem(std::size_t bytes)
{
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    if (::mount("tmpfs", folder_.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
        why_ = std::string("a small tmpfs cannot be mounted here (") + std::strerror(errno) +
               "); run the tests as root to check a full disk";
        return;
    }
    mounted_ = true;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_) {
        ::umount2(folder_.Path().c_str(), MNT_DETACH);
    }
}

std::filesystem::path SmallFileSystem::Fill(const std::string& name, std::size_t leave) const
{
    const std::filesystem::path path = std::filesystem::path(folder_.Path()) / name;
    std::filesystem::create_directories(path.parent_path());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::vector<char> block(4096, 'f');
    // Whole blocks first, then single bytes into the last page that has room.
    for (const std::size_t size : {block.size(), std::size_t{1}}) {
        while (fd >= 0 && ::write(fd, block.data(), size) == static_cast<ssize_t>(size)) { }
    }
    if (fd >= 0) {
        const off_t size = ::lseek(fd, 0, SEEK_END);
        if (leave > 0 && size > static_cast<off_t>(leave)) {
            (void)::ftruncate(fd, size - static_cast<off_t>(leave));
        }
        ::close(fd);
    }
    return path;
}

}  // namespace testsupport
