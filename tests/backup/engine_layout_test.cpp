#include "backup/base/BackupDriveLayout.h"
#include "backup/base/SpecialFolders.h"

#include "platform/files.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "tests/core/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

using enginetest::TempDrive;

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SystemRecord record;
        record.computerName = u"PC1";
        record.userName = u"anna";
        record.majorVersion = 6;
        record.minorVersion = 1;
        platform::SetSystemRecord(record);
    }
    TempDrive drive{u'X'};
};

TEST_F(LayoutTest, PathsOfEveryLevel)
{
    struct Case {
        const char* name;
        std::u16string path;
        std::u16string expected;
    };
    const Case cases[] = {
        {"root X:\\", DocumentBackupFolder(u"X:\\", false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Easy\\Document"},
        {"root X:", DocumentBackupFolder(u"X:", false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Easy\\Document"},
        {"picture", CategoryBackupFolder(u"X:", 2, false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Easy\\Graphic"},
        {"mail", CategoryBackupFolder(u"X:", 5, false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Easy\\Mail"},
        {"other", CategoryBackupFolder(u"X:", 6, false, false), u""},
        {"manual", ManualBackupFolder(u"X:\\", false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Manual"},
        {"favorites", FavoritesBackupFolder(u"X:\\", false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Favorites"},
        {"history", BacTimeRecPath(u"X:\\", false, false), u"X:\\Harbex_Solo+\\PC1anna61\\Easy\\BacTimeRec.ini"},
        {"run list", OriSizePath(u"X:\\r\\"), u"X:\\r\\OriSize.ini"},
        {"repeat list", RepeatListPath(u"X:\\r"), u"X:\\r\\FileList_Repeat.ini"},
        {"record", RecordPath(u"X:\\r"), u"X:\\r\\Record.ini"},
        {"selector text", PcBackupFolderFromEdit(u"X:  PC1anna61"), u"X:\\Harbex_Solo+\\PC1anna61"},
        {"empty selector", PcBackupFolderFromEdit(u""), u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToUtf8(c.path), platform::ToUtf8(c.expected)) << c.name;
    }
    EXPECT_FALSE(drive.Exists(u"Harbex_Solo+"));
}

TEST_F(LayoutTest, CreatingMakesEveryLevelAndHidesOnlyTheProductFolder)
{
    DocumentBackupFolder(u"X:\\", true, true);
    EXPECT_TRUE(drive.Exists(u"Harbex_Solo+\\PC1anna61\\Easy\\Document"));
    EXPECT_EQ(GetFileAttributesW(u"X:\\Harbex_Solo+"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW(u"X:\\Harbex_Solo+\\PC1anna61") & FILE_ATTRIBUTE_HIDDEN, 0u);

    // The hide flag clear leaves a hidden product folder hidden.
    ManualBackupFolder(u"X:\\", true, false);
    EXPECT_TRUE(drive.Exists(u"Harbex_Solo+\\PC1anna61\\Manual"));
    EXPECT_NE(GetFileAttributesW(u"X:\\Harbex_Solo+") & FILE_ATTRIBUTE_HIDDEN, 0u);

    // Hiding replaces every other attribute, read-only included.
    ASSERT_TRUE(SetFileAttributesW(u"X:\\Harbex_Solo+", FILE_ATTRIBUTE_READONLY));
    ProductFolderOn(u"X:\\", true, true);
    EXPECT_EQ(GetFileAttributesW(u"X:\\Harbex_Solo+"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(LayoutTest, RunFoldersAreNamedByTheirStartSecond)
{
    const SYSTEMTIME start{2024, 3, 0, 5, 7, 8, 9, 120};
    const SYSTEMTIME sameSecond{2024, 3, 0, 5, 7, 8, 9, 980};
    const std::u16string folder = drive.Path(u"Manual");
    EXPECT_EQ(platform::ToUtf8(StampedFolderAt(folder, start, false)), "X:\\Manual\\20240305_070809");
    EXPECT_EQ(StampedFolderAt(folder, start, false), StampedFolderAt(folder, sameSecond, false));
    CreateDirectoryW(folder.c_str(), nullptr);
    StampedFolderAt(folder, start, true);
    EXPECT_TRUE(drive.Exists(u"Manual\\20240305_070809"));
}

TEST_F(LayoutTest, SpecialFoldersAndTheUsersRoot)
{
    struct Case {
        std::u16string appData;
        std::u16string usersRoot;
    };
    const Case cases[] = {
        {u"X:\\Users\\name\\AppData\\Roaming", u"X:\\Users"},
        {u"X:\\Documents and Settings\\name\\Application Data", u"X:\\Documents and Settings"},
        {u"X:\\Data", u""},
    };
    for (const auto& c : cases) {
        platform::SetSpecialFolder(CSIDL_APPDATA, c.appData);
        EXPECT_EQ(platform::ToUtf8(UsersRootFolder()), platform::ToUtf8(c.usersRoot));
    }
    platform::SetSpecialFolder(CSIDL_PROGRAM_FILESX86, u"X:\\Program Files (x86)");
    platform::SetSpecialFolder(CSIDL_PROGRAM_FILES, u"X:\\Program Files");
    EXPECT_EQ(platform::ToUtf8(InstallFolder(false)), "X:\\Program Files (x86)\\Harbex Solo+");
    platform::ClearSpecialFolders();
    EXPECT_EQ(DesktopFolder(), u"");
}

}  // namespace
