#include "backup/base/BackupDriveLayout.h"
#include "backup/base/DrivePathCheck.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/ListFiles.h"

#include "platform/clock.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/small_file_system.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using enginetest::TempDrive;
using Bytes = std::vector<unsigned char>;

Bytes Utf16File(std::initializer_list<std::string> lines)
{
    Bytes bytes = {0xFF, 0xFE};
    for (const std::string& line : lines) {
        for (char c : line + "\r\n") {
            bytes.push_back(static_cast<unsigned char>(c));
            bytes.push_back(0);
        }
    }
    return bytes;
}

class ListFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetSpecialFolder(CSIDL_APPDATA, u"X:\\Users\\anna\\AppData\\Roaming");
        std::filesystem::create_directories(drive.Host(u"Users\\anna\\AppData\\Roaming"));
    }
    void TearDown() override
    {
        platform::SetSystemRecord(machine_);
        platform::ClearSpecialFolders();
    }
    // A user whose number format writes a decimal comma.
    void UseDecimalComma()
    {
        platform::SystemRecord comma = machine_;
        comma.decimalSeparator = u',';
        platform::SetSystemRecord(comma);
    }

    TempDrive drive{u'X'};
    const platform::SystemRecord machine_ = platform::CurrentSystemRecord();
};

TEST_F(ListFilesTest, DateTimeNumbersWithEitherSeparator)
{
    const SYSTEMTIME time{2011, 3, 6, 5, 14, 7, 9, 0};
    const double value = SystemTimeToDateTime(time);
    EXPECT_EQ(platform::ToUtf8(FormatDateTimeNumber(value)), "40607.5882986111");
    UseDecimalComma();
    EXPECT_EQ(platform::ToUtf8(FormatDateTimeNumber(value)), "40607,5882986111");

    struct Case {
        std::u16string text;
        bool parses;
        const char* stamp;
    };
    const Case cases[] = {
        {u"40607.5882986111", true, "20110305_140709"},
        {u"40607,5882986111", true, "20110305_140709"},
        {u" 40607.5 ", true, "20110305_120000"},
        {u"40607", true, "20110305_000000"},
        {u"40607.58.1", false, ""},
        {u"abc", false, ""},
        {u"", false, ""},
        {u"1e300", true, ""},
    };
    for (const auto& c : cases) {
        double parsed = 0;
        ASSERT_EQ(ParseDateTimeNumber(c.text, &parsed), c.parses) << platform::ToUtf8(c.text);
        SYSTEMTIME back{};
        const bool converts = c.parses && DateTimeToSystemTime(parsed, &back);
        EXPECT_EQ(converts ? platform::ToUtf8(FormatTimestampName(back)) : "", c.stamp) << platform::ToUtf8(c.text);
    }
}

TEST_F(ListFilesTest, WrittenRecordsReadBack)
{
    platform::ScopedFakeClock clock;
    clock.clock().SetLocalTime(SYSTEMTIME{2011, 3, 6, 5, 14, 7, 9, 0});
    UseDecimalComma();
    EXPECT_TRUE(SaveLastEasyBackup({1, 0, 1, 0, 1}));
    EXPECT_EQ(drive.Read(u"Users\\anna\\AppData\\Roaming\\Harbex_Solo+\\Ini\\LastBackup.ini"),
              Utf16File({"1", "0", "1", "0", "1", "40607,5882986111"}));
    double value = 0;
    ASSERT_TRUE(LoadLastEasyBackupTime(&value));
    EXPECT_DOUBLE_EQ(value, 40607.5882986111);

    EXPECT_TRUE(SaveLastManualBackupTime());
    ASSERT_TRUE(LoadLastManualBackupTime(&value));
    EXPECT_DOUBLE_EQ(value, 40607.5882986111);

    drive.Write(u"Users\\anna\\AppData\\Roaming\\Harbex_Solo+\\Ini\\LastBackup.ini",
                Utf16File({"1", "1", "1", "1", "1"}));
    EXPECT_FALSE(LoadLastEasyBackupTime(&value));
}

TEST_F(ListFilesTest, RunListsAndTheSelectionRecord)
{
    lists::TStringList oriSize;
    AddOriSizeLine(oriSize, u"X:\\run\\D\\big.iso", 5000000000LL);
    AddOriSizeLine(oriSize, u"X:\\run\\D\\a.doc", 12);
    LONGLONG size = 0;
    ASSERT_TRUE(FindOriSize(oriSize, u"X:\\run\\D\\big.iso", &size));
    EXPECT_EQ(size, 5000000000LL);
    EXPECT_FALSE(FindOriSize(oriSize, u"X:\\run\\D\\a", &size));
    EXPECT_EQ(SaveListFile(oriSize, drive.Path(u"OriSize.ini")), 0u);
    EXPECT_EQ(drive.Read(u"OriSize.ini"), Utf16File({"X:\\run\\D\\big.iso   5000000000", "X:\\run\\D\\a.doc   12"}));

    EXPECT_EQ(SaveListFile(lists::TStringList(), drive.Path(u"FileList_Repeat.ini")), 0u);
    EXPECT_EQ(drive.Read(u"FileList_Repeat.ini"), Bytes({0xFF, 0xFE}));

    BACKUP_SELECTION selection;
    selection.Count = 2;
    selection.SourcePaths = {u"D:\\Data\\Docs", u"E:\\"};
    selection.ItemNames = {u"Docs", u"E:\\"};
    selection.RelativePaths = {u"D\\Data\\Docs", u"E"};
    EXPECT_EQ(SaveSelectionRecord(drive.Path(u""), selection), 0u);
    EXPECT_EQ(drive.Read(u"Record.ini"),
              Utf16File({"2", "D:\\Data\\Docs", "E:\\", "Docs", "E:\\", "D\\Data\\Docs", "E"}));

    // A list file that cannot be written reports its Windows error.
    EXPECT_NE(SaveListFile(oriSize, drive.Path(u"gone\\OriSize.ini")), 0u);
}

TEST_F(ListFilesTest, PackedLinesSaveWhatTheStringListSaves)
{
    const std::u16string longName(40000, u'n');
    struct Case {
        const char* name;
        std::vector<std::u16string> lines;
    };
    std::vector<Case> cases = {
        {"no line", {}},
        {"one empty line", {u""}},
        {"shared folders",
         {u"X:\\run\\D\\a.doc   12", u"X:\\run\\D\\ab.doc   3", u"X:\\run\\D\\a", u"X:\\run\\E\\a", u"X:\\run"}},
        {"equal lines", {u"a\\b", u"a\\b", u""}},
        {"lines longer than 32767", {u"X:\\" + longName, u"X:\\" + longName + u"x", u"Y"}},
        {"many lines", {}},
    };
    for (int i = 0; i < 20000; ++i) {
        cases.back().lines.push_back(u"X:\\run\\d" + DecimalText(i % 7) + u"\\f" + DecimalText(i) + u".bin");
    }
    for (const Case& c : cases) {
        lists::TStringList plain;
        PackedLines packed;
        for (const std::u16string& line : c.lines) {
            plain.Add(line);
            packed.Add(line);
        }
        EXPECT_EQ(packed.Count(), c.lines.size()) << c.name;
        ASSERT_EQ(SaveListFile(plain, drive.Path(u"plain.ini")), 0u) << c.name;
        ASSERT_EQ(SaveListFile(packed, drive.Path(u"packed.ini")), 0u) << c.name;
        EXPECT_EQ(drive.Read(u"packed.ini"), drive.Read(u"plain.ini")) << c.name;
        const std::string encoded = plain.Encode();
        EXPECT_EQ(drive.Read(u"packed.ini"), Bytes(encoded.begin(), encoded.end())) << c.name;
    }
    EXPECT_NE(SaveListFile(PackedLines(), drive.Path(u"gone\\OriSize.ini")), 0u);
}

// A list written under a free name by a process killed before the rename leaves that name; the
// next write of the same list removes the names of that exact form, and only those.
TEST_F(ListFilesTest, AWriteRemovesTheFreeNamesAKilledWriteOfTheSameListLeft)
{
    const std::vector<std::string> abandoned = {"LangSet.ini.~part0", "LangSet.ini.~part1", "LangSet.ini.~part17"};
    const std::vector<std::string> others = {"LangSet.ini.~part",     "LangSet.ini.~part1x", "LangSet.ini.~part2.bak",
                                             "XLangSet.ini.~part3",   "langset.ini.~part5",  "Other.ini.~part0",
                                             "LangSet.ini.~part4/in", "LangSet.ini"};
    for (const std::string& name : abandoned) {
        drive.Write(name, "left by a killed write");
    }
    for (const std::string& name : others) {
        drive.Write(name, "someone else's");
    }
    lists::TStringList list;
    list.Add(u"1033");
    for (int write = 0; write < 3; ++write) {
        ASSERT_EQ(SaveListFile(list, drive.Path(u"LangSet.ini")), 0u);
        drive.Write("LangSet.ini.~part0", "left by the next killed write");
    }
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(drive.Host())) {
        if (entry.is_regular_file()) {
            names.insert(std::filesystem::relative(entry.path(), drive.Host()).string());
        }
    }
    std::set<std::string> expected(others.begin(), others.end());
    expected.insert("LangSet.ini.~part0");
    EXPECT_EQ(names, expected);
    EXPECT_EQ(drive.Read(u"LangSet.ini"), Utf16File({"1033"}));
}

// On a disk that has no room left, neither list writer cuts the list it replaces, and nothing of
// the new one stays beside it.
TEST(ListFilesOnAFullDisk, AFailedWriteLeavesTheOldList)
{
    testsupport::SmallFileSystem disk(256 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    TempDrive drive{u'Y', 2, disk.Folder()};
    lists::TStringList old;
    old.Add(u"Y:\\run\\D\\a.doc   12");
    ASSERT_EQ(SaveListFile(old, drive.Path(u"OriSize.ini")), 0u);
    const Bytes oldBytes = drive.Read(u"OriSize.ini");
    const auto filler = disk.Fill("filler");

    lists::TStringList plain;
    PackedLines packed;
    for (int i = 0; i < 2000; ++i) {
        plain.Add(u"Y:\\run\\D\\file" + DecimalText(i) + u".doc   100");
        packed.Add(u"Y:\\run\\D\\file" + DecimalText(i) + u".doc   100");
    }
    EXPECT_EQ(SaveListFile(plain, drive.Path(u"OriSize.ini")), ERROR_DISK_FULL);
    EXPECT_EQ(SaveListFile(packed, drive.Path(u"OriSize.ini")), ERROR_DISK_FULL);
    EXPECT_EQ(drive.Read(u"OriSize.ini"), oldBytes);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(drive.Host())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"OriSize.ini"});

    std::filesystem::remove(filler);
    ASSERT_EQ(SaveListFile(packed, drive.Path(u"OriSize.ini")), 0u);
    const std::string encoded = plain.Encode();
    EXPECT_EQ(drive.Read(u"OriSize.ini"), Bytes(encoded.begin(), encoded.end()));
}

TEST_F(ListFilesTest, RepeatLinesThatWouldLeaveTheDriveAreRefused)
{
    struct Case {
        std::u16string line;
        std::u16string path;
    };
    const Case cases[] = {
        {u"Harbex_Solo+\\PC\\Manual\\20240101_000000\\D\\a.doc",
         u"X:\\Harbex_Solo+\\PC\\Manual\\20240101_000000\\D\\a.doc"},
        {u"Harbex_Solo+\\..\\..\\Windows\\a.doc", u""},
        {u"..\\a.doc", u""},
        {u"\\Windows\\a.doc", u""},
        {u"C:\\Windows\\a.doc", u""},
        {u"a\\\\b", u""},
        {u"a\\.\\b", u""},
        {u"", u""},
        // "/" separates names as "\\" does, for the checks and in the path that comes out.
        {u"Harbex_Solo+\\PC\\Data/../../../../escaped.txt", u""},
        {u"Harbex_Solo+/PC/a.doc", u"X:\\Harbex_Solo+\\PC\\a.doc"},
        {u"/Windows/a.doc", u""},
        {u"a/", u""},
        {u"\\\\server\\share\\a.doc", u""},
        {u"a\\b|c.doc", u""},
        {u"a\\b\x01.doc", u""},
        {u"a\\\xdcfe.doc", u"X:\\a\\\xdcfe.doc"},
        // A private-use backslash is part of a name: "..\uF05C.." is one name, which walks nowhere.
        {u"a\\..\uF05C..\uF05Cb\uF03A.doc", u"X:\\a\\..\uF05C..\uF05Cb\uF03A.doc"},
        {u"a\\..\\\uF05Cb.doc", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToUtf8(RepeatEntryPath(u"X:\\", c.line)), platform::ToUtf8(c.path))
            << platform::ToUtf8(c.line);
    }
}

TEST(DrivePaths, FinalTargetsLieInsideTheirFolder)
{
    struct Case {
        std::u16string target;
        std::u16string folder;
        bool inside;
    };
    const Case cases[] = {
        {u"C:\\Out\\20240101_000000\\D\\a.txt", u"C:\\Out", true},
        {u"c:\\out\\a.txt", u"C:\\Out\\", true},
        {u"D:\\Work\\a.txt", u"D:\\", true},
        {u"C:\\Out", u"C:\\Out", false},
        {u"C:\\Outside\\a.txt", u"C:\\Out", false},
        {u"C:\\Out\\a\\..\\..\\a.txt", u"C:\\Out", false},
        {u"C:\\Out\\a/../../a.txt", u"C:\\Out", false},
        {u"C:\\Out\\a/b.txt", u"C:\\Out", false},
        {u"C:\\Out\\\\a.txt", u"C:\\Out", false},
        {u"D:\\a.txt", u"C:\\", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LiesInsideFolder(c.target, c.folder), c.inside) << platform::ToUtf8(c.target);
    }
    EXPECT_TRUE(IsSafeDriveName(u"report\xdcfe.doc"));
    EXPECT_TRUE(IsSafeDriveName(u"..\uF05C..\uF05Ca\uF03A.doc"));
    for (const std::u16string name : {u"", u".", u"..", u"a\\b", u"a/b", u"C:", u"a*"}) {
        EXPECT_FALSE(IsSafeDriveName(name)) << platform::ToUtf8(name);
    }
}

}  // namespace
