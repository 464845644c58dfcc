#include "platform/sim/sim_state.h"

#include "platform/errors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform::sim {
namespace {

std::string StateFile(const std::string& stateFolder, char16_t letter)
{
    return stateFolder + "/" + static_cast<char>(letter) + ".state";
}

}  // namespace

std::string StateFolder(const std::string& profileFolder)
{
    return profileFolder + "/state";
}

bool ReadDeviceState(const std::string& stateFolder, char16_t letter, DeviceState& state)
{
    std::ifstream in(StateFile(stateFolder, letter));
    if (!in) {
        return false;
    }
    std::string key, equals, value;
    while (in >> key >> equals >> value) {
        if (key == "plugged") {
            state.plugged = value == "yes";
        } else if (key == "button") {
            state.pressed = value == "pressed";
        }
    }
    return true;
}

DWORD WriteDeviceState(const std::string& stateFolder, char16_t letter, const DeviceState& state)
{
    std::error_code ignored;
    std::filesystem::create_directories(stateFolder, ignored);
    const std::string path = StateFile(stateFolder, letter);
    const std::string aside = path + ".new";
    {
        std::ofstream out(aside, std::ios::trunc);
        out << "plugged = " << (state.plugged ? "yes" : "no") << "\n"
            << "button = " << (state.pressed ? "pressed" : "released") << "\n";
        if (!out.flush()) {
            return ERROR_WRITE_FAULT;
        }
    }
    if (std::rename(aside.c_str(), path.c_str()) != 0) {
        return WindowsErrorFromErrno(errno);
    }
    return ERROR_SUCCESS;
}

}  // namespace platform::sim
