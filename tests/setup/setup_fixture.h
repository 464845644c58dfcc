#pragma once
// A simulated Windows machine in a temporary folder for the setup program: drive C: with the
// Windows, program-files, per-user and all-users folders, and the wizard opened on it.

#include "platform/machine.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "setup/MainWin.h"
#include "setup/SetupMsgWin.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_folder.h"
#include "ui/testing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace setuptest {

struct MachineOptions {
    bool admin = true;
    LANGID langId = 1033;
};

class SetupMachine : public ::testing::Test {
protected:
    void TearDown() override { CloseWizard(); }

    void MakeMachine(MachineOptions options = {})
    {
        temp_.emplace("harbex-setup");
        folder_ = temp_->Path();
        for (const char* folder :
             {"c/Windows/System32/drivers", "c/Windows/SysWOW64/drivers", "c/Program Files", "c/Program Files (x86)",
              "c/Users/Alice/AppData/Roaming", "c/Users/Public/Desktop", "c/ProgramData/Start Menu/Programs/Startup"}) {
            std::filesystem::create_directories(Host(folder));
        }
        const std::string machine = std::string("arch = x64\nadmin = ") + (options.admin ? "yes" : "no") +
                                    "\nlangid = " + std::to_string(options.langId) + "\n";
        ASSERT_TRUE(testsupport::StartMachine(
            folder_, testsupport::MachineProfile()
                         .Machine(machine)
                         .Folder("windows", "C:\\Windows")
                         .Folder("system", "C:\\Windows\\System32")
                         .Folder("programfiles", "C:\\Program Files")
                         .Folder("programfilesx86", "C:\\Program Files (x86)")
                         .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                         .Folder("commondesktop", "C:\\Users\\Public\\Desktop")
                         .Folder("commonprograms", "C:\\ProgramData\\Start Menu\\Programs")
                         .Folder("commonstartup", "C:\\ProgramData\\Start Menu\\Programs\\Startup")));
    }

    void OpenWizard()
    {
        setup::MainForm = new setup::TMainForm(ui::Application);
        setup::MainForm->AfterConstruction();
    }

    // Shows the wizard, which runs the checks of its first activation.
    void ShowWizard() { setup::MainForm->ShowForm(); }

    void CloseWizard()
    {
        delete setup::MainForm;
        setup::MainForm = nullptr;
    }

    setup::TMainForm& Wizard() { return *setup::MainForm; }

    template <class T> T* Control(std::string_view name)
    {
        T* control = ui::testing::FindAs<T>(Wizard(), name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Answers the next message box with its left (Yes) or right (No, OK) button; records its text.
    void AnswerBox(bool left)
    {
        ui_.AnswerNextModal([this, left](ui::TForm& box) {
            boxTexts_.push_back(ui::testing::FindAs<ui::TLabel>(box, "Msg_Lab")->Caption());
            ui::testing::Click(*ui::testing::FindAs<ui::TLabel>(box, left ? "LB_Btn_Lab" : "RB_Btn_Lab"));
        });
    }

    std::filesystem::path Host(const std::string& relative) const { return std::filesystem::path(folder_) / relative; }

    void WriteHostFile(const std::string& relative, const std::string& bytes)
    {
        testsupport::WriteText(Host(relative), bytes);
    }

    std::optional<testsupport::TempFolder> temp_;
    std::string folder_;
    ui::testing::UiTest ui_;
    std::vector<std::u16string> boxTexts_;
};

}  // namespace setuptest
