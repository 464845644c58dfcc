// Which running job a drive unplugged through the simulator stops, and triggers that arrive during
// a language pass.

#include "backup/engine/InterruptMarker.h"
#include "backup/window/device/TriggerFunction.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/StartersBackup.h"
#include "backup/window/jobs/WindowJob.h"
#include "backup/window/layout/PageLayout.h"
#include "startup_fixture.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "ui/controls/timer.h"

namespace {

using testsupport::kInterruptMarker;

class TwoBackupDrives : public startuptest::StartupMachine {
protected:
    void SetUp() override
    {
        StartupMachine::SetUp();
        testsupport::FileTree documents;
        for (int i = 0; i < 40; ++i) {
            documents["doc" + std::to_string(i) + ".doc"] = "text";
        }
        testsupport::WriteTree(Host("c/Users/Alice/Documents"), documents);
        std::filesystem::create_directories(Host("f"));
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Drive('E', "type = fixed\nbus = usb\n")
                                                           .Drive('F', "type = fixed\nbus = usb\n")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("documents", "C:\\Users\\Alice\\Documents")));
    }
};

// An Easy Backup of the 41 documents to F:, and one of the two drives unplugged through the
// simulator after five copies: only the job's own drive stops it.
TEST_F(TwoBackupDrives, UnpluggingADriveDuringABackupStopsOnlyTheJobGoingToIt)
{
    const struct {
        const char* name;
        char16_t unplugged;
        bool stops;
    } cases[] = {{"E: (another drive)", u'E', false}, {"F: (the job's drive)", u'F', true}};
    for (const auto& c : cases) {
        Open(1033);
        ASSERT_EQ(form().ExternalDrives.Count, 2) << c.name;
        bool unplugged = false;
        ui::TTimer watch(nullptr);
        watch.SetInterval(1000);
        watch.OnTimer = [&](ui::TObject*) {
            if (!unplugged && form().CompletedFiles->Count() >= 5) {
                SetDrive(false, false, c.unplugged);
                unplugged = true;
            }
            ui_.Clock().Advance(1000);
        };
        ui_.Clock().Advance(1000);
        StartEasyBackup(form(), u"F:\\", form().Progress_File_Path_Lab, {1, 0, 0, 0, 0}, form().Progress_File_Path_Lab);
        watch.SetEnabled(false);

        EXPECT_EQ(form().ExternalDrives.Count, 1) << c.name << ": the removal notice came during the run";
        EXPECT_EQ(form().BackupDriveRemoved, c.stops ? 1 : 0) << c.name;
        EXPECT_EQ(form().CompletedFiles->Count(), c.stops ? 0 : 41) << c.name;
        EXPECT_EQ(form().FailedFiles->Count(), c.stops ? 5 + 1 : 0) << c.name;
        EXPECT_EQ(std::filesystem::exists(Host(kInterruptMarker)), c.stops) << c.name;
        EXPECT_EQ(form().JobDestinationRoot, u"") << c.name;

        Close();
        SetDrive(true, false, c.unplugged);
        std::filesystem::remove(Host(kInterruptMarker));
    }
}

TEST_F(TwoBackupDrives, TriggerDuringTheLanguagePassRunsAtItsEnd)
{
    Open(1033);
    form().LanguagePassRunning = 1;
    RunTriggerFunction(form(), u"E:\\", u"1");
    RunTriggerFunction(form(), u"E:\\", u"0");
    EXPECT_EQ(form().CurrentPage, WorkPage::ProductInfo);
    EXPECT_EQ(ui_.ModalCount(), 0);

    std::u16string shown;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        shown = dynamic_cast<TMsgForm&>(box).Msg_Lab->Caption();
        box.Close();
    });
    ApplyLanguage(form());
    EXPECT_EQ(form().LanguagePassRunning, 0);
    EXPECT_EQ(form().CurrentPage, WorkPage::ManualBackup) << "the first trigger: a Manual Backup";
    EXPECT_EQ(shown, u"File not selected.");
    EXPECT_EQ(form().DeferredTriggerEntry, u"");
}

TEST_F(TwoBackupDrives, InterruptedManualRunIsOfferedAgain)
{
    Open(1033);
    SYSTEMTIME runTime{};
    GetLocalTime(&runTime);
    WriteJobMarker(WindowJob::OfWindow(), JOB_KIND_MANUAL, runTime, u"E:\\");
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
    EXPECT_EQ(form().CurrentPage, WorkPage::ManualBackup);
}

}  // namespace
