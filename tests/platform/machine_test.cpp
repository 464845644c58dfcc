#include "machine_fixture.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/machine_setup.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "tests/support/file_tree.h"

#include <cstdlib>
#include <sys/stat.h>

using namespace platform;

using MachineProfile = MachineFixture;

TEST_F(MachineProfile, KeepsSectionsEntriesAndTheirLines)
{
    std::filesystem::create_directories(folder_ + "/usb");
    const std::string text = "# a machine\n[machine]\ncomputer = HOMEPC   # the name\nuser = Alice\n"
                             "windows = 6.1.7601\narch = x86\nlangid = 2052\nadmin = no\n\n"
                             "[drive C]\nhost = c\nserial = 1A2B3C4D\nlabel = System\n"
                             "[drive e]\nhost = usb\ntype = fixed\nbus = usb\n"
                             "[usbdisk E]\nchip = register\n"
                             "[folders]\ndocuments = C:\\Users\\Alice\\Documents\\\n";
    std::string error;
    ASSERT_TRUE(InitMachineFromText(folder_, text, error)) << error;

    const Profile* profile = CurrentProfile();
    ASSERT_NE(profile, nullptr);
    ASSERT_EQ(profile->sections.size(), 5u);
    EXPECT_EQ(*profile->sections[0].Find("computer"), "HOMEPC");
    EXPECT_EQ(profile->sections[0].entries[0].line, 3);
    EXPECT_EQ(profile->sections[3].name, "usbdisk");
    EXPECT_EQ(profile->sections[3].argument, "E");
    EXPECT_EQ(*profile->sections[3].Find("chip"), "register");
    EXPECT_EQ(profile->sections[3].Find("button"), nullptr);
    EXPECT_EQ(MachineFolder(), folder_);

    const auto c = FindDrive(u'C');
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->hostFolder, folder_ + "/c");
    EXPECT_EQ(c->serial, 0x1A2B3C4Du);
    EXPECT_EQ(c->label, u"System");
    const auto e = FindDrive(u'E');
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->bus, DriveBus::Usb);
    EXPECT_EQ(e->type, DRIVE_FIXED);

    EXPECT_EQ(CurrentSystemRecord().computerName, u"HOMEPC");
    EXPECT_EQ(CurrentSystemRecord().architecture, PROCESSOR_ARCHITECTURE_INTEL);
    EXPECT_FALSE(CurrentSystemRecord().administrator);
    EXPECT_EQ(GetUserDefaultLangID(), 2052);
    EXPECT_EQ(SpecialFolderPath(CSIDL_PERSONAL), u"C:\\Users\\Alice\\Documents");
    EXPECT_EQ(SpecialFolderPath(CSIDL_MYMUSIC), u"");
}

TEST_F(MachineProfile, ReportsABrokenLineWithFileAndLine)
{
    struct Case {
        const char* name;
        std::string text;
        int line;
        const char* words;
    };
    const Case cases[] = {
        {"no equals", "[machine]\ncomputer = A\nthis is not an entry\n", 3, "key = value"},
        {"entry before a section", "# c\ncomputer = A\n", 2, "before any [section]"},
        {"unknown key", "[machine]\n\ncolour = blue\n", 3, "unknown key \"colour\""},
        {"bad version", "[machine]\nwindows = 6.1\n", 2, "bad value"},
        {"bad arch", "[machine]\narch = arm\n", 2, "bad value"},
        {"bad admin", "[machine]\nadmin = maybe\n", 2, "bad value"},
        {"duplicate key", "[machine]\nuser = A\nuser = B\n", 3, "already appears on line 2"},
        {"unclosed header", "[machine\n", 1, "must end with ']'"},
        {"drive without letter", "[drive]\nhost = c\n", 1, "one drive letter"},
        {"missing host", "[drive D]\nhost = nowhere\n", 2, "does not exist"},
        {"bad drive type", "[drive C]\nhost = c\ntype = floppy\n", 3, "bad value"},
        {"bad serial", "[drive C]\nhost = c\nserial = XYZ\n", 3, "bad value"},
        {"duplicate drive", "[drive C]\nhost = c\n[drive c]\nhost = c\n", 3, "declared twice"},
        {"unknown folder", "[drive C]\nhost = c\n[folders]\nattic = C:\\Attic\n", 4, "unknown special folder"},
        {"folder on no drive", "[drive C]\nhost = c\n[folders]\ndesktop = Q:\\Desk\n", 4, "does not declare"},
        {"folder not a Windows path", "[drive C]\nhost = c\n[folders]\ndesktop = /home/a\n", 4, "Windows path"},
    };
    const std::string path = folder_ + "/broken.ini";
    for (const Case& c : cases) {
        testsupport::WriteText(path, c.text);
        Profile profile;
        std::string error;
        EXPECT_FALSE(LoadProfile(path, profile, error)) << c.name;
        const std::string prefix = path + ":" + std::to_string(c.line) + ": ";
        EXPECT_EQ(error.substr(0, prefix.size()), prefix) << c.name << ": " << error;
        EXPECT_NE(error.find(c.words), std::string::npos) << c.name << ": " << error;
    }
}

TEST_F(MachineProfile, AMissingProfileNamesTheFile)
{
    const std::string path = folder_ + "/absent.ini";
    const ScopedEnv machine("HARBEX_MACHINE", path.c_str());
    std::string error;
    EXPECT_FALSE(InitMachine(error));
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
}

// Each of these would have the program wait for ever or fill its memory; each is refused before a
// byte is read, naming the file.
TEST_F(MachineProfile, AProfileThatIsNoRegularFileOfSaneSizeIsRefusedAtOnce)
{
    const std::string fifo = folder_ + "/fifo.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = folder_ + "/folder.ini";
    std::filesystem::create_directories(folder);
    const std::string huge = folder_ + "/huge.ini";
    testsupport::WriteText(huge, "[machine]\n");
    std::filesystem::resize_file(huge, 2u << 20);
    struct Case {
        std::string path;
        const char* words;
    } const cases[] = {
        {"/dev/zero", "is not a regular file"},
        {fifo, "is not a regular file"},
        {folder, "is not a regular file"},
        {huge, "is larger than 1 MiB"},
    };
    for (const Case& c : cases) {
        const ScopedEnv machine("HARBEX_MACHINE", c.path.c_str());
        std::string error;
        EXPECT_FALSE(InitMachine(error)) << c.path;
        EXPECT_EQ(error, c.path + ": the machine profile " + c.words) << c.path;
    }
}

TEST(RealMachine, LanguageOfTheLocale)
{
    const std::pair<const char*, LANGID> cases[] = {
        {"en_US.UTF-8", 1033},
        {"zh_CN.UTF-8", 2052},
        {"zh_TW.UTF-8", 1028},
        {"ja_JP.UTF-8", 1041},
        {"ar_EG.UTF-8", 1025},
        {"de_DE.UTF-8", 1033},
        {"", 1033},
    };
    for (const auto& [locale, langId] : cases) {
        EXPECT_EQ(LangIdOfLocale(locale), langId) << locale;
    }
}

TEST_F(MachineProfile, RealMachineHasHomeAsDriveCAndTheXdgFolders)
{
    testsupport::WriteText(folder_ + "/.config/user-dirs.dirs",
                           "# xdg\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\nXDG_MUSIC_DIR=\"/elsewhere/Music\"\n");
    MachineSetup setup;
    {
        const ScopedEnv home("HOME", folder_.c_str());
        const ScopedEnv dataHome("XDG_DATA_HOME", nullptr);
        setup = RealMachineSetup();
    }

    ASSERT_EQ(setup.drives.size(), 1u);
    EXPECT_EQ(setup.drives[0].hostFolder, folder_);
    EXPECT_EQ(setup.machineFolder, folder_ + "/.local/share/harbex-machine");
    EXPECT_EQ(setup.system.buildNumber, 7601u);
    const auto folder = [&setup](int csidl) {
        for (const auto& [id, path] : setup.folders) {
            if (id == csidl) {
                return path;
            }
        }
        return std::u16string{};
    };
    EXPECT_EQ(folder(CSIDL_DESKTOPDIRECTORY), u"C:\\Bureau");
    EXPECT_EQ(folder(CSIDL_PERSONAL), u"C:\\Documents");
    EXPECT_EQ(folder(CSIDL_MYMUSIC), u"");  // outside the home folder: no such folder
    EXPECT_EQ(folder(CSIDL_PROFILE), u"C:\\");
    EXPECT_EQ(folder(CSIDL_PROGRAM_FILESX86), u"C:\\.local\\share\\harbex-machine\\Program Files (x86)");
}
