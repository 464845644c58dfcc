#pragma once
// The drive lists and the table of external disks that the main window holds.

#include "platform/devices.h"
#include "platform/win_types.h"

#include <array>
#include <string>

inline constexpr int MaxDriveRoots = 30;
inline constexpr int MaxExternalDevices = 30;
inline constexpr int MaxLettersPerDevice = 6;

struct RECORD_DEVICECODE {
    std::int32_t Count = 0;
    std::array<std::u16string, MaxDriveRoots> Roots;  // "X:\"
};

struct RECORD_EXTDEVICE {
    std::int32_t LetterCount = 0;
    std::array<char, MaxLettersPerDevice> Letters{};
    DEVINST DiskNode = 0;
    WORD ChipCode = 0;
    WORD ButtonMask = 0;
    WORD ButtonState = 0;
};

// Each entry keeps the device set in which its disk interface was found, so that the button poll
// can open that interface again; the table releases the sets it holds.
struct DEVICE_TABLE {
    std::int32_t Count = 0;
    std::array<RECORD_EXTDEVICE, MaxExternalDevices> Devices{};
    std::array<SP_DEVICE_INTERFACE_DATA, MaxExternalDevices> DiskInterfaceData{};
    std::array<HDEVINFO, MaxExternalDevices> DiskInterfaceSet{};

    DEVICE_TABLE() = default;
    DEVICE_TABLE(const DEVICE_TABLE&) = delete;
    DEVICE_TABLE& operator=(const DEVICE_TABLE&) = delete;
    ~DEVICE_TABLE() { ReleaseInterfaceSets(); }

    // Destroys every kept device set and clears every entry.
    void Clear();
    void ReleaseInterfaceSets();
};

void ClearExtDeviceRecord(RECORD_EXTDEVICE& record);
