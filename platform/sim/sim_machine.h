#pragma once

#include "platform/device_machine.h"
#include "platform/machine.h"

#include <memory>
#include <string>

namespace platform::sim {

// Null with "FILE:LINE: what is wrong" in error when the profile's device sections are broken.
std::unique_ptr<devices::DeviceMachine> MakeSimDeviceMachine(const Profile& profile, std::string& error);

}  // namespace platform::sim
