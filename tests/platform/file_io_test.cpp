#include "platform/files.h"
#include "tests/support/temp_drive.h"

#include <gtest/gtest.h>

using testsupport::TempDrive;

using namespace platform;

TEST(FileIo, WriteSeekTruncateAndReadBack)
{
    TempDrive x(u'X');
    const std::u16string path = x.Path(u"f.bin");
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "hello world", 11, &written, nullptr));
    EXPECT_EQ(written, 11u);
    LARGE_INTEGER to{}, at{};
    to.QuadPart = 5;
    ASSERT_TRUE(SetFilePointerEx(file, to, &at, FILE_BEGIN));
    EXPECT_EQ(at.QuadPart, 5);
    ASSERT_TRUE(SetEndOfFile(file));
    LARGE_INTEGER size{};
    ASSERT_TRUE(GetFileSizeEx(file, &size));
    EXPECT_EQ(size.QuadPart, 5);
    to.QuadPart = -1;
    EXPECT_FALSE(SetFilePointerEx(file, to, nullptr, FILE_BEGIN));
    const FILETIME stamp = U64ToFileTime(133'000'000'000'000'000ull);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
    FILETIME lastWrite{};
    ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &lastWrite));
    EXPECT_EQ(FileTimeToU64(lastWrite), FileTimeToU64(stamp));
    ASSERT_TRUE(FlushFileBuffers(file));
    ASSERT_TRUE(CloseHandle(file));

    file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    const HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    char buffer[16];
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(reader, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), "hello");
    ASSERT_TRUE(ReadFile(reader, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_FALSE(WriteFile(reader, "x", 1, &written, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    CloseHandle(reader);
    CloseHandle(file);

    file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(file);
    EXPECT_EQ(x.ReadText("f.bin"), "");
    EXPECT_EQ(GetFileAttributesW(path.c_str()), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
}
