// Whole jobs through the engine alone, as a job without a window: an Easy Backup, a cancel in the
// middle of one, a restore and a delete of its run.

#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Container.h"
#include "backup/engine/Delete.h"
#include "backup/engine/EasyBackupRun.h"
#include "backup/engine/EasyBackupScan.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"
#include "lists/string_list.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "tests/core/easy_pc_machine.h"
#include "tests/core/engine_fixture.h"
#include "tests/core/recording_job.h"
#include "tests/platform/machine_fixture.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "tests/support/small_file_system.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

using easytest::kRunStamp;

using enginetest::kEveryCategory;
const std::u16string kEasyFolder = u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy";
const std::u16string kPass(CONTAINER_PASS);
const char* const kCategories[] = {"Document", "Graphic", "Audio", "Video", "Mail"};
// The bytes of the ten files of the five categories.
constexpr std::int64_t kCategoryBytes = 10 + 5 + 20 + 30 + 40 + 50 + 100 + 60 + 80 + 1000;

using enginetest::RecordingJob;

class CoreJobs : public easytest::EasyPcMachine {
protected:
    void SetUp() override
    {
        EasyPcMachine::SetUp();
        ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\sys.doc", FILE_ATTRIBUTE_SYSTEM));
    }

    // The scan, as a job of its own, gives the job its total; then the run, as the job.
    int Backup(RunningJob& job, BYTE encrypt = 0, clProcessNotify* notifier = nullptr)
    {
        RecordingJob scan;
        std::uint64_t selected = 0;
        ScanEasySources(scan, kEveryCategory, job.Bytes().total, selected);
        EXPECT_EQ(selected, static_cast<std::uint64_t>(kCategoryBytes + extraBytes_));
        PerEasyCategory<lists::TStringList*> lists{};
        for (std::size_t i = 0; i < lists.size(); ++i) {
            lists[i] = &repeats_[i];
        }
        return RunEasyBackup(job, completed, failed, u"E:\\", kEveryCategory, lists, kPass, encrypt, notifier);
    }

    std::filesystem::path Host(const std::string& relative) const { return std::filesystem::path(folder_) / relative; }
    std::filesystem::path RunFolder(const std::string& category) const
    {
        return Host("e/Harbex_Solo+/HOMEPCAlice61/Easy/" + category + "/" + kRunStamp);
    }

    lists::TStringList completed;
    lists::TStringList failed;
    // Of files a test adds to the PC.
    std::int64_t extraBytes_ = 0;
    platform::ScopedFakeClock& Clock() { return clock_; }

private:
    PerEasyCategory<lists::TStringList> repeats_;
};

TEST_F(CoreJobs, AnEasyBackupReportsEveryFileAndTheBytesItCopied)
{
    RecordingJob job;
    EXPECT_EQ(Backup(job), 1);
    EXPECT_EQ(completed.Count(), 10);
    EXPECT_EQ(failed.Count(), 0);
    EXPECT_EQ(job.paths.size(), 10u);
    EXPECT_EQ(job.Bytes().total, easytest::kJobTotal);
    EXPECT_EQ(job.Bytes().done, easytest::kJobTotal) << "copied and passed-over bytes both count";
    EXPECT_EQ(job.shownDone, easytest::kJobTotal);
    EXPECT_EQ(job.shownTotal, easytest::kJobTotal);
    EXPECT_EQ(testsupport::ReadText(RunFolder("Document") / "C/Data/plan.doc"), std::string(60, 'x'));
}

// A cancel during the Nth file leaves no run folder; the files copied before it are failed lines.
TEST_F(CoreJobs, ACancelAtAnyFileLeavesNoRunFolder)
{
    for (const std::size_t cancelAt : {1u, 4u, 10u}) {
        SCOPED_TRACE(cancelAt);
        completed.Clear();
        failed.Clear();
        RecordingJob job(cancelAt);
        EXPECT_EQ(Backup(job), 0);
        EXPECT_EQ(job.paths.size(), cancelAt);
        EXPECT_EQ(completed.Count(), 0);
        ASSERT_EQ(failed.Count(), static_cast<int>(cancelAt));
        for (const auto& line : failed.Lines()) {
            EXPECT_TRUE(platform::ToUtf8(line).ends_with("ErrorCode : 1235")) << platform::ToUtf8(line);
        }
        EXPECT_EQ(job.errors, std::vector<DWORD>(cancelAt, ERROR_REQUEST_ABORTED));
        for (const char* category : kCategories) {
            EXPECT_FALSE(std::filesystem::exists(RunFolder(category))) << category;
        }
        EXPECT_FALSE(std::filesystem::exists(Host(testsupport::kInterruptMarker)));
    }
}

TEST_F(CoreJobs, ARestoreOfTheRunReportsTheBytesItCopied)
{
    RecordingJob backup;
    ASSERT_EQ(Backup(backup), 1);

    RecordingJob restore;
    restore.Bytes().total = kCategoryBytes;
    lists::TStringList restored;
    lists::TStringList notRestored;
    RunEasyRestore(restore, RESTORE_JOB{&restored, &notRestored, u"", nullptr}, kEveryCategory, kEasyFolder, u"C:\\Out",
                   platform::FromUtf8(kRunStamp), false);
    EXPECT_EQ(restored.Count(), 10);
    EXPECT_EQ(notRestored.Count(), 0);
    EXPECT_EQ(restore.paths.size(), 10u);
    EXPECT_EQ(restore.Bytes().done, kCategoryBytes);
    EXPECT_EQ(testsupport::ReadText(Host("c/Out/" + kRunStamp + "/C/Data/plan.doc")), std::string(60, 'x'));
    EXPECT_EQ(testsupport::ReadText(Host("c/Out/" + kRunStamp + "/C/Users/Alice/Videos/clip.avi")),
              std::string(50, 'x'));
}

TEST_F(CoreJobs, ADeleteTakesTheRunOfOneCategory)
{
    RecordingJob backup;
    ASSERT_EQ(Backup(backup), 1);

    RecordingJob job;
    DELETE_SELECTION selection;
    selection.Count = 1;
    selection.Paths = {kEasyFolder + u"\\Document\\" + platform::FromUtf8(kRunStamp)};
    EXPECT_TRUE(DeleteSelectedItems(job, selection, kEasyFolder + u"\\Document", nullptr));
    EXPECT_FALSE(std::filesystem::exists(RunFolder("Document")));
    EXPECT_TRUE(std::filesystem::exists(RunFolder("Video") / "C/Users/Alice/Videos/clip.avi"));
}

// A notifier starts cancelled: a windowless run given a fresh one still encrypts every file, and a
// restore given another fresh one decodes them all.
TEST_F(CoreJobs, AFreshNotifierCancelsNoFile)
{
    clProcessNotify backupNotifier;
    RecordingJob backup;
    EXPECT_EQ(Backup(backup, 1, &backupNotifier), 1);
    EXPECT_EQ(completed.Count(), 10);
    EXPECT_EQ(failed.Count(), 0);
    EXPECT_TRUE(std::filesystem::exists(RunFolder("Document") / "C/Data/plan.doc.vemoen"));

    clProcessNotify restoreNotifier;
    RecordingJob restore;
    lists::TStringList restored;
    lists::TStringList notRestored;
    RunEasyRestore(restore, RESTORE_JOB{&restored, &notRestored, kPass, &restoreNotifier}, kEveryCategory, kEasyFolder,
                   u"C:\\Out", platform::FromUtf8(kRunStamp), false);
    EXPECT_EQ(restored.Count(), 10);
    EXPECT_EQ(notRestored.Count(), 0);
    EXPECT_EQ(testsupport::ReadText(Host("c/Out/" + kRunStamp + "/C/Data/plan.doc")), std::string(60, 'x'));
}

// The drive fills up during an Easy Backup: the run's lists cannot be written and none is left
// empty, so no category run is a date and the history gains no line; the marker stays for the
// clean-up of a run cut short.
TEST_F(CoreJobs, AFullDiskLeavesNoFinishedEasyRun)
{
    testsupport::SmallFileSystem disk(512 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const enginetest::TempDrive small(u'E', 2, disk.Folder());
    class FillingJob : public RecordingJob {
    public:
        explicit FillingJob(const testsupport::SmallFileSystem& disk) : disk_(disk) { }
        void ShowPath(const std::u16string& path) override
        {
            RecordingJob::ShowPath(path);
            if (paths.size() == 3) {
                disk_.Fill("filler");
            }
        }

    private:
        const testsupport::SmallFileSystem& disk_;
    } job(disk);
    EXPECT_EQ(Backup(job), 1);

    EXPECT_FALSE(failed.Lines().empty());
    for (const char* category : kCategories) {
        const std::u16string run =
            kEasyFolder + u"\\" + platform::FromUtf8(category) + u"\\" + platform::FromUtf8(kRunStamp);
        EXPECT_FALSE(IsFinishedRunFolder(run)) << category;
        for (const char16_t* list : {u"\\OriSize.ini", u"\\FileList_Repeat.ini"}) {
            EXPECT_EQ(GetFileAttributesW((run + list).c_str()), INVALID_FILE_ATTRIBUTES) << category;
        }
    }
    EXPECT_FALSE(small.Exists("Harbex_Solo+/HOMEPCAlice61/Easy/BacTimeRec.ini"));
    EXPECT_TRUE(std::filesystem::exists(Host(testsupport::kInterruptMarker)));
}

// The drive fills up while a delete re-homes the earlier run's read-only, hidden file (it needs a
// copy): that file and the run's list files stay, so the run is still a date, and a second delete
// with room finishes it; the later run restores whole all along.
TEST_F(CoreJobs, ADeleteCutShortByAFullDiskIsFinishedByTheNextOne)
{
    testsupport::SmallFileSystem disk(1024 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const enginetest::TempDrive small(u'E', 2, disk.Folder());
    const std::string big(256 * 1024, 'b');
    testsupport::WriteText(Host("c/Data/big.doc"), big);
    ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\big.doc", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    extraBytes_ = static_cast<std::int64_t>(big.size());
    RecordingJob first;
    ASSERT_EQ(Backup(first), 1);
    Clock().clock().SetLocalTime(SYSTEMTIME{2011, 3, 6, 5, 15, 7, 9, 0});
    completed.Clear();
    RecordingJob second;
    ASSERT_EQ(Backup(second), 1);
    const std::u16string documents = kEasyFolder + u"\\Document";
    const std::u16string firstRun = documents + u"\\" + platform::FromUtf8(kRunStamp);
    const std::u16string secondRun = documents + u"\\20110305_150709";
    ASSERT_TRUE(IsFinishedRunFolder(secondRun));
    const auto filler = disk.Fill("filler", 64 * 1024);

    DELETE_SELECTION selection;
    selection.Count = 1;
    selection.Paths = {firstRun};
    RecordingJob cutShort;
    EXPECT_FALSE(DeleteSelectedItems(cutShort, selection, documents, nullptr));
    EXPECT_TRUE(IsFinishedRunFolder(firstRun)) << "still a date to delete";
    EXPECT_NE(GetFileAttributesW((firstRun + u"\\C\\Data\\big.doc").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((firstRun + u"\\C\\Data\\plan.doc").c_str()), INVALID_FILE_ATTRIBUTES)
        << "what was re-homed went";

    std::filesystem::remove(filler);
    RecordingJob finish;
    EXPECT_TRUE(DeleteSelectedItems(finish, selection, documents, nullptr));
    EXPECT_EQ(GetFileAttributesW(firstRun.c_str()), INVALID_FILE_ATTRIBUTES);

    RecordingJob restore;
    lists::TStringList restored;
    lists::TStringList notRestored;
    RunEasyRestore(restore, RESTORE_JOB{&restored, &notRestored, kPass, nullptr}, {1, 0, 0, 0, 0}, kEasyFolder,
                   u"C:\\Out", u"20110305_150709", false);
    EXPECT_EQ(notRestored.Lines(), std::vector<std::u16string>{});
    EXPECT_EQ(testsupport::ReadText(Host("c/Out/20110305_150709/C/Data/big.doc")), big);
    EXPECT_EQ(testsupport::ReadText(Host("c/Out/20110305_150709/C/Data/plan.doc")), std::string(60, 'x'));
}

}  // namespace
