#pragma once
// The main window on a machine with an external USB disk E: that has a push button (register chip,
// button bit 0x0001) and one document on C:, so that an Easy Backup has something to copy.

#include "frame_fixture.h"
#include "platform/sim/sim_state.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

namespace startuptest {

class StartupMachine : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        std::filesystem::create_directories(Host("e"));
        testsupport::WriteText(Host("c/Users/Alice/Documents/Letter.doc"), "Dear Bob");
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Drive('E', "type = fixed\nbus = usb\nlabel = Backup\n")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("documents", "C:\\Users\\Alice\\Documents")
                                                           .Add("[usbdisk E]\nchip = register\nbutton = released\n"
                                                                "[drivers]\nproxy = yes\ndiskdriver = no\n")));
    }

    TMainForm& form() { return *MainForm; }

    // The simulator's command: the state file that a running program picks up.
    void SetDrive(bool plugged, bool pressed, char16_t letter = u'E')
    {
        ASSERT_EQ(platform::sim::WriteDeviceState(platform::sim::StateFolder(folder_), letter, {plugged, pressed}), 0u);
    }

    bool BackupDriveHasFiles() const
    {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Host("e"))) {
            if (entry.is_regular_file()) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace startuptest
