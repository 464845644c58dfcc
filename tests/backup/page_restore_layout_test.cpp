// The restore panel as pages 5 and 6 at the window's minimum size, left to right and mirrored.

#include "frame_fixture.h"
#include "tests/support/shot_path.h"

#include <cstdlib>

namespace {

using frametest::MainWindowMachine;

class RestorePageLayout : public MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }

    void Render(const std::string& name) { EXPECT_TRUE(ui::testing::RenderToPng(form(), testsupport::ShotPath(name))); }
};

TEST_F(RestorePageLayout, PagesFiveAndSixPlaceTheArrowAndTreeAtMinimumSize)
{
    Open(1033);
    ASSERT_EQ(form().Res_Pan->Width(), 396);
    ASSERT_EQ(form().Res_Pan->Height(), 362);
    form().Menu_Res_EasyBtn_LabClick(nullptr);
    EXPECT_TRUE(form().Res_Pan->Visible());
    EXPECT_EQ(form().Res_DestBK_Lab->Top(), 292);
    EXPECT_EQ(form().RE_Renew_Btn_Pan->Left(), 284);
    EXPECT_EQ(form().Res_HourGlass_Easy_Img->Left(), 374);
    EXPECT_EQ(form().RE_Info_Size_Doc_Lab->Width(), 147);
    EXPECT_EQ(form().Res_Dest_Edit->Width(), 378);
    EXPECT_EQ(form().Res_BrowserBtn_Img->Left(), 379);
    EXPECT_EQ(form().Res_ArrowIcon_Img->Left(), 185);
    EXPECT_EQ(form().Res_ArrowIcon_Img->Top(), 266);
    EXPECT_TRUE(form().RE_BK_Doc_Lab->Visible());
    EXPECT_FALSE(form().RE_BK_Oth_Lab->Visible());
    EXPECT_FALSE(form().RE_Check_Oth_Img->Visible());
    EXPECT_FALSE(form().RM_Tree->Visible());
    Render("restore_page5_1033.png");

    form().Menu_Res_ManualBtn_LabClick(nullptr);
    EXPECT_EQ(form().Res_ArrowIcon_Img->Top(), 268);
    EXPECT_EQ(form().RM_TreeBK_Lab->Height(), 210);
    EXPECT_EQ(form().RM_Tree->Height(), 208);
    EXPECT_TRUE(form().RM_Tree->Visible());
    EXPECT_FALSE(form().RE_Renew_Btn_Pan->Visible());
    EXPECT_FALSE(form().RE_BK_Oth_Lab->Visible());
    EXPECT_TRUE(form().RM_Time_Sel_Show_Lab->Visible());
    EXPECT_FALSE(form().RE_Time_Sel_Show_Lab->Visible());
    Render("restore_page6_1033.png");

    form().Menu_Res_EasyBtn_LabClick(nullptr);
    EXPECT_EQ(form().Res_ArrowIcon_Img->Top(), 266);
}

TEST_F(RestorePageLayout, MirroredLayoutUnder1025)
{
    Open(1025);
    form().Menu_Res_EasyBtn_LabClick(nullptr);
    const int tW = form().Res_PC_Sel_Title_Lab->Width();
    EXPECT_EQ(form().Res_HourGlass_Easy_Img->Left(), 2);
    EXPECT_EQ(form().RE_Renew_Btn_Pan->Left(), 22);
    EXPECT_EQ(form().Res_PC_Sel_Pan_BK_Lab->Left(), 115);
    EXPECT_EQ(form().Res_PC_Sel_Pan_BK_Lab->Width(), 274 - tW);
    EXPECT_EQ(form().Res_Time_Sel_Btn_Img->Left(), 5);
    EXPECT_EQ(form().RE_Time_Sel_Show_Lab->Left(), 23);
    EXPECT_EQ(form().RE_Check_Doc_Img->Left(), 362);
    EXPECT_EQ(form().RE_Ico_Doc_Img->Left(), 6);
    EXPECT_EQ(form().RE_IcoDes_Doc_Lab->Left(), 202);
    EXPECT_EQ(form().RE_Info_Time_Doc_Lab->Left(), 54);
    EXPECT_EQ(form().Res_Dest_Edit->Left(), 17);
    EXPECT_EQ(form().Res_BrowserBtn_Img->Left(), 1);
    EXPECT_EQ(form().Res_ArrowIcon_Img->Left(), 185);
    Render("restore_page5_1025.png");
    form().Menu_Res_ManualBtn_LabClick(nullptr);
    EXPECT_EQ(form().RM_Tree->Left(), 1);
    EXPECT_EQ(form().RM_Tree->Height(), 208);
    Render("restore_page6_1025.png");
}

}  // namespace
