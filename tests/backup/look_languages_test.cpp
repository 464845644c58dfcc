// Every page and dialog of the backup application in each interface language, opened as a user opens
// them and measured with the fonts the program draws with: no caption may be cut, covered, drawn
// over another caption or run into an input control. With HARBEX_SHOTS set, every step is saved
// there as a PNG file for a person to look at.

#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/SelDest_Win.h"
#include "backup/window/jobs/WindowJob.h"
#include "startup_fixture.h"
#include "ui/testing_captions.h"

#include <cstdlib>
#include <filesystem>

namespace {

namespace uit = ui::testing;

struct Step {
    const char* shot;
    std::vector<const char*> clicks;
};

const Step kPages[] = {
    {"p01_product", {"Menu_SumIndex_BtnLab", "Menu_Sum_ProBtn_Lab"}},
    {"p02_device", {"Menu_SumIndex_BtnLab", "Menu_Sum_DevBtn_Lab"}},
    {"p03_easy_backup", {"Menu_BacIndex_BtnLab", "Menu_Bac_EasyBtn_Lab"}},
    {"p04_manual_backup", {"Menu_BacIndex_BtnLab", "Menu_Bac_ManualBtn_Lab"}},
    {"p05_easy_restore", {"Menu_ResIndex_BtnLab", "Menu_Res_EasyBtn_Lab"}},
    {"p06_manual_restore", {"Menu_ResIndex_BtnLab", "Menu_Res_ManualBtn_Lab"}},
    {"p07_easy_delete", {"Menu_DelIndex_BtnLab", "Menu_Del_EasyBtn_Lab"}},
    {"p08_manual_delete", {"Menu_DelIndex_BtnLab", "Menu_Del_ManualBtn_Lab"}},
    {"p09_favorites_backup", {"Menu_AppIndex_BtnLab", "Menu_App_FavBtn_Lab", "AFT_Bac_Lab"}},
    {"p09_favorites_restore", {"Menu_AppIndex_BtnLab", "Menu_App_FavBtn_Lab", "AFT_Res_Lab"}},
    {"p10_general_settings", {"Menu_SetIndex_BtnLab", "Menu_Set_GenBtn_Lab"}},
    {"p11_launch_methods", {"Menu_SetIndex_BtnLab", "Menu_Set_BacBtn_Lab", "SBT_Startup_Lab"}},
    {"p11_hotkeys", {"Menu_SetIndex_BtnLab", "Menu_Set_BacBtn_Lab", "SBT_Hotkey_Lab"}},
    {"p11_schedule_regular", {"Menu_SetIndex_BtnLab", "Menu_Set_BacBtn_Lab", "SBT_Time_Lab", "Time_Set_Reg_Radio_Img"}},
    {"p11_schedule_special", {"Menu_SetIndex_BtnLab", "Menu_Set_BacBtn_Lab", "SBT_Time_Lab", "Time_Set_Spe_Radio_Img"}},
    {"p12_update", {"Menu_SetIndex_BtnLab", "Menu_Set_UpdBtn_Lab"}},
};

class LookAllLanguages : public startuptest::StartupMachine, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        StartupMachine::SetUp();
        ui::gfx::UseFixedMetrics(false);
        Open(GetParam());
    }

    // Checks the window as it is now and saves its picture when asked to.
    void Look(TForm& window, const std::string& shot)
    {
        for (const std::string& fault : uit::CaptionFaults(window)) {
            faults_.push_back(shot + " " + fault);
        }
        Shoot(window, shot);
    }

    // Saves the window's picture when asked to.
    void Shoot(TForm& window, const std::string& shot)
    {
        if (const char* dir = std::getenv("HARBEX_SHOTS"); dir != nullptr && *dir != '\0') {
            std::filesystem::create_directories(dir);
            const std::string path = std::string(dir) + "/" + std::to_string(GetParam()) + "_" + shot + ".png";
            EXPECT_TRUE(uit::RenderToPng(window, path)) << path;
        }
    }

    void ClickByName(const char* name)
    {
        TControl* control = uit::Find(*MainForm, name);
        ASSERT_NE(control, nullptr) << name;
        uit::Click(*control);
    }

    // The next modal window is looked at and then closed as Escape would close it.
    void LookAtNextModal(const std::string& shot)
    {
        ui_.AnswerNextModal([this, shot](TForm& window) {
            Look(window, shot);
            window.SetModalResult(ui::mrCancel);
        });
    }

    std::vector<std::string> faults_;
};

// The one line a label shows of its caption, empty when it shows more or when the line is wider
// than the label (its last glyph cut).
std::u16string ShownLine(const TLabel& label)
{
    const ui::gfx::TextBlock block =
        ui::gfx::LayOutText(label.Font().Spec(), label.Caption(), label.Width(), label.Height(), label.DrawFlags());
    if (block.lines.size() != 1 || block.lines.front().width > label.Width()) {
        return u"";
    }
    return block.lines.front().text;
}

TEST_P(LookAllLanguages, EveryPageAndDialogShowsItsCaptionsWhole)
{
    for (const Step& step : kPages) {
        for (const char* name : step.clicks) {
            ClickByName(name);
        }
        Look(form(), step.shot);
    }

    ClickByName("Menu_ResIndex_BtnLab");
    ClickByName("Menu_Res_EasyBtn_Lab");
    LookAtNextModal("d_calendar");
    ClickByName("Res_Time_Sel_Btn_Img");
    ui_.AnswerNextModal([this](TForm& window) {
        auto& dest = dynamic_cast<TSelDest_Form&>(window);
        Look(dest, "d_destination");
        uit::Click(*dest.Sel_Check_Img);
        LookAtNextModal("d_folder_picker");
        uit::Click(*dest.Btn_Browser_Img);
        uit::Click(*dest.RB_Btn_Lab);
    });
    ClickByName("Res_BrowserBtn_Img");

    ClickByName("Menu_DelIndex_BtnLab");
    LookAtNextModal("d_message");
    ClickByName("RB_Btn_Lab");

    LookAtNextModal("d_about");
    ClickByName("Main_Btn_About_Hint_Lab");

    LookAtNextModal("d_schedule_notice");
    form().AskScheduledBackup(u"0202401051030"
                              u"1");

    LookAtNextModal("d_countdown");
    ShowAutoStartCountdown(form(), u"E:\\");

    EXPECT_EQ(ui_.ModalCount(), 7);
    std::string list;
    for (const std::string& fault : faults_) {
        list += "\n  " + fault;
    }
    EXPECT_TRUE(faults_.empty()) << list;
}

TEST_P(LookAllLanguages, ALongPathOnTheProgressPanelsKeepsItsFileName)
{
    const std::u16string folder = u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy\\Document\\20261211_120100\\C\\Users\\Alice"
                                  u"\\Documents\\Projects\\2026\\Quarterly reports and their appendices";
    const std::u16string name = u"\\Harbour survey final report.docx";
    ClickByName("Menu_BacIndex_BtnLab");
    ClickByName("Menu_Bac_EasyBtn_Lab");
    ShowProgressPanel(form());
    WindowJob::OfWindow().ShowPath(folder + name);
    // The panel covers the page under it: only the path's line is checked.
    Shoot(form(), "progress_long_path");
    const std::u16string shown = ShownLine(*form().Progress_File_Path_Lab);
    EXPECT_NE(shown.find(u"..." + name), std::u16string::npos) << "the file's name after the ellipsis";
    EXPECT_NE(shown.find(u"E:\\Harbex_Solo+\\"), std::u16string::npos) << "the start of the path";
    CloseProgressPanel(form());

    std::u16string countdown;
    ui_.AnswerNextModal([&](TForm& window) {
        auto& shownWindow = dynamic_cast<TAutoStartForm&>(window);
        ShowAutoStartBackingUp(shownWindow);
        WindowJob(nullptr, shownWindow.Progress_File_Path_Lab, nullptr).ShowPath(folder + name);
        Look(window, "countdown_long_path");
        countdown = ShownLine(*shownWindow.Progress_File_Path_Lab);
        window.SetModalResult(ui::mrCancel);
    });
    ShowAutoStartCountdown(form(), u"E:\\");
    EXPECT_NE(countdown.find(u"..." + name), std::u16string::npos) << "on the countdown window";

    std::string list;
    for (const std::string& fault : faults_) {
        list += "\n  " + fault;
    }
    EXPECT_TRUE(faults_.empty()) << list;
}

INSTANTIATE_TEST_SUITE_P(Languages, LookAllLanguages, ::testing::Values(1033, 2052, 1028, 1041, 1025));

}  // namespace
