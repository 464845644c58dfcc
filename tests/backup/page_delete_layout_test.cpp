// The delete panel as pages 7 and 8 at the window's minimum size, left to right and mirrored.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "frame_fixture.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/shot_path.h"

#include <cstdlib>

namespace {

using frametest::MainWindowMachine;

class DeletePageLayout : public MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }

    void Render(const std::string& name) { EXPECT_TRUE(ui::testing::RenderToPng(form(), testsupport::ShotPath(name))); }

    // A drive with one Easy and one Manual run, shown in both trees with the first node open.
    void ShowSampleTrees()
    {
        drive_ = std::make_unique<enginetest::TempDrive>(u'E', 2);
        const std::u16string pc = u"Harbex_Solo+\\" + PcFolderName();
        drive_->Write(pc + u"\\Easy\\Document\\20240301_090000\\C\\Data\\report.doc", {'r'});
        drive_->Write(pc + u"\\Manual\\20240302_100000\\C\\Data\\notes.txt", {'n'});
        form().Del_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
        BuildDeleteTree(form(), *form().DE_Tree, *form().Del_PC_Show_Edit, 1);
        BuildDeleteTree(form(), *form().DM_Tree, *form().Del_PC_Show_Edit, 2);
        for (TTreeView* tree : {form().DE_Tree, form().DM_Tree}) {
            tree->Items().Top(0)->Expand(false);
        }
    }

    void ExpectTreesShareTheFrame()
    {
        for (const TTreeView* tree : {form().DE_Tree, form().DM_Tree}) {
            EXPECT_EQ(tree->Left(), 1) << tree->Name();
            EXPECT_EQ(tree->Top(), 30) << tree->Name();
            EXPECT_EQ(tree->Width(), form().Del_Pan->Width() - 2) << tree->Name();
            EXPECT_EQ(tree->Height(), form().Del_Tree_BK_Lab->Height() - 2) << tree->Name();
        }
    }

    std::unique_ptr<enginetest::TempDrive> drive_;
};

TEST_F(DeletePageLayout, PagesSevenAndEightShowTheirTreeInOneFrame)
{
    Open(1033);
    ASSERT_EQ(form().Del_Pan->Width(), 396);
    ASSERT_EQ(form().Del_Pan->Height(), 362);
    EXPECT_EQ(form().Del_PC_Title_Lab->Caption(), LookupText(*form().LangTable, 20066));

    ShowSampleTrees();
    form().Menu_Del_EasyBtn_LabClick(nullptr);
    const int tw = form().Del_PC_Title_Lab->Width();
    EXPECT_TRUE(form().Del_Pan->Visible());
    EXPECT_EQ(form().DE_HourGlass_Renew_Img->Left(), 374);
    EXPECT_EQ(form().Del_Tree_BK_Lab->Top(), 29);
    EXPECT_EQ(form().Del_Tree_BK_Lab->Height(), 299);
    EXPECT_EQ(form().DE_Tree->Width(), 394);
    EXPECT_EQ(form().DE_Tree->Height(), 297);
    EXPECT_EQ(form().Del_PC_Sel_Pan_BK_Lab->Width(), 367 - tw);
    EXPECT_EQ(form().Del_PC_Sel_Pan_BK_Lab->Left() + form().Del_PC_Sel_Pan_BK_Lab->Width() + 3,
              form().DE_HourGlass_Renew_Img->Left());
    EXPECT_TRUE(form().DE_Tree->Visible());
    EXPECT_FALSE(form().DM_Tree->Visible());
    EXPECT_FALSE(form().Del_HourGlass_Deleting_Img->Visible());
    ExpectTreesShareTheFrame();
    Render("delete_page7_1033.png");

    form().Menu_Del_ManualBtn_LabClick(nullptr);
    EXPECT_FALSE(form().DE_Tree->Visible());
    EXPECT_TRUE(form().DM_Tree->Visible());
    EXPECT_TRUE(form().DM_HourGlass_Renew_Img->Visible());
    EXPECT_FALSE(form().DE_HourGlass_Renew_Img->Visible());
    Render("delete_page8_1033.png");

    form().SetBounds(form().Left(), form().Top(), 800, 600);
    ExpectTreesShareTheFrame();
    EXPECT_EQ(form().Del_Pan->Width(), form().Sum_Pro_Pan->Width());
}

TEST_F(DeletePageLayout, MirroredLayoutUnder1025)
{
    Open(1025);
    ShowSampleTrees();
    form().Menu_Del_EasyBtn_LabClick(nullptr);
    const int tw = form().Del_PC_Title_Lab->Width();
    for (const TImage* hourglass :
         {form().DE_HourGlass_Renew_Img, form().DM_HourGlass_Renew_Img, form().Del_HourGlass_Deleting_Img}) {
        EXPECT_EQ(hourglass->Left(), 2) << hourglass->Name();
    }
    EXPECT_EQ(form().Del_PC_Title_Lab->Left(), 396 - 4 - tw);
    EXPECT_EQ(form().Del_PC_Sel_Pan_BK_Lab->Left(), 25);
    EXPECT_EQ(form().Del_PC_Sel_Pan_BK_Lab->Width(), 365 - tw);
    EXPECT_EQ(form().Del_PC_Sel_Btn_Img->Left(), 0);
    EXPECT_EQ(form().Del_PC_Show_Edit->Left(), 16);
    ExpectTreesShareTheFrame();
    Render("delete_page7_1025.png");
    form().Menu_Del_ManualBtn_LabClick(nullptr);
    Render("delete_page8_1025.png");
}

}  // namespace
