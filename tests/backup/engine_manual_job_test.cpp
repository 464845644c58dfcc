// The Manual Backup through its starter on a PC with a Windows folder, look-alike folders, a system
// file and a linked folder: what lands in the run folder, the exact list files, the references of
// a second run, encryption, a cancel, and the trees a restore of those runs gives back.

#include "backup/engine/Container.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RestoreSizes.h"
#include "backup/engine/RunPaths.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersBackup.h"
#include "backup/window/jobs/WindowEntries.h"
#include "backup/window/jobs/WindowJob.h"
#include "engine_easy_machine.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/box_answers.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "tests/support/small_file_system.h"
#include "ui/controls/timer.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace {

using easytest::EasyMachine;
using easytest::kRunStamp;

const std::string kManual = "e/Harbex_Solo+/HOMEPCAlice61/Manual/";
const std::string kManualOnE = "E:\\Harbex_Solo+\\HOMEPCAlice61\\Manual\\";
const std::string kSecondStamp = "20110305_150709";

// The files that a walk of C:\Data keeps, with their sizes, in listing order (upper-cased names).
const std::vector<std::pair<std::string, int>> kDataFiles = {
    {"Data\\Old\\program files\\e.doc", 80}, {"Data\\Old\\windows\\b.doc", 1000}, {"Data\\plan.doc", 60},
    {"Data\\Program Files\\c.doc", 1000},    {"Data\\ProgramData\\d.doc", 1000},  {"Data\\setup.exe", 70},
    {"Data\\WINDOWS\\a.doc", 1000},
};

class ManualJob : public EasyMachine {
protected:
    void SetUp() override
    {
        EasyMachine::SetUp();
        Open(1033);
        BuildSourceTree(MainForm->BM_Tree, &MainForm->ExternalDrives, true, true);
        ui_.Clock().SetLocalTime(easytest::kRunTime);
    }

    // Ticks the paths and runs the program's entry for a Manual Backup to E:, then closes the panel.
    void Run(const std::vector<std::u16string>& ticked, BYTE encrypt = 0)
    {
        for (int i = 0; i < MainForm->BM_Tree->Items().Count(); ++i) {
            MainForm->BM_Tree->Items().Item(i)->SetStateIndex(1);
        }
        for (const std::u16string& path : ticked) {
            CheckNodeOnPath(MainForm->BM_Tree, nullptr, path);
        }
        MainForm->EncryptBackup = encrypt;
        StartManualBackup(*MainForm, u"E:\\");
        CloseProgressPanel(*MainForm);
    }

    // Each backup to E: as its page's button starts it: Easy Backup of every category, and Manual
    // Backup of C:\Data (whose panel Run closes).
    struct BackupStart {
        const char* name;
        std::function<void()> start;
    };
    std::vector<BackupStart> EachBackup()
    {
        return {{"Easy Backup",
                 [] {
                     StartEasyBackup(*MainForm, u"E:\\", MainForm->Progress_File_Path_Lab, enginetest::kEveryCategory,
                                     MainForm->Progress_File_Path_Lab);
                 }},
                {"Manual Backup", [this] { Run({u"C:\\Data"}); }}};
    }

    // Makes C:\Data\plan.doc newer and different, an hour later.
    void ChangePlanAnHourLater()
    {
        ui_.Clock().Advance(3600 * 1000);
        testsupport::WriteText(Host("c/Data/plan.doc"), std::string(61, 'y'));
        FILETIME later;
        GetSystemTimeAsFileTime(&later);
        HANDLE file = CreateFileW(u"C:\\Data\\plan.doc", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(file, nullptr, nullptr, &later);
        CloseHandle(file);
    }

    // The program's Manual restore of one run into C:\Out.
    int RestoreRun(const std::string& stamp)
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {platform::FromUtf8(kManualOnE + stamp)};
        selection.ItemNames = {platform::FromUtf8(stamp)};
        const RESTORE_JOB job = RestoreJobOf(*MainForm, std::u16string(CONTAINER_PASS));
        MainForm->FailedFiles->Clear();
        RunManualRestore(WindowJob::OfWindow(), job, selection, u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Manual", u"C:\\Out",
                         false);
        return MainForm->FailedFiles->Count();
    }

    static std::vector<std::string> OriSizeLines(const std::string& stamp, const std::string& suffix = "")
    {
        std::vector<std::string> lines;
        for (const auto& [path, size] : kDataFiles) {
            lines.push_back(kManualOnE + stamp + "\\C\\" + path + suffix + "   " + std::to_string(size));
        }
        return lines;
    }
};

TEST_F(ManualJob, ATickedFolderKeepsLookAlikeFoldersAndWritesItsLists)
{
    Run({u"C:\\Data"});

    const std::string run = kManual + kRunStamp;
    EXPECT_EQ(ReadFile(run + "/OriSize.ini"), ListFileBytes(OriSizeLines(kRunStamp)));
    EXPECT_EQ(ReadFile(run + "/FileList_Repeat.ini"), ListFileBytes({}));
    EXPECT_EQ(ReadFile(run + "/Record.ini"), ListFileBytes({"1", "C:\\Data", "Data", "C\\Data"}));
    EXPECT_FALSE(std::filesystem::exists(Host(run + "/C/Data/sys.doc")));
    EXPECT_FALSE(std::filesystem::exists(Host(run + "/C/Data/link")));
    EXPECT_EQ(MainForm->CompletedFiles->Count(), static_cast<int>(kDataFiles.size()));
    EXPECT_EQ(MainForm->FailedFiles->Count(), 0);
}

TEST_F(ManualJob, ATickedDriveRootLeavesOutOnlyTheWindowsFolderAndSystemEntries)
{
    Run({u"C:\\"});

    const std::string run = kManual + kRunStamp;
    EXPECT_EQ(ReadFile(run + "/Record.ini"), ListFileBytes({"1", "C:\\", "C:\\", "C"}));
    EXPECT_FALSE(std::filesystem::exists(Host(run + "/C/Windows")));
    EXPECT_FALSE(std::filesystem::exists(Host(run + "/C/Data/sys.doc")));
    for (const char* kept : {"C/Program Files/app.doc", "C/ProgramData/shared.doc", "C/Data/WINDOWS/a.doc",
                             "C/Users/Alice/AppData/Roaming/roam.doc", "C/Elsewhere/linked.doc"}) {
        EXPECT_TRUE(std::filesystem::exists(Host(run + "/" + kept))) << kept;
    }
    testsupport::FileTree data = testsupport::ReadTree(Host("c/Data"));
    data.erase("sys.doc");
    const testsupport::FileTree programs = testsupport::ReadTree(Host("c/Program Files"));
    EXPECT_EQ(RestoreRun(kRunStamp), 0);
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Out/" + kRunStamp + "/C/Data"), data));
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Out/" + kRunStamp + "/C/Program Files"), programs));
}

TEST_F(ManualJob, ASecondRunRefersToUnchangedFilesAndRestoresTheWholeTree)
{
    Run({u"C:\\Data"});
    ChangePlanAnHourLater();

    Run({u"C:\\Data"});

    const std::string second = kManual + kSecondStamp;
    const std::string first = kManualOnE.substr(3) + kRunStamp + "\\C\\";
    std::vector<std::string> repeats;
    for (const auto& [path, size] : kDataFiles) {
        if (path != "Data\\plan.doc") {
            repeats.push_back(first + path);
        }
    }
    EXPECT_EQ(ReadFile(second + "/FileList_Repeat.ini"), ListFileBytes(repeats));
    std::vector<std::string> sizes = OriSizeLines(kSecondStamp);
    sizes[2] = kManualOnE + kSecondStamp + "\\C\\Data\\plan.doc   61";
    EXPECT_EQ(ReadFile(second + "/OriSize.ini"), ListFileBytes(sizes));
    EXPECT_TRUE(testsupport::HoldsTree(Host(second + "/C"), {{"Data/plan.doc", std::string(61, 'y')}}));
    EXPECT_EQ(MainForm->CompletedFiles->Count(), static_cast<int>(kDataFiles.size()));

    EXPECT_EQ(RestoreRun(kSecondStamp), 0);
    testsupport::FileTree source = testsupport::ReadTree(Host("c/Data"));
    source.erase("sys.doc");
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Out/" + kSecondStamp + "/C/Data"), source));
}

// A second run started in the same second as the first gets a folder of its own, a second later:
// the first run keeps its copies and restores as it was.
TEST_F(ManualJob, ARunInTheSameSecondAsTheLastOneLeavesItWhole)
{
    Run({u"C:\\Data"});
    const testsupport::FileTree first = testsupport::ReadTree(Host(kManual + kRunStamp + "/C/Data"));
    testsupport::WriteText(Host("c/Data/plan.doc"), std::string(61, 'y'));

    Run({u"C:\\Data"});

    const std::string second = kManual + "20110305_140710";
    EXPECT_EQ(testsupport::ReadTree(Host(kManual + kRunStamp + "/C/Data")), first);
    EXPECT_TRUE(testsupport::HoldsTree(Host(second + "/C"), {{"Data/plan.doc", std::string(61, 'y')}}));
    EXPECT_EQ(RestoreRun(kRunStamp), 0);
    EXPECT_EQ(testsupport::ReadTree(Host("c/Out/" + kRunStamp + "/C/Data")), first);
}

TEST_F(ManualJob, EncryptedRunsReferToContainersOnly)
{
    Run({u"C:\\Data"});  // a plain run: never a candidate for an encrypted one
    ui_.Clock().Advance(1800 * 1000);
    Run({u"C:\\Data"}, 1);
    const std::string encrypted = "20110305_143709";
    EXPECT_EQ(ReadFile(kManual + encrypted + "/FileList_Repeat.ini"), ListFileBytes({}));
    EXPECT_EQ(ReadFile(kManual + encrypted + "/OriSize.ini"), ListFileBytes(OriSizeLines(encrypted, ".vemoen")));
    EXPECT_NE(ReadFile(kManual + encrypted + "/C/Data/plan.doc.vemoen"), std::string(60, 'x'));
    ChangePlanAnHourLater();

    Run({u"C:\\Data"}, 1);

    const std::string third = "20110305_153709";
    std::vector<std::string> repeats;
    for (const auto& [path, size] : kDataFiles) {
        if (path != "Data\\plan.doc") {
            repeats.push_back(kManualOnE.substr(3) + encrypted + "\\C\\" + path + ".vemoen");
        }
    }
    EXPECT_EQ(ReadFile(kManual + third + "/FileList_Repeat.ini"), ListFileBytes(repeats));
    EXPECT_EQ(RestoreRun(third), 0);
    testsupport::FileTree source = testsupport::ReadTree(Host("c/Data"));
    source.erase("sys.doc");
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Out/" + third + "/C/Data"), source));
}

// A damaged list of the second run: the run is no finished date any more, and a restore of it
// anyway gives back every file of its OriSize.ini or names it as a failed line, never a silent
// partial restore.
TEST_F(ManualJob, ADamagedListNeverGivesASilentPartialRestore)
{
    Run({u"C:\\Data"});
    ChangePlanAnHourLater();
    Run({u"C:\\Data"});
    const std::string second = kManual + kSecondStamp;
    const std::u16string secondOnE = platform::FromUtf8(kManualOnE + kSecondStamp);
    ASSERT_TRUE(IsFinishedRunFolder(secondOnE));
    testsupport::FileTree source = testsupport::ReadTree(Host("c/Data"));
    source.erase("sys.doc");

    struct Case {
        const char* name;
        const char* list;
        std::function<std::string(const std::string&)> damage;
        bool restoreLosesReferences;
    };
    const Case cases[] = {
        {"repeat list empty", "FileList_Repeat.ini", [](const std::string&) { return std::string(); }, true},
        {"repeat list cut in a line", "FileList_Repeat.ini",
         [](const std::string& whole) { return whole.substr(0, whole.size() / 2); }, true},
        {"repeat list garbage", "FileList_Repeat.ini",
         [](const std::string& whole) { return std::string(whole.size(), '\x93'); }, true},
        {"repeat list without its mark", "FileList_Repeat.ini",
         [](const std::string& whole) { return whole.substr(2); }, false},
        {"OriSize.ini cut before its last line feed", "OriSize.ini",
         [](const std::string& whole) { return whole.substr(0, whole.size() - 2); }, false},
        {"Record.ini cut to an odd length", "Record.ini",
         [](const std::string& whole) { return whole.substr(0, whole.size() - 1); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string list = second + "/" + c.list;
        const std::string whole = ReadFile(list);
        testsupport::WriteText(Host(list), c.damage(whole));
        std::filesystem::remove_all(Host("c/Out"));

        EXPECT_FALSE(IsFinishedRunFolder(secondOnE));
        RestoreRun(kSecondStamp);

        const testsupport::FileTree restored = testsupport::ReadTree(Host("c/Out/" + kSecondStamp));
        std::vector<std::string> failed;
        for (const std::u16string& line : MainForm->FailedFiles->Lines()) {
            failed.push_back(platform::ToUtf8(line));
        }
        int lost = 0;
        for (const auto& [path, size] : kDataFiles) {
            std::string inData = path.substr(std::string("Data\\").size());
            std::replace(inData.begin(), inData.end(), '\\', '/');
            const std::string line = kManualOnE + kSecondStamp + "\\C\\" + path + "     ErrorCode : 2";
            const bool reported = std::find(failed.begin(), failed.end(), line) != failed.end();
            const auto copy = restored.find("C/Data/" + inData);
            const bool back = copy != restored.end() && copy->second == source.at(inData);
            EXPECT_NE(back, reported) << path << " must be restored or reported, once";
            lost += reported ? 1 : 0;
        }
        EXPECT_EQ(lost > 0, c.restoreLosesReferences);
        testsupport::WriteText(Host(list), whole);
    }
    EXPECT_TRUE(IsFinishedRunFolder(secondOnE));
}

// The backup drive fills up during a run: the files after that fail with 112 and so do the lists,
// none of which is left empty or cut, so the run is no date; its marker stays, and the clean-up of
// a run cut short takes its folder.
TEST_F(ManualJob, AFullDiskLeavesNoHalfListAndNoFinishedRun)
{
    testsupport::SmallFileSystem disk(512 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const enginetest::TempDrive small(u'E', 2, disk.Folder());
    std::filesystem::path filler;
    DuringRun([&] {
        if (MainForm->CompletedFiles->Count() < 2) {
            return false;
        }
        filler = disk.Fill("filler");
        return true;
    });
    Run({u"C:\\Data"});

    // The run's stamp is the clock's when it started.
    const std::filesystem::directory_iterator runs(small.Host("Harbex_Solo+/HOMEPCAlice61/Manual"));
    ASSERT_NE(runs, std::filesystem::directory_iterator());
    const std::string stamp = runs->path().filename().string();
    const std::string run = "Harbex_Solo+/HOMEPCAlice61/Manual/" + stamp;
    std::map<std::string, int> failedByCode;
    for (const std::u16string& line : MainForm->FailedFiles->Lines()) {
        ++failedByCode[platform::ToUtf8(line.substr(line.rfind(u' ') + 1))];
    }
    EXPECT_EQ(failedByCode, (std::map<std::string, int>{{"112", static_cast<int>(kDataFiles.size()) - 2 + 3}}));
    for (const char* list : {"OriSize.ini", "FileList_Repeat.ini", "Record.ini"}) {
        EXPECT_FALSE(std::filesystem::exists(small.Host(run + "/" + list))) << list;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(small.Host(run))) {
        EXPECT_EQ(entry.path().string().find(".~part"), std::string::npos) << entry.path();
    }
    EXPECT_FALSE(IsFinishedRunFolder(platform::FromUtf8(kManualOnE + stamp)));
    ASSERT_TRUE(std::filesystem::exists(Host(testsupport::kInterruptMarker)));

    std::filesystem::remove(filler);
    RECORD_DEVICECODE drives;
    drives.Count = 1;
    drives.Roots[0] = u"E:\\";
    EXPECT_EQ(CleanUpInterruptedJob(WindowJob::OfWindow(), drives), JOB_KIND_MANUAL);
    EXPECT_FALSE(std::filesystem::exists(small.Host(run)));
    EXPECT_FALSE(std::filesystem::exists(Host(testsupport::kInterruptMarker)));
}

// The drive fills up in the middle of the copy of a file bigger than the room left: that file
// fails with 112 and leaves neither a cut copy nor a part file behind.
TEST_F(ManualJob, ADiskFullInTheMiddleOfACopyLeavesNoCutCopy)
{
    testsupport::SmallFileSystem disk(512 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const enginetest::TempDrive small(u'E', 2, disk.Folder());
    // Last in the listing, so that it is copied after the drive has filled up.
    testsupport::WriteText(Host("c/Data/zz.doc"), std::string(128 * 1024, 'z'));
    DuringRun([&] {
        if (MainForm->CompletedFiles->Count() < 2) {
            return false;
        }
        disk.Fill("filler", 32 * 1024);
        return true;
    });
    Run({u"C:\\Data"});

    std::vector<std::string> failed;
    for (const std::u16string& line : MainForm->FailedFiles->Lines()) {
        failed.push_back(platform::ToUtf8(line));
    }
    EXPECT_NE(std::find(failed.begin(), failed.end(), "C:\\Data\\zz.doc     ErrorCode : 112"), failed.end());
    for (const auto& [path, content] : testsupport::ReadTree(small.Host())) {
        EXPECT_EQ(path.find("zz.doc"), std::string::npos) << path;
        EXPECT_EQ(path.find(".~part"), std::string::npos) << path;
    }
}

// A drive that is there but has less room than the selection: the job says so before it copies
// anything, whichever backup asks.
TEST_F(ManualJob, ADriveWithoutRoomIsRefusedBeforeAnyCopy)
{
    testsupport::SmallFileSystem disk(256 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const enginetest::TempDrive small(u'E', 2, disk.Folder());
    disk.Fill("filler");
    const testsupport::FileTree before = testsupport::ReadTree(small.Host());
    testsupport::BoxAnswers boxes(ui_);
    for (const BackupStart& c : EachBackup()) {
        boxes.Answer(testsupport::BoxAnswers::Button::Close);
        c.start();
        EXPECT_EQ(boxes.Messages(), std::vector<std::u16string>{u"Insufficient space on the external hard drive."})
            << c.name;
        EXPECT_TRUE(testsupport::HoldsTree(small.Host(), before)) << c.name;
        EXPECT_EQ(MainForm->CompletedFiles->Count() + MainForm->FailedFiles->Count(), 0) << c.name;
        EXPECT_FALSE(std::filesystem::exists(Host(testsupport::kInterruptMarker))) << c.name;
        EXPECT_EQ(MainForm->Idle, 1) << c.name;
    }
}

// The drive pulled just before the job begins: the job ends as a removal, without the full-disk box
// and without writing anything, whichever backup starts.
TEST_F(ManualJob, ADriveGoneBeforeTheFirstCopyIsARemovalNotAFullDisk)
{
    const std::optional<platform::Drive> drive = platform::FindDrive(u'E');
    ASSERT_TRUE(drive);
    testsupport::BoxAnswers boxes(ui_);
    for (const BackupStart& c : EachBackup()) {
        boxes.Answer(testsupport::BoxAnswers::Button::Close);
        // The window still lists the drive: its removal notice has not come yet.
        platform::UnmountDrive(u'E');
        MainForm->ExternalDrives.Count = 1;
        MainForm->ExternalDrives.Roots[0] = u"E:\\";
        c.start();
        CloseProgressPanel(*MainForm);  // the removal's result
        platform::MountDrive(*drive);
        EXPECT_EQ(MainForm->BackupDriveRemoved, 1) << c.name;
        for (const std::u16string& message : boxes.Messages()) {
            EXPECT_NE(message, u"Insufficient space on the external hard drive.") << c.name;
        }
        EXPECT_FALSE(std::filesystem::exists(Host("e/Harbex_Solo+"))) << c.name;
        EXPECT_EQ(MainForm->CompletedFiles->Count(), 0) << c.name;
        EXPECT_FALSE(std::filesystem::exists(Host(testsupport::kInterruptMarker))) << c.name;
        EXPECT_EQ(MainForm->Idle, 1) << c.name;
    }
}

// A restore whose drive went away leaves the window's job as it found it: once the drive is back,
// the next size pass counts the run and the next restore gives back every file.
TEST_F(ManualJob, ARestoreAfterOneThatLostItsDriveRestoresEveryFile)
{
    Run({u"C:\\Data"});
    BACKUP_SELECTION run;
    run.Count = 1;
    run.SourcePaths = {platform::FromUtf8(kManualOnE + kRunStamp)};
    const auto restoreSize = [&] {
        LONGLONG total = 0;
        ComputeManualRestoreSize(WindowJob::OfWindow(), total, run, u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Manual");
        return total;
    };
    const LONGLONG size = restoreSize();
    const std::optional<platform::Drive> drive = platform::FindDrive(u'E');
    ASSERT_TRUE(drive);
    platform::UnmountDrive(u'E');
    RestoreRun(kRunStamp);
    platform::MountDrive(*drive);
    MainForm->CancelRequested = 0;

    EXPECT_EQ(restoreSize(), size);
    EXPECT_EQ(RestoreRun(kRunStamp), 0);
    testsupport::FileTree source = testsupport::ReadTree(Host("c/Data"));
    source.erase("sys.doc");
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Out/" + kRunStamp + "/C/Data"), source));
}

// Cancelled with the Cancel button during the second item (the desktop comes first in the tree):
// the run folder goes with the first item's copies, and every file copied before is reported as
// cancelled because its copy is gone.
TEST_F(ManualJob, ACancelDuringTheSecondItemRemovesTheRunFolder)
{
    testsupport::BoxAnswers boxes(ui_);
    boxes.Answer(testsupport::BoxAnswers::Button::Left);
    DuringRun([&] {
        if (MainForm->CompletedFiles->Count() < 3) {
            return false;
        }
        ui::testing::Click(*MainForm->LB_Btn_Lab);
        return true;
    });
    Run({u"C:\\Data", u"C:\\Users\\Alice\\Desktop"});
    EXPECT_EQ(boxes.Messages(), std::vector<std::u16string>{u"Do you want to cancel back up?"});

    EXPECT_FALSE(std::filesystem::exists(Host(kManual + kRunStamp)));
    EXPECT_EQ(MainForm->CompletedFiles->Count(), 0);
    std::vector<std::string> failed;
    for (const std::u16string& line : MainForm->FailedFiles->Lines()) {
        failed.push_back(platform::ToUtf8(line));
        EXPECT_TRUE(failed.back().ends_with("     ErrorCode : 1235")) << failed.back();
    }
    for (const char* copied : {"C:\\Users\\Alice\\Desktop\\report.doc     ErrorCode : 1235",
                               "C:\\Users\\Alice\\Desktop\\song.mp3     ErrorCode : 1235",
                               "C:\\Data\\Old\\program files\\e.doc     ErrorCode : 1235"}) {
        EXPECT_NE(std::find(failed.begin(), failed.end(), copied), failed.end()) << copied;
    }
    EXPECT_EQ(MainForm->Progress_List->Items().Count(), MainForm->FailedFiles->Count());
}

}  // namespace
