#include "backup/engine/Container.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RunningJob.h"
#include "lists/string_list.h"
#include "tests/core/restore_fixture.h"
#include "tests/support/file_tree.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using enginetest::RunDrive;
using enginetest::Text;

const std::u16string kFirst = u"20240101_100000";
const std::u16string kSecond = u"20240102_100000";

class RestoreTest : public ::testing::Test {
protected:
    RunDrive drive;
    lists::TStringList completed;
    lists::TStringList failed;
    RunningJob running;

    RESTORE_JOB Job() { return RESTORE_JOB{&completed, &failed, std::u16string(CONTAINER_PASS), nullptr}; }

    // Two Easy Document runs: the second holds b.txt and names the first run's copies.
    void MakeEasyRuns()
    {
        drive.AddCopy(RunDrive::kDocument, kFirst, u"D\\Work\\a.txt", Text("alpha"));
        drive.AddCopy(RunDrive::kDocument, kFirst, u"D\\Work\\sub\\Record.ini", Text("user record"));
        drive.AddCopy(RunDrive::kDocument, kSecond, u"D\\Work\\b.txt", Text("beta"));
        drive.AddReference(RunDrive::kDocument, kSecond, u"D\\Work\\a.txt", kFirst, 5);
        drive.AddReference(RunDrive::kDocument, kSecond, u"D\\Work\\sub\\Record.ini", kFirst, 11);
        drive.SaveLists();
    }
    // Two Manual runs: the second holds D\Work\b.txt and names D\Work\a.txt and D\Work2\c.txt.
    void MakeManualRuns()
    {
        drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work\\a.txt", Text("alpha"));
        drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work2\\c.txt", Text("gamma"));
        drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\b.txt", Text("beta"));
        drive.AddReference(RunDrive::kManual, kSecond, u"D\\Work\\a.txt", kFirst, 5);
        drive.AddReference(RunDrive::kManual, kSecond, u"D\\Work2\\c.txt", kFirst, 5);
        drive.SaveLists();
    }
    BACKUP_SELECTION Selection(const std::u16string& relative, const std::u16string& name)
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        const std::u16string run = drive.Run(RunDrive::kManual, kSecond);
        selection.SourcePaths = {relative.empty() ? run : run + u"\\" + relative};
        selection.ItemNames = {name};
        return selection;
    }
    std::u16string EasyFolder() const { return drive.backup.Path(std::u16string(RunDrive::kPcFolder) + u"\\Easy"); }
};

TEST_F(RestoreTest, EasyRunToOriginalPlaceFollowsEarlierRunsAndReplacesExistingFiles)
{
    MakeEasyRuns();
    drive.pc.Write(u"Work\\b.txt", Text("old, newer"));

    RunEasyRestore(running, Job(), {1, 0, 0, 0, 0}, EasyFolder(), u"", kSecond, true);

    EXPECT_EQ(drive.pc.ReadText(u"Work\\a.txt"), "alpha");
    EXPECT_EQ(drive.pc.ReadText(u"Work\\b.txt"), "beta");
    // A user's own file with a list file's name below the run folder is restored like any other.
    EXPECT_EQ(drive.pc.ReadText(u"Work\\sub\\Record.ini"), "user record");
    EXPECT_EQ(completed.Count(), 3);
    EXPECT_EQ(failed.Count(), 0);
}

TEST_F(RestoreTest, EasyRunToChosenFolderLandsBelowItsStamp)
{
    MakeEasyRuns();

    RunEasyRestore(running, Job(), {1, 1, 1, 1, 1}, EasyFolder(), drive.pc.Path(u"Out"), kSecond, false);

    // The run's own list files stay behind; a user's file of such a name below it comes along.
    EXPECT_TRUE(testsupport::HoldsTree(
        drive.pc.Host(u"Out\\" + kSecond),
        {{"D/Work/a.txt", "alpha"}, {"D/Work/b.txt", "beta"}, {"D/Work/sub/Record.ini", "user record"}}));
    EXPECT_EQ(failed.Count(), 0);
}

TEST_F(RestoreTest, ManualItemTakesOnlyTheReferencesBelowIt)
{
    MakeManualRuns();
    const std::u16string manual = drive.backup.Path(RunDrive::kManual);
    struct Case {
        const char* name;
        bool toOriginal;
        std::u16string workFolder;  // where D\Work lands on D:
    };
    for (const Case& c : {Case{"original", true, u"Work"}, Case{"chosen folder", false, u"Out\\Work"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(RunManualRestore(running, Job(), Selection(u"D\\Work", u"Work"), manual, drive.pc.Path(u"Out"),
                                     c.toOriginal));
        EXPECT_EQ(drive.pc.ReadText(c.workFolder + u"\\a.txt"), "alpha");
        EXPECT_EQ(drive.pc.ReadText(c.workFolder + u"\\b.txt"), "beta");
    }
    EXPECT_FALSE(drive.pc.Exists(u"Work2"));
    EXPECT_FALSE(drive.pc.Exists(u"Out\\Work2"));
    EXPECT_FALSE(drive.pc.Exists(u"Out\\c.txt"));
    EXPECT_EQ(failed.Count(), 0);
}

TEST_F(RestoreTest, ContainersAreDecodedAndOtherCasingIsCopiedUnchanged)
{
    const auto secret = enginetest::RandomBytes(70000, 7);
    drive.pc.Write(u"source.bin", secret);
    const std::u16string run = drive.Run(RunDrive::kManual, kFirst);
    drive.backup.Write(std::u16string(RunDrive::kManual) + u"\\" + kFirst + u"\\D\\Keep\\x", "");
    DWORD error = 0;
    ASSERT_TRUE(CopyOneFile(running, drive.pc.Path(u"source.bin"), run + u"\\D\\Keep\\a.txt", COPY_ENCODE,
                            std::u16string(CONTAINER_PASS), nullptr, &error));
    drive.backup.Write(std::u16string(RunDrive::kManual) + u"\\" + kFirst + u"\\D\\Keep\\b.txt.VEMOEN", Text("raw"));
    const std::u16string manual = drive.backup.Path(RunDrive::kManual);
    BACKUP_SELECTION selection;
    selection.Count = 1;
    selection.SourcePaths = {run};
    selection.ItemNames = {kFirst};

    EXPECT_TRUE(RunManualRestore(running, Job(), selection, manual, u"", true));
    EXPECT_TRUE(RunManualRestore(running, Job(), selection, manual, drive.pc.Path(u"Out"), false));

    EXPECT_EQ(drive.pc.Read(u"Keep\\a.txt"), secret);
    EXPECT_EQ(drive.pc.Read(u"Out\\" + kFirst + u"\\D\\Keep\\a.txt"), secret);
    EXPECT_EQ(drive.pc.ReadText(u"Keep\\b.txt.VEMOEN"), "raw");
    EXPECT_FALSE(drive.pc.Exists(u"Keep\\a.txt.vemoen"));
    EXPECT_EQ(failed.Count(), 0);
}

TEST_F(RestoreTest, HostileRepeatLinesAreRefusedAsFailedLines)
{
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work\\a.txt", Text("alpha"));
    drive.AddCopy(RunDrive::kDocument, kFirst, u"D\\Work\\doc.txt", Text("other kind"));
    drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\b.txt", Text("beta"));
    for (const std::u16string& line :
         {std::u16string(RunDrive::kManual) + u"\\" + kFirst + u"\\D\\..\\..\\..\\..\\..\\D\\evil.txt",
          std::u16string(RunDrive::kDocument) + u"\\" + kFirst + u"\\D\\Work\\doc.txt",
          std::u16string(RunDrive::kManual) + u"\\" + kFirst + u"\\DE\\Work\\a.txt"}) {
        drive.AddRepeatLine(RunDrive::kManual, kSecond, line);
    }
    drive.SaveLists();
    const std::u16string manual = drive.backup.Path(RunDrive::kManual);

    EXPECT_TRUE(RunManualRestore(running, Job(), Selection(u"", kSecond), manual, drive.pc.Path(u"Out"), false));
    EXPECT_TRUE(RunManualRestore(running, Job(), Selection(u"", kSecond), manual, u"", true));

    EXPECT_EQ(failed.Count(), 6);
    for (const std::u16string& line : failed.Lines()) {
        EXPECT_TRUE(line.ends_with(u"ErrorCode : 161"));
    }
    EXPECT_FALSE(drive.pc.Exists(u"evil.txt"));
    EXPECT_FALSE(drive.pc.Exists(u"Work\\doc.txt"));
    EXPECT_EQ(drive.pc.ReadText(u"Work\\b.txt"), "beta");
}

// The first of them is restored under its own name; the other is refused, never written in its place.
TEST_F(RestoreTest, NamesThatDifferInCaseOnlyNeverTakeEachOthersPlaceAndBitsComeAlong)
{
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Case\\NOTE.txt", Text("upper"));
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Case\\note.txt", Text("lower"));
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Case\\kept.txt", Text("kept"));
    drive.SaveLists();
    const std::u16string run = drive.Run(RunDrive::kManual, kFirst);
    ASSERT_TRUE(
        SetFileAttributesW((run + u"\\D\\Case\\kept.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    BACKUP_SELECTION selection;
    selection.Count = 1;
    selection.SourcePaths = {run};
    selection.ItemNames = {kFirst};
    struct Case {
        const char* name;
        bool toOriginal;
        std::u16string folder;  // where D\Case lands on D:
    };
    for (const Case& c :
         {Case{"original", true, u"Case"}, Case{"chosen folder", false, u"Out\\" + kFirst + u"\\D\\Case"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(RunManualRestore(running, Job(), selection, drive.backup.Path(RunDrive::kManual),
                                     drive.pc.Path(u"Out"), c.toOriginal));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(drive.pc.Host(c.folder)), {}), 2);
        EXPECT_EQ(drive.pc.ReadText(c.folder + u"\\NOTE.txt"), "upper");
        EXPECT_EQ(GetFileAttributesW(drive.pc.Path(c.folder + u"\\kept.txt").c_str()),
                  FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        EXPECT_EQ(GetFileAttributesW(drive.pc.Path(c.folder + u"\\NOTE.txt").c_str()), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(completed.Count(), 4);
    ASSERT_EQ(failed.Count(), 2);
    EXPECT_EQ(platform::ToUtf8(failed.Strings(1)), platform::ToUtf8(run) + "\\D\\Case\\note.txt     ErrorCode : 183");
}

// The PC's folder holds the name only in another case: that is another file, kept as it is.
TEST_F(RestoreTest, ARestoreNeverWritesOverAFileSpelledOtherwise)
{
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Case\\NOTE.txt", Text("backed up"));
    const std::u16string run = drive.Run(RunDrive::kManual, kFirst);
    DWORD error = 0;
    drive.pc.Write(u"plain.bin", Text("sealed"));
    ASSERT_TRUE(CopyOneFile(running, drive.pc.Path(u"plain.bin"), run + u"\\D\\Case\\SEALED.txt", COPY_ENCODE,
                            std::u16string(CONTAINER_PASS), nullptr, &error));
    drive.SaveLists();
    drive.pc.Write(u"Case\\note.txt", Text("mine"));
    drive.pc.Write(u"Case\\sealed.txt", Text("mine too"));
    BACKUP_SELECTION selection;
    selection.Count = 1;
    selection.SourcePaths = {run};
    selection.ItemNames = {kFirst};

    EXPECT_TRUE(RunManualRestore(running, Job(), selection, drive.backup.Path(RunDrive::kManual), u"", true));

    EXPECT_TRUE(testsupport::HoldsTree(drive.pc.Host(u"Case"), {{"note.txt", "mine"}, {"sealed.txt", "mine too"}}));
    EXPECT_EQ(completed.Count(), 0);
    EXPECT_EQ(failed.Lines(), (std::vector<std::u16string>{run + u"\\D\\Case\\NOTE.txt     ErrorCode : 183",
                                                           run + u"\\D\\Case\\SEALED.txt.vemoen     ErrorCode : 183"}));
}

TEST_F(RestoreTest, MissingCopyFailsAndAFailedCopyKeepsTheExistingFile)
{
    drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\b.txt", Text("beta"));
    drive.AddReference(RunDrive::kManual, kSecond, u"D\\Work\\gone.txt", kFirst, 5);
    drive.SaveLists();
    drive.pc.Write(u"Work\\gone.txt", Text("mine"));

    EXPECT_TRUE(RunManualRestore(running, Job(), Selection(u"D\\Work", u"Work"), drive.backup.Path(RunDrive::kManual),
                                 u"", true));

    ASSERT_EQ(failed.Count(), 1);
    EXPECT_TRUE(failed.Strings(0).ends_with(u"gone.txt     ErrorCode : 3"));
    EXPECT_EQ(drive.pc.ReadText(u"Work\\gone.txt"), "mine");
}

TEST(RestorePaths, OriginalPathAndCategorySum)
{
    EXPECT_EQ(OriginalPathOf(u"X:\\R\\D\\Work\\a.txt", 6), u"D:\\Work\\a.txt");
    EXPECT_EQ(OriginalPathOf(u"X:\\R\\D", 6), u"D:");
    EXPECT_EQ(OriginalPathOf(u"X:\\R", 6), u"");
    CATEGORY_SIZES sizes;
    sizes.Bytes[0] = 1;
    sizes.Bytes[2] = 10;
    sizes.Bytes[4] = 100;
    sizes.Bytes[5] = 1000;
    LONGLONG total = -1;
    SumSelectedCategorySizes({1, 1, 0, 1, 1}, sizes, total);
    EXPECT_EQ(total, 101);
}

}  // namespace
