#include "backup/drive/StorageQuery.h"

#include "backup/drive/DeviceHandle.h"
#include "backup/drive/ProxyDriver.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

constexpr DWORD InterfaceDataSize = 28;
constexpr DWORD DetailCbSize = 5;
constexpr std::size_t DetailPathAt = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
constexpr std::size_t InterfacePrefixLength = 4;

DWORD FirstBufferSize(DWORD propertyId)
{
    return propertyId == StorageDeviceProperty ? 40 : propertyId == StorageAdapterProperty ? 32 : 16;
}

// A block whose Size member (at 4) is preset to its length, as the query expects.
DeviceBlock PresetBlock(DWORD size)
{
    DeviceBlock block(std::max<DWORD>(size, 8), 0);
    std::memcpy(block.data() + 4, &size, 4);
    return block;
}

bool SendQuery(HANDLE device, STORAGE_PROPERTY_QUERY& query, DeviceBlock& block, DWORD& returned)
{
    returned = 0;
    return DeviceIoControl(device, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, block.data(),
                           static_cast<DWORD>(block.size()), &returned, nullptr);
}

DWORD Member32(const DeviceBlock& block, std::size_t at)
{
    DWORD value = 0;
    if (at + 4 <= block.size()) {
        std::memcpy(&value, block.data() + at, 4);
    }
    return value;
}

std::string DescriptorText(const DeviceBlock& descriptor, DWORD offset)
{
    const std::size_t end = std::min<std::size_t>(Member32(descriptor, 4), descriptor.size());
    if (offset == 0 || offset >= end) {
        return {};
    }
    const char* start = reinterpret_cast<const char*>(descriptor.data()) + offset;
    return std::string(start, std::find(start, start + (end - offset), '\0'));
}

using NumberOfHandle = LONG (*)(HANDLE);

// Walks the present interfaces of a class; for each interface whose number equals the wanted one,
// found(set, index, interface data) decides whether the walk ends.
template <class Found>
bool WalkInterfaces(HDEVINFO set, const GUID& interfaceClass, NumberOfHandle numberOf, LONG wanted,
                    SP_DEVICE_INTERFACE_DATA& data, Found found)
{
    // A number that could not be read pairs with no device: another disk's button or driver claim
    // must never be taken for it.
    if (wanted == -1) {
        return false;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device;
        device.cbSize = InterfaceDataSize;
        if (!SetupDiEnumDeviceInfo(set, index, &device)) {
            return false;
        }
        data.cbSize = InterfaceDataSize;
        if (!SetupDiEnumDeviceInterfaces(set, nullptr, &interfaceClass, index, &data)) {
            return false;
        }
        ScopedDeviceHandle handle(OpenInterface(set, &data));
        if (handle.valid() && numberOf(handle.get()) == wanted) {
            found(device);
            return true;
        }
    }
}

DEVINST NodeOfNumber(const GUID& interfaceClass, NumberOfHandle numberOf, LONG number)
{
    ScopedDeviceSet set(SetupDiGetClassDevsA(&interfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!set.valid()) {
        return 0;
    }
    DEVINST node = 0;
    SP_DEVICE_INTERFACE_DATA data;
    WalkInterfaces(set.get(), interfaceClass, numberOf, number, data,
                   [&node](const SP_DEVINFO_DATA& device) { node = device.DevInst; });
    return node;
}

LONG NumberOfLetter(char letter, NumberOfHandle numberOf)
{
    ScopedDeviceHandle handle(OpenDriveLetter(letter));
    return handle.valid() ? numberOf(handle.get()) : -1;
}

}  // namespace

HANDLE OpenDriveLetter(char letter)
{
    const char name[3] = {letter, ':', '\0'};
    return OpenThroughProxy(name);
}

bool QueryDeviceNumber(HANDLE device, STORAGE_DEVICE_NUMBER* number)
{
    if (device == INVALID_HANDLE_VALUE || number == nullptr) {
        return false;
    }
    *number = STORAGE_DEVICE_NUMBER{0, -1, 0};
    DWORD returned = 0;
    return DeviceIoControl(device, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, number, sizeof *number, &returned,
                           nullptr);
}

LONG DiskNumberOfHandle(HANDLE device)
{
    STORAGE_DEVICE_NUMBER number;
    return QueryDeviceNumber(device, &number) && number.DeviceType == FILE_DEVICE_DISK ? number.DeviceNumber : -1;
}

LONG CdromNumberOfHandle(HANDLE device)
{
    STORAGE_DEVICE_NUMBER number;
    return QueryDeviceNumber(device, &number) && number.DeviceType == FILE_DEVICE_CD_ROM ? number.DeviceNumber : -1;
}

LONG DiskNumberOfLetter(char letter)
{
    return NumberOfLetter(letter, DiskNumberOfHandle);
}

LONG CdromNumberOfLetter(char letter)
{
    return NumberOfLetter(letter, CdromNumberOfHandle);
}

DeviceBlock QueryStorageProperty(HANDLE device, DWORD propertyId, DWORD queryType)
{
    if (device == INVALID_HANDLE_VALUE) {
        return {};
    }
    STORAGE_PROPERTY_QUERY query;
    query.PropertyId = propertyId;
    query.QueryType = queryType;
    DeviceBlock block = PresetBlock(FirstBufferSize(propertyId));
    DWORD returned = 0;
    if (!SendQuery(device, query, block, returned)) {
        if (returned == 0) {
            return {};
        }
        block = PresetBlock(returned);
        if (!SendQuery(device, query, block, returned)) {
            return {};
        }
    }
    const DWORD size = Member32(block, 4);
    if (size > returned) {
        block = PresetBlock(size);
        if (!SendQuery(device, query, block, returned)) {
            return {};
        }
    }
    return block;
}

DeviceBlock StorageDescriptorOfLetter(char letter)
{
    ScopedDeviceHandle handle(OpenDriveLetter(letter));
    return QueryStorageProperty(handle.get(), StorageDeviceProperty, PropertyStandardQuery);
}

std::string DescriptorVendorId(const DeviceBlock& descriptor)
{
    return DescriptorText(descriptor, Member32(descriptor, offsetof(STORAGE_DEVICE_DESCRIPTOR, VendorIdOffset)));
}

std::string DescriptorProductId(const DeviceBlock& descriptor)
{
    return DescriptorText(descriptor, Member32(descriptor, offsetof(STORAGE_DEVICE_DESCRIPTOR, ProductIdOffset)));
}

DWORD DescriptorBusType(const DeviceBlock& descriptor)
{
    return Member32(descriptor, offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType));
}

DeviceBlock InterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data)
{
    DWORD required = 0;
    if (SetupDiGetDeviceInterfaceDetailA(set, data, nullptr, 0, &required, nullptr) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= DetailPathAt) {
        return {};
    }
    DeviceBlock detail(required, 0);
    auto* header = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(detail.data());
    header->cbSize = DetailCbSize;
    if (!SetupDiGetDeviceInterfaceDetailA(set, data, header, required, nullptr, nullptr)) {
        return {};
    }
    return detail;
}

std::string DetailPathWithoutPrefix(const DeviceBlock& detail)
{
    if (detail.size() <= DetailPathAt) {
        return {};
    }
    const char* start = reinterpret_cast<const char*>(detail.data()) + DetailPathAt;
    std::string path(start, std::find(start, start + (detail.size() - DetailPathAt), '\0'));
    return path.size() > InterfacePrefixLength ? path.substr(InterfacePrefixLength) : std::string();
}

HANDLE OpenInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data)
{
    std::string path = DetailPathWithoutPrefix(InterfaceDetail(set, data));
    return path.empty() ? INVALID_HANDLE_VALUE : OpenThroughProxy(path);
}

DEVINST DiskNodeOfNumber(LONG number)
{
    return NodeOfNumber(GUID_DEVINTERFACE_DISK, DiskNumberOfHandle, number);
}

DEVINST CdromNodeOfNumber(LONG number)
{
    return NodeOfNumber(GUID_DEVINTERFACE_CDROM, CdromNumberOfHandle, number);
}

bool FindDiskInterfaceOfLetter(char letter, SP_DEVICE_INTERFACE_DATA& data, HDEVINFO& set)
{
    set = nullptr;
    const LONG wanted = DiskNumberOfLetter(letter);
    ScopedDeviceSet devices(
        SetupDiGetClassDevsA(&GUID_DEVINTERFACE_DISK, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!devices.valid() || !WalkInterfaces(devices.get(), GUID_DEVINTERFACE_DISK, DiskNumberOfHandle, wanted, data,
                                            [](const SP_DEVINFO_DATA&) {})) {
        return false;
    }
    set = devices.release();
    return true;
}

HANDLE OpenKeptInterface(char, SP_DEVICE_INTERFACE_DATA& data, HDEVINFO set)
{
    if (set == nullptr || set == INVALID_HANDLE_VALUE) {
        return INVALID_HANDLE_VALUE;
    }
    return OpenInterface(set, &data);
}
