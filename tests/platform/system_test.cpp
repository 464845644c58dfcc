#include "machine_fixture.h"
#include "platform/devices.h"
#include "platform/error_text.h"
#include "platform/errors.h"
#include "platform/ipc.h"
#include "platform/security.h"
#include "platform/services.h"
#include "platform/system.h"
#include "platform/version_info.h"

#include <string>

using SystemInformation = MachineFixture;

TEST_F(SystemInformation, VersionRecordOfAWindows7Workstation)
{
    StartMachine("windows = 6.1.7601\nplatform = 2\nproduct = 1\nservicepack = Service Pack 1\nedition = 1\n"
                 "suite = 0x100\narch = x64\n");
    OSVERSIONINFOEXW info;
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(&info));
    EXPECT_EQ(sizeof info, 284u);
    EXPECT_EQ(info.dwMajorVersion, 6u);
    EXPECT_EQ(info.dwMinorVersion, 1u);
    EXPECT_EQ(info.dwBuildNumber, 7601u);
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(std::u16string(info.szCSDVersion), u"Service Pack 1");
    EXPECT_EQ(info.wServicePackMajor, 1);
    EXPECT_EQ(info.wProductType, VER_NT_WORKSTATION);
    EXPECT_EQ(info.wSuiteMask, VER_SUITE_SINGLEUSERTS);

    OSVERSIONINFOA ansi;
    ansi.dwOSVersionInfoSize = sizeof ansi;
    ASSERT_TRUE(GetVersionExA(&ansi));
    EXPECT_EQ(sizeof ansi, 148u);
    EXPECT_STREQ(ansi.szCSDVersion, "Service Pack 1");
    ansi.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionExA(&ansi));

    DWORD edition = 0;
    EXPECT_TRUE(GetProductInfo(6, 1, 0, 0, &edition));
    EXPECT_EQ(edition, 1u);

    SYSTEM_INFO native, own;
    GetNativeSystemInfo(&native);
    GetSystemInfo(&own);
    EXPECT_EQ(native.wProcessorArchitecture, platform::PROCESSOR_ARCHITECTURE_AMD64);
    EXPECT_EQ(own.wProcessorArchitecture, platform::PROCESSOR_ARCHITECTURE_INTEL);
    BOOL wow64 = FALSE;
    EXPECT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_TRUE(wow64);

    StartMachine("arch = x86\n");
    GetNativeSystemInfo(&native);
    EXPECT_EQ(native.wProcessorArchitecture, platform::PROCESSOR_ARCHITECTURE_INTEL);
    EXPECT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_FALSE(wow64);
}

TEST_F(SystemInformation, NamesAndTheirBufferSizes)
{
    StartMachine();
    char16_t name[16] = {};
    DWORD size = 3;
    EXPECT_FALSE(GetComputerNameW(name, &size));
    EXPECT_EQ(GetLastError(), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(size, 7u);
    size = 16;
    ASSERT_TRUE(GetComputerNameW(name, &size));
    EXPECT_EQ(std::u16string(name), u"HOMEPC");
    EXPECT_EQ(size, 6u);

    size = 2;
    EXPECT_FALSE(GetUserNameW(name, &size));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(size, 6u);
    ASSERT_TRUE(GetUserNameW(name, &size));
    EXPECT_EQ(std::u16string(name), u"Alice");
    EXPECT_EQ(size, 6u);  // counts the zero
}

TEST(ErrorText, SystemTextsEndInALineBreak)
{
    const std::pair<DWORD, std::u16string> cases[] = {
        {2, u"The system cannot find the file specified.\r\n"},
        {5, u"Access is denied.\r\n"},
        {32, u"The process cannot access the file because it is being used by another process.\r\n"},
        {112, u"There is not enough space on the disk.\r\n"},
        {1235, u"The request was aborted.\r\n"},
    };
    for (const auto& [number, text] : cases) {
        char16_t* block = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM,
                           nullptr, number, 0x400, reinterpret_cast<LPWSTR>(&block), 0, nullptr);
        ASSERT_NE(block, nullptr) << number;
        EXPECT_EQ(std::u16string(block), text) << number;
        EXPECT_EQ(length, text.size()) << number;
        LocalFree(block);
    }
}

namespace {

bool HasSystemText(DWORD number)
{
    char16_t text[512];
    return FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, number, 0, text, 512,
                          nullptr) > 0;
}

}  // namespace

TEST(ErrorText, EveryNumberThePlatformGivesHasAText)
{
    for (int error = 0; error < 4096; ++error) {
        const DWORD number = WindowsErrorFromErrno(error);
        EXPECT_TRUE(HasSystemText(number)) << "errno " << error << " gives " << number;
        EXPECT_TRUE(HasSystemText(platform::ErrorForPath(error, "/no/such/folder/file"))) << "errno " << error;
    }
    // Numbers the layer sets without an errno behind them.
    const DWORD direct[] = {ERROR_NEGATIVE_SEEK,
                            ERROR_TOO_MANY_LINKS,
                            ERROR_BUSY,
                            ERROR_INVALID_FLAGS,
                            ERROR_INVALID_USER_BUFFER,
                            ERROR_INVALID_WINDOW_HANDLE,
                            ERROR_NONE_MAPPED,
                            ERROR_INVALID_SERVICE_CONTROL,
                            ERROR_SERVICE_ALREADY_RUNNING,
                            ERROR_SERVICE_DOES_NOT_EXIST,
                            ERROR_SERVICE_EXISTS,
                            ERROR_SERVICE_MARKED_FOR_DELETE,
                            ERROR_SERVICE_NOT_ACTIVE,
                            ERROR_RESOURCE_TYPE_NOT_FOUND,
                            ERROR_MR_MID_NOT_FOUND,
                            ERROR_INSUFFICIENT_BUFFER,
                            ERROR_MORE_DATA,
                            ERROR_NO_MORE_ITEMS,
                            ERROR_NO_MORE_FILES,
                            ERROR_ALREADY_EXISTS,
                            ERROR_BAD_PATHNAME,
                            ERROR_DIRECTORY,
                            ERROR_NOT_A_REPARSE_POINT,
                            ERROR_CANT_ACCESS_FILE,
                            ERROR_REQUEST_ABORTED,
                            ERROR_NO_SYSTEM_RESOURCES,
                            ERROR_DEVICE_NOT_CONNECTED,
                            ERROR_DEVICE_REMOVED,
                            ERROR_INVALID_DRIVE,
                            ERROR_WRITE_PROTECT,
                            ERROR_CRC,
                            ERROR_READ_FAULT,
                            ERROR_WRITE_FAULT,
                            ERROR_HANDLE_EOF,
                            ERROR_HANDLE_DISK_FULL,
                            ERROR_CANNOT_MAKE,
                            ERROR_OPEN_FAILED,
                            ERROR_BUFFER_OVERFLOW,
                            ERROR_BAD_FORMAT,
                            ERROR_INVALID_DATA,
                            ERROR_OUTOFMEMORY,
                            ERROR_INVALID_FUNCTION};
    for (const DWORD number : direct) {
        EXPECT_TRUE(HasSystemText(number)) << number;
    }
}

TEST(ErrorText, UnknownNumbersAndShortBuffersFail)
{
    char16_t text[8];
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 9999, 0, text, 8, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_MR_MID_NOT_FOUND);
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 5, 0, text, 8, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST(ErrorText, RemoteAccessRange)
{
    char16_t text[512];
    EXPECT_EQ(RasGetErrorStringW(600, text, 512), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(text), u"An operation is pending.");
    EXPECT_EQ(RasGetErrorStringW(799, text, 512), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(text), u"A remote access error occurred (error 799).");
    EXPECT_EQ(RasGetErrorStringW(599, text, 512), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RasGetErrorStringW(802, text, 512), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RasGetErrorStringW(600, text, 4), ERROR_INSUFFICIENT_BUFFER);
}
