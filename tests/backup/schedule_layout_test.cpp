// The Hotkey and Schedule tabs of the backup settings page in both directions.

#include "frame_fixture.h"
#include "tests/support/shot_path.h"

#include <cstdlib>

namespace {

namespace uit = ui::testing;

class SettingsTabsMachine : public frametest::MainWindowMachine {
protected:
    void ShowTab(int langId, void (TMainForm::*tab)(TObject*))
    {
        Open(langId);
        MainForm->Menu_Set_BacBtn_LabClick(nullptr);
        (MainForm->*tab)(nullptr);
        ui::Application->ProcessMessages();
    }

    void Render(const std::string& name) { EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath(name))); }
};

TEST_F(SettingsTabsMachine, HotkeyTabLeftToRight)
{
    ShowTab(1033, &TMainForm::SBT_Hotkey_LabClick);
    TMainForm& f = *MainForm;
    EXPECT_TRUE(f.Set_Bac_Hotkey_Pan->Visible());
    EXPECT_TRUE(f.SB_Btn_Add_Pan->Visible());
    EXPECT_FALSE(f.Set_Bac_Time_Pan->Visible());
    EXPECT_FALSE(f.Hotkey_Shift_CheckImg->Visible());
    EXPECT_EQ(f.Hotkey_Ctl_CheckImg->Left(), 11);
    // "Alt + " is wider than its 25 px, so the key edit moves right by the excess and keeps 3 px away.
    const int altText = f.Hotkey_Alt_Lab->Font().TextWidth(u"Alt + ");
    ASSERT_GT(altText, 25);
    EXPECT_EQ(f.Hotkey_Alt_Lab->Width(), altText);
    EXPECT_EQ(f.Hotkey_Edit_BK_Lab->Left(), 101 + altText - 25 + 3);
    const int width = f.Hotkey_ListView->Width();
    EXPECT_EQ(f.Hotkey_ListView->Columns().Items(0)->Width(), (width - 50) / 2);
    EXPECT_EQ(f.Hotkey_ListView->Columns().Items(2)->Width(), 50);
    EXPECT_EQ(f.SB_Btn_Add_Pan->Left(), f.Set_Bac_Hotkey_Pan->Width() - 88);
    EXPECT_EQ(f.SB_FuncSel_Edit->Text(), u"Easy Backup");
    Render("settings_hotkey_1033.png");
}

TEST_F(SettingsTabsMachine, ScheduleTabLeftToRight)
{
    ShowTab(1033, &TMainForm::SBT_Time_LabClick);
    TMainForm& f = *MainForm;
    EXPECT_TRUE(f.Set_Bac_Time_Pan->Visible());
    EXPECT_FALSE(f.Set_Bac_Hotkey_Pan->Visible());
    EXPECT_EQ(f.Time_Set_Reg_Day_Show_Edit->Text(), u"Every day");
    EXPECT_EQ(f.Time_Set_Reg_Min_Show_Edit->Text(), u"00");
    EXPECT_EQ(f.Time_Set_Spe_Mon_Show_Edit->Text(), u"");
    EXPECT_EQ(f.Time_Set_Spe_Mon_Show_Edit->Color(), 0x808080u);
    EXPECT_EQ(f.Time_Set_Reg_Day_Pan_BK_Lab->Width(), 158);
    EXPECT_EQ(f.SB_Btn_Add_Pan->Top(), f.Set_Bac_Time_Pan->Top() + 123);
    f.Time_Set_Spe_Radio_ImgClick(nullptr);
    EXPECT_EQ(f.Time_Set_Spe_Mon_Show_Edit->Text(), u"01");
    EXPECT_EQ(f.Time_Set_Spe_Dat_CBox->Items().Count(), 31);
    EXPECT_EQ(f.Time_Set_Reg_Day_Show_Edit->Text(), u"");
    Render("settings_schedule_1033.png");
}

TEST_F(SettingsTabsMachine, BothTabsMirrored)
{
    ShowTab(1025, &TMainForm::SBT_Hotkey_LabClick);
    TMainForm& f = *MainForm;
    const int w = f.Set_Bac_Hotkey_Pan->Width();
    EXPECT_EQ(f.Hotkey_Edit_BK_Lab->Left() + f.Hotkey_Edit_BK_Lab->Width(), w - 10) << "the row still ends 10 px in";
    EXPECT_EQ(f.Hotkey_Ctl_CheckImg->Left(), w - 142 - (f.Hotkey_Alt_Lab->Font().TextWidth(u"Alt + ") - 25 + 3));
    EXPECT_EQ(f.SB_Btn_Add_Pan->Left(), 6);
    EXPECT_EQ(f.SB_FuncSel_Pan->Left(), 126);
    EXPECT_EQ(f.SB_FuncSel_Btn_Img->Left(), 0);
    Render("settings_hotkey_1025.png");

    f.SBT_Time_LabClick(nullptr);
    ui::Application->ProcessMessages();
    EXPECT_EQ(f.Time_Set_Reg_Hou_Pan_BK_Lab->Left(), 10);
    EXPECT_EQ(f.Time_Set_Reg_Min_Pan_BK_Lab->Left() + f.Time_Set_Reg_Min_Pan_BK_Lab->Width(), 128);
    EXPECT_EQ(f.Time_Set_Reg_Day_Pan_BK_Lab->Width(), 158);
    EXPECT_EQ(f.Sch_List_Title_Lab->Left(), 10);
    Render("settings_schedule_1025.png");
}

}  // namespace
