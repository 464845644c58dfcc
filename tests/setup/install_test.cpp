// The installation steps on a simulated machine: files, registry, driver service, shortcuts,
// language setting, and the failures that end the program with a message.

#include "setup_fixture.h"

#include "lists/string_list.h"
#include "platform/files.h"
#include "platform/module_file.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "setup/InstallSteps.h"
#include "setup/ProxyDriverInstall.h"

#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace setuptest {
namespace {

using ui::testing::Click;

const std::u16string kInstallFolder = u"C:\\Program Files (x86)\\Harbex Solo+";
const std::u16string kApplication = kInstallFolder + u"\\Harbex_Solo+.exe";
const std::string kHostInstall = "c/Program Files (x86)/Harbex Solo+";

// The stored value as it is, with its terminating zero when it has one.
std::u16string RegistryValue(const std::u16string& key, const std::u16string& value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return u"<no key>";
    }
    std::u16string text(256, u'\0');
    DWORD size = static_cast<DWORD>(text.size() * 2);
    DWORD type = 0;
    const LONG result =
        RegQueryValueExW(handle, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) {
        return u"<no value>";
    }
    text.resize(size / 2);
    return text;
}

std::u16string RegistryText(const std::u16string& key, const std::u16string& value)
{
    std::u16string text = RegistryValue(key, value);
    if (!text.empty() && text.back() == u'\0') {
        text.pop_back();
    }
    return text;
}

// The folder the started program reports through the fifo "started" it finds there; empty when
// nothing was started within ten seconds.
std::string FolderOfStartedProgram(const std::string& fifo)
{
    const int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    pollfd wait{fd, POLLIN, 0};
    std::string text;
    char buffer[512];
    ssize_t n = 0;
    while (poll(&wait, 1, 10000) > 0 && (n = read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.back() == '\n') {
            break;
        }
    }
    close(fd);
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::u16string LinkTarget(const std::u16string& path)
{
    platform::ShellLink link;
    return platform::LoadShellLink(path.c_str(), link) ? link.target : u"<no link>";
}

class InstallTest : public SetupMachine {
protected:
    // Ticks the licence and presses Next; the installation runs to its end inside the click.
    void Install()
    {
        Click(*Wizard().Lic_Check_Img);
        Click(*Wizard().NextBtn_Lab);
    }
};

TEST_F(InstallTest, InstallsFilesEntryDriverShortcutsAndLanguage)
{
    MakeMachine({.langId = 1041});
    OpenWizard();
    ShowWizard();
    Install();

    EXPECT_EQ(Wizard().WizardPage, setup::kCompletedPage);
    EXPECT_EQ(Wizard().Progress_Bar->Position(), 10);
    EXPECT_EQ(Wizard().Progress_Percent_Lab->Caption(), u"100 %");
    EXPECT_TRUE(Wizard().QuitBtn_Lab->Visible());
    EXPECT_FALSE(Wizard().BackBtn_Lab->Visible());

    EXPECT_TRUE(std::filesystem::is_regular_file(Host(kHostInstall + "/Harbex_Solo+.exe")));
    EXPECT_TRUE(std::filesystem::is_regular_file(Host(kHostInstall + "/Uninstall.exe")));
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/SetupTemp")));
    EXPECT_TRUE(std::filesystem::is_regular_file(Host("c/Windows/SysWOW64/drivers/VEMOURPX.SYS")));
    EXPECT_TRUE(std::filesystem::is_directory(Host(kHostInstall + "/Help Files")));

    const std::u16string uninstall = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Harbex Solo+";
    EXPECT_EQ(RegistryText(uninstall, u"InstallLocation"), kInstallFolder);
    EXPECT_EQ(RegistryText(uninstall, u"DisplayIcon"), kApplication);
    EXPECT_EQ(RegistryText(uninstall, u"UninstallString"), kInstallFolder + u"\\Uninstall.exe");
    EXPECT_EQ(RegistryText(uninstall, u"DisplayName"), u"Harbex Solo+");
    EXPECT_EQ(RegistryText(uninstall, u"LangVer"), u"1041");
    // Text values are stored with their terminating zero: "yyyy/mm/dd hh:mm:ss" and one zero.
    EXPECT_EQ(RegistryValue(u"SOFTWARE\\VEMO\\VEMOURPX\\Used", u"Harbex Solo +").size(), 20u);
    for (const char16_t* name : {u"InstallLocation", u"DisplayIcon", u"UninstallString", u"DisplayName", u"LangVer"}) {
        const std::u16string stored = RegistryValue(uninstall, name);
        EXPECT_TRUE(!stored.empty() && stored.back() == u'\0') << platform::ToUtf8(name);
    }

    const auto service = platform::FindService(u"VEMOURPX");
    ASSERT_TRUE(service.has_value());
    EXPECT_EQ(service->state, SERVICE_RUNNING);
    EXPECT_EQ(service->startType, SERVICE_SYSTEM_START);
    EXPECT_EQ(service->binaryPath, u"C:\\Windows\\SysWOW64\\drivers\\VEMOURPX.SYS");

    EXPECT_EQ(LinkTarget(u"C:\\Users\\Public\\Desktop\\Harbex Solo+.lnk"), kApplication);
    EXPECT_EQ(LinkTarget(u"C:\\ProgramData\\Start Menu\\Programs\\Startup\\Harbex Solo+.lnk"), kApplication);
    EXPECT_EQ(LinkTarget(u"C:\\ProgramData\\Start Menu\\Programs\\Harbex Solo+\\Harbex Solo+.lnk"), kApplication);
    EXPECT_EQ(LinkTarget(u"C:\\ProgramData\\Start Menu\\Programs\\Harbex Solo+\\Uninstall.lnk"),
              kInstallFolder + u"\\Uninstall.exe");

    lists::TStringList langSet;
    ASSERT_TRUE(langSet.LoadFromFile(u"C:\\Users\\Alice\\AppData\\Roaming\\Harbex_Solo+\\Ini\\LangSet.ini"));
    EXPECT_EQ(langSet.Strings(0), u"1041");
    EXPECT_TRUE(ui::testing::RenderToPng(Wizard(), ::testing::TempDir() + "setup_wizard_completed.png"));

    // The installed program is a program of this machine: it runs, in its folder, on this machine.
    const std::string installed = Host(kHostInstall + "/Harbex_Solo+.exe");
    EXPECT_EQ(access(installed.c_str(), X_OK), 0);
    const std::string fifo = Host(kHostInstall + "/started");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Click(*Wizard().QuitBtn_Lab);
    EXPECT_FALSE(Wizard().Visible());
    EXPECT_EQ(FolderOfStartedProgram(fifo), std::filesystem::canonical(Host(kHostInstall)).string());
    std::ifstream log(Host("shell.log"));
    const std::string requests((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(requests.find("Harbex_Solo+.exe"), std::string::npos) << requests;
}

TEST_F(InstallTest, UntickedOptionsLeaveOutDesktopAndStartupShortcutsAndRerunReplaces)
{
    MakeMachine();
    OpenWizard();
    ShowWizard();
    Wizard().Shortcut_Check_ImgClick(nullptr);
    Wizard().RunAfterBoot_Check_ImgClick(nullptr);
    Install();
    ASSERT_EQ(Wizard().WizardPage, setup::kCompletedPage);
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Public/Desktop/Harbex Solo+.lnk")));
    EXPECT_FALSE(std::filesystem::exists(Host("c/ProgramData/Start Menu/Programs/Startup/Harbex Solo+.lnk")));
    EXPECT_TRUE(std::filesystem::exists(Host("c/ProgramData/Start Menu/Programs/Harbex Solo+/Harbex Solo+.lnk")));

    // A second run over the running driver stops it, deletes it and installs it again.
    CloseWizard();
    OpenWizard();
    AnswerBox(true);
    ShowWizard();
    ASSERT_EQ(boxTexts_.size(), 1u) << "the installed application is found";
    Install();
    EXPECT_EQ(Wizard().WizardPage, setup::kCompletedPage);
    EXPECT_EQ(platform::FindService(u"VEMOURPX")->state, SERVICE_RUNNING);
}

TEST_F(InstallTest, ProgramFileThatCannotBeReplacedFailsTheInstallation)
{
    MakeMachine();
    WriteHostFile(kHostInstall + "/Harbex_Solo+.exe", "old");
    std::filesystem::permissions(Host(kHostInstall + "/Harbex_Solo+.exe"), std::filesystem::perms::owner_read);
    OpenWizard();
    AnswerBox(true);
    ShowWizard();
    AnswerBox(false);
    Install();
    ASSERT_EQ(boxTexts_.size(), 2u);
    EXPECT_EQ(boxTexts_[1], u"Installation failed !");
    EXPECT_FALSE(Wizard().Visible());
    EXPECT_NE(Wizard().WizardPage, setup::kCompletedPage);
    EXPECT_EQ(RegistryText(u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Harbex Solo+", u"DisplayName"),
              u"<no key>");
}

TEST_F(InstallTest, UserWithoutAdministratorRightsGetsTheFailureMessage)
{
    MakeMachine({.admin = false});
    OpenWizard();
    ShowWizard();
    AnswerBox(false);
    Install();
    ASSERT_EQ(boxTexts_.size(), 1u);
    EXPECT_EQ(boxTexts_[0], u"Installation failed !");
    EXPECT_FALSE(Wizard().Visible());
    EXPECT_FALSE(platform::FindService(u"VEMOURPX").has_value());
}

TEST_F(InstallTest, HelpFilesBesideTheSetupProgramAreCopiedWithoutSystemFolders)
{
    MakeMachine();
    WriteHostFile("c/Setup/Help Files/BackupHelp_ENG.chm", "help");
    WriteHostFile("c/Setup/Help Files/Images/a.png", "png");
    WriteHostFile("c/Setup/Help Files/Hidden/b.txt", "b");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\Setup\\Help Files\\Hidden", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
    platform::SetModuleFilePath(u"C:\\Setup\\Install.exe");
    setup::CopyHelpFiles(kInstallFolder);
    platform::SetModuleFilePath({});
    EXPECT_TRUE(std::filesystem::is_regular_file(Host(kHostInstall + "/Help Files/BackupHelp_ENG.chm")));
    EXPECT_TRUE(std::filesystem::is_regular_file(Host(kHostInstall + "/Help Files/Images/a.png")));
    EXPECT_FALSE(std::filesystem::exists(Host(kHostInstall + "/Help Files/Hidden")));
}

TEST_F(InstallTest, FreeSpaceThresholdIsThirtyMebibytes)
{
    EXPECT_TRUE(setup::HasEnoughFreeSpace(31457280));
    EXPECT_FALSE(setup::HasEnoughFreeSpace(31457279));
}

TEST_F(InstallTest, RemovingTheDriverServiceStopsItBeforeDeletingIt)
{
    MakeMachine();
    EXPECT_EQ(setup::RemoveDriverService(), 0u) << "no earlier service";
    ASSERT_TRUE(setup::WriteDriverFile());
    setup::InstallDriverService();
    ASSERT_EQ(setup::StartProxyDriver(), 0u);
    EXPECT_EQ(setup::RemoveDriverService(), 0u);
    EXPECT_FALSE(platform::FindService(u"VEMOURPX").has_value()) << "stopped first, so not left marked for deletion";
}

}  // namespace
}  // namespace setuptest
