#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/WorkPage.h"
#include "frame_fixture.h"
#include "ui/testing.h"
#include "ui/windows.h"

namespace {

namespace uit = ui::testing;

using FrameNavigation = frametest::MainWindowMachine;

int SkinOf(const TImage* image)
{
    return image->Picture().ResourceId();
}

TEST_F(FrameNavigation, EachSubButtonShowsItsPageTitleAndDescription)
{
    Open(1033);
    struct Case {
        const char* group;
        const char* control;
        int page;
        TPanel* TMainForm::*panel;
        std::u16string title;
        std::u16string description;
        bool rightButton;
    };
    const Case cases[] = {
        {"Menu_SumIndex_BtnLab", "Menu_Sum_DevBtn_Lab", 2, &TMainForm::Sum_Dev_Pan, u"Device Information",
         u"External Hard Drive Information", false},
        {"Menu_SumIndex_BtnLab", "Menu_Sum_ProBtn_Img", 1, &TMainForm::Sum_Pro_Pan, u"Product Information",
         u"Thank you for using Harbex Solo+.", false},
        {"Menu_BacIndex_BtnImg", "Menu_Bac_ManualBtn_Lab", 4, &TMainForm::Bac_Pan, u"Manual Backup",
         u"Select files or folders to back up.", true},
        {"Menu_ResIndex_IcoImg", "Menu_Res_EasyBtn_Lab", 5, &TMainForm::Res_Pan, u"Easy Restore",
         u"Restore files backed up with Easy Backup.", true},
        {"Menu_DelIndex_BtnImg", "Menu_Del_ManualBtn_Lab", 8, &TMainForm::Del_Pan, u"Manual Backup",
         u"Select files or folders to delete.", true},
        {"Menu_AppIndex_BtnImg", "Menu_App_FavBtn_Img", 9, &TMainForm::App_Fav_Pan, u"Favorites",
         u"Back up or restore \"Favorites\" files.", true},
        {"Menu_SetIndex_BtnImg", "Menu_Set_UpdBtn_Lab", 12, &TMainForm::Set_Upd_Pan, u"Update",
         u"Keep Harbex Solo+ up to date.", false},
        {nullptr, "Version_Lab", 11, &TMainForm::Set_Bac_Pan, u"Backup Settings", u"Backup Settings", false},
    };
    TPanel* TMainForm::*const panels[] = {&TMainForm::Sum_Pro_Pan, &TMainForm::Sum_Dev_Pan, &TMainForm::Bac_Pan,
                                          &TMainForm::Res_Pan,     &TMainForm::Del_Pan,     &TMainForm::App_Fav_Pan,
                                          &TMainForm::Set_Gen_Pan, &TMainForm::Set_Bac_Pan, &TMainForm::Set_Upd_Pan};
    for (const Case& c : cases) {
        if (c.group != nullptr) {
            uit::Click(*uit::Find(*MainForm, c.group));
        }
        TControl* control = uit::Find(*MainForm, c.control);
        ASSERT_NE(control, nullptr) << c.control;
        ASSERT_TRUE(control->Showing()) << c.control;
        uit::Click(*control);
        EXPECT_EQ(MainForm->CurrentPage, c.page) << c.control;
        EXPECT_EQ(MainForm->Work_Title_Lab->Caption(), c.title) << c.control;
        EXPECT_EQ(MainForm->Work_Title_Des_Lab->Caption(), c.description) << c.control;
        for (auto panel : panels) {
            EXPECT_EQ((MainForm->*panel)->Visible(), panel == c.panel) << c.control;
        }
        EXPECT_EQ(MainForm->Work_Btn_Right_Pan->Visible(), c.rightButton) << c.control;
        EXPECT_FALSE(MainForm->Work_Btn_Left_Pan->Visible()) << c.control;
    }
}

TEST_F(FrameNavigation, GroupsReopenTheirLastPageAndRestackTheMenu)
{
    Open(1033);
    EXPECT_EQ(MainForm->CurrentPage, WorkPage::ProductInfo);
    EXPECT_FALSE(MainForm->Menu_Bac_EasyBtn_Img->Visible());
    uit::Click(*MainForm->Menu_BacIndex_BtnLab);
    EXPECT_EQ(MainForm->CurrentPage, WorkPage::EasyBackup);
    EXPECT_EQ(MainForm->RB_Btn_Lab->Caption(), u"Backup");
    const int tops[] = {MainForm->Menu_SumIndex_BtnImg->Top(), MainForm->Menu_BacIndex_BtnImg->Top(),
                        MainForm->Menu_Bac_EasyBtn_Img->Top(), MainForm->Menu_Bac_ManualBtn_Img->Top(),
                        MainForm->Menu_ResIndex_BtnImg->Top(), MainForm->Menu_SetIndex_BtnImg->Top()};
    const int expected[] = {10, 52, 94, 116, 138, 264};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tops[i], expected[i]) << i;
    }
    EXPECT_FALSE(MainForm->Menu_Sum_ProBtn_Img->Visible());
    EXPECT_EQ(MainForm->Menu_Bac_EasyBtn_Img->Width(), 180);
    EXPECT_EQ(MainForm->Menu_Bac_ManualBtn_Img->Width(), 170);

    uit::Click(*MainForm->Menu_ResIndex_BtnImg);
    uit::Click(*MainForm->Menu_Res_ManualBtn_Lab);
    uit::Click(*MainForm->Menu_SumIndex_IcoImg);
    EXPECT_EQ(MainForm->CurrentPage, WorkPage::ProductInfo);
    uit::Click(*MainForm->Menu_ResIndex_BtnImg);
    EXPECT_EQ(MainForm->CurrentPage, WorkPage::ManualRestore);
    EXPECT_EQ(MainForm->Work_Title_Lab->Caption(), u"Manual Restore");
}

TEST_F(FrameNavigation, WhileAJobRunsOnlySummarySettingsAndVersionAct)
{
    Open(1033);
    uit::Click(*MainForm->Menu_BacIndex_BtnImg);
    MainForm->Idle = 0;
    struct Case {
        const char* control;
        int page;
    };
    const Case cases[] = {{"Menu_ResIndex_BtnImg", 3},
                          {"Menu_SetIndex_BtnLab", 3},
                          {"Menu_Bac_ManualBtn_Lab", 3},
                          {"Version_Lab", 11},
                          {"Menu_Set_GenBtn_Lab", 10}};
    for (const Case& c : cases) {
        uit::Click(*uit::Find(*MainForm, c.control));
        EXPECT_EQ(MainForm->CurrentPage, c.page) << c.control;
    }
    EXPECT_EQ(MainForm->LastPageOfGroup[1], 3);
    EXPECT_EQ(MainForm->LastPageOfGroup[5], 10);
}

TEST_F(FrameNavigation, ButtonSkinsHoverPressAndRest)
{
    Open(1033);
    uit::MouseMove(*MainForm->Main_ExitBtn_Img);
    EXPECT_EQ(SkinOf(MainForm->Main_ExitBtn_Img), 21003);
    uit::MouseDown(*MainForm->Main_MaxBtn_Img);
    EXPECT_EQ(SkinOf(MainForm->Main_MaxBtn_Img), 21007);
    uit::MouseUp(*MainForm->Main_MaxBtn_Img, -1, -1, ui::kButtonRight);
    uit::MouseMove(*MainForm->Menu_ResIndex_BtnLab);
    EXPECT_EQ(SkinOf(MainForm->Main_ExitBtn_Img), 21002);
    EXPECT_EQ(SkinOf(MainForm->Main_MaxBtn_Img), 21005);
    EXPECT_EQ(SkinOf(MainForm->Menu_ResIndex_BtnImg), 22003);
    uit::MouseMove(*MainForm->Menu_SumIndex_BtnImg);
    EXPECT_EQ(SkinOf(MainForm->Menu_SumIndex_BtnImg), 22001) << "the open group shows no hover";
    uit::MouseMove(*MainForm->Menu_Sum_DevBtn_Lab);
    EXPECT_EQ(SkinOf(MainForm->Menu_Sum_DevBtn_Img), 22024);
    EXPECT_EQ(SkinOf(MainForm->Menu_ResIndex_BtnImg), 22002);
    uit::MouseMove(*MainForm->Work_Pan, 300, 200);
    EXPECT_EQ(SkinOf(MainForm->Menu_Sum_DevBtn_Img), 22023);
    EXPECT_EQ(SkinOf(MainForm->Menu_Sum_ProBtn_Img), 22022);

    MainForm->Idle = 0;
    uit::MouseDown(*MainForm->Menu_DelIndex_BtnImg, -1, -1, ui::kButtonRight);
    uit::MouseMove(*MainForm->Menu_DelIndex_BtnImg);
    EXPECT_EQ(SkinOf(MainForm->Menu_DelIndex_BtnImg), 22002) << "no feedback while a job runs";
}

TEST_F(FrameNavigation, ResizeStopsAtTheMinimumAndMaximiseRestores)
{
    Open(1033);
    MainForm->SetBounds(100, 50, 645, 600);
    uit::MouseDown(*MainForm->DragSizeBtn_Img, 10, 5, ui::kButtonRight);
    EXPECT_EQ(MainForm->Resizing, 0);
    uit::MouseUp(*MainForm->DragSizeBtn_Img, 10, 5, ui::kButtonRight);
    uit::MouseDown(*MainForm->DragSizeBtn_Img, 10, 5);
    uit::MouseMove(*MainForm->DragSizeBtn_Img, 0, 15, ui::kLeftButton);
    EXPECT_EQ(MainForm->Width(), 640);
    EXPECT_EQ(MainForm->Height(), 610);
    EXPECT_EQ(MainForm->Main_ExitBtn_Img->Left(), 610);
    EXPECT_EQ(MainForm->MainBK_DownFrame_Img->Top(), 599);
    uit::MouseUp(*MainForm->DragSizeBtn_Img, 10, 5);
    EXPECT_EQ(MainForm->Resizing, 0);

    const ui::Rect before = MainForm->BoundsRect();
    uit::Click(*MainForm->Main_MaxBtn_Img);
    ui::Rect area{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(MainForm->BoundsRect(), area);
    EXPECT_EQ(MainForm->Work_Pan->Width(), area.Width() - 30);
    uit::Click(*MainForm->Main_MaxBtn_Img);
    EXPECT_EQ(MainForm->BoundsRect(), before);
    EXPECT_EQ(MainForm->Main_MaxBtn_Img->Left(), 594);
}

TEST_F(FrameNavigation, MirroredFramePlacesControlsOnTheOtherSide)
{
    struct Case {
        const char* control;
        int ltrLeft;
        int rtlLeft;
    };
    const Case cases[] = {
        {"MainMenu_Pan", 15, 443},        {"Main_ExitBtn_Img", 610, 16},   {"Main_MinBtn_Img", 578, 48},
        {"DragDrop_Lab", 0, 62},          {"Title_Img", 3, 198},           {"VemoLogo_Img", 14, 429},
        {"Version_Lab", 216, 344},        {"Main_Btn_About_Img", 585, 38}, {"HorzLine_Low_Pan", 198, 16},
        {"Work_TitleIco_Img", 188, 325},  {"Work_Btn_Right_Pan", 514, 16}, {"Menu_BacIndex_IcoImg", 5, 135},
        {"Menu_SetIndex_BtnLab", 52, 21}, {"MenuBK_Lab", 0, 11},           {"Client_LogoBK_Img", 8, 17},
        {"DragSizeBtn_Img", 622, 7},
    };
    for (int langId : {1033, 1025}) {
        Open(langId);
        uit::Click(*MainForm->Menu_BacIndex_BtnImg);
        for (const Case& c : cases) {
            const TControl* control = uit::Find(*MainForm, c.control);
            ASSERT_NE(control, nullptr) << c.control;
            EXPECT_EQ(control->Left(), langId == 1025 ? c.rtlLeft : c.ltrLeft) << c.control << " " << langId;
        }
        EXPECT_EQ(MainForm->HorzLine_Low_Pan->Width(), langId == 1025 ? 411 : 397);
        EXPECT_EQ(MainForm->Menu_Bac_EasyBtn_Img->Left(), langId == 1025 ? 0 : 2);
        EXPECT_EQ(MainForm->Menu_Bac_EasyBtn_Img->Picture().ResourceId(), langId == 1025 ? 27010 : 22022);
        EXPECT_EQ(MainForm->DragSizeBtn_Img->Cursor(), langId == 1025 ? ui::crSizeNESW : ui::crSizeNWSE);
        Close();
    }
}

}  // namespace
