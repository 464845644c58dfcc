#pragma once
// The main window on a machine with an external USB disk E: that has a push button (register chip,
// button bit 0x0001) and one document on C:, so that an Easy Backup has something to copy.

#include "frame_fixture.h"
#include "platform/sim/sim_state.h"

#include <fstream>

namespace startuptest {

class StartupMachine : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        std::filesystem::create_directories(Host("e"));
        std::filesystem::create_directories(Host("c/Users/Alice/Documents"));
        std::ofstream(Host("c/Users/Alice/Documents/Letter.doc")) << "Dear Bob";
        const std::string text = "[machine]\ncomputer = HOMEPC\nuser = Alice\n\n[drive C]\nhost = c\n\n"
                                 "[drive E]\nhost = e\ntype = fixed\nbus = usb\nlabel = Backup\n\n"
                                 "[folders]\nappdata = C:\\Users\\Alice\\AppData\\Roaming\n"
                                 "documents = C:\\Users\\Alice\\Documents\n\n"
                                 "[usbdisk E]\nchip = register\nbutton = released\n\n"
                                 "[drivers]\nproxy = yes\ndiskdriver = no\n";
        std::string error;
        ASSERT_TRUE(platform::InitMachineFromText(folder_, text, error)) << error;
    }

    TMainForm& form() { return *MainForm; }

    // The simulator's command: the state file that a running program picks up.
    void SetDrive(bool plugged, bool pressed)
    {
        ASSERT_EQ(platform::sim::WriteDeviceState(platform::sim::StateFolder(folder_), u'E', {plugged, pressed}), 0u);
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
