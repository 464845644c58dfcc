#pragma once
// Inside the machine layer: what a profile (or the real machine) sets up, before it is applied.

#include "platform/drives.h"
#include "platform/machine.h"
#include "platform/system.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

struct MachineSetup {
    SystemRecord system;
    std::vector<Drive> drives;
    std::vector<std::pair<int, std::u16string>> folders;  // CSIDL and Windows path
    std::string machineFolder;
    std::string desktopEntryFolder;  // host folder whose shell links are XDG desktop entries
};

// Checks the sections machine, drive and folders of a parsed profile and converts them; on failure
// error is "FILE:LINE: what is wrong".
bool ReadMachineSetup(const Profile& profile, MachineSetup& setup, std::string& error);

// The real machine: the home folder as C:, the XDG user folders, a Windows 7 SP1 x64 record.
MachineSetup RealMachineSetup();

// The LANGID of a locale name such as "zh_CN.UTF-8" (English for anything unknown).
LANGID LangIdOfLocale(std::string_view locale);

}  // namespace platform
