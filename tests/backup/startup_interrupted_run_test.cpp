// A backup run cut short on E: (the process ended before the run wrote its list files): while E:
// is away the marker waits and nothing is asked; when E: is there, at start-up or plugged in while
// the program runs, the half run goes and the question comes. A half run is never an earlier copy
// to refer to nor a date to restore. A marker that is not the user's own (in a settings or data
// folder of another account, or placed there by one) is no marker: nothing is deleted for it.

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/StartersBackup.h"
#include "backup/window/jobs/WindowJob.h"
#include "lists/string_list.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/text.h"
#include "startup_fixture.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "ui/controls/timer.h"

#include <pwd.h>
#include <unistd.h>

namespace {
using testsupport::kInterruptMarker;
const SYSTEMTIME kCutShortAt{2024, 3, 5, 1, 9, 0, 0, 0};

class InterruptedRun : public startuptest::StartupMachine {
protected:
    std::string ManualFolder() const { return "e/Harbex_Solo+/" + platform::ToUtf8(PcFolderName()) + "/Manual/"; }

    // A finished Manual run with its list files, and a later one that the process left behind:
    // one copy made, no list file, the marker naming E:.
    void LeaveCutShortManualRun()
    {
        testsupport::WriteText(Host(ManualFolder() + "20240101_080000/C/Data/old.txt"), "old");
        testsupport::WriteFinishedRunLists(Host(ManualFolder() + "20240101_080000"));
        testsupport::WriteText(Host(ManualFolder() + "20240301_090000/C/Data/half.txt"), "half");
        WriteJobMarker(WindowJob::OfWindow(), JOB_KIND_MANUAL, kCutShortAt, u"E:\\");
    }

    // Answers the resume question with No and returns what it asked.
    std::vector<std::u16string> AnswerQuestionsNo()
    {
        questions_.clear();
        ui_.AnswerNextModal([this](ui::TForm& box) {
            auto& msg = dynamic_cast<TMsgForm&>(box);
            questions_.push_back(msg.Msg_Lab->Caption());
            msg.RB_Btn_LabClick(nullptr);
        });
        return questions_;
    }

    std::vector<std::u16string> questions_;
};

const std::u16string kQuestion = u"Manual Backup didn't quit successfully.  Do you want to restart backup?";

TEST_F(InterruptedRun, MarkerWaitsWhileTheDriveIsAwayAndTheQuestionComesWhenItIsPluggedIn)
{
    LeaveCutShortManualRun();
    SetDrive(false, false);
    Open(1033);
    ASSERT_EQ(form().ExternalDrives.Count, 0);
    form().FormActivate(nullptr);
    EXPECT_EQ(ui_.ModalCount(), 0) << "no question without the drive";
    EXPECT_TRUE(std::filesystem::exists(Host(kInterruptMarker)));

    // Plugged in while the program runs: cleaned and asked before any countdown or next run.
    form().LaunchOptions[2] = 1;
    AnswerQuestionsNo();
    SetDrive(true, false);
    ui_.Advance(500);
    EXPECT_EQ(questions_, std::vector<std::u16string>{kQuestion});
    EXPECT_FALSE(std::filesystem::exists(Host(ManualFolder() + "20240301_090000")));
    EXPECT_TRUE(std::filesystem::exists(Host(ManualFolder() + "20240101_080000/C/Data/old.txt")));
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
    EXPECT_EQ(form().AutoStartShowing, 0);
    EXPECT_EQ(form().Idle, 1);
}

TEST_F(InterruptedRun, StartUpWithTheDriveCleansAndAsksOnce)
{
    LeaveCutShortManualRun();
    Open(1033);
    AnswerQuestionsNo();
    form().FormActivate(nullptr);
    EXPECT_EQ(questions_, std::vector<std::u16string>{kQuestion});
    EXPECT_FALSE(std::filesystem::exists(Host(ManualFolder() + "20240301_090000")));
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
}

// Another account that can write into the data folder names the newest run in a marker of its
// own; at the user's next start-up nothing is asked and no run is deleted.
TEST_F(InterruptedRun, AMarkerOfAnotherAccountIsIgnoredAndNoRunIsDeleted)
{
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || nobody == nullptr) {
        GTEST_SKIP() << "giving files to another account needs root and the account nobody";
    }
    const std::string data = "c/Users/Alice/AppData/Roaming/Harbex_Solo+";
    struct Case {
        const char* name;
        std::string given;  // what belongs to the other account, with everything below it
    } const cases[] = {
        {"the marker", kInterruptMarker},
        {"the Ini folder", data + "/Ini"},
        {"the data folder", data},
    };
    for (const Case& c : cases) {
        LeaveCutShortManualRun();
        const std::filesystem::path given = Host(c.given);
        ASSERT_EQ(lchown(given.c_str(), nobody->pw_uid, nobody->pw_gid), 0) << c.name;
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(given)) {
                ASSERT_EQ(lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid), 0) << c.name;
            }
        }
        Open(1033);
        AnswerQuestionsNo();
        form().FormActivate(nullptr);
        EXPECT_TRUE(questions_.empty()) << c.name << ": no question";
        EXPECT_TRUE(std::filesystem::exists(Host(ManualFolder() + "20240301_090000/C/Data/half.txt"))) << c.name;
        EXPECT_TRUE(std::filesystem::exists(Host(kInterruptMarker))) << c.name << ": neither read nor removed";
        Close();
        std::filesystem::remove_all(Host(data));
    }
}

TEST_F(InterruptedRun, HalfRunIsNoRestoreDateNorDeleteDate)
{
    LeaveCutShortManualRun();
    std::filesystem::remove(Host(kInterruptMarker));
    Open(1033);
    form().Res_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    ShowLatestManualBackupTime(form(), *form().RM_Time_Sel_Show_Lab, *form().Res_PC_Show_Edit);
    EXPECT_EQ(form().RM_Time_Sel_Show_Lab->Hint(), u"20240101_080000");

    form().Del_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    BuildDeleteTree(form(), *form().DM_Tree, *form().Del_PC_Show_Edit, 2);
    ASSERT_EQ(form().DM_Tree->Items().TopCount(), 1);
    const ui::TTreeNode* manual = form().DM_Tree->Items().Top(0);
    std::vector<std::u16string> dates;
    for (int i = 0; i < manual->Count(); ++i) {
        dates.push_back(manual->Item(i)->Text());
    }
    EXPECT_EQ(dates, std::vector<std::u16string>{u"20240101_080000"});
}

// The Easy run is cut short after its copies and before its list files; the next run copies the
// document again instead of naming the half run's copy.
TEST_F(InterruptedRun, NextRunDoesNotReferToTheHalfRun)
{
    Open(1033);
    ui_.Clock().SetLocalTime(SYSTEMTIME{2024, 3, 5, 1, 9, 0, 0, 0});
    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 0, 0, 0, 0}, form().Progress_File_Path_Lab);
    form().PB_Btn_LabClick(nullptr);
    const std::filesystem::path easy = Host("e/Harbex_Solo+/" + platform::ToUtf8(PcFolderName()) + "/Easy/Document");
    const std::filesystem::path first = easy / "20240301_090000";
    ASSERT_TRUE(std::filesystem::exists(first / "OriSize.ini"));
    std::filesystem::remove(first / "OriSize.ini");
    std::filesystem::remove(first / "FileList_Repeat.ini");

    ui_.Clock().SetLocalTime(SYSTEMTIME{2024, 3, 5, 1, 10, 0, 0, 0});
    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 0, 0, 0, 0}, form().Progress_File_Path_Lab);
    form().PB_Btn_LabClick(nullptr);
    const std::filesystem::path second = easy / "20240301_100000";
    lists::TStringList repeats;
    ASSERT_TRUE(repeats.LoadFromFile(u"E:\\Harbex_Solo+\\" + PcFolderName() +
                                     u"\\Easy\\Document\\20240301_100000\\FileList_Repeat.ini"));
    EXPECT_EQ(repeats.Count(), 0);
    bool copied = false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(second)) {
        copied = copied || entry.path().filename() == "Letter.doc";
    }
    EXPECT_TRUE(copied);
}

// E: is pulled between two files of an Easy Backup, before any removal notice: the first file that
// fails makes the run look at its drive and stop as on a removal, with no failed line for each
// file left; the marker stays for the half run, which is cleaned when E: is back.
TEST_F(InterruptedRun, TheDriveGoneBetweenFilesStopsTheRunAndKeepsItsMarker)
{
    for (int i = 0; i < 40; ++i) {
        testsupport::WriteText(Host("c/Users/Alice/Documents/doc" + std::to_string(i) + ".doc"), "text");
    }
    Open(1033);
    ui_.Clock().SetLocalTime(kCutShortAt);
    ui::TTimer watch(nullptr);
    watch.SetInterval(1000);
    watch.OnTimer = [&](ui::TObject*) {
        if (form().CompletedFiles->Count() < 5) {
            ui_.Clock().Advance(1000);
            return;
        }
        // The simulator's unplug as the drive table sees it; the clock stands, so no notice comes.
        SetDrive(false, false);
        platform::RefreshDevices();
        watch.SetEnabled(false);
    };
    ui_.Clock().Advance(1000);
    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 0, 0, 0, 0}, form().Progress_File_Path_Lab);

    EXPECT_EQ(form().BackupDriveRemoved, 1);
    EXPECT_EQ(form().CompletedFiles->Count(), 0);
    int cancelled = 0;
    for (const std::u16string& line : form().FailedFiles->Lines()) {
        cancelled += line.ends_with(u"ErrorCode : 1235") ? 1 : 0;
    }
    EXPECT_EQ(cancelled, 5) << "the files copied before the drive went";
    EXPECT_EQ(form().FailedFiles->Count(), 5 + 1) << "and the one file at which it went, nothing after it";
    EXPECT_TRUE(std::filesystem::exists(Host(kInterruptMarker)));
    EXPECT_TRUE(BackupDriveHasFiles());

    SetDrive(true, false);
    platform::RefreshDevices();
    RECORD_DEVICECODE drives;
    drives.Count = 1;
    drives.Roots[0] = u"E:\\";
    EXPECT_EQ(CleanUpInterruptedJob(WindowJob::OfWindow(), drives), JOB_KIND_EASY);
    EXPECT_FALSE(BackupDriveHasFiles());
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
}

}  // namespace
