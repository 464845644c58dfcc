#include "platform/dos_attributes.h"

#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <map>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr const char* kXattrName = "user.DOSATTRIB";
constexpr DWORD kFatBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

enum class Store { ExtendedAttribute, Fat, Process };

struct Registry {
    std::mutex mutex;
    std::map<dev_t, Store> storeOfDevice;
    std::map<std::pair<dev_t, ino_t>, DWORD> processBits;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

Store StoreOf(dev_t device)
{
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.storeOfDevice.find(device);
    return found == registry.storeOfDevice.end() ? Store::ExtendedAttribute : found->second;
}

bool SomeDeviceRefusedExtendedAttributes()
{
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return !registry.storeOfDevice.empty();
}

// Called when the file system refused extended attributes: vfat keeps the bits itself.
Store FallBackFrom(dev_t device, int fd)
{
    struct statfs fs { };
    const Store store = (::fstatfs(fd, &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC) ? Store::Fat : Store::Process;
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.storeOfDevice[device] = store;
    return store;
}

bool RefusesExtendedAttributes(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP;
}

class ScopedFd {
public:
    explicit ScopedFd(int fd) : fd_(fd) { }
    ~ScopedFd()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

int OpenForAttributes(const std::string& hostPath)
{
    return ::open(hostPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

// getxattrat (Linux 6.13) reads relative to the open folder, without a lookup of the whole path.
ssize_t GetAttributeAt(int dirFd, const char* name, const std::string& hostPath, char* value, std::size_t size)
{
#if defined(__x86_64__)
    constexpr long kGetXattrAt = 464;
    struct XattrArgs {
        std::uint64_t value;
        std::uint32_t size;
        std::uint32_t flags;
    };
    static std::atomic<bool> available{true};
    if (available.load(std::memory_order_relaxed)) {
        XattrArgs args{reinterpret_cast<std::uintptr_t>(value), static_cast<std::uint32_t>(size), 0};
        const long result = ::syscall(kGetXattrAt, dirFd, name, AT_SYMLINK_NOFOLLOW, kXattrName, &args, sizeof args);
        if (result >= 0 || errno != ENOSYS) {
            return result;
        }
        available.store(false, std::memory_order_relaxed);
    }
#else
    (void)dirFd;
    (void)name;
#endif
    return ::lgetxattr(hostPath.c_str(), kXattrName, value, size);
}

std::optional<DWORD> ParseStored(const char* text, ssize_t length)
{
    std::string_view value(text, static_cast<std::size_t>(length));
    while (!value.empty() && value.back() == '\0') {
        value.remove_suffix(1);
    }
    if (value.size() < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) {
        return std::nullopt;
    }
    DWORD bits = 0;
    const auto [end, error] = std::from_chars(value.data() + 2, value.data() + value.size(), bits, 16);
    if (error != std::errc() || end != value.data() + value.size()) {
        return std::nullopt;
    }
    return bits;
}

std::optional<DWORD> ReadFat(int fd)
{
    __u32 fat = 0;
    if (fd < 0 || ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &fat) != 0) {
        return std::nullopt;
    }
    return static_cast<DWORD>(fat) & kFatBits;
}

bool WriteFat(int fd, DWORD bits)
{
    __u32 fat = 0;
    if (fd < 0 || ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &fat) != 0) {
        return false;
    }
    fat = (fat & ~static_cast<__u32>(kFatBits)) | (bits & kFatBits);
    return ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &fat) == 0;
}

std::optional<DWORD> ReadProcess(FileIdentity id)
{
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.processBits.find({id.device, id.inode});
    if (found == registry.processBits.end()) {
        return std::nullopt;
    }
    return found->second;
}

void WriteProcess(FileIdentity id, DWORD bits, bool isDefault)
{
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (isDefault) {
        registry.processBits.erase({id.device, id.inode});
    } else {
        registry.processBits[{id.device, id.inode}] = bits;
    }
}

DWORD DefaultBits(bool isFolder)
{
    return isFolder ? 0 : FILE_ATTRIBUTE_ARCHIVE;
}

std::string StoredText(DWORD bits)
{
    char text[16] = "0x";
    const auto [end, error] = std::to_chars(text + 2, text + sizeof text, bits, 16);
    return std::string(text, end);
}

// Writes through the fd (opened here from hostPath when fd < 0).
bool Write(const std::string& hostPath, int fd, FileIdentity id, DWORD bits, bool isFolder)
{
    const bool isDefault = bits == DefaultBits(isFolder);
    Store store = StoreOf(id.device);
    if (store == Store::ExtendedAttribute) {
        const std::string text = StoredText(bits);
        int result = 0;
        if (isDefault) {
            result = fd >= 0 ? ::fremovexattr(fd, kXattrName) : ::lremovexattr(hostPath.c_str(), kXattrName);
            if (result != 0 && errno == ENODATA) {
                return true;
            }
        } else {
            result = fd >= 0 ? ::fsetxattr(fd, kXattrName, text.data(), text.size(), 0)
                             : ::lsetxattr(hostPath.c_str(), kXattrName, text.data(), text.size(), 0);
        }
        if (result == 0) {
            return true;
        }
        if (!RefusesExtendedAttributes(errno)) {
            return false;
        }
        const ScopedFd opened(fd >= 0 ? -1 : OpenForAttributes(hostPath));
        store = FallBackFrom(id.device, fd >= 0 ? fd : opened.get());
    }
    if (store == Store::Fat) {
        const ScopedFd opened(fd >= 0 ? -1 : OpenForAttributes(hostPath));
        return WriteFat(fd >= 0 ? fd : opened.get(), bits);
    }
    WriteProcess(id, bits, isDefault);
    return true;
}

}  // namespace

std::optional<DWORD> ReadStoredAttributes(const std::string& hostPath, FileIdentity id)
{
    return ReadStoredAttributes(AT_FDCWD, hostPath.c_str(), hostPath, id);
}

std::optional<DWORD> ReadStoredAttributes(int dirFd, const char* name, const std::string& hostPath, FileIdentity id)
{
    Store store = StoreOf(id.device);
    if (store == Store::ExtendedAttribute) {
        char text[64];
        const ssize_t length = GetAttributeAt(dirFd, name, hostPath, text, sizeof text);
        if (length >= 0) {
            return ParseStored(text, length);
        }
        if (!RefusesExtendedAttributes(errno)) {
            return std::nullopt;
        }
        const ScopedFd opened(OpenForAttributes(hostPath));
        store = FallBackFrom(id.device, opened.get());
    }
    if (store == Store::Fat) {
        const ScopedFd opened(OpenForAttributes(hostPath));
        return ReadFat(opened.get());
    }
    return ReadProcess(id);
}

std::optional<DWORD> ReadStoredAttributes(int fd, FileIdentity id)
{
    Store store = StoreOf(id.device);
    if (store == Store::ExtendedAttribute) {
        char text[64];
        const ssize_t length = ::fgetxattr(fd, kXattrName, text, sizeof text);
        if (length >= 0) {
            return ParseStored(text, length);
        }
        if (!RefusesExtendedAttributes(errno)) {
            return std::nullopt;
        }
        store = FallBackFrom(id.device, fd);
    }
    return store == Store::Fat ? ReadFat(fd) : ReadProcess(id);
}

bool WriteStoredAttributes(const std::string& hostPath, FileIdentity id, DWORD bits, bool isFolder)
{
    return Write(hostPath, -1, id, bits, isFolder);
}

bool WriteStoredAttributes(int fd, FileIdentity id, DWORD bits, bool isFolder)
{
    return Write({}, fd, id, bits, isFolder);
}

bool WriteStoredAttributesOfNewFile(int fd, DWORD bits)
{
    if (!SomeDeviceRefusedExtendedAttributes() && bits != DefaultBits(false)) {
        const std::string text = StoredText(bits);
        if (::fsetxattr(fd, kXattrName, text.data(), text.size(), 0) == 0) {
            return true;
        }
        if (!RefusesExtendedAttributes(errno)) {
            return false;
        }
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    return Write({}, fd, {info.st_dev, info.st_ino}, bits, false);
}

void ForgetStoredAttributes(FileIdentity id)
{
    WriteProcess(id, 0, true);
}

bool KeepsAttributesInProcess()
{
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return !registry.processBits.empty();
}

}  // namespace platform
