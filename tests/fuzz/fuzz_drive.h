#pragma once
// The drive Z: that a fuzz target reads and writes through: a fresh temporary host folder, mounted
// once for the life of the process.

#include "platform/drives.h"

#include <cstdlib>
#include <filesystem>
#include <string>

inline const std::string& FuzzDriveFolder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz_drive_XXXXXX").string();
        std::string made = mkdtemp(pattern.data());
        platform::Drive drive;
        drive.letter = u'Z';
        drive.hostFolder = made;
        platform::MountDrive(drive);
        return made;
    }();
    return folder;
}
