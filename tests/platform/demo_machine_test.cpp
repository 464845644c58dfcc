#include "machine_fixture.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "tools/demo_machine.h"

using namespace platform;

using DemoMachine = MachineFixture;

TEST_F(DemoMachine, GeneratedProfileLoadsAndNamesFoldersThatExist)
{
    const std::string machine = folder_ + "/demo";
    std::string error;
    ASSERT_TRUE(demo::MakeDemoMachine(machine, error)) << error;
    EXPECT_FALSE(demo::MakeDemoMachine(machine, error));  // never over an existing machine

    const ScopedEnv profile("HARBEX_MACHINE", (machine + "/machine.ini").c_str());
    ASSERT_TRUE(InitMachine(error)) << error;
    ASSERT_NE(CurrentProfile(), nullptr);
    EXPECT_EQ(CurrentSystemRecord().userName, u"Alice");

    const auto e = FindDrive(u'E');
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->bus, DriveBus::Usb);
    EXPECT_EQ(e->type, DRIVE_FIXED);
    EXPECT_TRUE(std::filesystem::is_empty(e->hostFolder));

    const int folders[] = {
        CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL,       CSIDL_MYPICTURES,      CSIDL_MYMUSIC,
        CSIDL_MYVIDEO,          CSIDL_FAVORITES,      CSIDL_LOCAL_APPDATA,   CSIDL_APPDATA,
        CSIDL_WINDOWS,          CSIDL_SYSTEM,         CSIDL_PROGRAM_FILES,   CSIDL_PROGRAM_FILESX86,
        CSIDL_COMMON_APPDATA,   CSIDL_COMMON_STARTUP, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_DESKTOPDIRECTORY,
        CSIDL_PROFILE};
    for (const int csidl : folders) {
        char16_t path[MAX_PATH] = {};
        ASSERT_EQ(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path), S_OK) << csidl;
        EXPECT_NE(GetFileAttributesW(path) & FILE_ATTRIBUTE_DIRECTORY, 0u) << csidl;
    }

    struct Sample {
        const char16_t* path;
        DWORD attribute;
    };
    const Sample samples[] = {
        {u"C:\\Users\\Alice\\Documents\\Private notes.txt", FILE_ATTRIBUTE_HIDDEN},
        {u"C:\\Users\\Alice\\Documents\\Contract.pdf", FILE_ATTRIBUTE_READONLY},
        {u"C:\\Users\\Alice\\AppData\\Local\\Microsoft\\Outlook\\Outlook.pst", 0},
        {u"C:\\Users\\Alice\\Favorites\\Links\\Maps.url", 0},
    };
    for (const Sample& s : samples) {
        const DWORD attributes = GetFileAttributesW(s.path);
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(attributes & s.attribute, s.attribute);
    }
}
