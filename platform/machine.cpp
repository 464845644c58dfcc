#include "platform/machine.h"
#include "platform/machine_setup.h"
#include "platform/shell.h"
#include "platform/sim/sim_profile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace platform {
namespace {

std::optional<Profile>& LoadedProfile()
{
    static std::optional<Profile> profile;
    return profile;
}

std::string& Folder()
{
    static std::string folder;
    return folder;
}

void Apply(const MachineSetup& setup)
{
    ClearDrives();
    for (const Drive& drive : setup.drives) {
        MountDrive(drive);
    }
    SetSystemRecord(setup.system);
    ClearSpecialFolders();
    for (const auto& [csidl, path] : setup.folders) {
        SetSpecialFolder(csidl, path);
    }
    Folder() = setup.machineFolder;
    SetDesktopEntryFolder(setup.desktopEntryFolder);
}

}  // namespace

bool InitMachineFromProfile(const Profile& profile, std::string& error)
{
    MachineSetup setup;
    sim::SimMachineSpec devices;
    // Broken device sections are reported at start-up, not met later as a machine without devices.
    if (!ReadMachineSetup(profile, setup, error) || !sim::ReadSimMachineSpec(profile, devices, error)) {
        return false;
    }
    LoadedProfile() = profile;
    Apply(setup);
    return true;
}

bool InitMachine(std::string& error)
{
    const char* path = std::getenv("HARBEX_MACHINE");
    if (path == nullptr || *path == '\0') {
        LoadedProfile().reset();
        Apply(RealMachineSetup());
        return true;
    }
    Profile profile;
    return LoadProfile(path, profile, error) && InitMachineFromProfile(profile, error);
}

bool InitMachineFromText(const std::string& folder, std::string_view text, std::string& error)
{
    const std::string path = (std::filesystem::path(folder) / "machine.ini").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out) {
            error = path + ": the machine profile cannot be written";
            return false;
        }
    }
    Profile profile;
    return LoadProfile(path, profile, error) && InitMachineFromProfile(profile, error);
}

const Profile* CurrentProfile()
{
    return LoadedProfile() ? &*LoadedProfile() : nullptr;
}

const std::string& MachineFolder()
{
    return Folder();
}

}  // namespace platform
