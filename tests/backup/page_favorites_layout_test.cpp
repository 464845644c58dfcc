// The Favorites page at the minimum window size: both tabs, left to right and mirrored for the
// language 1025, and what a tab click changes.

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

using FavoritesPageLayout = frametest::MainWindowMachine;

void OpenFavoritesPage()
{
    testsupport::ClickPath(*MainForm, "Menu_AppIndex_BtnImg/Menu_App_FavBtn_Lab");
    ASSERT_EQ(MainForm->CurrentPage, 9);
    ASSERT_TRUE(MainForm->App_Fav_Pan->Visible());
    ASSERT_EQ(MainForm->App_Fav_Pan->Width(), 396);
    ASSERT_EQ(MainForm->App_Fav_Pan->Height(), 362);
}

void ExpectGroupsShown(bool backupTab)
{
    for (const char* name : {"AF_DestBK_Lab", "AF_Dest_Title_Lab", "AF_Dest_Pan", "AF_ArrowIcon_Img"}) {
        EXPECT_EQ(uit::Find(*MainForm, name)->Visible(), backupTab) << name;
    }
    for (const char* name : {"AF_PC_Sel_BK_Deep_Lab", "AF_PC_Sel_BK_Light_Lab", "AF_PC_Sel_Title_Lab",
                             "AF_PC_Sel_Pan_BK_Lab", "AF_PC_Sel_Pan"}) {
        EXPECT_EQ(uit::Find(*MainForm, name)->Visible(), !backupTab) << name;
    }
}

int SkinOf(const TImage* image)
{
    return image->Picture().ResourceId();
}

// English captions fit their tabs, so the tabs are 20 px high: the page frame starts at 19 and the
// IE tab 4 px below the tabs, or 3 px below the source group on the Restore tab.
TEST_F(FavoritesPageLayout, BothTabsLeftToRight)
{
    Open(1033);
    OpenFavoritesPage();
    EXPECT_EQ(MainForm->RB_Btn_Lab->Caption(), u"Backup");
    ExpectGroupsShown(true);
    testsupport::ExpectBoxes(*MainForm,
                             {{"AF_OP_Tag_Bac_Pan", 0, 0, 130, 20},
                              {"AF_OP_Tag_Res_Pan", 132, 0, 130, 20},
                              {"AFT_Bac_Lab", 5, 0, 120, 20},
                              {"AF_DestBK_Lab", 0, 292, 396, 36},
                              {"AF_Dest_Title_Lab", 1, 293, 394, 16},
                              {"AF_Dest_Pan", 1, 310, 394, 17},
                              {"AF_Dest_SelBtn_Img", 378, 0, 16, 17},
                              {"AF_Dest_Edit", 0, 0, 378, 17},
                              {"AF_ArrowIcon_Img", 185, 268, 26, 20},
                              {"AF_BK_Deep_Lab", 0, 19, 396, 245},
                              {"AF_Bro_Tag_IE_Pan", 3, 24, 130, 20},
                              {"AFT_IE_Ico_Img", 28, 2, 16, 16},
                              {"AF_Tree_BK_Lab", 3, 43, 390, 215},
                              {"AF_Tree", 4, 44, 388, 213}},
                             "backup tab");
    EXPECT_EQ(SkinOf(MainForm->AFT_Bac_BK_Center_Img), 23071);
    EXPECT_EQ(SkinOf(MainForm->AFT_Res_BK_Center_Img), 23072);
    EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath("favorites_backup_1033.png")));

    uit::Click(*MainForm->AFT_Res_Lab);
    EXPECT_EQ(MainForm->FavoritesRestoreTab, 1);
    EXPECT_EQ(MainForm->RB_Btn_Lab->Caption(), u"Restore");
    ExpectGroupsShown(false);
    testsupport::ExpectBoxes(*MainForm,
                             {{"AF_PC_Sel_BK_Deep_Lab", 3, 24, 390, 26},
                              {"AF_PC_Sel_BK_Light_Lab", 4, 25, 388, 24},
                              {"AF_BK_Deep_Lab", 0, 19, 396, 309},
                              {"AF_Bro_Tag_IE_Pan", 3, 53, 130, 20},
                              {"AF_Tree_BK_Lab", 3, 72, 390, 250},
                              {"AF_Tree", 4, 73, 388, 248}},
                             "restore tab");
    const TLabel* title = MainForm->AF_PC_Sel_Title_Lab;
    EXPECT_EQ(title->Left(), 7);
    EXPECT_EQ(MainForm->AF_PC_Sel_Pan_BK_Lab->Left(), title->Left() + title->Width());
    EXPECT_EQ(MainForm->AF_PC_Sel_Pan->Left() + MainForm->AF_PC_Sel_Pan->Width(), 389);
    EXPECT_EQ(SkinOf(MainForm->AFT_Bac_BK_Center_Img), 23072);
    EXPECT_EQ(SkinOf(MainForm->AFT_Res_BK_Center_Img), 23071);
    EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath("favorites_restore_1033.png")));

    uit::Click(*MainForm->AFT_Bac_Lab);
    EXPECT_EQ(MainForm->FavoritesRestoreTab, 0);
    ExpectGroupsShown(true);
    testsupport::ExpectBoxes(*MainForm, {{"AF_BK_Deep_Lab", 0, 19, 396, 245}, {"AF_Tree_BK_Lab", 3, 43, 390, 215}},
                             "back to backup");
}

TEST_F(FavoritesPageLayout, MirroredForTheLanguage1025)
{
    Open(1025);
    OpenFavoritesPage();
    testsupport::ExpectBoxes(*MainForm,
                             {{"AF_OP_Tag_Bac_Pan", 266, 0, 130, 20},
                              {"AF_OP_Tag_Res_Pan", 134, 0, 130, 20},
                              {"AFT_Bac_Lab", 5, 0, 120, 20},
                              {"AF_Dest_SelBtn_Img", 0, 0, 16, 17},
                              {"AF_Dest_Edit", 16, 0, 378, 17},
                              {"AF_ArrowIcon_Img", 185, 268, 26, 20},
                              {"AF_Bro_Tag_IE_Pan", 263, 24, 130, 20},
                              {"AFT_IE_Ico_Img", 28, 2, 16, 16},
                              {"AF_Tree_BK_Lab", 3, 43, 390, 215},
                              {"AF_Tree", 4, 44, 388, 213}},
                             "backup tab");
    EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath("favorites_backup_1025.png")));

    uit::Click(*MainForm->AFT_Res_Lab);
    const TLabel* title = MainForm->AF_PC_Sel_Title_Lab;
    EXPECT_EQ(title->Left() + title->Width(), 389);
    EXPECT_EQ(MainForm->AF_PC_Sel_Pan_BK_Lab->Left(), 6);
    EXPECT_EQ(MainForm->AF_PC_Sel_Pan_BK_Lab->Left() + MainForm->AF_PC_Sel_Pan_BK_Lab->Width(), title->Left() - 2);
    EXPECT_EQ(MainForm->AF_PC_Sel_Btn_Img->Left(), 0);
    EXPECT_EQ(MainForm->AF_PC_Show_Edit->Left(), 16);
    testsupport::ExpectBoxes(*MainForm, {{"AF_Bro_Tag_IE_Pan", 263, 53, 130, 20}, {"AF_Tree_BK_Lab", 3, 72, 390, 250}},
                             "restore tab");
    EXPECT_TRUE(uit::RenderToPng(*MainForm, testsupport::ShotPath("favorites_restore_1025.png")));
}

// The work button is the shown page's: a tab switch elsewhere leaves its caption alone.
TEST_F(FavoritesPageLayout, TabSwitchAwayFromThePageKeepsTheWorkButton)
{
    Open(1033);
    uit::Click(*uit::Find(*MainForm, "Menu_BacIndex_BtnImg"));
    const std::u16string caption = MainForm->RB_Btn_Lab->Caption();
    MainForm->AFT_Res_LabClick(nullptr);
    EXPECT_EQ(MainForm->FavoritesRestoreTab, 1);
    EXPECT_EQ(MainForm->RB_Btn_Lab->Caption(), caption);
    ExpectGroupsShown(false);
}

// Tall tabs take the tall skins; the IE tab keeps its short ones.
TEST_F(FavoritesPageLayout, TallTabsTakeTheTallSkins)
{
    Open(1033);
    OpenFavoritesPage();
    for (TControl* c : std::initializer_list<TControl*>{MainForm->AF_OP_Tag_Bac_Pan, MainForm->AF_OP_Tag_Res_Pan}) {
        c->SetHeight(35);
    }
    uit::Click(*MainForm->AFT_Res_Lab);
    EXPECT_EQ(SkinOf(MainForm->AFT_Res_BK_Left_Img), 23063);
    EXPECT_EQ(SkinOf(MainForm->AFT_Bac_BK_Right_Img), 23068);
    EXPECT_EQ(SkinOf(MainForm->AFT_IE_BK_Center_Img), 23071);
}

}  // namespace
