#include "platform/files.h"
#include "tests/support/temp_drive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

using testsupport::TempDrive;

using namespace platform;

TEST(Attributes, SetBitsPersistAndReadBack)
{
    TempDrive x(u'X');
    x.Write("docs/a.txt", "a");
    const std::u16string file = x.Path(u"docs\\a.txt");
    const std::u16string folder = x.Path(u"docs");
    struct Case {
        std::u16string path;
        DWORD set;
        DWORD expected;
    };
    const Case cases[] = {
        {file, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
        {file, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE,
         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE},
        {file, FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL},
        {file, FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE},
        {folder, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
        {folder, FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_DIRECTORY},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetFileAttributesW(c.path.c_str(), c.set)) << c.set;
        EXPECT_EQ(GetFileAttributesW(c.path.c_str()), c.expected) << c.set;
        WIN32_FIND_DATAW data;
        const HANDLE find = FindFirstFileW(c.path.c_str(), &data);
        ASSERT_NE(find, INVALID_HANDLE_VALUE);
        FindClose(find);
        EXPECT_EQ(data.dwFileAttributes, c.expected) << c.set;
    }
}

TEST(Attributes, StoredAsTextBesideThePermissionBits)
{
    TempDrive x(u'X');
    x.Write("a.txt", "a");
    ASSERT_TRUE(SetFileAttributesW(x.Path(u"a.txt").c_str(),
                                   FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    char text[16] = {};
    ASSERT_EQ(::getxattr(x.Host("a.txt").c_str(), "user.DOSATTRIB", text, sizeof text), 4);
    EXPECT_STREQ(text, "0x22");
    struct stat info { };
    ASSERT_EQ(::stat(x.Host("a.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0222, 0u);

    ASSERT_EQ(::setxattr(x.Host("a.txt").c_str(), "user.DOSATTRIB", "0x6", 3, 0), 0);
    EXPECT_EQ(GetFileAttributesW(x.Path(u"a.txt").c_str()),
              FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}

TEST(Attributes, NamesMatchWhateverTheirCase)
{
    TempDrive x(u'X');
    x.Write("Docs/Report.TXT", "report");
    EXPECT_EQ(GetFileAttributesW(x.Path(u"DOCS\\report.txt").c_str()), FILE_ATTRIBUTE_ARCHIVE);
    const HANDLE file = CreateFileW(x.Path(u"docs\\REPORT.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char buffer[16];
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "report");
    CloseHandle(file);

    EXPECT_FALSE(CreateDirectoryW(x.Path(u"DOCS").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(CreateDirectoryW(x.Path(u"docs\\New").c_str(), nullptr));
    EXPECT_EQ(GetFileAttributesW(x.Path(u"Docs\\new").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(MoveFileExW(x.Path(u"DOCS\\report.txt").c_str(), x.Path(u"docs\\Report.txt").c_str(), 0));
    EXPECT_EQ(x.ReadText("Docs/Report.txt"), "report");
    EXPECT_TRUE(DeleteFileW(x.Path(u"docs\\report.TXT").c_str()));
    EXPECT_EQ(GetFileAttributesW(x.Path(u"Docs\\Report.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}
