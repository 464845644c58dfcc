// The start-up sequence behind the loading window, the loading bar, the waiting primitive, the
// resume question and the data folder closed to other accounts.

#include "backup/base/AccessGrant.h"
#include "backup/base/CommandLine.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/frame/Loading_Win.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/WindowJob.h"
#include "startup_fixture.h"

#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/stat.h>

namespace {

using startuptest::StartupMachine;

TEST_F(StartupMachine, SequenceScansFillsAndStartsThePollBehindTheLoadingWindow)
{
    const std::uint64_t before = ui_.Clock().MonotonicMs();
    Open(1033);
    EXPECT_EQ(form().ExternalDrives.Count, 1);
    EXPECT_EQ(form().ExternalDrives.Roots[0], u"E:\\");
    EXPECT_EQ(form().LocalFixedDisks.Count, 1);
    EXPECT_EQ(form().DeviceTable.Count, 1);
    EXPECT_EQ(form().DeviceTable.Devices[0].ButtonMask, 0x0001);
    EXPECT_EQ(form().Bac_Dest_Edit->Text(), u"E:\\");
    EXPECT_TRUE(form().ExtBtn_Timer->Enabled());
    EXPECT_EQ(form().ScheduleKind, 1);
    // Sixteen stages of 100 ms and the closing second, with nothing left of the loading window.
    EXPECT_GE(ui_.Clock().MonotonicMs() - before, 16u * 100 + 1000);
    ui::Application->ProcessMessages();
    EXPECT_EQ(ui::testing::Find(*ui::Application, "Loading_Form"), nullptr);
    EXPECT_EQ(ui_.ModalCount(), 0);
}

TEST_F(StartupMachine, LoadingBarGrowsToEachStage)
{
    Open(1033);
    TLoading_Form loading(nullptr);
    const struct {
        DWORD percent;
        int width;
    } cases[] = {{6, 20}, {13, 45}, {48, 166}, {100, 347}};
    for (const auto& c : cases) {
        SetLoadingPercent(loading, c.percent);
        EXPECT_EQ(loading.Progress_Bar_Img->Width(), c.width) << c.percent;
        EXPECT_EQ(loading.LastPercent, c.percent);
    }
    SetLoadingPercent(loading, 30);
    EXPECT_EQ(loading.Progress_Bar_Img->Width(), 347) << "a lower percent draws nothing";
}

TEST_F(StartupMachine, WaitAcrossTheTickWrapWaitsTheFullTime)
{
    Open(1033);
    const DWORD now = GetTickCount();
    ui_.Clock().Advance(0xFFFFFFFFu - now - 50);
    const std::uint64_t start = ui_.Clock().MonotonicMs();
    WaitPumpingMessages(300);
    const std::uint64_t waited = ui_.Clock().MonotonicMs() - start;
    EXPECT_GE(waited, 300u);
    EXPECT_LT(waited, 320u);
}

TEST_F(StartupMachine, ResumeQuestionOnlyForAnInterruptedRun)
{
    Open(1033);
    OfferResumeBackup(form());
    EXPECT_EQ(ui_.ModalCount(), 0);

    SYSTEMTIME runTime{};
    GetLocalTime(&runTime);
    WriteJobMarker(WindowJob::OfWindow(), JOB_KIND_EASY, runTime, u"E:\\");
    std::u16string question;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        auto& msg = dynamic_cast<TMsgForm&>(box);
        question = msg.Msg_Lab->Caption();
        msg.LB_Btn_LabClick(nullptr);
    });
    OfferResumeBackup(form());
    EXPECT_EQ(question, u"Easy Backup didn't quit successfully.  Do you want to restart backup?");
    EXPECT_EQ(form().CurrentPage, WorkPage::EasyBackup);
    EXPECT_TRUE(BackupDriveHasFiles());
}

// After start-up the data folder and its Ini folder are the user's alone (0700, no entry of an
// access list), whether made now or left open to the users group by an earlier version.
TEST_F(StartupMachine, TheDataFolderIsTheUsersAloneAfterStartUp)
{
    const std::string data = "c/Users/Alice/AppData/Roaming/Harbex_Solo+";
    const std::u16string windowsData = u"C:\\Users\\Alice\\AppData\\Roaming\\Harbex_Solo+";
    for (const bool leftOpen : {false, true}) {
        std::filesystem::remove_all(Host(data));
        if (leftOpen) {
            std::filesystem::create_directories(Host(data + "/Ini"));
            for (const std::u16string& folder : {windowsData, windowsData + u"\\Ini"}) {
                ASSERT_EQ(GrantUsersFullAccess(folder), 0);
            }
            acl_t inherited = acl_from_text("u::rwx,g::rwx,g:users:rwx,m::rwx,o::rwx");
            ASSERT_EQ(acl_set_file(Host(data).c_str(), ACL_TYPE_DEFAULT, inherited), 0);
            acl_free(inherited);
        }
        Open(1033);
        for (const std::string& folder : {data, data + "/Ini"}) {
            struct stat info { };
            ASSERT_EQ(stat(Host(folder).c_str(), &info), 0) << folder;
            EXPECT_EQ(info.st_mode & 07777, 0700u) << folder << (leftOpen ? " left open" : " new");
            EXPECT_EQ(acl_extended_file(Host(folder).c_str()), 0) << folder << (leftOpen ? " left open" : " new");
        }
        Close();
    }
}

TEST_F(StartupMachine, DriveStartCountsDownForTheStartDrive)
{
    SetCommandLineArgument(u"E:\\Harbex_Solo+.exe");
    std::u16string shownFor;
    ui_.AnswerNextModal([&](ui::TForm& window) {
        shownFor = dynamic_cast<TAutoStartForm&>(window).TargetPath;
        window.Close();
    });
    Open(1033);
    EXPECT_EQ(shownFor, u"E:\\");
    EXPECT_EQ(form().AutoStartShowing, 0);
    EXPECT_EQ(form().AutoStartWindow, nullptr);
}

}  // namespace
