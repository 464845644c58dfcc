// A backup drive that turns against the user while a job works on it: a level of the drive made a
// link to a private folder of the user, a run folder swapped for such a link in the middle of its
// delete, and the drive's folder moved away under a running job, as a pulled or unmounted disk
// leaves it. Every job runs through the engine's own entry, as a job without a window.

#include "backup/engine/Container.h"
#include "backup/engine/Delete.h"
#include "backup/engine/EasyBackupRun.h"
#include "backup/engine/EasyBackupScan.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RunningJob.h"
#include "lists/string_list.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/text.h"
#include "tests/core/easy_pc_machine.h"
#include "tests/core/engine_fixture.h"
#include "tests/core/recording_job.h"
#include "tests/platform/machine_fixture.h"
#include "tests/support/bind_mount.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <sys/acl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>

namespace {

namespace fs = std::filesystem;

using easytest::kRunStamp;
using enginetest::kEveryCategory;
using enginetest::RecordingJob;

const std::u16string kEasyFolder = u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy";
const std::string kEasy = "e/Harbex_Solo+/HOMEPCAlice61/Easy";
const std::u16string kPass(CONTAINER_PASS);

// Everything a job could change in a tree, links not followed: each entry's kind, permission bits,
// access list, extended attributes and, for a file, its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    const auto record = [&entries, &folder](const fs::path& path) {
        struct stat info { };
        ::lstat(path.c_str(), &info);
        std::string text = std::to_string(info.st_mode);
        if (!S_ISLNK(info.st_mode)) {
            if (acl_t acl = acl_get_file(path.c_str(), ACL_TYPE_ACCESS)) {
                char* aclText = acl_to_text(acl, nullptr);
                text += std::string(" acl ") + aclText;
                acl_free(aclText);
                acl_free(acl);
            }
        }
        char names[1024];
        const ssize_t length = ::llistxattr(path.c_str(), names, sizeof names);
        for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(std::strlen(names + at)) + 1) {
            char value[256];
            const ssize_t valueLength = ::lgetxattr(path.c_str(), names + at, value, sizeof value);
            text += std::string(" ") + (names + at) + "=" + std::string(value, std::max<ssize_t>(valueLength, 0));
        }
        if (S_ISREG(info.st_mode)) {
            text += " " + testsupport::ReadText(path);
        }
        entries[fs::relative(path, folder).string()] = text;
    };
    record(folder);
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        record(entry.path());
    }
    return entries;
}

// A job that runs a step at its nth shown file or nth message pump, whichever the job has; the
// clock moves on a second at each pump, so that a job pumping at intervals pumps each time it may.
class SteppedJob : public RecordingJob {
public:
    SteppedJob(platform::ScopedFakeClock& clock, std::size_t at, std::function<void()> step)
        : clock_(clock), at_(at), step_(std::move(step))
    {
    }

    void ShowPath(const std::u16string& path) override
    {
        RecordingJob::ShowPath(path);
        Count();
    }
    void PumpMessages() override
    {
        clock_.clock().Advance(1000);
        Count();
    }

private:
    void Count()
    {
        if (++seen_ == at_) {
            step_();
        }
    }

    platform::ScopedFakeClock& clock_;
    std::size_t at_;
    std::size_t seen_ = 0;
    std::function<void()> step_;
};

class HeldDrive : public easytest::EasyPcMachine {
protected:
    fs::path Host(const std::string& relative) const { return fs::path(folder_) / relative; }

    int Backup(RunningJob& job, BYTE encrypt = 0)
    {
        RecordingJob scan;
        std::uint64_t selected = 0;
        ScanEasySources(scan, kEveryCategory, job.Bytes().total, selected);
        PerEasyCategory<lists::TStringList*> lists{};
        for (std::size_t i = 0; i < lists.size(); ++i) {
            lists[i] = &repeats_[i];
        }
        return RunEasyBackup(job, completed, failed, u"E:\\", kEveryCategory, lists, kPass, encrypt, nullptr);
    }

    void Restore(RunningJob& job)
    {
        RunEasyRestore(job, RESTORE_JOB{&completed, &failed, kPass, nullptr}, kEveryCategory, kEasyFolder, u"C:\\Out",
                       platform::FromUtf8(kRunStamp), false);
    }

    bool Delete(RunningJob& job, const std::string& category = "Document")
    {
        const std::u16string base = kEasyFolder + u"\\" + platform::FromUtf8(category);
        DELETE_SELECTION selection;
        selection.Count = 1;
        selection.Paths = {base + u"\\" + platform::FromUtf8(kRunStamp)};
        return DeleteSelectedItems(job, selection, base, nullptr);
    }

    // A fresh first run on the drive, its lists cleared.
    void FreshRun(BYTE encrypt = 0)
    {
        fs::remove_all(Host("e/Harbex_Solo+"));
        fs::remove_all(Host("c/Out"));
        fs::remove(Host(testsupport::kInterruptMarker));
        completed.Clear();
        failed.Clear();
        RecordingJob job;
        ASSERT_EQ(Backup(job, encrypt), 1);
        ASSERT_EQ(failed.Count(), 0);
        completed.Clear();
        failed.Clear();
    }

    // Moves the drive level to a private folder of the user outside the drive (0700, with an
    // attribute) and leaves a link to it in its place.
    fs::path LinkLevelToPrivateFolder(const std::string& level)
    {
        const fs::path target = Host("private");
        fs::remove_all(target);
        fs::rename(Host(level), target);
        ::chmod(target.c_str(), 0700);
        ::setxattr(target.c_str(), "user.mark", "kept", 4, 0);
        fs::create_directory_symlink(target, Host(level));
        return target;
    }

    lists::TStringList completed;
    lists::TStringList failed;

private:
    PerEasyCategory<lists::TStringList> repeats_;
};

enum class Job { Backup, Restore, Delete };

// What the user sees of a job after a level of its drive was made a link: the files it completed,
// the ones it lists as failed (each with the error of a refused link) and, for a delete, whether
// the item is reported gone. The link's target never changes.
struct LinkCase {
    Job job;
    std::string level;
    int completed;
    int failed;
    bool deleted = false;
};

TEST_F(HeldDrive, ALinkAtAnyLevelOfTheDriveLeavesItsTargetAsItWas)
{
    const std::string pc = "e/Harbex_Solo+/HOMEPCAlice61";
    const std::string run = kEasy + "/Document/" + kRunStamp;
    // A backup lists each file and each list file of the runs behind the link; one beside a linked
    // run is a new run of its own. A restore fails each category behind the link once.
    const std::vector<LinkCase> cases = {
        {Job::Backup, "e/Harbex_Solo+", 0, 21},
        {Job::Backup, pc, 0, 21},
        {Job::Backup, kEasy, 0, 21},
        {Job::Backup, kEasy + "/Document", 5, 8},
        {Job::Backup, run, 11, 0},
        {Job::Restore, "e/Harbex_Solo+", 0, 5},
        {Job::Restore, pc, 0, 5},
        {Job::Restore, kEasy, 0, 5},
        {Job::Restore, kEasy + "/Document", 5, 1},
        {Job::Restore, run, 5, 1},
        {Job::Delete, "e/Harbex_Solo+", 0, 0},
        {Job::Delete, pc, 0, 0},
        {Job::Delete, kEasy, 0, 0},
        {Job::Delete, kEasy + "/Document", 0, 0},
        {Job::Delete, run, 0, 0, true},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.level + ", job " + std::to_string(static_cast<int>(c.job)));
        FreshRun();
        const fs::path target = LinkLevelToPrivateFolder(c.level);
        const auto before = Snapshot(target);
        RecordingJob job;
        bool deleted = false;
        switch (c.job) {
        case Job::Backup:
            Backup(job);
            break;
        case Job::Restore:
            Restore(job);
            break;
        case Job::Delete:
            deleted = Delete(job);
            break;
        }
        EXPECT_EQ(Snapshot(target), before);
        EXPECT_EQ(completed.Count(), c.completed);
        EXPECT_EQ(failed.Count(), c.failed);
        EXPECT_EQ(job.errors, std::vector<DWORD>(static_cast<std::size_t>(c.failed), ERROR_CANT_ACCESS_FILE));
        EXPECT_EQ(deleted, c.deleted);
        EXPECT_EQ(fs::is_symlink(Host(c.level)), !c.deleted) << "a link goes as a link";
        EXPECT_FALSE(job.StoppedForGoneDrive());
    }
}

// A folder below the one chosen for a restore made a link to a private folder of the user that
// holds the very names the restore writes there: the restore never writes through it and names
// each item behind it as refused. The chosen folder itself may be a link: the user chose it.
TEST_F(HeldDrive, ARestoreToAChosenFolderNeverWritesThroughALinkBelowIt)
{
    const fs::path out = Host("c/Out");
    for (const BYTE encrypt : {BYTE{0}, BYTE{1}}) {
        SCOPED_TRACE(encrypt == 0 ? "plain" : "encoded");
        FreshRun(encrypt);
        RecordingJob first;
        Restore(first);
        ASSERT_EQ(failed.Count(), 0);
        const int restored = completed.Count();
        fs::path fileFolder;
        for (const auto& entry : fs::recursive_directory_iterator(out)) {
            if (entry.is_regular_file()) {
                fileFolder = entry.path().parent_path();
                break;
            }
        }
        ASSERT_FALSE(fileFolder.empty());
        const std::string deep = fs::relative(fileFolder, folder_).string();
        for (const std::string& level : {"c/Out/" + std::string(kRunStamp), deep}) {
            SCOPED_TRACE(level);
            const fs::path target = LinkLevelToPrivateFolder(level);
            const auto before = Snapshot(target);
            completed.Clear();
            failed.Clear();
            RecordingJob job;
            Restore(job);
            EXPECT_EQ(Snapshot(target), before);
            EXPECT_GT(failed.Count(), 0);
            EXPECT_EQ(job.errors, std::vector<DWORD>(static_cast<std::size_t>(failed.Count()), ERROR_CANT_ACCESS_FILE));
            EXPECT_TRUE(fs::is_symlink(Host(level)));
            fs::remove(Host(level));
            fs::rename(target, Host(level));
        }

        fs::rename(out, Host("c/Chosen"));
        fs::create_directory_symlink(Host("c/Chosen"), out);
        fs::remove_all(Host("c/Chosen"));
        fs::create_directory(Host("c/Chosen"));
        completed.Clear();
        failed.Clear();
        RecordingJob chosen;
        Restore(chosen);
        EXPECT_EQ(failed.Count(), 0);
        EXPECT_EQ(completed.Count(), restored);
        EXPECT_TRUE(fs::exists(Host("c/Chosen") / fs::relative(fileFolder, out)));
        fs::remove(out);
        fs::remove_all(Host("c/Chosen"));
    }
}

// Another account that may write the category folder swaps the run being deleted with a link to
// a private folder of the user, again and again: a delete that lists a folder and then removes its
// entries by name would remove the user's files.
TEST_F(HeldDrive, ARunSwappedForALinkWhileItIsDeletedLeavesTheLinksTargetWhole)
{
    constexpr int kAttempts = 8;
    constexpr int kFiles = 200;
    const fs::path target = Host("private");
    const fs::path run = Host(kEasy + "/Document/" + kRunStamp);
    const fs::path link = Host(kEasy + "/Document/swap");
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        SCOPED_TRACE(attempt);
        fs::remove_all(Host("e/Harbex_Solo+"));
        fs::remove_all(target);
        testsupport::FileTree files;
        // The private folder holds the same names as the run, so that a name joined below the link
        // names one of its files.
        for (int i = 0; i < kFiles; ++i) {
            files["C/d" + std::to_string(i % 10) + "/f" + std::to_string(i)] = "private";
        }
        testsupport::WriteTree(target, files);
        testsupport::WriteTree(run, files);
        testsupport::WriteFinishedRunLists(run);
        fs::create_directory_symlink(target, link);

        std::atomic<bool> stop{false};
        std::thread swapper([&] {
            while (!stop) {
                ::renameat2(AT_FDCWD, run.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE);
            }
        });
        RecordingJob job;
        Delete(job);
        stop = true;
        swapper.join();
        EXPECT_TRUE(testsupport::HoldsTree(target, files));
    }
}

// A disk mounted on a folder inside the run being deleted is never entered: its files stay, and
// the delete fails instead of reporting the run gone.
TEST_F(HeldDrive, ADiskMountedInsideARunIsNeverEnteredByItsDelete)
{
    FreshRun();
    const fs::path target = Host("private");
    const testsupport::FileTree files = {{"a.doc", "private"}, {"deep/b.doc", "private"}};
    testsupport::WriteTree(target, files);
    const fs::path mountPoint = Host(kEasy + "/Document/" + kRunStamp + "/C/mounted");
    fs::create_directories(mountPoint);
    const testsupport::BindMount disk(target.string(), mountPoint.string());
    if (!disk.Mounted()) {
        GTEST_SKIP() << "a folder cannot be mounted here (not root)";
    }
    RecordingJob job;
    EXPECT_FALSE(Delete(job));
    EXPECT_TRUE(testsupport::HoldsTree(target, files));
}

// How the drive goes away under the job: pulled (its letter gone) with its folder moved away, or
// unmounted, which leaves an empty folder where it was mounted.
enum class Pull { Unplugged, EmptyMountPoint };

// The drive's folder goes away while the job is at its nth file or entry: the job stops as on a
// removal, nothing is made where the drive was, a backup keeps its marker, and once the drive is
// back the half run is cleaned (a delete is finished by the next one).
TEST_F(HeldDrive, ADriveGoneInTheMiddleOfAJobStopsItAsARemoval)
{
    testsupport::FileTree many;
    for (int i = 0; i < 150; ++i) {
        many["f" + std::to_string(i) + ".doc"] = "many";
    }
    testsupport::WriteTree(Host("c/Data/Many"), many);
    const std::optional<platform::Drive> drive = platform::FindDrive(u'E');
    ASSERT_TRUE(drive);
    const fs::path mount = Host("e");
    const fs::path away = Host("e-away");
    for (const Job kind : {Job::Backup, Job::Restore, Job::Delete}) {
        for (const Pull pull : {Pull::Unplugged, Pull::EmptyMountPoint}) {
            SCOPED_TRACE("job " + std::to_string(static_cast<int>(kind)) + ", pull " +
                         std::to_string(static_cast<int>(pull)));
            clock_.clock().SetLocalTime(easytest::kRunTime);
            if (kind != Job::Backup) {
                FreshRun();
            }
            const auto pullDrive = [&] {
                fs::rename(mount, away);
                if (pull == Pull::Unplugged) {
                    platform::UnmountDrive(u'E');
                } else {
                    fs::create_directory(mount);
                }
            };
            SteppedJob job(clock_, 20, pullDrive);
            int result = 0;
            switch (kind) {
            case Job::Backup:
                result = Backup(job);
                break;
            case Job::Restore:
                Restore(job);
                break;
            case Job::Delete:
                result = Delete(job) ? 1 : 0;
                break;
            }
            EXPECT_TRUE(job.StoppedForGoneDrive());
            EXPECT_TRUE(JobLeavesMarker(job));
            EXPECT_EQ(result, 0);
            // The file that found the drive pulled fails; the others are only named as not backed up.
            const auto others = std::count_if(failed.Lines().begin(), failed.Lines().end(), [](const auto& line) {
                return !platform::ToUtf8(line).ends_with("ErrorCode : 1235");
            });
            EXPECT_EQ(others, pull == Pull::Unplugged && kind != Job::Delete ? 1 : 0);
            if (pull == Pull::Unplugged) {
                EXPECT_FALSE(fs::exists(mount));
            } else {
                EXPECT_TRUE(fs::is_empty(mount)) << "nothing is made where the drive was";
                fs::remove(mount);
            }
            EXPECT_EQ(fs::exists(Host(testsupport::kInterruptMarker)), kind == Job::Backup);

            fs::rename(away, mount);
            platform::MountDrive(*drive);
            RecordingJob again;
            if (kind == Job::Backup) {
                RECORD_DEVICECODE drives;
                drives.Count = 1;
                drives.Roots[0] = u"E:\\";
                EXPECT_EQ(CleanUpInterruptedJob(again, drives), 0);
                EXPECT_FALSE(fs::exists(Host(kEasy + "/Document/" + kRunStamp)));
                EXPECT_FALSE(fs::exists(Host(testsupport::kInterruptMarker)));
            } else if (kind == Job::Delete) {
                EXPECT_TRUE(Delete(again));
                EXPECT_FALSE(fs::exists(Host(kEasy + "/Document/" + kRunStamp)));
            }
            fs::remove_all(Host("e/Harbex_Solo+"));
            completed.Clear();
            failed.Clear();
        }
    }
}

}  // namespace
