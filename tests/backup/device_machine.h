#pragma once
// A simulated machine for the drive tests: drive C: plus the drive and device lines given.

#include "tests/platform/machine_fixture.h"
#include "tests/support/machine_profile.h"

#include <filesystem>
#include <string>

class DeviceMachineFixture : public MachineFixture {
protected:
    // driveLetters: the letters besides C: that need a host folder.
    void StartDevices(const std::string& driveLetters, const std::string& lines, const std::string& arch = "x64")
    {
        for (char letter : driveLetters) {
            std::filesystem::create_directories(folder_ + "/" + letter);
        }
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Machine("arch = " + arch + "\n")
                                                           .Folder("desktop", "C:\\Users\\Alice\\Desktop")
                                                           .Add(lines)));
    }

    static std::string UsbDisk(char letter, const std::string& deviceLines)
    {
        const std::string l(1, letter);
        return "[drive " + l + "]\nhost = " + l + "\ntype = fixed\nbus = usb\n[usbdisk " + l + "]\n" + deviceLines;
    }
};
