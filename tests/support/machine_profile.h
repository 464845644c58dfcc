#pragma once
// The text of a simulated machine's profile: the computer HOMEPC of the user Alice with drive C: on
// the host folder "c", and what a test adds. Sections come out in the order machine, drives,
// folders, the rest.

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

class MachineProfile {
public:
    // More "key = value" lines of the [machine] section.
    MachineProfile& Machine(const std::string& lines);
    // "[drive X]" on the host folder named by the lower-case letter, with more "key = value" lines.
    MachineProfile& Drive(char letter, const std::string& lines = "");
    MachineProfile& Folder(const std::string& name, const std::string& windowsPath);
    // Any other section, or several, as profile text.
    MachineProfile& Add(const std::string& sections);
    std::string Text() const;

private:
    std::string machine_ = "computer = HOMEPC\nuser = Alice\n";
    std::string drives_ = "[drive C]\nhost = c\n";
    std::string folders_;
    std::string rest_;
};

// The program's interrupted-job marker on that machine with the application-data folder
// C:\Users\Alice\AppData\Roaming, below the profile's folder.
inline const std::string kInterruptMarker = "c/Users/Alice/AppData/Roaming/Harbex_Solo+/Ini/BacAbnor.ini";

// Writes the profile into folder and sets the machine up from it; fails with the profile's fault.
::testing::AssertionResult StartMachine(const std::string& folder, const MachineProfile& profile);

}  // namespace testsupport
