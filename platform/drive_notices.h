#pragma once
// Volume arrival and removal as WM_DEVICECHANGE carries them, the power notices of
// WM_POWERBROADCAST, and the watcher that finds out when the set of drive letters changes.

#include "platform/win_types.h"

inline constexpr std::uintptr_t DBT_DEVICEARRIVAL = 0x8000;
inline constexpr std::uintptr_t DBT_DEVICEREMOVECOMPLETE = 0x8004;
inline constexpr DWORD DBT_DEVTYP_VOLUME = 2;

inline constexpr std::uintptr_t PBT_APMSUSPEND = 4;
inline constexpr std::uintptr_t PBT_APMSTANDBY = 5;
inline constexpr std::uintptr_t PBT_APMRESUMESUSPEND = 7;
inline constexpr std::uintptr_t PBT_APMRESUMESTANDBY = 8;

struct DEV_BROADCAST_HDR {
    DWORD dbch_size = 0;
    DWORD dbch_devicetype = 0;
    DWORD dbch_reserved = 0;
};

struct DEV_BROADCAST_VOLUME {
    DWORD dbcv_size = sizeof(DEV_BROADCAST_VOLUME);
    DWORD dbcv_devicetype = DBT_DEVTYP_VOLUME;
    DWORD dbcv_reserved = 0;
    DWORD dbcv_unitmask = 0;  // bit 0 = A: ... bit 25 = Z:
    WORD dbcv_flags = 0;
};

namespace platform {

// The letters of the drive table as a unit mask.
DWORD DriveUnitMask();

struct DriveChange {
    DWORD arrived = 0;
    DWORD removed = 0;
};

// Notes the drive letters at construction; Poll picks up plug and unplug of the simulated drives
// (and, on the real machine, USB disks mounted or unmounted since) and reports the letters that
// came and went since the previous call.
class DriveChangeWatcher {
public:
    DriveChangeWatcher();
    DriveChange Poll();

private:
    DWORD known_;
    std::string mountTable_;
};

}  // namespace platform
