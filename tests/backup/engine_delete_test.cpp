#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RunningJob.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "tests/core/restore_fixture.h"
#include "ui/controls/edit.h"
#include "ui/controls/tree_view.h"

#include <gtest/gtest.h>

namespace {

using enginetest::RunDrive;
using enginetest::Text;

const std::u16string kFirst = u"20240101_100000";
const std::u16string kSecond = u"20240102_100000";
const std::u16string kThird = u"20240103_100000";
constexpr int kTicked = 3;

std::u16string Line(const std::u16string& stamp, const std::u16string& relative)
{
    return std::u16string(RunDrive::kManual) + u"\\" + stamp + u"\\" + relative;
}

// Three Manual runs: the first holds a.txt and keep.txt; the second holds b.txt and names the
// first's a.txt; the third names the first's a.txt and keep.txt and the second's b.txt.
class DeleteTest : public ::testing::Test {
protected:
    RunDrive drive;
    ui::TTreeView tree{nullptr};
    ui::TTreeNode* top = nullptr;

    void SetUp() override
    {
        drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work\\a.txt", Text("alpha"));
        drive.AddCopy(RunDrive::kManual, kFirst, u"D\\Work\\keep.txt", Text("keep"));
        drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\b.txt", Text("beta"));
        drive.AddReference(RunDrive::kManual, kSecond, u"D\\Work\\a.txt", kFirst, 5);
        drive.AddReference(RunDrive::kManual, kThird, u"D\\Work\\a.txt", kFirst, 5);
        drive.AddReference(RunDrive::kManual, kThird, u"D\\Work\\keep.txt", kFirst, 4);
        drive.AddReference(RunDrive::kManual, kThird, u"D\\Work\\b.txt", kSecond, 4);
        drive.SaveLists();
        top = tree.Items().Add(nullptr, u"Manual Backup");
    }

    // Adds the chain of nodes below the top node (reusing existing ones); the last is ticked.
    void Tick(const std::vector<std::u16string>& captions)
    {
        ui::TTreeNode* node = top;
        for (const std::u16string& caption : captions) {
            ui::TTreeNode* child = nullptr;
            for (int i = 0; i < node->Count() && child == nullptr; ++i) {
                child = node->Item(i)->Text() == caption ? node->Item(i) : nullptr;
            }
            node = child != nullptr ? child : tree.Items().AddChild(node, caption);
            node->SetStateIndex(1);
        }
        node->SetStateIndex(kTicked);
    }

    bool DeleteTicked(const std::u16string& kind = RunDrive::kManual)
    {
        DELETE_SELECTION selection;
        const std::u16string base = drive.backup.Path(kind);
        CollectCheckedDeletePaths(tree, nullptr, selection, base);
        return DeleteSelectedItems(tree, top, selection, base, nullptr);
    }

    // Restores the run (the third one) into D:\Out and answers the failed lines.
    int RestoreThirdRun(const std::u16string& stamp = kThird)
    {
        lists::TStringList completed;
        lists::TStringList failed;
        const RESTORE_JOB job{&completed, &failed, u"", nullptr};
        RunningJob running;
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {drive.Run(RunDrive::kManual, stamp)};
        selection.ItemNames = {stamp};
        RunManualRestore(running, job, selection, drive.backup.Path(RunDrive::kManual), drive.pc.Path(u"Out"), false);
        return failed.Count();
    }
    std::string Restored(const std::u16string& name, const std::u16string& stamp = kThird)
    {
        return drive.pc.ReadText(u"Out\\" + stamp + u"\\D\\Work\\" + name);
    }
    std::vector<std::u16string> OriSizeLines(const std::u16string& kind, const std::u16string& stamp)
    {
        lists::TStringList list;
        EXPECT_TRUE(list.LoadFromFile(OriSizePath(drive.Run(kind, stamp))));
        return list.Lines();
    }
};

TEST_F(DeleteTest, DeletedFileMovesToTheFirstLaterRunAndTheOthersFollow)
{
    Tick({kFirst, u"D", u"Work", u"a.txt"});

    EXPECT_TRUE(DeleteTicked());

    EXPECT_FALSE(drive.backup.Exists(Line(kFirst, u"D\\Work\\a.txt")));
    EXPECT_EQ(drive.backup.ReadText(Line(kSecond, u"D\\Work\\a.txt")), "alpha");
    EXPECT_TRUE(drive.RepeatLines(RunDrive::kManual, kSecond).empty());
    EXPECT_EQ(drive.RepeatLines(RunDrive::kManual, kThird),
              (std::vector<std::u16string>{Line(kSecond, u"D\\Work\\a.txt"), Line(kFirst, u"D\\Work\\keep.txt"),
                                           Line(kSecond, u"D\\Work\\b.txt")}));
    // The ticked node left the tree; its unticked parents stay.
    EXPECT_EQ(tree.Items().Count(), 4);
    EXPECT_EQ(RestoreThirdRun(), 0);
    EXPECT_EQ(Restored(u"a.txt"), "alpha");
}

TEST_F(DeleteTest, DeletedRunsLeaveTheLaterRunsWhole)
{
    Tick({kFirst});
    Tick({kSecond});

    EXPECT_TRUE(DeleteTicked());

    EXPECT_FALSE(drive.backup.Exists(std::u16string(RunDrive::kManual) + u"\\" + kFirst));
    EXPECT_FALSE(drive.backup.Exists(std::u16string(RunDrive::kManual) + u"\\" + kSecond));
    EXPECT_TRUE(drive.RepeatLines(RunDrive::kManual, kThird).empty());
    EXPECT_EQ(tree.Items().Count(), 1);
    EXPECT_EQ(RestoreThirdRun(), 0);
    EXPECT_EQ(Restored(u"a.txt"), "alpha");
    EXPECT_EQ(Restored(u"keep.txt"), "keep");
    EXPECT_EQ(Restored(u"b.txt"), "beta");
}

// A folder deleted inside a run takes from the run's lists the files it held and the earlier copies
// the run named inside it, as the delete tree shows them below the folder; a restore of the run
// then gives back the rest and names no failure.
TEST_F(DeleteTest, ATrimmedRunNamesNothingOfTheDeletedFolder)
{
    drive.AddCopy(RunDrive::kManual, kSecond, u"D\\Other\\c.txt", Text("charlie"));
    drive.SaveLists();
    Tick({kSecond, u"D", u"Work"});

    EXPECT_TRUE(DeleteTicked());

    EXPECT_EQ(OriSizeLines(RunDrive::kManual, kSecond),
              std::vector<std::u16string>{drive.Run(RunDrive::kManual, kSecond) + u"\\D\\Other\\c.txt   7"});
    EXPECT_TRUE(drive.RepeatLines(RunDrive::kManual, kSecond).empty());
    EXPECT_EQ(OriSizeLines(RunDrive::kManual, kFirst).size(), 2u);
    EXPECT_EQ(RestoreThirdRun(kSecond), 0);
    EXPECT_EQ(drive.pc.ReadText(u"Out\\" + kSecond + u"\\D\\Other\\c.txt"), "charlie");
    EXPECT_FALSE(drive.pc.Exists(u"Out\\" + kSecond + u"\\D\\Work"));
    // The later run lost nothing: b.txt moved into it.
    EXPECT_EQ(RestoreThirdRun(), 0);
    EXPECT_EQ(Restored(u"a.txt"), "alpha");
    EXPECT_EQ(Restored(u"b.txt"), "beta");
}

// A container's line may carry its suffix or not: either goes with the container, and no other.
TEST_F(DeleteTest, ADeletedContainerTakesItsLineWithOrWithoutItsSuffix)
{
    for (const char16_t* name : {u"x", u"y", u"z"}) {
        drive.AddCopy(RunDrive::kDocument, kFirst, u"D\\" + std::u16string(name) + u".doc.vemoen", Text("container"));
    }
    drive.SaveLists();
    const std::u16string run = drive.Run(RunDrive::kDocument, kFirst);
    lists::TStringList oriSizes;
    for (const std::u16string& line :
         {run + u"\\D\\x.doc.vemoen   1", run + u"\\D\\y.doc   2", run + u"\\D\\z.doc   3"}) {
        oriSizes.Add(line);
    }
    ASSERT_EQ(SaveListFile(oriSizes, OriSizePath(run)), 0u);
    ui::TTreeNode* document = tree.Items().Add(nullptr, u"Document");
    ui::TTreeNode* folder = tree.Items().AddChild(tree.Items().AddChild(document, kFirst), u"D");
    tree.Items().AddChild(folder, u"x.doc.vemoen")->SetStateIndex(kTicked);
    tree.Items().AddChild(folder, u"y.doc.vemoen")->SetStateIndex(kTicked);

    EXPECT_TRUE(DeleteTicked(RunDrive::kDocument));

    EXPECT_EQ(OriSizeLines(RunDrive::kDocument, kFirst), std::vector<std::u16string>{run + u"\\D\\z.doc   3"});
    EXPECT_TRUE(drive.backup.Exists(std::u16string(RunDrive::kDocument) + u"\\" + kFirst + u"\\D\\z.doc.vemoen"));
}

// The re-homed copy has the bytes, write time and read-only and hidden bits the deleted file had,
// also once the deleted file was cleared of its bits to go.
TEST_F(DeleteTest, RehomedFilesKeepTheirBytesTimeAndAttributes)
{
    const std::vector<std::pair<std::string, DWORD>> files = {
        {"normal.txt", FILE_ATTRIBUTE_NORMAL},
        {"readonly.txt", FILE_ATTRIBUTE_READONLY},
        {"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
        {"both.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
    };
    const auto relative = [](const std::string& name) {
        return u"D\\Work\\" + std::u16string(name.begin(), name.end());
    };
    const auto writeTime = [](const std::u16string& path) {
        WIN32_FIND_DATAW found;
        FindClose(FindFirstFileW(path.c_str(), &found));
        return (static_cast<ULONGLONG>(found.ftLastWriteTime.dwHighDateTime) << 32) |
               found.ftLastWriteTime.dwLowDateTime;
    };
    std::vector<ULONGLONG> times;
    for (const auto& [name, attributes] : files) {
        drive.AddCopy(RunDrive::kManual, kFirst, relative(name), Text("bytes of " + name));
        drive.AddReference(RunDrive::kManual, kSecond, relative(name), kFirst, 5);
        std::filesystem::last_write_time(drive.backup.Host(Line(kFirst, relative(name))),
                                         std::filesystem::file_time_type(std::chrono::hours(24 * 365 * 50)));
        const std::u16string original = drive.backup.Path(Line(kFirst, relative(name)));
        ASSERT_TRUE(SetFileAttributesW(original.c_str(), attributes));
        times.push_back(writeTime(original));
    }
    drive.SaveLists();
    Tick({kFirst});

    EXPECT_TRUE(DeleteTicked());

    EXPECT_FALSE(drive.backup.Exists(std::u16string(RunDrive::kManual) + u"\\" + kFirst));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto& [name, attributes] = files[i];
        const std::u16string rehomed = drive.backup.Path(Line(kSecond, relative(name)));
        EXPECT_EQ(drive.backup.ReadText(Line(kSecond, relative(name))), "bytes of " + name);
        EXPECT_EQ(GetFileAttributesW(rehomed.c_str()), attributes) << name;
        EXPECT_EQ(writeTime(rehomed), times[i]) << name;
    }
    EXPECT_TRUE(drive.RepeatLines(RunDrive::kManual, kSecond).empty());
}

TEST_F(DeleteTest, FailedRehomingKeepsTheFileAndItsLines)
{
    // The place of the new copy in the second run is taken by a folder.
    std::filesystem::create_directories(drive.backup.Host(Line(kSecond, u"D\\Work\\a.txt\\x")));
    const auto before = drive.RepeatLines(RunDrive::kManual, kThird);
    Tick({kFirst, u"D", u"Work", u"a.txt"});

    EXPECT_FALSE(DeleteTicked());

    EXPECT_EQ(drive.backup.ReadText(Line(kFirst, u"D\\Work\\a.txt")), "alpha");
    EXPECT_EQ(drive.RepeatLines(RunDrive::kManual, kSecond),
              std::vector<std::u16string>{Line(kFirst, u"D\\Work\\a.txt")});
    EXPECT_EQ(drive.RepeatLines(RunDrive::kManual, kThird), before);
}

// A run later than the first holds its own newer copy, and a run after it names that copy: the
// re-homed copy is older, so that line stays.
TEST_F(DeleteTest, ALaterRunNamingANewerCopyKeepsItsLine)
{
    const std::u16string fourth = u"20240104_100000";
    const std::u16string fifth = u"20240105_100000";
    drive.AddCopy(RunDrive::kManual, fourth, u"D\\Work\\a.txt", Text("newer"));
    drive.AddReference(RunDrive::kManual, fifth, u"D\\Work\\a.txt", fourth, 5);
    drive.SaveLists();
    Tick({kFirst, u"D", u"Work", u"a.txt"});

    EXPECT_TRUE(DeleteTicked());

    EXPECT_EQ(drive.backup.ReadText(Line(kSecond, u"D\\Work\\a.txt")), "alpha");
    EXPECT_EQ(drive.RepeatLines(RunDrive::kManual, fifth),
              std::vector<std::u16string>{Line(fourth, u"D\\Work\\a.txt")});
    EXPECT_EQ(drive.RepeatLines(RunDrive::kManual, kThird)[0], Line(kSecond, u"D\\Work\\a.txt"));
    EXPECT_EQ(drive.backup.ReadText(Line(fourth, u"D\\Work\\a.txt")), "newer");
}

// Another PC on the same drive with the same runs: its files, lists and history stay as they were.
TEST_F(DeleteTest, AnotherPcsRunsAndHistoryAreUntouched)
{
    const std::u16string other = u"Harbex_Solo+\\PC2";
    const std::u16string otherManual = other + u"\\Manual";
    drive.AddCopy(otherManual, kFirst, u"D\\Work\\a.txt", Text("other"));
    drive.AddReference(otherManual, kSecond, u"D\\Work\\a.txt", kFirst, 5);
    drive.SaveLists();
    drive.backup.Write(other + u"\\Easy\\Document\\" + kFirst + u"\\D\\x.doc", Text("x"));
    const std::u16string history = other + u"\\Easy\\BacTimeRec.ini";
    const std::string historyBytes("\xFF\xFE"
                                   "4\0"
                                   "0\0"
                                   "\r\0\n\0",
                                   8);
    drive.backup.Write(history, Text(historyBytes));
    const auto otherLines = drive.RepeatLines(otherManual, kSecond);
    Tick({kFirst});
    Tick({kSecond});

    EXPECT_TRUE(DeleteTicked());
    ui::TEdit edit(nullptr);
    edit.SetText(u"X:  PC1");
    PruneBackupHistory(edit);

    EXPECT_EQ(drive.backup.ReadText(otherManual + u"\\" + kFirst + u"\\D\\Work\\a.txt"), "other");
    EXPECT_EQ(drive.RepeatLines(otherManual, kSecond), otherLines);
    EXPECT_EQ(drive.backup.ReadText(history), historyBytes);
}

TEST_F(DeleteTest, HistoryKeepsRunsWithACategoryFolderLeft)
{
    const auto stampTime = [](WORD day) {
        SYSTEMTIME time{};
        time.wYear = 2024;
        time.wMonth = 1;
        time.wDay = day;
        time.wHour = 10;
        return FormatDateTimeNumber(SystemTimeToDateTime(time));
    };
    drive.backup.Write(std::u16string(RunDrive::kPcFolder) + u"\\Easy\\Graphic\\" + kSecond + u"\\D\\p.jpg", Text("p"));
    lists::TStringList history;
    for (const std::u16string& line : {stampTime(1), stampTime(2), std::u16string(u"garbage"), stampTime(3)}) {
        history.Add(line);
    }
    const std::u16string path = drive.backup.Path(std::u16string(RunDrive::kPcFolder) + u"\\Easy\\BacTimeRec.ini");
    ASSERT_EQ(SaveListFile(history, path), 0u);
    ui::TEdit edit(nullptr);
    edit.SetText(u"X:  PC1");

    PruneBackupHistory(edit);

    lists::TStringList kept;
    ASSERT_TRUE(kept.LoadFromFile(path));
    EXPECT_EQ(kept.Lines(), (std::vector<std::u16string>{stampTime(2), u"garbage"}));
    EXPECT_EQ(CategoryBackupFolderFromEdit(edit, 0), drive.backup.Path(RunDrive::kManual));
    EXPECT_EQ(CategoryBackupFolderFromEdit(edit, 1), drive.backup.Path(RunDrive::kDocument));
}

}  // namespace
