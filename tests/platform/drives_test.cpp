#include "platform/drives.h"
#include "platform/files.h"
#include "tests/support/temp_drive.h"

#include <gtest/gtest.h>

using testsupport::TempDrive;

using namespace platform;

TEST(Drives, WindowsPathsMapBelowTheHostFolder)
{
    TempDrive x(u'X');
    const std::string root = x.Host();
    struct Case {
        std::u16string path;
        std::string host;
        DWORD error;
    };
    const Case cases[] = {
        {u"X:\\a\\b", root + "/a/b", 0},
        {u"x:/a/b/", root + "/a/b", 0},
        {u"X:", root, 0},
        {u"X:\\", root, 0},
        {u"X:\\a\\\\.\\b", root + "/a/b", 0},
        // ".." never walks up, whatever the separator.
        {u"X:\\a\\..\\..\\..\\b", "", ERROR_BAD_PATHNAME},
        {u"X:\\a/../b", "", ERROR_BAD_PATHNAME},
        {u"X:\\a\\\xdcc3\xdca9", "", ERROR_INVALID_NAME},
        {u"X:\\a\\\xdcfe", root + "/a/\xfe", 0},
        {u"Q:\\a", "", ERROR_PATH_NOT_FOUND},
        {u"a\\b", "", ERROR_PATH_NOT_FOUND},
        {u"", "", ERROR_PATH_NOT_FOUND},
        {u"X:a", "", ERROR_PATH_NOT_FOUND},
        {u"X:\\a|b", "", ERROR_INVALID_NAME},
        {u"X:\\a\uF07Cb\\\uF05C", root + "/a|b/\\", 0},
        {u"X:\\" + std::u16string(UNICODE_STRING_MAX_CHARS - 2, u'n'), "", ERROR_FILENAME_EXCED_RANGE},
    };
    for (const auto& c : cases) {
        const HostPath host = ToHostPath(c.path);
        EXPECT_EQ(host.error, c.error) << ToUtf8(c.path);
        EXPECT_EQ(host.path, c.host) << ToUtf8(c.path);
    }
    // Deep folders are reached as "\\?\" paths reach them on Windows.
    const std::u16string deep = u"X:\\" + std::u16string(UNICODE_STRING_MAX_CHARS - 3, u'n');
    EXPECT_EQ(ToHostPath(deep).error, 0u);
}

// FAT refuses the characters a Windows name cannot hold: such a drive keeps the names' private-use
// forms on disk and lists them as the names they stand for.
TEST(Drives, AFatDriveKeepsThePrivateUseFormsOfReservedCharacters)
{
    TempDrive x(u'X');
    Drive fat = *FindDrive(u'X');
    fat.fileSystem = u"FAT32";
    MountDrive(fat);
    const std::u16string name = u"Meeting 10\uF03A30\uF03F.txt";
    EXPECT_EQ(ToHostPath(u"X:\\" + name).path, x.Host().string() + "/Meeting 10\xef\x80\xba"
                                                                   "30\xef\x80\xbf.txt");
    // A name that spells a private-use form itself would meet the name it stands for.
    EXPECT_EQ(ToHostPath(u"X:\\a\xdcef\xdc80\xdcba").error, ERROR_INVALID_NAME);

    const HANDLE file = CreateFileW((u"X:\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(x.Exists("Meeting 10\xef\x80\xba"
                         "30\xef\x80\xbf.txt"));
    for (const std::u16string& pattern : {std::u16string(u"X:\\*"), u"X:\\" + name}) {
        WIN32_FIND_DATAW found;
        const HANDLE find = FindFirstFileW(pattern.c_str(), &found);
        ASSERT_NE(find, INVALID_HANDLE_VALUE);
        EXPECT_EQ(found.cFileName, name);
        FindClose(find);
    }
}

TEST(Drives, TableAnswersTypeLettersAndVolume)
{
    TempDrive x(u'X');
    Drive removable;
    removable.letter = u'y';
    removable.hostFolder = x.Host("absent").string();
    removable.type = DRIVE_REMOVABLE;
    MountDrive(removable);

    EXPECT_EQ(GetDriveTypeW(u"X:\\"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveTypeW(u"Y:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveTypeW(u"Q:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetLogicalDrives() & ((1u << ('X' - 'A')) | (1u << ('Y' - 'A'))),
              (1u << ('X' - 'A')) | (1u << ('Y' - 'A')));

    char16_t label[32];
    char16_t fileSystem[32];
    DWORD serial = 0;
    ASSERT_TRUE(GetVolumeInformationW(u"X:\\", label, 32, &serial, nullptr, nullptr, fileSystem, 32));
    EXPECT_EQ(std::u16string(label), u"TEST");
    EXPECT_EQ(std::u16string(fileSystem), u"NTFS");
    EXPECT_EQ(serial, 0x1234ABCDu);
    EXPECT_FALSE(GetVolumeInformationW(u"Y:\\", label, 32, nullptr, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(GetLastError(), ERROR_NOT_READY);

    ULARGE_INTEGER available{}, total{}, totalFree{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(u"X:\\", &available, &total, &totalFree));
    EXPECT_GT(total.QuadPart, 0u);
    EXPECT_LE(totalFree.QuadPart, total.QuadPart);
    EXPECT_FALSE(GetDiskFreeSpaceExW(u"Y:\\", &available, &total, &totalFree));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    UnmountDrive(u'Y');
    EXPECT_EQ(GetDriveTypeW(u"Y:\\"), DRIVE_NO_ROOT_DIR);
}
