// Placement of the two settings pages in both directions, and their look.

#include "backup/window/frame/MainWin.h"
#include "frame_fixture.h"
#include "tests/support/click_path.h"
#include "ui/testing.h"

#include <cstdlib>

namespace {

namespace uit = ui::testing;

class SettingsLayoutTest : public frametest::MainWindowMachine {
protected:
    void ShowPage(const char* subButton)
    {
        testsupport::ClickPath(*MainForm, std::string("Menu_SetIndex_BtnImg/") + subButton);
    }

    // Pictures go where HARBEX_RENDER_DIR points when a reviewer wants to look at them.
    void Render(const std::string& name)
    {
        const char* dir = std::getenv("HARBEX_RENDER_DIR");
        const std::string path = (dir != nullptr ? std::string(dir) : folder_) + "/" + name + ".png";
        EXPECT_TRUE(uit::RenderToPng(*MainForm, path)) << path;
    }
};

TEST_F(SettingsLayoutTest, GeneralPageRowsInBothDirections)
{
    for (int langId : {1033, 1025}) {
        Open(langId);
        TMainForm& f = *MainForm;
        ShowPage("Menu_Set_GenBtn_Lab");
        ASSERT_TRUE(f.Set_Gen_Pan->Visible());
        const int w = f.Set_Gen_Pan->Width();
        EXPECT_EQ(f.Start_Win_CheckImg->Top(), 84);
        EXPECT_EQ(f.Minimize_CheckImg->Top(), 120);
        EXPECT_EQ(f.HideBacFolder_Check_Img->Top(), 156);
        EXPECT_EQ(f.Gen_Set_BK_Deep_Lab->Top() + f.Gen_Set_BK_Deep_Lab->Height(), f.Set_Gen_Pan->Height() - 34);
        if (langId == 1033) {
            EXPECT_EQ(f.Start_Win_CheckImg->Left(), 6);
            EXPECT_EQ(f.Start_Win_Lab->Left(), 29);
            EXPECT_EQ(f.Lang_Sel_Pan_BK_Lab->Left() + f.Lang_Sel_Pan_BK_Lab->Width(), w - 14);
            EXPECT_EQ(f.Lang_Sel_Btn_Img->Left(), f.Lang_Sel_Pan->Width() - 16);
        } else {
            EXPECT_EQ(f.Start_Win_CheckImg->Left(), w - 24);
            EXPECT_EQ(f.Start_Win_Lab->Left(), 18);
            EXPECT_EQ(f.Start_Win_Lab->Left() + f.Start_Win_Lab->Width(), w - 29);
            EXPECT_EQ(f.Lang_Sel_Pan_BK_Lab->Left(), 13);
            EXPECT_EQ(f.Lang_Sel_Btn_Img->Left(), 0);
        }
        Render("settings_general_" + std::to_string(langId));
        Close();
    }
}

TEST_F(SettingsLayoutTest, StartupTabRowsInBothDirectionsAndAfterAResize)
{
    for (int langId : {1033, 1025}) {
        Open(langId);
        TMainForm& f = *MainForm;
        ShowPage("Menu_Set_BacBtn_Lab");
        ASSERT_TRUE(f.Set_Bac_Startup_Pan->Showing());
        EXPECT_EQ(f.Set_Bac_Startup_Pan->Top(), f.SB_Tag_Startup_Pan->Height() - 1);
        const std::pair<TControl*, int> tops[] = {{f.Auto_Plugin_CheckImg, 16},   {f.Auto_Plugin_Time_BK_Lab, 52},
                                                  {f.Auto_ClickBtn_CheckImg, 76}, {f.Auto_ClickBtn_FuncSel_Pan, 112},
                                                  {f.Auto_Hotkey_CheckImg, 136},  {f.Auto_Sch_CheckImg, 172},
                                                  {f.Aes_Check_Img, 208}};
        for (const auto& [control, top] : tops) {
            EXPECT_EQ(control->Top(), top) << control->Name() << " " << langId;
        }
        const int wp = f.Set_Bac_Startup_Pan->Width();
        EXPECT_EQ(f.Auto_ClickBtn_FuncSel_Pan->Left(), 39) << "the selector is never mirrored";
        EXPECT_EQ(f.Auto_Plugin_CheckImg->Left(), langId == 1033 ? 16 : wp - 34);
        EXPECT_EQ(f.Auto_Sch_Lab->Left(), langId == 1033 ? 39 : 16);
        Render("settings_startup_" + std::to_string(langId));

        f.SetBounds(f.Left(), f.Top(), f.Width() + 100, f.Height() + 60);
        EXPECT_EQ(f.Set_Bac_Startup_Pan->Width(), wp + 100);
        EXPECT_EQ(f.Auto_Sch_CheckImg->Top(), 172);
        EXPECT_EQ(f.Auto_Plugin_CheckImg->Left(), langId == 1033 ? 16 : wp + 100 - 34);
        EXPECT_EQ(f.Startup_BK_Deep_Lab->Height(), f.Set_Bac_Startup_Pan->Height() - 34);
        Close();
    }
}

TEST_F(SettingsLayoutTest, TabsSwitchBlocksAndSkins)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowPage("Menu_Set_BacBtn_Lab");
    EXPECT_EQ(f.SB_Tag_Startup_Pan->Height(), 20) << "the English captions fit";
    EXPECT_EQ(f.SBT_Startup_BK_Center_Img->Height(), 20);
    uit::Click(*f.SBT_Hotkey_Lab);
    EXPECT_EQ(f.BackupSettingsTab, 2);
    EXPECT_FALSE(f.Set_Bac_Startup_Pan->Visible());
    // The short tabs show the short pictures, as the Favorites tabs do.
    EXPECT_EQ(f.SBT_Hotkey_BK_Left_Img->Picture().ResourceId(), 23069);
    EXPECT_EQ(f.SBT_Hotkey_BK_Center_Img->Picture().ResourceId(), 23071);
    EXPECT_EQ(f.SBT_Hotkey_BK_Right_Img->Picture().ResourceId(), 23073);
    EXPECT_EQ(f.SBT_Startup_BK_Center_Img->Picture().ResourceId(), 23072);
    EXPECT_EQ(f.SBT_Time_BK_Center_Img->Picture().ResourceId(), 23072);
    uit::Click(*f.SBT_Startup_Lab);
    EXPECT_TRUE(f.Set_Bac_Startup_Pan->Visible());
    EXPECT_EQ(f.SBT_Startup_BK_Center_Img->Picture().ResourceId(), 23071);
    EXPECT_EQ(f.SBT_Hotkey_BK_Center_Img->Picture().ResourceId(), 23072);

    // A caption too wide for one line makes every tab tall, with the tall pictures.
    f.SBT_Time_Lab->SetCaption(u"A caption far too wide for a tab");
    uit::Click(*f.SBT_Time_Lab);
    EXPECT_EQ(f.SB_Tag_Time_Pan->Height(), 35);
    EXPECT_EQ(f.SBT_Time_BK_Left_Img->Picture().ResourceId(), 23063);
    EXPECT_EQ(f.SBT_Time_BK_Center_Img->Picture().ResourceId(), 23065);
    EXPECT_EQ(f.SBT_Time_BK_Right_Img->Picture().ResourceId(), 23067);
    EXPECT_EQ(f.SBT_Startup_BK_Center_Img->Picture().ResourceId(), 23066);
}

}  // namespace
