// What the pages show of the backup drive after start-up, a drive plug and a finished job, what
// stays reachable while a job runs, and where the window goes at its first activation.

#include "backup/base/Language.h"
#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/device/DeviceMessages.h"
#include "backup/window/frame/Loading_Win.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/SourceTrees.h"
#include "startup_fixture.h"
#include "ui/windows.h"

#include <map>
#include <memory>

namespace {

namespace uit = ui::testing;

constexpr UINT kDuringJob = WM_USER + 77;

class JobPages : public startuptest::StartupMachine {
protected:
    void TearDown() override
    {
        ui::Application->OnMessage = nullptr;
        ui::TTrayIcon::SetDesktopQuery(nullptr);
        StartupMachine::TearDown();
    }

    std::u16string Text(int id) { return LookupText(*form().LangTable, id); }

    void OpenBackupPage(TLabel* subButton)
    {
        uit::Click(*form().Menu_BacIndex_BtnImg);
        uit::Click(*subButton);
    }

    // The OK button of a backup page, leaving the result panel up.
    void BackupFromOk(TLabel* subButton)
    {
        OpenBackupPage(subButton);
        uit::Click(*form().RB_Btn_Lab);
    }

    void ClosePanel()
    {
        ASSERT_EQ(form().ProgressFinished, 1);
        uit::Click(*form().PB_Btn_Lab);
        ASSERT_EQ(form().Idle, 1);
    }

    void EasyBackupFromOk()
    {
        BackupFromOk(form().Menu_Bac_EasyBtn_Lab);
        ClosePanel();
    }

    // Runs action once, inside the message pass of a running job that first finds ready() true.
    // Arm it just before the click that starts the job: until then every pass is kept busy.
    void DuringTheJob(std::function<bool()> ready, std::function<void()> action)
    {
        ui::Application->OnMessage = [this, ready, action, done = false](ui::TMsg& msg, bool& handled) mutable {
            if (msg.message != kDuringJob) {
                return;
            }
            handled = true;
            if (done) {
                return;
            }
            if (form().Idle == 0 && ready()) {
                done = true;
                action();
            } else {
                PostMessageW(form().Handle(), kDuringJob, 0, 0);
            }
        };
        PostMessageW(form().Handle(), kDuringJob, 0, 0);
    }

    static int RunsBelow(ui::TTreeView* tree, int top)
    {
        return tree->Items().TopCount() > top ? tree->Items().Top(top)->Count() : -1;
    }
};

TEST_F(JobPages, StartupFillsTheDeletePagesFromTheDrive)
{
    Open(1033);
    EasyBackupFromOk();
    Close();

    Open(1033);
    EXPECT_NE(form().Del_PC_Show_Edit->Text(), u"");
    ASSERT_EQ(form().DE_Tree->Items().TopCount(), 5);
    EXPECT_EQ(form().DE_Tree->Items().Top(0)->Text(), u"Document");
    EXPECT_EQ(form().DE_Tree->Items().Top(4)->Text(), u"Mail");
    EXPECT_EQ(RunsBelow(form().DE_Tree, 0), 1) << "the run of the document";
    ASSERT_EQ(form().DM_Tree->Items().TopCount(), 1);
    EXPECT_EQ(form().DM_Tree->Items().Top(0)->Text(), u"Manual Backup");

    uit::Click(*form().Menu_DelIndex_BtnImg);
    ui::TTreeNode* run = form().DE_Tree->Items().Top(0)->Item(0);
    ToggleNodeCheck(run);
    PropagateNodeCheck(run);
    std::u16string asked;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        auto& msg = dynamic_cast<TMsgForm&>(box);
        asked = msg.Msg_Lab->Caption();
        msg.RB_Btn_LabClick(nullptr);
    });
    uit::Click(*form().RB_Btn_Lab);
    EXPECT_EQ(asked, u"Are you sure you want to delete the files ?");
}

TEST_F(JobPages, PlugFillsTheDeleteSelectorAndItsTrees)
{
    Open(1033);
    EasyBackupFromOk();
    Close();
    SetDrive(false, false);

    Open(1033);
    form().LaunchOptions[2] = 0;
    EXPECT_EQ(form().Del_PC_Show_Edit->Text(), u"");
    EXPECT_EQ(RunsBelow(form().DE_Tree, 0), 0);
    SetDrive(true, false);
    ui_.Advance(6000);
    EXPECT_NE(form().Del_PC_Show_Edit->Text(), u"");
    EXPECT_EQ(form().Del_PC_Sel_CBox->Items().Count(), 1);
    EXPECT_EQ(RunsBelow(form().DE_Tree, 0), 1);
    EXPECT_EQ(RunsBelow(form().DM_Tree, 0), 0);
}

TEST_F(JobPages, FinishedBackupsRefreshTheRestoreDeleteAndFavoritesPages)
{
    Open(1033);
    EXPECT_EQ(form().Res_PC_Show_Edit->Text(), u"");
    EasyBackupFromOk();
    for (TEdit* pc : {form().Res_PC_Show_Edit, form().Del_PC_Show_Edit, form().AF_PC_Show_Edit}) {
        EXPECT_NE(pc->Text(), u"") << pc->Name();
    }
    EXPECT_NE(form().RE_Time_Sel_Show_Lab->Caption(), u"") << "the latest Easy Backup";
    EXPECT_NE(form().RE_Info_Size_Doc_Lab->Caption(), u"") << "the Easy Restore information";
    ui_.Advance(2000);
    EXPECT_EQ(RunsBelow(form().DE_Tree, 0), 1);

    ui::TTreeNode* computer = form().BM_Tree->Items().Top(0);
    ToggleNodeCheck(computer);
    PropagateNodeCheck(computer);
    BackupFromOk(form().Menu_Bac_ManualBtn_Lab);
    ClosePanel();
    EXPECT_NE(form().RM_Time_Sel_Show_Lab->Caption(), u"") << "the latest Manual Backup";
    ui_.Advance(2000);
    EXPECT_EQ(form().RM_Tree->Items().TopCount(), 1) << "the Manual Restore tree of that run";
    EXPECT_EQ(RunsBelow(form().DM_Tree, 0), 1);
}

TEST_F(JobPages, CancelStaysAndWorksFromAnotherPage)
{
    Open(1033);
    OpenBackupPage(form().Menu_Bac_EasyBtn_Lab);
    bool cancelShown = false;
    std::u16string asked;
    DuringTheJob([this] { return form().Progress_Pan->Visible(); },
                 [&] {
                     uit::Click(*form().Version_Lab);
                     EXPECT_EQ(form().CurrentPage, WorkPage::BackupSettings);
                     cancelShown = form().Work_Btn_Left_Pan->Visible();
                     ui_.AnswerNextModal([&](ui::TForm& box) {
                         auto& msg = dynamic_cast<TMsgForm&>(box);
                         asked = msg.Msg_Lab->Caption();
                         msg.LB_Btn_LabClick(nullptr);
                     });
                     uit::Click(*form().LB_Btn_Lab);
                 });
    uit::Click(*form().RB_Btn_Lab);
    EXPECT_TRUE(cancelShown);
    EXPECT_EQ(asked, Text(20142));
    EXPECT_EQ(form().CancelRequested, 1);
    EXPECT_FALSE(BackupDriveHasFiles());

    uit::Click(*form().Menu_BacIndex_BtnImg);
    EXPECT_EQ(form().CurrentPage, WorkPage::EasyBackup) << "the job's page comes back";
    EXPECT_EQ(form().Menu_SetIndex_BtnImg->Picture().ResourceId(), 22003) << "greyed again, not highlighted";
    ClosePanel();
}

TEST_F(JobPages, BackToTheJobsPageTheOtherSubButtonStaysGrey)
{
    Open(1033);
    ui::TTreeNode* computer = form().BM_Tree->Items().Top(0);
    ToggleNodeCheck(computer);
    PropagateNodeCheck(computer);
    struct Case {
        TLabel* running;
        TLabel* other;
        TImage* otherImage;
        int page;
    };
    const Case cases[] = {
        {form().Menu_Bac_EasyBtn_Lab, form().Menu_Bac_ManualBtn_Lab, form().Menu_Bac_ManualBtn_Img, 3},
        {form().Menu_Bac_ManualBtn_Lab, form().Menu_Bac_EasyBtn_Lab, form().Menu_Bac_EasyBtn_Img, 4},
    };
    for (const Case& c : cases) {
        OpenBackupPage(c.running);
        std::map<std::string, int> seen;
        DuringTheJob([this] { return form().Progress_Pan->Visible(); },
                     [&] {
                         uit::Click(*form().Version_Lab);
                         uit::Click(*form().Menu_BacIndex_BtnImg);
                         uit::Click(*c.other);
                         seen = {{"page", form().CurrentPage},
                                 {"running caption", static_cast<int>(c.running->Font().Color())},
                                 {"other caption", static_cast<int>(c.other->Font().Color())},
                                 {"other picture", c.otherImage->Picture().ResourceId()},
                                 {"other enabled", c.otherImage->Enabled()},
                                 {"settings icon enabled", form().Menu_SetIndex_IcoImg->Enabled()},
                                 {"settings caption", static_cast<int>(form().Menu_SetIndex_BtnLab->Font().Color())}};
                     });
        uit::Click(*form().RB_Btn_Lab);
        const std::map<std::string, int> expected = {{"page", c.page},
                                                     {"running caption", 0x000000},
                                                     {"other caption", 0x808080},
                                                     {"other picture", 22024},
                                                     {"other enabled", 0},
                                                     {"settings icon enabled", 0},
                                                     {"settings caption", 0x808080}};
        EXPECT_EQ(seen, expected) << c.page;
        ClosePanel();
        EXPECT_EQ(c.other->Font().Color(), TMainForm::Palette[3]) << c.page;
    }
}

TEST_F(JobPages, CountdownWindowShowsTheSameProgress)
{
    Open(1033);
    SetDrive(false, false);
    ui_.Advance(500);
    std::map<std::string, std::u16string> main;
    std::map<std::string, std::u16string> countdown;
    ui_.AnswerNextModal([&](ui::TForm& window) {
        DuringTheJob([this] { return form().Progress_File_Percent_Lab->Caption() == u"100%"; },
                     [&] {
                         const TAutoStartForm& shown = *form().AutoStartWindow;
                         main = {{"file", form().Progress_File_Percent_Lab->Caption()},
                                 {"total", form().Progress_Total_Percent_Lab->Caption()}};
                         countdown = {{"file", shown.Progress_File_Percent_Lab->Caption()},
                                      {"total", shown.Progress_Total_Percent_Lab->Caption()}};
                         EXPECT_EQ(shown.Progress_File_Bar_Img->Width(), shown.BarTrackWidth);
                     });
        uit::Click(*dynamic_cast<TAutoStartForm&>(window).LB_Btn_Lab);
    });
    SetDrive(true, false);
    ui_.Advance(5000);
    ASSERT_TRUE(BackupDriveHasFiles());
    ASSERT_FALSE(main.empty()) << "the job ran with the countdown window up";
    EXPECT_EQ(countdown, main);
}

// The countdown's cancel question is left open and the drive goes: the question closes with its
// countdown. The drive comes back: the next countdown runs out on its own and shows its run, step
// by step, to the end, with nothing left over it.
TEST_F(JobPages, TheCountdownsQuestionClosesWithItAndTheNextCountdownShowsItsRun)
{
    Open(1033);
    SetDrive(false, false);
    ui_.Advance(500);
    std::u16string asked;
    bool questionClosed = false;
    ui_.AnswerNextModal([&](ui::TForm& countdown) {
        ui_.AnswerNextModal([&](ui::TForm& question) {
            asked = dynamic_cast<TMsgForm&>(question).Msg_Lab->Caption();
            SetDrive(false, false);
            ui_.Advance(1000);
            questionClosed = question.ModalResult() != ui::mrNone;
            if (!questionClosed) {
                question.SetModalResult(ui::mrCancel);  // answered, so that the test goes on to fail
            }
        });
        uit::Click(*dynamic_cast<TAutoStartForm&>(countdown).RB_Btn_Lab);
    });
    SetDrive(true, false);
    ui_.Advance(5000);
    EXPECT_EQ(asked, Text(20142));
    EXPECT_TRUE(questionClosed) << "the question went with its countdown";
    EXPECT_EQ(ui_.ModalCount(), 2);
    EXPECT_EQ(form().AutoStartWindow, nullptr);
    EXPECT_FALSE(BackupDriveHasFiles());

    std::map<std::string, int> during;
    ui_.AnswerNextModal([&](ui::TForm& window) {
        DuringTheJob([&] { return window.Visible() && dynamic_cast<TAutoStartForm&>(window).AutoStartStep == 3; },
                     [&] {
                         const auto& shown = dynamic_cast<TAutoStartForm&>(window);
                         during = {{"countdown on top", ui::Application->ModalForm() == &window},
                                   {"progress shown", shown.Progress_Pan->Visible()},
                                   {"countdown showing", form().AutoStartShowing}};
                     });
        ui_.Advance(35000);  // the countdown runs out on its own
    });
    SetDrive(true, false);
    ui_.Advance(5000);
    EXPECT_FALSE(ui_.Stalled());
    const std::map<std::string, int> expected = {
        {"countdown on top", 1}, {"progress shown", 1}, {"countdown showing", 1}};
    EXPECT_EQ(during, expected);
    EXPECT_TRUE(BackupDriveHasFiles());
    EXPECT_EQ(ui_.ModalCount(), 3);
    EXPECT_EQ(form().AutoStartWindow, nullptr);
    EXPECT_EQ(form().Idle, 1);
}

TEST_F(JobPages, PercentLabelsReadTheWholePercentOverTheirBoxes)
{
    Open(1033);
    const TPanel& panel = *form().Progress_Pan;
    const auto depth = [&panel](const TControl* control) {
        for (int i = 0; i < panel.ControlCount(); ++i) {
            if (panel.Controls(i) == control) {
                return i;
            }
        }
        return -1;
    };
    EXPECT_GT(depth(form().Progress_Total_Percent_Lab), depth(form().Progress_Total_Percent_BK_Img));
    EXPECT_GT(depth(form().Progress_File_Percent_Lab), depth(form().Progress_File_Percent_BK_Img));
    BackupFromOk(form().Menu_Bac_EasyBtn_Lab);
    EXPECT_EQ(form().Progress_Total_Percent_Lab->Caption(), u"100%");
    EXPECT_EQ(form().Progress_File_Percent_Lab->Caption(), u"100%");
    ClosePanel();
}

TEST_F(JobPages, MinimiseAtLaunchHidesOnlyWhereATrayIconShows)
{
    const struct {
        const char* name;
        bool trayShown, windowShown;
    } cases[] = {{"no notification area", false, true}, {"a notification area", true, false}};
    for (const auto& c : cases) {
        ui::TTrayIcon::SetDesktopQuery([&c] { return c.trayShown; });
        Open(1033);
        ASSERT_EQ(form().LaunchOptions[1], 1) << "on at the first start";
        EXPECT_TRUE(form().TrayIcon->Visible());
        form().ShowForm();
        EXPECT_TRUE(ui::Application->Minimized()) << c.name;
        EXPECT_EQ(ui::Application->WindowShown(), c.windowShown) << c.name;
        ui::Application->Restore();
        ui::Application->SetWindowShown(true);
        uit::Click(*form().Main_ExitBtn_Img);
        if (c.trayShown) {
            EXPECT_TRUE(ui::Application->Minimized()) << c.name << ": the title bar's exit";
            EXPECT_FALSE(ui::Application->WindowShown()) << c.name << ": the title bar's exit";
        } else {
            EXPECT_FALSE(form().Visible()) << c.name << ": the title bar's exit closes the program";
            EXPECT_FALSE(form().TrayIcon->Visible()) << c.name;
        }
        Close();
        ui::Application->Restore();
        ui::Application->SetWindowShown(true);
    }
}

// With no notification area the title bar's exit is the only way out: it asks what the tray
// menu's exit asks, so a running job keeps the window (minimised) and the program.
TEST_F(JobPages, WithNoNotificationAreaTheTitleBarsExitIsRefusedWhileAJobRuns)
{
    ui::TTrayIcon::SetDesktopQuery([] { return false; });
    Open(1033);
    form().ShowForm();
    ui::Application->Restore();
    bool refused = false;
    DuringTheJob([] { return true; },
                 [&] {
                     uit::Click(*form().Main_ExitBtn_Img);
                     refused = form().Visible() && form().TrayIcon->Visible();
                     ui::Application->Restore();
                 });
    EasyBackupFromOk();
    EXPECT_TRUE(refused);
    uit::Click(*form().Main_ExitBtn_Img);
    EXPECT_FALSE(form().Visible()) << "once the job is over";
    EXPECT_FALSE(form().TrayIcon->Visible());
}

TEST_F(JobPages, LoadingStagesFollowTheWork)
{
    std::vector<DWORD> stages;
    std::map<DWORD, int> deleteTops;
    auto probe = std::make_unique<ui::TTimer>(nullptr);
    probe->SetInterval(10);
    probe->OnTimer = [&](TObject*) {
        auto* loading = uit::FindAs<TLoading_Form>(*ui::Application, "Loading_Form");
        if (loading != nullptr && MainForm != nullptr && loading->LastPercent > 0) {
            if (stages.empty() || stages.back() != loading->LastPercent) {
                stages.push_back(loading->LastPercent);
            }
            deleteTops[loading->LastPercent] = MainForm->DE_Tree->Items().TopCount();
        }
    };
    probe->SetEnabled(true);
    Open(1033);
    probe->SetEnabled(false);

    EXPECT_EQ(stages, (std::vector<DWORD>{6, 13, 19, 25, 30, 36, 43, 48, 53, 60, 66, 73, 79, 85, 92, 100}));
    EXPECT_EQ(deleteTops[36], 0);
    EXPECT_EQ(deleteTops[43], 5) << "the delete trees are built at 43 %";
}

TEST_F(JobPages, RemovalOfAnotherVolumeKeepsTheDrivesWithoutAStartDrive)
{
    Open(1033);
    HandleVolumeRemoval(form(), u"G");
    EXPECT_EQ(form().ExternalDrives.Count, 1);
    EXPECT_EQ(form().BackupDriveRemoved, 0);
    EXPECT_EQ(form().CancelRequested, 0);
}

TEST_F(JobPages, RestoreSourceOpenerAndBrowseHoverWaitForIdle)
{
    Open(1033);
    uit::Click(*form().Menu_ResIndex_BtnImg);
    const int opener = form().Res_PC_Sel_Btn_Img->Picture().ResourceId();
    const int browse = form().Res_BrowserBtn_Img->Picture().ResourceId();
    form().Idle = 0;
    uit::Click(*form().Res_PC_Sel_Btn_Img);
    EXPECT_FALSE(form().Res_PC_Sel_CBox->DroppedDown());
    EXPECT_EQ(form().Res_PC_Sel_Btn_Img->Picture().ResourceId(), opener);
    uit::MouseMove(*form().Res_BrowserBtn_Img);
    EXPECT_EQ(form().Res_BrowserBtn_Img->Picture().ResourceId(), browse);
    form().Idle = 1;
    uit::MouseMove(*form().Res_BrowserBtn_Img);
    EXPECT_EQ(form().Res_BrowserBtn_Img->Picture().ResourceId(), 23008);
    uit::Click(*form().Res_PC_Sel_Btn_Img);
    EXPECT_TRUE(form().Res_PC_Sel_CBox->DroppedDown());
}

}  // namespace
