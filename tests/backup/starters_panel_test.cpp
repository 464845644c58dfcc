// The progress and result panel and the busy state, on a simulated machine with
// the main window.

#include "backup/base/Language.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "frame_fixture.h"

namespace {

using frametest::MainWindowMachine;

class StartersPanel : public MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }
    std::u16string text(int id) { return LookupText(*form().LangTable, id); }
};

TEST(ElapsedTime, IsWholeHoursMinutesAndSeconds)
{
    struct Case {
        DWORD ms;
        std::u16string text;
    };
    const Case cases[] = {{999, u"0:0:0"}, {65000, u"0:1:5"}, {3725000, u"1:2:5"}, {90000000, u"25:0:0"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatElapsedTime(c.ms), c.text) << c.ms;
    }
}

TEST_F(StartersPanel, ResetGivesAFreshJobWithANewNotifier)
{
    Open(1033);
    form().Progress_List->Items().Add()->SetCaption(u"C:\\old.txt");
    form().CompletedFiles->Add(u"C:\\done.txt");
    form().Progress_File_Bar_Img->SetWidth(50);
    form().CancelRequested = 1;
    form().JobDoneBytes = 7;
    ResetProgressPanel(form());
    const clProcessNotify* first = form().ProgressNotify.get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Cancelled, 0);
    EXPECT_EQ(form().Progress_List->Items().Count(), 0);
    EXPECT_EQ(form().CompletedFiles->Count(), 0);
    EXPECT_EQ(form().Progress_File_Bar_Img->Width(), 0);
    EXPECT_EQ(form().Progress_Total_Bar_Img->Width(), 0);
    EXPECT_EQ(form().Progress_Total_Percent_Lab->Caption(), u"0 %");
    EXPECT_EQ(form().Progress_File_Percent_Lab->Caption(), u"0 %");
    EXPECT_EQ(form().Progress_Total_RemainTime_Lab->Caption(), text(20159));
    EXPECT_EQ(form().Progress_File_Path_Lab->Caption(), u"");
    EXPECT_EQ(form().CancelRequested, 0);
    EXPECT_EQ(form().JobDoneBytes, 0);
    EXPECT_EQ(form().FileBarTrackWidth, form().Progress_File_BK_Light_Lab->Width());
    EXPECT_GT(form().FileBarTrackWidth, 0);
}

TEST_F(StartersPanel, ShowsProgressThenCountsAndElapsedTimeThenCloses)
{
    Open(1033);
    form().Idle = 0;
    ShowProgressPanel(form());
    EXPECT_TRUE(form().Progress_Pan->Visible());
    EXPECT_TRUE(form().Work_Btn_Left_Pan->Visible());
    EXPECT_TRUE(form().Progress_Total_Bar_Img->Visible());
    EXPECT_FALSE(form().FileInfo_Total_Num_Lab->Visible());
    EXPECT_EQ(form().Work_Btn_Right_Pan->Left(), form().Work_Pan->Width() - 80 - 16);

    for (const char16_t* line : {u"a", u"b", u"c"}) {
        form().CompletedFiles->Add(line);
    }
    form().FailedFiles->Add(u"d");
    form().FailedFiles->Add(u"e");
    form().Progress_List->Items().Add()->SetCaption(u"d");
    ui_.Advance(65000);
    ShowProgressResults(form());
    EXPECT_EQ(form().FileInfo_Total_Num_Lab->Caption(), u"5");
    EXPECT_EQ(form().FileInfo_Complete_Num_Lab->Caption(), u"3");
    EXPECT_EQ(form().FileInfo_Fail_Num_Lab->Caption(), u"2");
    EXPECT_EQ(form().FileInfo_SpendTime_Num->Caption(), u"0:1:5");
    EXPECT_TRUE(form().FileInfo_SpendTime_Title->Visible());
    EXPECT_FALSE(form().Progress_Total_Bar_Img->Visible());
    EXPECT_FALSE(form().Work_Btn_Left_Pan->Visible());
    EXPECT_EQ(form().Progress_File_Path_Lab->Caption(), u"");
    EXPECT_EQ(form().Progress_List->Items().Count(), 1);
    EXPECT_EQ(form().PB_BK_Center_Img->Picture().ResourceId(), 24007);
    EXPECT_EQ(form().ProgressFinished, 1);
    EXPECT_EQ(form().Idle, 0);

    CloseProgressPanel(form());
    EXPECT_FALSE(form().Progress_Pan->Visible());
    EXPECT_EQ(form().ProgressFinished, 0);
    EXPECT_EQ(form().Idle, 1);
}

TEST_F(StartersPanel, MirroredPanelPutsTheWorkButtonsAtTheLeftAndTheOkButtonAtZero)
{
    Open(kRtlLangId);
    ShowProgressPanel(form());
    EXPECT_EQ(form().Work_Btn_Right_Pan->Left(), 16);
    EXPECT_EQ(form().Work_Btn_Left_Pan->Left(), 16 + 80 + 4);
    EXPECT_EQ(form().Progress_OK_Btn_Pan->Left(), 0);
    const int pw = form().Progress_Pan->Width();
    EXPECT_EQ(form().Progress_OK_Btn_Pan->Top(), form().Progress_Pan->Height() - 25);
    EXPECT_EQ(form().Progress_Total_Percent_BK_Img->Left(), pw - 41);
    EXPECT_EQ(form().FileInfo_Total_Title_Lab->Left(), pw - form().FileInfo_Total_Title_Lab->Width());
    EXPECT_EQ(form().FileInfo_Total_Num_Lab->Alignment(), ui::TAlignment::taRightJustify);
}

TEST_F(StartersPanel, ResizeStretchesTheTracksAndKeepsTheColumns)
{
    Open(1033);
    const int ph = form().Progress_Pan->Height();
    EXPECT_EQ(form().Progress_Total_BK_Deep_Lab->Top(), ph - 56);
    EXPECT_EQ(form().Progress_File_Path_Lab->Top(), ph - 105);
    EXPECT_EQ(form().Progress_Title_Head_Lab->Caption(), text(20171));
    EXPECT_EQ(form().PB_Btn_Lab->Caption(), text(20004));
    EXPECT_EQ(form().FileInfo_Fail_Title_Lab->Caption(), text(20096) + u":");

    const int trackBefore = form().Progress_Total_BK_Light_Lab->Width();
    form().Progress_Total_Bar_Img->SetWidth(10);
    form().SetBounds(form().Left(), form().Top(), form().Width() + 100, form().Height() + 50);
    const int pw = form().Progress_Pan->Width();
    EXPECT_EQ(form().Progress_Total_BK_Light_Lab->Width(), trackBefore + 100);
    EXPECT_EQ(form().FileBarTrackWidth, trackBefore + 100);
    EXPECT_EQ(form().Progress_Total_Bar_Img->Width(), 10);
    EXPECT_EQ(form().Progress_OK_Btn_Pan->Left(), pw - 80);
    EXPECT_EQ(form().Progress_OK_Btn_Pan->Top(), form().Progress_Pan->Height() - 25);
    EXPECT_EQ(form().Progress_List->Columns().Items(0)->Width(), 200);
    EXPECT_EQ(form().Progress_List->Columns().Items(1)->Width(), 100);
}

TEST_F(StartersPanel, ErrorListHeaderIsDrawnByTheProgram)
{
    Open(1033);
    form().Progress_Pan->Show();
    form().Progress_Pan->BringToFront();
    ASSERT_TRUE(ui::testing::RenderToPng(form(), folder_ + "/panel.png"));
    for (int column = 0; column < 3; ++column) {
        EXPECT_TRUE(form().Progress_List->HeaderItemOwnerDraw(column)) << column;
    }
}

TEST_F(StartersPanel, BusyStateRefusesClosingAndAnimatesTheTray)
{
    Open(1033);
    form().Idle = 0;
    form().EnterBusyState();
    bool canClose = true;
    form().FormCloseQuery(&form(), canClose);
    EXPECT_FALSE(canClose);
    form().Exit->Click();
    EXPECT_TRUE(form().TrayIcon->Visible()) << "Exit does nothing during a job";

    std::vector<int> frames;
    for (int tick = 0; tick < 7; ++tick) {
        ui_.Advance(800);
        frames.push_back(form().TrayIcon->IconIndex());
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));

    form().LeaveBusyState();
    EXPECT_EQ(form().TrayIcon->IconIndex(), 0);
    EXPECT_EQ(form().MayClose, 1);
    form().Idle = 1;
    form().EnterBusyState();
    ui_.Advance(800);
    EXPECT_FALSE(form().TrayIcon_Animate_Timer->Enabled()) << "an idle window stops the animation";
    form().LeaveBusyState();

    form().Exit->Click();
    EXPECT_FALSE(form().TrayIcon->Visible());
}

TEST_F(StartersPanel, BurstOfTreeRenewRequestsEndsFiveTicksAfterTheLast)
{
    Open(1033);
    for (int notice = 0; notice < 10; ++notice) {
        form().ScheduleBackupTreeRenew();
        ui_.Advance(1000);
    }
    ui_.Advance(3000);
    EXPECT_TRUE(form().Renew_BM_Tree_Timer->Enabled());
    ui_.Advance(1000);
    EXPECT_FALSE(form().Renew_BM_Tree_Timer->Enabled());
    EXPECT_EQ(form().BackupTreeRenewTicks, 0);
}

}  // namespace
