// The Easy Backup page as the user first sees it, at the minimum window size, in left-to-right
// order and mirrored for the language 1025.

#include "backup/window/frame/MainWin.h"
#include "frame_fixture.h"
#include "tests/support/click_path.h"
#include "tests/support/control_boxes.h"
#include "tests/support/shot_path.h"
#include "ui/testing.h"

#include <cstdlib>
#include <filesystem>

namespace {

namespace uit = ui::testing;

using EasyPageLayout = frametest::MainWindowMachine;

void OpenEasyBackupPage()
{
    testsupport::ClickPath(*MainForm, "Menu_BacIndex_BtnImg/Menu_Bac_EasyBtn_Lab");
    ASSERT_EQ(MainForm->CurrentPage, 3);
    ASSERT_TRUE(MainForm->Bac_Pan->Visible());
    ASSERT_EQ(MainForm->Bac_Pan->Width(), 396);
    ASSERT_EQ(MainForm->Bac_Pan->Height(), 362);
}

TEST_F(EasyPageLayout, LeftToRightAtTheMinimumSize)
{
    Open(1033);
    OpenEasyBackupPage();
    const std::vector<testsupport::ControlBox> boxes = {
        {"BE_BK_Lab", 0, 0, 396, 265},
        {"Bac_Title_Head_Img", 1, 1, 394, 21},
        {"Bac_Title_Head_Lab", 8, 1, 387, 21},
        {"Bac_HourGlass_Easy_Img", 374, 2, 20, 18},
        {"BE_Renew_Btn_Pan", 284, 1, 90, 21},
        {"BE_TotalCap_Ico_Capacity_Img", 342, 27, 48, 34},
        {"BE_TotalCap_Bar_BK_Deep_Lab", 209, 33, 133, 22},
        {"BE_TotalCap_Bar_BK_Light_Lab", 210, 34, 131, 20},
        {"BE_Cls_BK_Doc_Lab", 1, 67, 394, 32},
        {"BE_Cls_BK_Gra_Lab", 1, 100, 394, 32},
        {"BE_Cls_BK_Aud_Lab", 1, 133, 394, 32},
        {"BE_Cls_BK_Vid_Lab", 1, 166, 394, 32},
        {"BE_Cls_BK_Mai_Lab", 1, 199, 394, 32},
        {"BE_Cls_BK_Oth_Lab", 1, 232, 394, 32},
        {"BE_Cls_Ico_Oth_Img", 342, 231, 48, 34},
        {"BE_Cls_Bar_BK_Deep_Vid_Lab", 209, 171, 133, 22},
        {"BE_Cls_Bar_BK_Light_Mai_Lab", 210, 205, 131, 20},
        {"BE_Cls_Check_Gra_Img", 11, 107, 18, 18},
        {"BE_Cls_IcoDes_Aud_Lab", 39, 134, 170, 16},
        {"BE_Cap_Show_Aud_Lab", 39, 150, 170, 16},
        {"Bac_Dest_Pan", 0, 292, 396, 36},
        {"Bac_Dest_Edit", 1, 18, 378, 17},
        {"Bac_Dest_SelBtn_Img", 379, 18, 16, 17},
        {"Bac_ArrowIcon_Img", 185, 268, 26, 20},
    };
    testsupport::ExpectBoxes(*MainForm, boxes);
    EXPECT_EQ(MainForm->Bac_Title_Head_Lab->Caption(), u"Type :  ");
    EXPECT_EQ(MainForm->BE_Cls_IcoDes_Gra_Lab->Caption(), u"Picture");
    EXPECT_EQ(MainForm->BE_Renew_Btn_Lab->Caption(), u"Update");
    EXPECT_EQ(MainForm->BE_TotalCap_IcoDes_Lab->Caption(), u"Total capacity of local disk : ");
    EXPECT_FALSE(MainForm->BE_Cls_Check_Oth_Img->Visible());
    EXPECT_FALSE(MainForm->BE_TotalCap_Check_Img->Visible());
    EXPECT_TRUE(MainForm->BE_Cap_Show_Oth_Lab->Visible());
    EXPECT_EQ(MainForm->BE_Cap_Bar_Doc_Img->Width(), 0);
    EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath("easy_backup_1033.png")));
}

TEST_F(EasyPageLayout, MirroredForTheLanguage1025)
{
    Open(1025);
    testsupport::ClickPath(*MainForm, "Menu_BacIndex_BtnImg/Menu_Bac_EasyBtn_Lab");
    ASSERT_TRUE(MainForm->Bac_Pan->Visible());
    // The page mirrors itself inside whatever rectangle the mirrored page area gives it.
    const int p = MainForm->Bac_Pan->Width();
    const std::vector<testsupport::ControlBox> boxes = {
        {"Bac_Title_Head_Lab", 8, -1, p - 16, -1},
        {"Bac_HourGlass_Easy_Img", 2, -1, -1, -1},
        {"Bac_HourGlass_Manual_Img", 2, -1, -1, -1},
        {"BE_Renew_Btn_Pan", 22, 1, 90, -1},
        {"BE_Cls_Check_Mai_Img", p - 29, -1, -1, -1},
        {"BE_TotalCap_Ico_Capacity_Img", 5, -1, -1, -1},
        {"BE_Cls_Ico_Doc_Img", 5, -1, -1, -1},
        {"BE_Cls_IcoDes_Vid_Lab", p - 209, -1, 170, -1},
        {"BE_Cap_Show_Oth_Lab", p - 209, -1, 170, -1},
        {"BE_TotalCap_Bar_BK_Deep_Lab", 53, -1, p - 262, -1},
        {"BE_Cls_Bar_BK_Deep_Gra_Lab", 53, -1, p - 262, -1},
        {"BE_Cls_Bar_BK_Light_Oth_Lab", 54, -1, p - 264, -1},
        {"BE_TotalCap_Doc_Img", 54, -1, 0, -1},
        {"BE_Cap_Bar_Aud_Img", 54, -1, 0, -1},
        {"Bac_Dest_Edit", 17, -1, p - 18, -1},
        {"Bac_Dest_SelBtn_Img", 1, -1, -1, -1},
        {"Bac_ArrowIcon_Img", (p - 26) / 2, 268, -1, -1},
    };
    testsupport::ExpectBoxes(*MainForm, boxes);
    EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath("easy_backup_1025.png")));
}

TEST_F(EasyPageLayout, ManualPageSharesThePanelWithoutTheRows)
{
    Open(1033);
    OpenEasyBackupPage();
    uit::Click(*uit::Find(*MainForm, "Menu_Bac_ManualBtn_Lab"));
    EXPECT_EQ(MainForm->Bac_Title_Head_Lab->Caption(), u"Files");
    EXPECT_FALSE(MainForm->BE_Cls_BK_Doc_Lab->Visible());
    EXPECT_FALSE(MainForm->BE_Renew_Btn_Pan->Visible());
    EXPECT_TRUE(MainForm->Bac_HourGlass_Manual_Img->Visible());
    EXPECT_TRUE(MainForm->Bac_Dest_Pan->Visible());
    EXPECT_EQ(MainForm->Bac_ArrowIcon_Img->Top(), 272);
}

TEST_F(EasyPageLayout, WiderWindowWidensBarsAndKeepsRowTops)
{
    Open(1033);
    OpenEasyBackupPage();
    MainForm->SetBounds(MainForm->Left(), MainForm->Top(), MainForm->Width() + 100, MainForm->Height() + 40);
    EXPECT_EQ(MainForm->Bac_Pan->Width(), 496);
    EXPECT_EQ(MainForm->BE_Cls_Bar_BK_Light_Vid_Lab->Width(), 231);
    EXPECT_EQ(MainForm->BE_Cls_Ico_Vid_Img->Left(), 442);
    EXPECT_EQ(MainForm->BE_Cls_BK_Oth_Lab->Top(), 232);
    EXPECT_EQ(MainForm->Bac_Dest_Pan->Top(), 332);
}

}  // namespace
