// Buttons light up under the pointer and return to their resting pictures once it moves on.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/Calendar_Win.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/layout/EnableStates.h"
#include "frame_fixture.h"
#include "ui/testing.h"

#include <vector>

namespace {

namespace uit = ui::testing;

using PagesButtonSkins = frametest::MainWindowMachine;

int SkinOf(const TImage* image)
{
    return image->Picture().ResourceId();
}

void ShowPageBy(const std::vector<TControl*>& clicks)
{
    for (TControl* control : clicks) {
        uit::Click(*control);
    }
}

// A drop-down list, the clicks that show its page, and the picture that opens it.
struct ListOpener {
    const char* name;
    std::vector<TControl*> clicks;
    TImage* opener;
    TComboBox* list;
};

TEST_F(PagesButtonSkins, PageButtonsRestOnceThePointerLeavesThem)
{
    Open(1033);
    TMainForm& f = *MainForm;
    struct Case {
        const char* name;
        std::vector<TControl*> clicks;
        TControl* pointed;
        TImage* image;
        int hover;
        int rest;
    };
    const Case cases[] = {
        {"easy delete opener",
         {f.Menu_DelIndex_BtnLab, f.Menu_Del_EasyBtn_Lab},
         f.Del_PC_Sel_Btn_Img,
         f.Del_PC_Sel_Btn_Img,
         23011,
         23010},
        {"manual delete opener", {f.Menu_Del_ManualBtn_Lab}, f.Del_PC_Sel_Btn_Img, f.Del_PC_Sel_Btn_Img, 23011, 23010},
        {"hotkey function opener",
         {f.Menu_SetIndex_BtnLab, f.Menu_Set_BacBtn_Lab, f.SBT_Hotkey_Lab},
         f.SB_FuncSel_Btn_Img,
         f.SB_FuncSel_Btn_Img,
         23011,
         23010},
        {"add button", {}, f.Add_Btn_Lab, f.Add_BK_Center_Img, 24008, 24007},
        {"schedule hour opener",
         {f.SBT_Time_Lab},
         f.Time_Set_Reg_Hou_Sel_Btn_Img,
         f.Time_Set_Reg_Hou_Sel_Btn_Img,
         23011,
         23010},
        {"schedule minute opener", {}, f.Time_Set_Reg_Min_Sel_Btn_Img, f.Time_Set_Reg_Min_Sel_Btn_Img, 23011, 23010},
        {"schedule day opener", {}, f.Time_Set_Reg_Day_Sel_Btn_Img, f.Time_Set_Reg_Day_Sel_Btn_Img, 23011, 23010},
    };
    for (const Case& c : cases) {
        ShowPageBy(c.clicks);
        ASSERT_TRUE(c.pointed->Showing()) << c.name;
        uit::MouseMove(*c.pointed);
        EXPECT_EQ(SkinOf(c.image), c.hover) << c.name;
        uit::MouseMove(*f.Work_Title_Lab);
        EXPECT_EQ(SkinOf(c.image), c.rest) << c.name;
    }
}

TEST_F(PagesButtonSkins, GreyedSchedulePickersKeepTheirPicture)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowPageBy({f.Menu_SetIndex_BtnLab, f.Menu_Set_BacBtn_Lab, f.SBT_Time_Lab});
    TImage* greyed = f.Time_Set_Spe_Mon_Sel_Btn_Img;
    ASSERT_FALSE(greyed->Enabled());
    const int before = SkinOf(greyed);
    uit::MouseMove(*f.Work_Title_Lab);
    EXPECT_EQ(SkinOf(greyed), before);
    EXPECT_NE(before, 23010);
}

// While a job runs the page's buttons keep the look it gave them; the result panel's OK button
// lights up once the job has finished and rests again when the pointer moves on.
TEST_F(PagesButtonSkins, ResultPanelOkButtonRestsAndTheJobPageKeepsItsLook)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowPageBy({f.Menu_ResIndex_BtnLab});
    ASSERT_EQ(f.CurrentPage, 5);
    uit::MouseDown(*f.Res_Time_Sel_Btn_Img, -1, -1, ui::kButtonRight);
    uit::MouseUp(*f.Res_Time_Sel_Btn_Img, -1, -1, ui::kButtonRight);
    ASSERT_EQ(SkinOf(f.Res_Time_Sel_Btn_Img), 23078);
    f.Idle = 0;
    SetRestorePageEnabled(f, 1, false);
    uit::MouseMove(*f.Work_Title_Lab);
    EXPECT_EQ(SkinOf(f.Res_Time_Sel_Btn_Img), 23078) << "a job runs";
    EXPECT_EQ(SkinOf(f.Res_PC_Sel_Btn_Img), 23009);

    ShowProgressPanel(f);
    TControl& background = *f.Progress_Pan;
    const int besideX = f.Progress_OK_Btn_Pan->Left() - 2;
    const int besideY = f.Progress_OK_Btn_Pan->Top() + 2;
    uit::MouseMove(*f.PB_Btn_Lab);
    EXPECT_EQ(SkinOf(f.PB_BK_Center_Img), 24006) << "greyed until the end";
    ShowProgressResults(f);
    uit::MouseMove(*f.PB_Btn_Lab);
    EXPECT_EQ(SkinOf(f.PB_BK_Center_Img), 24008);
    uit::MouseMove(background, besideX, besideY);
    EXPECT_EQ(SkinOf(f.PB_BK_Left_Img), 24004);
    EXPECT_EQ(SkinOf(f.PB_BK_Center_Img), 24007);
    EXPECT_EQ(SkinOf(f.PB_BK_Right_Img), 24010);
    EXPECT_EQ(SkinOf(f.Res_Time_Sel_Btn_Img), 23078);
}

// A picture pressed to open a drop-down list or a dialog does not stay pressed once that closes:
// the window gets the pointer back without another move of the mouse.
TEST_F(PagesButtonSkins, PicturesPressedToOpenAListOrDialogLeaveThePressedLookWhenItCloses)
{
    Open(1033);
    TMainForm& f = *MainForm;
    const ListOpener cases[] = {
        {"language", {f.Menu_SetIndex_BtnLab, f.Menu_Set_GenBtn_Lab}, f.Lang_Sel_Btn_Img, f.Lang_Sel_CBox},
        {"restore source", {f.Menu_ResIndex_BtnLab}, f.Res_PC_Sel_Btn_Img, f.Res_PC_Sel_CBox},
    };
    for (const ListOpener& c : cases) {
        ShowPageBy(c.clicks);
        uit::MouseMove(*c.opener);
        uit::MouseDown(*c.opener);
        EXPECT_EQ(SkinOf(c.opener), 23009) << c.name;
        uit::MouseUp(*c.opener);
        ASSERT_NE(c.list->ListWindow(), nullptr) << c.name;
        uit::PressKey(*c.list->ListWindow(), VK_ESCAPE);
        ASSERT_FALSE(c.list->DroppedDown()) << c.name;
        EXPECT_EQ(SkinOf(c.opener), 23011) << c.name << ": lit, the pointer still on it";
    }

    int whileOpen = 0;
    ui_.AnswerNextModal([&](ui::TForm& window) {
        whileOpen = SkinOf(f.Res_Time_Sel_Btn_Img);
        uit::Click(*dynamic_cast<TCalendarForm&>(window).LB_Btn_Lab);
    });
    uit::Click(*f.Res_Time_Sel_Btn_Img);
    EXPECT_EQ(whileOpen, 23078);
    EXPECT_EQ(SkinOf(f.Res_Time_Sel_Btn_Img), 23079)
        << "at rest, the pointer on a row label where the calendar's Cancel was";
}

// However a list closes, its opener does not keep the pressed picture: a pick or a click elsewhere
// on the page leaves it at rest.
TEST_F(PagesButtonSkins, AListClosedByAPickOrAClickOutsideLeavesItsOpenerAtRest)
{
    Open(1033);
    TMainForm& f = *MainForm;
    const ListOpener cases[] = {
        {"language", {f.Menu_SetIndex_BtnLab, f.Menu_Set_GenBtn_Lab}, f.Lang_Sel_Btn_Img, f.Lang_Sel_CBox},
        {"minute",
         {f.Menu_SetIndex_BtnLab, f.Menu_Set_BacBtn_Lab, f.SBT_Time_Lab, f.Time_Set_Reg_Radio_Img},
         f.Time_Set_Reg_Min_Sel_Btn_Img,
         f.Time_Set_Reg_Min_CBox},
    };
    for (const ListOpener& c : cases) {
        ShowPageBy(c.clicks);
        for (const bool pick : {true, false}) {
            const std::string how = std::string(c.name) + (pick ? ": a pick" : ": a click outside");
            uit::MouseMove(*c.opener);
            uit::MouseDown(*c.opener);
            uit::MouseUp(*c.opener);
            ASSERT_NE(c.list->ListWindow(), nullptr) << how;
            ASSERT_EQ(SkinOf(c.opener), 23009) << how;
            if (pick) {
                uit::Click(*c.list->ListWindow(), 10, 1 + c.list->ItemHeight() / 2);
            } else {
                uit::ClickAt(f, 400, 400);  // low on the page, where no button lies
            }
            ASSERT_FALSE(c.list->DroppedDown()) << how;
            EXPECT_EQ(SkinOf(c.opener), 23010) << how;
        }
    }
}

TEST_F(PagesButtonSkins, DevicePictureInvitesAClickOnlyWithADrive)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowPageBy({f.Menu_Sum_DevBtn_Lab});
    ASSERT_EQ(f.CurrentPage, 2);
    ASSERT_EQ(f.ExternalDrives.Count, 0);
    LoadPngResource(f.Sum_Dev_MainIco_Img, 23023);
    uit::MouseMove(*f.Work_Title_Lab);
    EXPECT_EQ(SkinOf(f.Sum_Dev_MainIco_Img), 23023);
    EXPECT_EQ(f.Sum_Dev_MainIco_Img->Cursor(), ui::crDefault);
}

}  // namespace
