#pragma once
// The live state of the simulated removable devices, kept in files of "<profile folder>/state/" so
// that another process (the simulator command) can plug, unplug and press while the program runs.

#include "platform/win_types.h"

#include <string>

namespace platform::sim {

struct DeviceState {
    bool plugged = true;
    bool pressed = false;
};

std::string StateFolder(const std::string& profileFolder);

// False when the drive has no state file yet (the profile's initial state holds then).
bool ReadDeviceState(const std::string& stateFolder, char16_t letter, DeviceState& state);

// Replaces the file at once (written aside, then renamed). Returns the Windows error, 0 on success.
DWORD WriteDeviceState(const std::string& stateFolder, char16_t letter, const DeviceState& state);

}  // namespace platform::sim
