#include "machine_fixture.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "tests/support/file_tree.h"

#include <fstream>
#include <sstream>

using namespace platform;

using Shell = MachineFixture;

TEST_F(Shell, SpecialFoldersComeFromTheMachine)
{
    StartMachine();
    char16_t path[MAX_PATH] = {};
    EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path), S_OK);
    EXPECT_EQ(std::u16string(path), u"C:\\Users\\Alice\\Desktop");
    EXPECT_FALSE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_MYVIDEO, FALSE));
    EXPECT_EQ(std::u16string(path), u"");

    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_STARTUP, TRUE));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ + "/c/ProgramData/Startup"));

    LPITEMIDLIST list = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &list), S_OK);
    ASSERT_TRUE(SHGetPathFromIDListW(list, path));
    EXPECT_EQ(std::u16string(path), u"C:\\Users\\Alice\\Desktop");
    CoTaskMemFree(list);

    EXPECT_EQ(GetWindowsDirectoryW(path, MAX_PATH), 10u);
    EXPECT_EQ(std::u16string(path), u"C:\\Windows");
    EXPECT_EQ(GetSystemDirectoryW(path, 5), 20u);  // too short: the size needed
}

TEST_F(Shell, LinkRoundTrip)
{
    StartMachine();
    const ShellLink link{u"C:\\Program Files (x86)\\Harbex Solo+\\Harbex_Solo+.exe", u"E:\\ \"two words\"",
                         u"C:\\Program Files (x86)\\Harbex Solo+", u"C:\\icon.ico", 2};
    ASSERT_TRUE(SaveShellLink(u"C:\\Harbex Solo+.lnk", link));
    ASSERT_TRUE(SaveShellLink(u"C:\\Harbex Solo+.lnk", link));  // replaced, not refused
    ShellLink read;
    ASSERT_TRUE(LoadShellLink(u"C:\\harbex solo+.LNK", read));
    EXPECT_EQ(read.target, link.target);
    EXPECT_EQ(read.arguments, link.arguments);
    EXPECT_EQ(read.workingFolder, link.workingFolder);
    EXPECT_EQ(read.iconPath, link.iconPath);
    EXPECT_EQ(read.iconIndex, 2);

    testsupport::WriteText(folder_ + "/c/other.lnk", "not a link");
    EXPECT_FALSE(LoadShellLink(u"C:\\other.lnk", read));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
    EXPECT_FALSE(SaveShellLink(u"C:\\No Folder\\x.lnk", link));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(Shell, ExecuteOnTheSimulatedMachineIsRecorded)
{
    const int show = 5;
    StartMachine();
    testsupport::WriteText(folder_ + "/c/Setup.exe", "x");
    const auto result =
        reinterpret_cast<std::intptr_t>(ShellExecuteW(nullptr, u"open", u"C:\\Setup.exe", u"/quiet", u"C:\\", show));
    EXPECT_GT(result, 32);
    EXPECT_EQ(
        reinterpret_cast<std::intptr_t>(ShellExecuteW(nullptr, u"open", u"C:\\Nothing.exe", nullptr, nullptr, show)),
        SE_ERR_FNF);
    std::ifstream log(folder_ + "/shell.log");
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_EQ(text.str(), "open\tC:\\Setup.exe\t/quiet\tC:\\\t5\n"
                          "open\tC:\\Nothing.exe\t\t\t5\n")
        << "a request for a missing file is noted too";
}
