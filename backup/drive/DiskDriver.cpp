#include "backup/drive/DiskDriver.h"

#include "backup/drive/DeviceHandle.h"
#include "backup/drive/ProxyDriver.h"

#include <cstring>

namespace {

constexpr std::size_t SizeCountedFrom = 14;
constexpr std::size_t FirstParameterAt = 22;
constexpr std::size_t SecondParameterAt = 26;
constexpr std::size_t AnswerAt = 30;
constexpr std::size_t PathAt = 31;

void Put32(DeviceBlock& block, std::size_t at, DWORD value)
{
    for (int i = 0; i < 4; ++i) {
        block[at + i] = static_cast<BYTE>(value >> (8 * i));
    }
}

}  // namespace

HANDLE OpenDiskDriverDevice()
{
    return CreateFileA("\\\\.\\VEMOVDDA", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

DeviceBlock BuildDiskDriverRequest(std::string_view path)
{
    if (path.empty()) {
        return {};
    }
    DeviceBlock request(2 * path.size() + 33, 0);
    std::memcpy(request.data(), "VEMOVDDA", 8);
    request[8] = 0x05;
    request[9] = 0x01;
    Put32(request, 10, 0x68);
    Put32(request, SizeCountedFrom, static_cast<DWORD>(request.size() - SizeCountedFrom));
    Put32(request, 18, PathAt - SizeCountedFrom);
    std::size_t at = PathAt;
    for (char c : path) {
        BYTE byte = static_cast<BYTE>(c);
        request[at] = byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte;
        at += 2;
    }
    return request;
}

bool SendDiskDriverRequest(HANDLE driver, DeviceBlock& request)
{
    if (driver == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD returned = 0;
    const DWORD size = static_cast<DWORD>(request.size());
    return DeviceIoControl(driver, IOCTL_VDDA_QUERY_LETTER, request.data(), size, request.data(), size, &returned,
                           nullptr);
}

char QueryDiskDriverLetter(std::string_view path, std::int32_t first, std::int32_t second)
{
    if (path.empty()) {
        return 0;
    }
    ScopedDeviceHandle driver(OpenDiskDriverDevice());
    if (!driver.valid()) {
        return 0;
    }
    DeviceBlock request = BuildDiskDriverRequest(path);
    if (request.empty()) {
        return 0;
    }
    Put32(request, FirstParameterAt, static_cast<DWORD>(first));
    Put32(request, SecondParameterAt, static_cast<DWORD>(second));
    request[AnswerAt] = 0;
    if (!SendDiskDriverRequest(driver.get(), request)) {
        return 0;
    }
    return static_cast<char>(request[AnswerAt]);
}

LONG DiskNumberOfDriveLetter(char letter)
{
    if (letter == 0) {
        return -1;
    }
    ScopedDeviceSet set(
        SetupDiGetClassDevsA(&GUID_DEVINTERFACE_DISK, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!set.valid()) {
        return -1;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device;
        device.cbSize = sizeof device;
        SP_DEVICE_INTERFACE_DATA data;
        data.cbSize = sizeof data;
        if (!SetupDiEnumDeviceInfo(set.get(), index, &device) ||
            !SetupDiEnumDeviceInterfaces(set.get(), nullptr, &GUID_DEVINTERFACE_DISK, index, &data)) {
            return -1;
        }
        const std::string path = DetailPathWithoutPrefix(InterfaceDetail(set.get(), &data));
        if (path.empty() || QueryDiskDriverLetter(path, -1, -1) != letter) {
            continue;
        }
        ScopedDeviceHandle disk(OpenThroughProxy(path));
        return disk.valid() ? DiskNumberOfHandle(disk.get()) : -1;
    }
}
