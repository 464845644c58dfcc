#pragma once
// A simulated machine in a temporary folder for the application frame: drive C: with a user's
// application-data folder, a Windows version record and a user default language.

#include "backup/base/CommandLine.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_folder.h"
#include "ui/testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace frametest {

// The program's command-line argument lives for the whole process: a test that starts the window for
// a drive leaves it behind for the next test unless it is given back.
class CommandLineArgumentKept {
public:
    CommandLineArgumentKept() = default;
    CommandLineArgumentKept(const CommandLineArgumentKept&) = delete;
    CommandLineArgumentKept& operator=(const CommandLineArgumentKept&) = delete;
    ~CommandLineArgumentKept() { SetCommandLineArgument(before_); }

private:
    std::u16string before_ = CommandLineArgument();
};

class FrameMachine : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder_ + "/c/Users/Alice/AppData/Roaming");
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("system", "C:\\Windows\\System32")));
    }

    void SetUserLanguage(LANGID langId)
    {
        platform::SystemRecord record = platform::CurrentSystemRecord();
        record.userLangId = langId;
        platform::SetSystemRecord(record);
    }

    void SetRegistryLanguage(const std::u16string& value)
    {
        HKEY key = nullptr;
        const std::u16string path = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Harbex Solo+";
        ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, path.c_str(), &key), ERROR_SUCCESS);
        const std::u16string data = value + u'\0';
        ASSERT_EQ(RegSetValueExW(key, u"LangVer", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size() * 2)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::filesystem::path Host(const std::string& relative) const { return std::filesystem::path(folder_) / relative; }

    CommandLineArgumentKept argument_;
    testsupport::TempFolder temp_{"harbex-frame"};
    std::string folder_ = temp_.Path();
};

// The same machine with the main window open in a chosen language, on the fake clock.
class MainWindowMachine : public FrameMachine {
protected:
    void Open(int langId)
    {
        SaveLanguageSetting(langId);
        MainForm = new TMainForm(ui::Application);
        MainForm->AfterConstruction();
    }

    void Close()
    {
        if (MainForm != nullptr) {
            delete MainForm->OwnedMsgForm;
            delete MainForm;
            MainForm = nullptr;
        }
    }

    void TearDown() override
    {
        Close();
        FrameMachine::TearDown();
    }

    ui::testing::UiTest ui_;
};

}  // namespace frametest
