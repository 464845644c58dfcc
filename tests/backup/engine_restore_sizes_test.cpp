#include "backup/base/PathUtil.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/engine/RestoreSizes.h"
#include "backup/engine/RunningJob.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "tests/core/restore_fixture.h"
#include "ui/controls/label.h"

#include <gtest/gtest.h>

namespace {

using enginetest::RunDrive;
using enginetest::Text;

const std::u16string kFirst = u"20240101_100000";
const std::u16string kSecond = u"20240102_100000";

TEST(RestoreDates, RunFolderDateText)
{
    struct Case {
        std::u16string stamp;
        std::u16string text;
    };
    for (const Case& c : {Case{u"", u""}, Case{u"20240131_081502", u"2024/01/31 08:15:02"}}) {
        EXPECT_EQ(FormatRunFolderDate(c.stamp), c.text);
    }
    EXPECT_EQ(CategoryFolderName(0), u"Manual");
    EXPECT_EQ(CategoryFolderName(2), u"Graphic");
    EXPECT_EQ(CategoryFolderName(6), u"");
}

class RestoreSizeTest : public ::testing::Test {
protected:
    RunDrive drive;

    LONGLONG ManualSize(const std::u16string& relative)
    {
        const std::u16string run = drive.Run(RunDrive::kManual, kSecond);
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {relative.empty() ? run : run + u"\\" + relative};
        selection.ItemNames = {LastComponentOf(selection.SourcePaths[0])};
        LONGLONG total = 0;
        RunningJob job;
        ComputeManualRestoreSize(job, total, selection, drive.backup.Path(RunDrive::kManual));
        return total;
    }
};

TEST_F(RestoreSizeTest, ManualTotalsUseOriginalSizesAndOnlyTheItemsReferences)
{
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work\\old.txt", Text("12345"));
    drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work2\\sib.txt", Text("1234567"));
    // A container of 3 bytes on the drive for a file of 1000 bytes.
    drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\a.txt.vemoen", Text("xyz"), 1000);
    // The line of a.tx must not be taken for a.txt, nor the reverse.
    drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\a.tx", Text("ab"), 20);
    drive.AddReference(RunDrive::kManual, kSecond, u"D\\Work\\old.txt", kFirst, 300);
    drive.AddReference(RunDrive::kManual, kSecond, u"D\\Work2\\sib.txt", kFirst, 4000);
    drive.SaveLists();
    drive.backup.Write(std::u16string(RunDrive::kManual) + u"\\" + kSecond + u"\\Record.ini", Text("12345678"));

    EXPECT_EQ(ManualSize(u"D\\Work"), 1000 + 20 + 300);
    EXPECT_EQ(ManualSize(u"D\\Work\\a.tx"), 20);
    // The whole run: Record.ini counts with its size on the drive, the list files not at all.
    EXPECT_EQ(ManualSize(u""), 1000 + 20 + 300 + 4000 + 8);
}

TEST_F(RestoreSizeTest, EasyCategoryInfoAddsReferencedOriginalSizes)
{
    drive.AddCopy(RunDrive::kDocument, kFirst, u"D\\Work\\a.txt", Text("alpha"));
    drive.AddCopy(RunDrive::kDocument, kSecond, u"D\\Work\\b.txt", std::vector<unsigned char>(2048, 'b'));
    drive.AddReference(RunDrive::kDocument, kSecond, u"D\\Work\\a.txt", kFirst, 1024);
    drive.SaveLists();
    ui::TLabel sizeLabel(nullptr);
    ui::TLabel dateLabel(nullptr);
    const std::u16string pcFolder = drive.backup.Path(RunDrive::kPcFolder);

    LONGLONG size = -1;
    ShowEasyRestoreCategoryInfo(sizeLabel, dateLabel, pcFolder, kSecond, 1, size);
    EXPECT_EQ(size, 3072);
    EXPECT_EQ(sizeLabel.Caption(), u"3.0 KB");
    EXPECT_EQ(dateLabel.Caption(), u"2024/01/02 10:00:00");

    // A category that the run did not back up: the run's date and a size of 0.
    ShowEasyRestoreCategoryInfo(sizeLabel, dateLabel, pcFolder, kSecond, 2, size);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(sizeLabel.Caption(), u"0.0 Bytes");
    EXPECT_EQ(dateLabel.Caption(), u"2024/01/02 10:00:00");
}

TEST_F(RestoreSizeTest, ListFileNamesBelowTheRunFolderCountAndContainerLinesAreFound)
{
    const auto bytes = [](std::size_t n) { return std::vector<unsigned char>(n, 'x'); };
    for (const auto* kind : {RunDrive::kDocument, RunDrive::kManual}) {
        drive.AddCopy(kind, kSecond, u"D\\Work\\sub\\OriSize.ini", bytes(100));
        drive.AddCopy(kind, kSecond, u"D\\Work\\sub\\Record.ini", bytes(50));
        drive.AddCopy(kind, kSecond, u"D\\Work\\FileList_Repeat.ini", bytes(25));
    }
    // An encrypted copy named by the later run; its OriSize line carries the container's suffix.
    drive.AddCopy(RunDrive::kDocument, kFirst, u"D\\Work\\a.txt.vemoen", Text("xyz"), 4096);
    drive.AddReference(RunDrive::kDocument, kSecond, u"D\\Work\\a.txt.vemoen", kFirst, 4096);
    drive.SaveLists();
    ui::TLabel sizeLabel(nullptr);
    ui::TLabel dateLabel(nullptr);

    LONGLONG size = -1;
    ShowEasyRestoreCategoryInfo(sizeLabel, dateLabel, drive.backup.Path(RunDrive::kPcFolder), kSecond, 1, size);
    EXPECT_EQ(size, 100 + 50 + 25 + 4096);
    EXPECT_EQ(ManualSize(u""), 100 + 50 + 25);
}

TEST_F(RestoreSizeTest, LatestEasyBackupTimeLabel)
{
    ui::TLabel label(nullptr);
    label.SetCaption(u"kept");
    label.SetHint(u"kept hint");
    const std::u16string pcFolder = drive.backup.Path(RunDrive::kPcFolder);
    const std::u16string history = std::u16string(RunDrive::kPcFolder) + u"\\Easy\\BacTimeRec.ini";

    ShowLatestEasyBackupTime(label, pcFolder);
    EXPECT_EQ(label.Caption(), u"kept");

    std::filesystem::create_directories(drive.backup.Host(std::u16string(RunDrive::kPcFolder) + u"\\Easy"));
    lists::TStringList lines;
    lines.Add(u"45292.5");
    lines.Add(u"45293,25");
    ASSERT_EQ(SaveListFile(lines, drive.backup.Path(history)), 0u);
    ShowLatestEasyBackupTime(label, pcFolder);
    EXPECT_EQ(label.Caption(), u"2024/01/02 06:00:00");
    EXPECT_EQ(label.Hint(), u"20240102_060000");

    lines.Add(u"not a number");
    ASSERT_EQ(SaveListFile(lines, drive.backup.Path(history)), 0u);
    ShowLatestEasyBackupTime(label, pcFolder);
    EXPECT_EQ(label.Caption(), u"");
    EXPECT_EQ(label.Hint(), u"");
}

}  // namespace
