#include "backup/drive/ProxyDriver.h"

#include "backup/drive/DeviceHandle.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr std::u16string_view DosDevices = u"\\DosDevices\\";

std::vector<BYTE>& ScratchBlock()
{
    static std::vector<BYTE> block;
    return block;
}

}  // namespace

HANDLE OpenProxyDevice()
{
    return CreateFileA("\\\\.\\VEMOURPX", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

BYTE* ScratchBuffer(std::size_t n)
{
    std::vector<BYTE>& block = ScratchBlock();
    if (block.size() < n) {
        block.clear();
        block.shrink_to_fit();
        try {
            block.assign((n / 256 + 1) * 256, 0);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    } else {
        std::memset(block.data(), 0, n);
    }
    return block.data();
}

const char16_t* BuildProxyTargetName(std::string_view name)
{
    if (name.empty()) {
        return nullptr;
    }
    BYTE* block = ScratchBuffer(2 * name.size() + 26);
    if (block == nullptr) {
        return nullptr;
    }
    auto* units = reinterpret_cast<char16_t*>(block);
    std::size_t at = 0;
    for (char16_t unit : DosDevices) {
        units[at++] = unit;
    }
    for (char c : name) {
        BYTE byte = static_cast<BYTE>(c);
        units[at++] = byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte;
    }
    units[at] = 0;
    return units;
}

HANDLE BindProxyTarget(const char16_t* name)
{
    if (name == nullptr || name[0] == 0) {
        return INVALID_HANDLE_VALUE;
    }
    std::size_t units = std::char_traits<char16_t>::length(name);
    HANDLE proxy = OpenProxyDevice();
    if (proxy == INVALID_HANDLE_VALUE) {
        return INVALID_HANDLE_VALUE;
    }
    DWORD returned = 0;
    if (!DeviceIoControl(proxy, IOCTL_PROXY_SET_TARGET, const_cast<char16_t*>(name), static_cast<DWORD>(2 * units + 2),
                         nullptr, 0, &returned, nullptr)) {
        CloseHandle(proxy);
        return INVALID_HANDLE_VALUE;
    }
    return proxy;
}

HANDLE OpenThroughProxy(std::string_view name)
{
    const char16_t* target = BuildProxyTargetName(name);
    return target == nullptr ? INVALID_HANDLE_VALUE : BindProxyTarget(target);
}
