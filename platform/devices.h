#pragma once
// Devices as the Windows program sees them: the device names "\\.\NAME", DeviceIoControl with the
// storage, SCSI pass-through and driver control codes, and the SetupAPI device-interface sets.
// A simulated machine (platform/sim/) answers them from the machine profile; without one the real
// machine answers from sysfs and SG_IO.

#include "platform/drives.h"
#include "platform/win_types.h"

#include <string>
#include <string_view>
#include <vector>

using DEVINST = DWORD;
using HDEVINFO = HANDLE;

struct GUID {
    DWORD Data1 = 0;
    WORD Data2 = 0;
    WORD Data3 = 0;
    BYTE Data4[8] = {};
};

inline bool operator==(const GUID& a, const GUID& b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::char_traits<char>::compare(reinterpret_cast<const char*>(a.Data4),
                                           reinterpret_cast<const char*>(b.Data4), 8) == 0;
}

inline constexpr GUID GUID_DEVINTERFACE_DISK{
    0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};
inline constexpr GUID GUID_DEVINTERFACE_CDROM{
    0x53F56308, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};

// The 32-bit program's SetupAPI records: Reserved is a pointer-sized member there, so 32 bits.
struct SP_DEVINFO_DATA {
    DWORD cbSize = 0;
    GUID ClassGuid;
    DEVINST DevInst = 0;
    DWORD Reserved = 0;
};

struct SP_DEVICE_INTERFACE_DATA {
    DWORD cbSize = 0;
    GUID InterfaceClassGuid;
    DWORD Flags = 0;
    DWORD Reserved = 0;
};

// A variable-length block: cbSize (5 for the 32-bit program), then the NUL-terminated path.
struct SP_DEVICE_INTERFACE_DETAIL_DATA_A {
    DWORD cbSize;
    char DevicePath[1];
};

inline constexpr DWORD DIGCF_PRESENT = 0x2;
inline constexpr DWORD DIGCF_DEVICEINTERFACE = 0x10;
inline constexpr DWORD SPINT_ACTIVE = 0x1;
inline constexpr DWORD ERROR_INVALID_FLAGS = 1004;
inline constexpr DWORD ERROR_INVALID_USER_BUFFER = 1784;

HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, LPCSTR enumerator, HWND parent, DWORD flags);
BOOL SetupDiEnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data);
BOOL SetupDiEnumDeviceInterfaces(HDEVINFO set, SP_DEVINFO_DATA* device, const GUID* interfaceClass, DWORD index,
                                 SP_DEVICE_INTERFACE_DATA* data);
BOOL SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data,
                                      SP_DEVICE_INTERFACE_DETAIL_DATA_A* detail, DWORD detailSize, DWORD* requiredSize,
                                      SP_DEVINFO_DATA* device);
BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set);

BOOL DeviceIoControl(HANDLE device, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                     void* overlapped);

// CreateFileA opens device names; other paths go to CreateFileW.
HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, void* security, DWORD disposition, DWORD flags,
                   HANDLE templateFile);

// The process error mode; no drive here ever prompts for media, so it only records the mode.
inline constexpr UINT SEM_FAILCRITICALERRORS = 0x1;
UINT SetErrorMode(UINT mode);

inline constexpr DWORD IOCTL_STORAGE_GET_DEVICE_NUMBER = 0x2D1080;
inline constexpr DWORD IOCTL_STORAGE_QUERY_PROPERTY = 0x2D1400;
inline constexpr DWORD IOCTL_SCSI_PASS_THROUGH = 0x4D004;

inline constexpr DWORD FILE_DEVICE_CD_ROM = 2;
inline constexpr DWORD FILE_DEVICE_DISK = 7;

struct STORAGE_DEVICE_NUMBER {
    DWORD DeviceType = 0;
    LONG DeviceNumber = -1;
    DWORD PartitionNumber = 0;
};

inline constexpr DWORD StorageDeviceProperty = 0;
inline constexpr DWORD StorageAdapterProperty = 1;
inline constexpr DWORD PropertyStandardQuery = 0;

struct STORAGE_PROPERTY_QUERY {
    DWORD PropertyId = 0;
    DWORD QueryType = 0;
    BYTE AdditionalParameters[1] = {};
};

inline constexpr DWORD BusTypeScsi = 1;
inline constexpr DWORD BusTypeAta = 3;
inline constexpr DWORD BusTypeUsb = 7;
inline constexpr DWORD BusTypeSata = 11;

struct STORAGE_DEVICE_DESCRIPTOR {
    DWORD Version = 0;
    DWORD Size = 0;
    BYTE DeviceType = 0;
    BYTE DeviceTypeModifier = 0;
    BYTE RemovableMedia = 0;
    BYTE CommandQueueing = 0;
    DWORD VendorIdOffset = 0;
    DWORD ProductIdOffset = 0;
    DWORD ProductRevisionOffset = 0;
    DWORD SerialNumberOffset = 0;
    DWORD BusType = 0;
    DWORD RawPropertiesLength = 0;
    BYTE RawDeviceProperties[1] = {};
};

namespace platform {

// Opens "\\.\NAME" (CreateFileW calls this for such paths). Fails with ERROR_FILE_NOT_FOUND for a
// device that is not there, as Windows does for a driver that is not installed.
HANDLE OpenDevice(std::u16string_view name, DWORD access, DWORD share);

// Safe removal of the USB disk that carries the drive letter: the disk goes away as if unplugged.
// ERROR_INVALID_DRIVE for a letter that is no removable USB disk.
DWORD RequestSafeRemoval(char16_t letter);

// The mounted USB disks of the real machine as drives, lettered from firstLetter on.
std::vector<Drive> RealUsbDrives(char16_t firstLetter);

// Sees plug, unplug and button changes made by other processes; every device request does this.
void RefreshDevices();

}  // namespace platform

static_assert(sizeof(SP_DEVINFO_DATA) == 28 && sizeof(SP_DEVICE_INTERFACE_DATA) == 28);
static_assert(sizeof(STORAGE_DEVICE_NUMBER) == 12 && sizeof(STORAGE_PROPERTY_QUERY) == 12);
static_assert(sizeof(STORAGE_DEVICE_DESCRIPTOR) == 40);
