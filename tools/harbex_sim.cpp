// harbex-sim: plugs, unplugs and presses the button of a simulated drive of the machine that
// HARBEX_MACHINE names, while a program runs on it.
//
//   harbex-sim plug E | unplug E | press E | release E

#include "platform/machine.h"
#include "platform/sim/sim_profile.h"
#include "platform/sim/sim_state.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: harbex-sim plug|unplug|press|release LETTER   (machine from HARBEX_MACHINE)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace platform::sim;
    if (argc != 3 || std::string(argv[2]).size() != 1 || !std::isalpha(static_cast<unsigned char>(argv[2][0]))) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command != "plug" && command != "unplug" && command != "press" && command != "release") {
        return Usage();
    }
    const char16_t letter = static_cast<char16_t>(std::toupper(static_cast<unsigned char>(argv[2][0])));
    const char* path = std::getenv("HARBEX_MACHINE");
    if (path == nullptr || *path == '\0') {
        std::cerr << "harbex-sim: HARBEX_MACHINE names no machine profile\n";
        return 1;
    }
    platform::Profile profile;
    SimMachineSpec machineDesc;
    std::string error;
    if (!platform::LoadProfile(path, profile, error) || !ReadSimMachineSpec(profile, machineDesc, error)) {
        std::cerr << "harbex-sim: " << error << "\n";
        return 1;
    }
    const auto device =
        std::find_if(machineDesc.devices.begin(), machineDesc.devices.end(), [letter](const SimDeviceSpec& d) {
            return (d.kind == SimKind::UsbDisk || d.kind == SimKind::Stick) && d.letters.front() == letter;
        });
    if (device == machineDesc.devices.end()) {
        std::cerr << "harbex-sim: " << static_cast<char>(letter) << ": is no simulated USB disk or stick\n";
        return 1;
    }
    const std::string folder = StateFolder(profile.folder);
    DeviceState state{true, device->pressed};
    ReadDeviceState(folder, letter, state);
    if (command == "plug" || command == "unplug") {
        state.plugged = command == "plug";
    } else {
        state.pressed = command == "press";
    }
    if (WriteDeviceState(folder, letter, state) != 0) {
        std::cerr << "harbex-sim: the state in " << folder << " cannot be written\n";
        return 1;
    }
    std::cout << static_cast<char>(letter) << ": " << (state.plugged ? "plugged" : "unplugged") << ", button "
              << (state.pressed ? "pressed" : "released") << "\n";
    return 0;
}
