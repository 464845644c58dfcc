#pragma once
// The drive Z: that a fuzz target reads and writes through: a fresh temporary host folder, mounted
// once for the life of the process and removed at its end.

#include "platform/drives.h"
#include "tests/support/temp_folder.h"

#include <string>

inline const std::string& FuzzDriveFolder()
{
    static const testsupport::TempFolder folder("fuzz_drive");
    static const bool mounted = [] {
        platform::Drive drive;
        drive.letter = u'Z';
        drive.hostFolder = folder.Path();
        platform::MountDrive(drive);
        return true;
    }();
    (void)mounted;
    return folder.Path();
}
