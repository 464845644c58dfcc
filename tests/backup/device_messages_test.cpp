// Power, volume and button notices of the main window on a machine whose drive E: is plugged,
// unplugged and pressed as the simulator command does it.

#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/device/ButtonPoll.h"
#include "backup/window/device/DeviceMessages.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "platform/drive_notices.h"
#include "startup_fixture.h"

namespace {

using startuptest::StartupMachine;
namespace uit = ui::testing;

TEST(DeviceMessageText, UnitMaskLettersAndPathPieces)
{
    EXPECT_EQ(LettersOfUnitMask(0), u"");
    EXPECT_EQ(LettersOfUnitMask(0x1 | 0x10 | 0x2000000), u"AEZ");
    const struct {
        std::u16string path, parent, last, lastOrRoot;
    } cases[] = {
        {u"C:\\A\\B", u"C:\\A", u"B", u"B"},
        {u"D:\\New", u"D:\\", u"New", u"New"},
        {u"C:\\", u"C:\\", u"", u"C:\\"},
        {u"Name", u"", u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShellParentPath(c.path), c.parent);
        EXPECT_EQ(ShellLastName(c.path), c.last);
        EXPECT_EQ(ShellLastNameOrRoot(c.path), c.lastOrRoot);
    }
}

TEST(ButtonPressRule, EachChipFamily)
{
    struct Case {
        const char* name;
        WORD chip, mask, state, raw;
        bool press;
        WORD stateAfter;
    };
    const Case cases[] = {
        {"probe: any reading presses", 0x0611, 0, 0, 3, true, 0},
        {"probe: zero is none", 0x0611, 0, 0, 0, false, 0},
        {"EE: held", 0x0700, 0, 0, 5, false, 2},
        {"EE: released", 0x0700, 0, 2, 0, true, 0},
        {"D0: held", 0x2571, 0, 0, 1, false, 1},
        {"D0: released", 0x2771, 0, 1, 0, true, 0},
        {"register: pressed", 0x2105, 0x0001, 0, 1, false, 1},
        {"register: released", 0x2105, 0x0001, 1, 0, true, 0},
        {"register: other bits", 0x2105, 0x0001, 0, 6, false, 6},
        {"table: one bit per reading", 0x2329, 0x0003, 0x0003, 0, true, 0x0002},
        {"table: second bit next", 0x2329, 0x0003, 0x0002, 0, true, 0},
        {"table: set bit no press", 0x2329, 0x0003, 0, 0x0001, false, 0x0001},
        {"table: 0x0004 never presses", 0x2329, 0x0007, 0x0004, 0, false, 0},
        {"unknown chip", 0x2506, 0xFFFF, 1, 0, false, 1},
    };
    for (const Case& c : cases) {
        RECORD_EXTDEVICE device;
        device.ChipCode = c.chip;
        device.ButtonMask = c.mask;
        device.ButtonState = c.state;
        EXPECT_EQ(ApplyPressRule(device, c.raw), c.press) << c.name;
        EXPECT_EQ(device.ButtonState, c.stateAfter) << c.name;
    }
}

TEST(ButtonTarget, PartitionShownOnTheDriveElseItsFirstLetter)
{
    RECORD_EXTDEVICE device;
    device.LetterCount = 2;
    device.Letters = {'E', 'F'};
    EXPECT_EQ(ButtonTargetRoot(device, u"F:\\"), u"F:\\");
    EXPECT_EQ(ButtonTargetRoot(device, u"G:\\"), u"E:\\");
}

TEST_F(StartupMachine, PressAsksAndStartsTheChosenBackup)
{
    Open(1033);
    form().ButtonFunction = 0;
    std::u16string question;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        auto& msg = dynamic_cast<TMsgForm&>(box);
        question = msg.Msg_Lab->Caption();
        msg.LB_Btn_LabClick(nullptr);
    });
    SetDrive(true, true);
    ui_.Advance(100);
    EXPECT_EQ(ui_.ModalCount(), 0) << "the register chip reports the press at its release";
    SetDrive(true, false);
    ui_.Advance(100);
    EXPECT_EQ(question, u"Do you want to backup files ?");
    EXPECT_EQ(form().CurrentPage, WorkPage::EasyBackup);
    EXPECT_TRUE(BackupDriveHasFiles());
}

TEST_F(StartupMachine, PressWithTheOptionOffDoesNothing)
{
    Open(1033);
    form().LaunchOptions[3] = 0;
    SetDrive(true, true);
    ui_.Advance(100);
    SetDrive(true, false);
    ui_.Advance(100);
    EXPECT_EQ(ui_.ModalCount(), 0);
}

TEST_F(StartupMachine, ArrivalCountsDownToAnEasyBackup)
{
    Open(1033);
    SetDrive(false, false);
    ui_.Advance(500);
    EXPECT_EQ(form().ExternalDrives.Count, 0);
    EXPECT_EQ(form().Bac_Dest_Edit->Text(), u"");

    form().AutoStartSeconds = 2;
    std::vector<std::u16string> shown;
    ui_.AnswerNextModal([&](ui::TForm& window) {
        auto& countdown = dynamic_cast<TAutoStartForm&>(window);
        shown.push_back(countdown.TargetPath);
        shown.push_back(countdown.CountDown_Lab->Caption());
    });
    SetDrive(true, false);
    ui_.Advance(500);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"E:\\", u"2"}));
    EXPECT_TRUE(BackupDriveHasFiles());
    EXPECT_EQ(form().AutoStartShowing, 0);
    EXPECT_EQ(form().Idle, 1);
}

// A finished job's result still on show gives way to the countdown's backup instead of refusing it.
TEST_F(StartupMachine, ArrivalAfterAFinishedJobClosesItsResultAndBacksUp)
{
    Open(1033);
    SetDrive(false, false);
    ui_.Advance(500);
    form().Idle = 0;
    ShowProgressPanel(form());
    ShowProgressResults(form());

    form().AutoStartSeconds = 1;
    ui_.AnswerNextModal([](ui::TForm&) {});
    SetDrive(true, false);
    ui_.Advance(500);
    EXPECT_TRUE(BackupDriveHasFiles());
    EXPECT_FALSE(form().Progress_Pan->Visible());
    EXPECT_EQ(form().Idle, 1);
}

// Cancel on the countdown asks first: Yes closes the window without a backup, No counts on.
TEST_F(StartupMachine, CountdownCancelAsksAndYesClosesWhileNoResumes)
{
    const struct {
        bool yes;
        bool backedUp;
    } cases[] = {{true, false}, {false, true}};
    for (const auto& c : cases) {
        Open(1033);
        SetDrive(false, false);
        ui_.Advance(500);
        form().AutoStartSeconds = 3;
        std::u16string question;
        ui_.AnswerNextModal([](ui::TForm& window) { uit::Click(*dynamic_cast<TAutoStartForm&>(window).RB_Btn_Lab); });
        ui_.AnswerNextModal([&](ui::TForm& box) {
            auto& msg = dynamic_cast<TMsgForm&>(box);
            question = msg.Msg_Lab->Caption();
            uit::Click(c.yes ? *msg.LB_Btn_Lab : *msg.RB_Btn_Lab);
        });
        SetDrive(true, false);
        ui_.Advance(5000);
        EXPECT_EQ(question, u"Do you want to cancel back up?") << c.yes;
        EXPECT_EQ(form().AutoStartShowing, 0) << c.yes;
        EXPECT_EQ(BackupDriveHasFiles(), c.backedUp) << c.yes;
        EXPECT_EQ(form().Idle, 1) << c.yes;
        Close();
        std::filesystem::remove_all(Host("e"));
        std::filesystem::create_directories(Host("e"));
    }
}

TEST_F(StartupMachine, RemovalOfTheCountdownDriveClosesItWithoutBackup)
{
    Open(1033);
    SetDrive(false, false);
    ui_.Advance(500);
    ui_.AnswerNextModal([&](ui::TForm&) { SetDrive(false, false); });
    SetDrive(true, false);
    ui_.Advance(500);
    EXPECT_EQ(form().AutoStartShowing, 0);
    EXPECT_EQ(form().BackupDriveRemoved, 1);
    EXPECT_EQ(form().CancelRequested, 1);
    EXPECT_FALSE(BackupDriveHasFiles());
}

TEST_F(StartupMachine, SuspendStopsTheScheduleAndResumeNeedsTheDrive)
{
    Open(1033);
    form().Sch_Timer->SetEnabled(true);
    form().Perform(WM_POWERBROADCAST, PBT_APMSUSPEND);
    EXPECT_FALSE(form().Sch_Timer->Enabled());
    form().Perform(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND);
    EXPECT_TRUE(form().Sch_Timer->Enabled());

    form().ExternalDrives = RECORD_DEVICECODE{};
    form().Perform(WM_POWERBROADCAST, PBT_APMRESUMESTANDBY);
    EXPECT_EQ(form().CancelRequested, 1) << "the window closed";
}

}  // namespace
