#include "platform/files.h"
#include "platform/listed_delete.h"
#include "platform/text.h"
#include "tests/support/temp_drive.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::TempDrive;

using namespace platform;

namespace {

BOOL Succeeded(HANDLE handle)
{
    if (handle == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    CloseHandle(handle);
    return TRUE;
}

}  // namespace

TEST(FileErrors, FailuresGiveTheWindowsErrorNumbers)
{
    TempDrive x(u'X');
    x.Write("dir/file.txt", "data");
    x.Write("dir/locked.txt", "data");
    x.Write("readonly.txt", "data");
    ::chmod(x.Host("readonly.txt").c_str(), 0444);
    x.MakeFolder("empty");
    const HANDLE held =
        CreateFileW(x.Path(u"dir\\locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    struct Case {
        const char* name;
        std::function<BOOL()> operation;
        DWORD error;
    };
    const std::u16string tooLong = x.Path(std::u16string(300, u'n'));
    const Case cases[] = {
        {"missing file",
         [&] { return GetFileAttributesW(x.Path(u"dir\\none.txt").c_str()) != INVALID_FILE_ATTRIBUTES; },
         ERROR_FILE_NOT_FOUND},
        {"missing folder",
         [&] { return GetFileAttributesW(x.Path(u"none\\a.txt").c_str()) != INVALID_FILE_ATTRIBUTES; },
         ERROR_PATH_NOT_FOUND},
        {"unknown drive", [&] { return GetFileAttributesW(u"Q:\\a.txt") != INVALID_FILE_ATTRIBUTES; },
         ERROR_PATH_NOT_FOUND},
        {"open missing file",
         [&] {
             return Succeeded(
                 CreateFileW(x.Path(u"dir\\none.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
         },
         ERROR_FILE_NOT_FOUND},
        {"create in missing folder",
         [&] {
             return Succeeded(
                 CreateFileW(x.Path(u"none\\a.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
         },
         ERROR_PATH_NOT_FOUND},
        {"create new over existing",
         [&] {
             return Succeeded(
                 CreateFileW(x.Path(u"dir\\file.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
         },
         ERROR_FILE_EXISTS},
        {"share conflict",
         [&] {
             return Succeeded(CreateFileW(x.Path(u"dir\\locked.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
         },
         ERROR_SHARING_VIOLATION},
        {"delete while open", [&] { return DeleteFileW(x.Path(u"dir\\locked.txt").c_str()); }, ERROR_SHARING_VIOLATION},
        {"write to read-only",
         [&] {
             return Succeeded(
                 CreateFileW(x.Path(u"readonly.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
         },
         ERROR_ACCESS_DENIED},
        {"delete read-only", [&] { return DeleteFileW(x.Path(u"readonly.txt").c_str()); }, ERROR_ACCESS_DENIED},
        {"delete listed while open",
         [&] { return DeleteListedFile(x.Path(u"dir\\locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL); },
         ERROR_SHARING_VIOLATION},
        {"delete listed read-only",
         [&] { return DeleteListedFile(x.Path(u"readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY); },
         ERROR_ACCESS_DENIED},
        {"delete folder", [&] { return DeleteFileW(x.Path(u"empty").c_str()); }, ERROR_ACCESS_DENIED},
        {"folder exists", [&] { return CreateDirectoryW(x.Path(u"dir").c_str(), nullptr); }, ERROR_ALREADY_EXISTS},
        {"folder parent missing", [&] { return CreateDirectoryW(x.Path(u"none\\sub").c_str(), nullptr); },
         ERROR_PATH_NOT_FOUND},
        {"folder not empty", [&] { return RemoveDirectoryW(x.Path(u"dir").c_str()); }, ERROR_DIR_NOT_EMPTY},
        {"remove folder of a file", [&] { return RemoveDirectoryW(x.Path(u"dir\\file.txt").c_str()); },
         ERROR_DIRECTORY},
        {"move onto existing",
         [&] { return MoveFileExW(x.Path(u"readonly.txt").c_str(), x.Path(u"dir\\file.txt").c_str(), 0); },
         ERROR_ALREADY_EXISTS},
        {"name too long", [&] { return GetFileAttributesW(tooLong.c_str()) != INVALID_FILE_ATTRIBUTES; },
         ERROR_FILENAME_EXCED_RANGE},
        {"find a name too long", [&] { return Succeeded(FindFirstFileW(tooLong.c_str(), nullptr)); },
         ERROR_FILENAME_EXCED_RANGE},
        {"invalid name", [&] { return CreateDirectoryW(x.Path(u"a<b").c_str(), nullptr); }, ERROR_INVALID_NAME},
        {"file path with trailing separator",
         [&] { return GetFileAttributesW(x.Path(u"dir\\file.txt\\").c_str()) != INVALID_FILE_ATTRIBUTES; },
         ERROR_INVALID_NAME},
        {"walk of a root", [&] { return Succeeded(FindFirstFileW(x.Path().c_str(), nullptr)); }, ERROR_FILE_NOT_FOUND},
        {"walk with trailing separator", [&] { return Succeeded(FindFirstFileW(x.Path(u"dir\\").c_str(), nullptr)); },
         ERROR_FILE_NOT_FOUND},
        {"walk of missing folder", [&] { return Succeeded(FindFirstFileW(x.Path(u"none\\*.*").c_str(), nullptr)); },
         ERROR_PATH_NOT_FOUND},
        {"walk without match", [&] { return Succeeded(FindFirstFileW(x.Path(u"dir\\*.doc").c_str(), nullptr)); },
         ERROR_FILE_NOT_FOUND},
        {"close of nothing", [&] { return CloseHandle(INVALID_HANDLE_VALUE); }, ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases) {
        SetLastError(0);
        EXPECT_FALSE(c.operation()) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
    CloseHandle(held);
    EXPECT_TRUE(DeleteFileW(x.Path(u"dir\\locked.txt").c_str()));
}

// A find record that no longer tells the truth (another program swapped the entry meanwhile) never
// makes the delete remove more than DeleteFileW would.
TEST(FileErrors, DeleteOfAListedFileThatChangedFailsAsDeleteFileWould)
{
    TempDrive x(u'X');
    x.MakeFolder("was-a-file");
    x.Write("full/inner.txt", "data");
    struct Case {
        const char16_t* name;
        DWORD error;
    };
    for (const Case& c : {Case{u"was-a-file", ERROR_ACCESS_DENIED}, Case{u"gone.txt", ERROR_FILE_NOT_FOUND},
                          Case{u"nowhere\\gone.txt", ERROR_PATH_NOT_FOUND}}) {
        SetLastError(0);
        EXPECT_FALSE(DeleteListedFile(x.Path(c.name).c_str(), FILE_ATTRIBUTE_NORMAL)) << ToUtf8(c.name);
        EXPECT_EQ(GetLastError(), c.error) << ToUtf8(c.name);
    }
    EXPECT_FALSE(RemoveDirectoryW(x.Path(u"full").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_DIR_NOT_EMPTY);
    EXPECT_TRUE(DeleteListedFile(x.Path(u"FULL\\Inner.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(RemoveDirectoryW(x.Path(u"Full").c_str()));
    EXPECT_TRUE(RemoveDirectoryW(x.Path(u"was-a-file").c_str()));
    EXPECT_EQ(GetFileAttributesW(x.Path(u"full").c_str()), INVALID_FILE_ATTRIBUTES);
}
