#pragma once
// The machine the program runs on. With the environment variable HARBEX_MACHINE a profile file
// declares it (computer, user, Windows version, drives, special folders, simulated devices);
// without it the real machine is used: the home folder is C:, the special folders come from the
// XDG user folders and the Windows version record is that of a Windows 7 SP1 x64 workstation.
//
// Profile syntax: "[section]" or "[section argument]" headers, "key = value" entries, "#" comments
// (also after a value, when preceded by a blank), blank lines. Relative host paths are relative to
// the profile's folder. The sections machine, drive and folders are checked here; other sections
// are kept for the layers that read them.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProfileEntry {
    std::string key, value;
    int line = 0;
};

struct ProfileSection {
    std::string name, argument;
    int line = 0;
    std::vector<ProfileEntry> entries;
    const std::string* Find(std::string_view key) const;
};

struct Profile {
    std::string path, folder;
    std::vector<ProfileSection> sections;
};

// Reads and checks a profile; on failure error is "FILE:LINE: what is wrong" (or "FILE: ..." when
// the file cannot be read).
bool LoadProfile(const std::string& path, Profile& profile, std::string& error);

// Sets the machine up from HARBEX_MACHINE (or the real machine without it): drive table,
// system record, special folders, registry location. False with a message on a broken profile.
bool InitMachine(std::string& error);

// The loaded profile, or nullptr on the real machine.
const Profile* CurrentProfile();

// Test helper: writes text as "machine.ini" into folder and sets the machine up from it.
bool InitMachineFromText(const std::string& folder, std::string_view text, std::string& error);

// Sets the machine up from a loaded profile.
bool InitMachineFromProfile(const Profile& profile, std::string& error);

// The Linux folder that keeps the machine's own state (registry hives, services, shell requests):
// the profile's folder, or on the real machine $XDG_DATA_HOME/harbex-machine.
const std::string& MachineFolder();

}  // namespace platform
