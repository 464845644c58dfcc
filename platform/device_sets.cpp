// SetupAPI device-information sets: a snapshot of the present disk or CD-ROM interfaces.

#include "platform/device_machine.h"
#include "platform/errors.h"
#include "platform/handle.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr GUID DiskDriveClass{0x4D36E967, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
constexpr GUID CdromClass{0x4D36E965, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
// The 32-bit program's cbSize of SP_DEVICE_INTERFACE_DETAIL_DATA_A and where its path starts.
constexpr DWORD DetailCbSize = 5;
constexpr DWORD DetailPathAt = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);

class DeviceSet : public HandleObject {
public:
    GUID interfaceClass;
    GUID deviceClass;
    std::vector<devices::DeviceInterface> interfaces;
};

DeviceSet* SetOf(HDEVINFO set)
{
    return HandleAs<DeviceSet>(set);
}

}  // namespace
}  // namespace platform

using platform::Fail;

HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, LPCSTR, HWND, DWORD flags)
{
    if ((flags & DIGCF_DEVICEINTERFACE) == 0 || classGuid == nullptr) {
        Fail(ERROR_INVALID_FLAGS);
        return INVALID_HANDLE_VALUE;
    }
    using platform::devices::InterfaceClass;
    InterfaceClass kind;
    if (*classGuid == GUID_DEVINTERFACE_DISK) {
        kind = InterfaceClass::Disk;
    } else if (*classGuid == GUID_DEVINTERFACE_CDROM) {
        kind = InterfaceClass::Cdrom;
    } else {
        Fail(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto& machine = platform::devices::CurrentDeviceMachine();
    machine.Refresh();
    auto* set = new platform::DeviceSet;
    set->interfaceClass = *classGuid;
    set->deviceClass = kind == InterfaceClass::Disk ? platform::DiskDriveClass : platform::CdromClass;
    set->interfaces = machine.Interfaces(kind);
    return platform::ToHandle(set);
}

BOOL SetupDiEnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data)
{
    auto* devices = platform::SetOf(set);
    if (devices == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (data == nullptr || data->cbSize != sizeof(SP_DEVINFO_DATA)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (index >= devices->interfaces.size()) {
        return Fail(ERROR_NO_MORE_ITEMS);
    }
    data->ClassGuid = devices->deviceClass;
    data->DevInst = devices->interfaces[index].node;
    data->Reserved = index + 1;
    return TRUE;
}

// Each device of a set carries one interface, so a device's interface is the one at its index.
BOOL SetupDiEnumDeviceInterfaces(HDEVINFO set, SP_DEVINFO_DATA* device, const GUID* interfaceClass, DWORD index,
                                 SP_DEVICE_INTERFACE_DATA* data)
{
    auto* devices = platform::SetOf(set);
    if (devices == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (data == nullptr || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) || interfaceClass == nullptr) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    DWORD at = index;
    if (device != nullptr) {
        if (device->Reserved == 0 || index != 0) {
            return Fail(ERROR_NO_MORE_ITEMS);
        }
        at = device->Reserved - 1;
    }
    if (!(*interfaceClass == devices->interfaceClass) || at >= devices->interfaces.size()) {
        return Fail(ERROR_NO_MORE_ITEMS);
    }
    data->InterfaceClassGuid = devices->interfaceClass;
    data->Flags = SPINT_ACTIVE;
    data->Reserved = at + 1;
    return TRUE;
}

BOOL SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                      SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD detailSize, DWORD* requiredSize,
                                      SP_DEVINFO_DATA* device)
{
    auto* devices = platform::SetOf(set);
    if (devices == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (data == nullptr || data->Reserved == 0 || data->Reserved > devices->interfaces.size()) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const auto& item = devices->interfaces[data->Reserved - 1];
    DWORD needed = platform::DetailPathAt + static_cast<DWORD>(item.path.size()) + 1;
    if (requiredSize != nullptr) {
        *requiredSize = needed;
    }
    if (detail == nullptr || detailSize < needed) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    if (detail->cbSize != platform::DetailCbSize) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    std::memcpy(reinterpret_cast<char*>(detail) + platform::DetailPathAt, item.path.c_str(), item.path.size() + 1);
    if (device != nullptr && device->cbSize == sizeof(SP_DEVINFO_DATA)) {
        device->ClassGuid = devices->deviceClass;
        device->DevInst = item.node;
        device->Reserved = data->Reserved;
    }
    return TRUE;
}

BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set)
{
    auto* devices = platform::SetOf(set);
    if (devices == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    delete devices;
    return TRUE;
}
