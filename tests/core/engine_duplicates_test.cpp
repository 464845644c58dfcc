#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/DuplicateDetection.h"
#include "backup/engine/RunningJob.h"

#include "platform/files.h"
#include "platform/system.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/file_tree.h"

#include <gtest/gtest.h>

namespace {

using enginetest::TempDrive;

constexpr ULONGLONG kCopyTime = 133500000000000000ull;
constexpr ULONGLONG kMs = 10000;
const std::u16string kEasy = u"Harbex_Solo+\\PC1anna61\\Easy\\";
const SYSTEMTIME kRunStart{2024, 3, 5, 1, 0, 0, 0, 0};  // run folder 20240301_000000

class DuplicatesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SystemRecord record;
        record.computerName = u"PC1";
        record.userName = u"anna";
        platform::SetSystemRecord(record);
        for (auto& list : lists) {
            repeat[&list - lists.data()] = &list;
        }
    }

    // An earlier copy, relative to the drive root, with the copy time.
    void Copy(const std::u16string& relative, ULONGLONG time = kCopyTime)
    {
        drive.Write(relative, {1});
        HANDLE file = CreateFileW(drive.Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME value = U64ToFileTime(time);
        SetFileTime(file, nullptr, nullptr, &value);
        CloseHandle(file);
    }
    // A run that reached its end has its list files.
    void Finish(const std::u16string& run) { testsupport::WriteFinishedRunLists(drive.Host(run)); }
    void Collect()
    {
        PerEasyCategory<std::u16string> folders;
        for (int c = CATEGORY_DOCUMENT; c <= CATEGORY_MAIL; ++c) {
            folders[static_cast<std::size_t>(c - 1)] = CategoryBackupFolder(u"X:\\", c, false, false);
        }
        CollectEasyCandidates(running, candidates, {1, 1, 1, 1, 1}, kRunStart, folders);
    }
    // The earlier copies hold one byte.
    bool Test(int category, const std::u16string& relative, LONGLONG offsetMs, LONGLONG size = 1)
    {
        const std::u16string folder = CategoryBackupFolder(u"X:\\", category, false, false);
        const FILETIME time = U64ToFileTime(static_cast<ULONGLONG>(static_cast<LONGLONG>(kCopyTime) + offsetMs * kMs));
        return IsEasyDuplicate(running, candidates, category, folder + u"\\20240301_000000\\" + relative, time, size,
                               repeat);
    }

    TempDrive drive{u'X'};
    RunningJob running;
    DuplicateCandidates candidates;
    PerEasyCategory<lists::TStringList> lists;
    PerEasyCategory<lists::TStringList*> repeat{};
};

TEST_F(DuplicatesTest, MatchesByRelativePathAndTimeWithinThreeSeconds)
{
    Copy(kEasy + u"Document\\20240101_000000\\C\\r\\a.doc");
    Copy(kEasy + u"Graphic\\20240101_000000\\C\\r\\p.jpg");
    Finish(kEasy + u"Document\\20240101_000000");
    Finish(kEasy + u"Graphic\\20240101_000000");
    Collect();
    struct Case {
        const char* name;
        int category;
        std::u16string relative;
        LONGLONG offsetMs;
        LONGLONG size;
        bool match;
    };
    const Case cases[] = {
        {"3.001 s newer", 1, u"C\\r\\a.doc", 3001, 1, false},
        {"3.001 s older", 1, u"C\\r\\a.doc", -3001, 1, false},
        {"another drive", 1, u"D\\r\\a.doc", 0, 1, false},
        {"last character differs", 1, u"C\\r\\a.dot", 0, 1, false},
        {"name differs in case only", 1, u"C\\r\\A.doc", 0, 1, false},
        {"encrypted against plain", 1, u"C\\r\\a.doc.vemoen", 0, 1, false},
        {"another category", 4, u"C\\r\\p.jpg", 0, 1, false},
        {"same time, larger", 1, u"C\\r\\a.doc", 0, 20000, false},
        {"same time, empty", 1, u"C\\r\\a.doc", 1000, 0, false},
        {"2.999 s newer", 1, u"C\\r\\a.doc", 2999, 1, true},
        {"candidate used once", 1, u"C\\r\\a.doc", 0, 1, false},
        {"2 s older", 2, u"C\\r\\p.jpg", -2000, 1, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Test(c.category, c.relative, c.offsetMs, c.size), c.match) << c.name;
    }
    ASSERT_EQ(lists[0].Count(), 1);
    EXPECT_EQ(platform::ToUtf8(lists[0].Strings(0)),
              "Harbex_Solo+\\PC1anna61\\Easy\\Document\\20240101_000000\\C\\r\\a.doc");
    ASSERT_EQ(lists[1].Count(), 1);
    EXPECT_EQ(platform::ToUtf8(lists[1].Strings(0)),
              "Harbex_Solo+\\PC1anna61\\Easy\\Graphic\\20240101_000000\\C\\r\\p.jpg");
}

TEST_F(DuplicatesTest, NewestEarlierRunWinsAndLaterRunsAreIgnored)
{
    Copy(kEasy + u"Document\\20240101_000000\\C\\a.doc");
    Copy(kEasy + u"Document\\20240201_000000\\C\\a.doc");
    Copy(kEasy + u"Document\\20240401_000000\\C\\a.doc");  // after the run's own start
    Copy(kEasy + u"Document\\20240215_000000\\C\\a.doc");  // cut short before its list files
    for (const char16_t* run : {u"20240101_000000", u"20240201_000000", u"20240401_000000"}) {
        Finish(kEasy + u"Document\\" + run);
    }
    Collect();
    EXPECT_EQ(candidates.Count(), 2u);
    EXPECT_TRUE(Test(1, u"C\\a.doc", 0));
    EXPECT_EQ(platform::ToUtf8(lists[0].Strings(0)),
              "Harbex_Solo+\\PC1anna61\\Easy\\Document\\20240201_000000\\C\\a.doc");
    EXPECT_TRUE(Test(1, u"C\\a.doc", 0));
    EXPECT_EQ(platform::ToUtf8(lists[0].Strings(1)),
              "Harbex_Solo+\\PC1anna61\\Easy\\Document\\20240101_000000\\C\\a.doc");
    EXPECT_FALSE(Test(1, u"C\\a.doc", 0));
}

TEST_F(DuplicatesTest, ListFileNamesAreSkippedOnlyDirectlyInARunFolder)
{
    Finish(u"Harbex_Solo+\\PC1anna61\\Manual\\20240101_000000");
    Copy(u"Harbex_Solo+\\PC1anna61\\Manual\\20240101_000000\\C\\notes\\OriSize.ini");
    CollectManualCandidates(running, candidates, kRunStart, ManualBackupFolder(u"X:\\", false, false));
    ASSERT_EQ(candidates.Count(), 1u);
    lists::TStringList repeatList;
    const std::u16string run = ManualBackupFolder(u"X:\\", false, false) + u"\\20240301_000000\\";
    EXPECT_TRUE(IsManualDuplicate(running, candidates, repeatList, run + u"C\\notes\\OriSize.ini",
                                  U64ToFileTime(kCopyTime), 1));
    // Easy candidates never serve a Manual run.
    Copy(kEasy + u"Document\\20240101_000000\\C\\a.doc");
    Collect();
    EXPECT_FALSE(IsManualDuplicate(running, candidates, repeatList, run + u"C\\a.doc", U64ToFileTime(kCopyTime), 1));
}

}  // namespace
