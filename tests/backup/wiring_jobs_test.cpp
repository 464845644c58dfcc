// Which job a drive removal cancels, and triggers that arrive during a language pass.

#include "backup/engine/InterruptMarker.h"
#include "backup/window/device/DeviceMessages.h"
#include "backup/window/device/TriggerFunction.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/layout/PageLayout.h"
#include "startup_fixture.h"
#include "tests/support/machine_profile.h"

namespace {

class TwoBackupDrives : public startuptest::StartupMachine {
protected:
    void SetUp() override
    {
        StartupMachine::SetUp();
        std::filesystem::create_directories(Host("f"));
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Drive('E', "type = fixed\nbus = usb\n")
                                                           .Drive('F', "type = fixed\nbus = usb\n")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")));
    }
};

TEST_F(TwoBackupDrives, RemovalCancelsOnlyTheJobGoingToThatDrive)
{
    Open(1033);
    ASSERT_EQ(form().ExternalDrives.Count, 2);
    form().Idle = 0;
    {
        const JobDestinationScope job(form(), u"F:\\Backup");
        EXPECT_EQ(form().JobDestinationRoot, u"F:\\");
        HandleVolumeRemoval(form(), u"E");
        EXPECT_EQ(form().CancelRequested, 0);
        HandleVolumeRemoval(form(), u"F");
        EXPECT_EQ(form().CancelRequested, 1);
        EXPECT_EQ(form().BackupDriveRemoved, 1);
    }
    EXPECT_EQ(form().JobDestinationRoot, u"");
    form().Idle = 1;
}

TEST_F(TwoBackupDrives, TriggerDuringTheLanguagePassRunsAtItsEnd)
{
    Open(1033);
    form().LanguagePassRunning = 1;
    RunTriggerFunction(form(), u"E:\\", u"1");
    RunTriggerFunction(form(), u"E:\\", u"0");
    EXPECT_EQ(form().CurrentPage, 1);
    EXPECT_EQ(ui_.ModalCount(), 0);

    std::u16string shown;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        shown = dynamic_cast<TMsgForm&>(box).Msg_Lab->Caption();
        box.Close();
    });
    ApplyLanguage(form());
    EXPECT_EQ(form().LanguagePassRunning, 0);
    EXPECT_EQ(form().CurrentPage, 4) << "the first trigger: a Manual Backup";
    EXPECT_EQ(shown, u"File not selected.");
    EXPECT_EQ(form().DeferredTriggerEntry, u"");
}

TEST_F(TwoBackupDrives, InterruptedManualRunIsOfferedAgain)
{
    Open(1033);
    SYSTEMTIME runTime{};
    GetLocalTime(&runTime);
    WriteJobMarker(JOB_KIND_MANUAL, runTime, u"E:\\");
    std::vector<std::u16string> shown;
    const auto answer = [&](ui::TForm& box) {
        auto& msg = dynamic_cast<TMsgForm&>(box);
        shown.push_back(msg.Msg_Lab->Caption());
        msg.LB_Btn_LabClick(nullptr);
    };
    ui_.AnswerNextModal(answer);
    ui_.AnswerNextModal(answer);
    OfferResumeBackup(form());
    EXPECT_EQ(shown,
              (std::vector<std::u16string>{u"Manual Backup didn't quit successfully.  Do you want to restart backup?",
                                           u"File not selected."}));
    EXPECT_EQ(form().CurrentPage, 4);
}

}  // namespace
