// The installation steps on a simulated machine: files, registry, driver service, shortcuts,
// language setting, and the failures that end the program with a message.

#include "setup_fixture.h"

#include "platform/files.h"
#include "platform/module_file.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "setup/InstallSteps.h"
#include "setup/ProxyDriverInstall.h"
#include "ui/controls/string_list.h"

namespace setuptest {
namespace {

using ui::testing::Click;

const std::u16string kInstallFolder = u"C:\\Program Files (x86)\\Harbex Solo+";
const std::u16string kApplication = kInstallFolder + u"\\Harbex_Solo+.exe";
const std::string kHostInstall = "c/Program Files (x86)/Harbex Solo+";

std::u16string RegistryText(const std::u16string& key, const std::u16string& value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return u"<no key>";
    }
    std::u16string text(256, u'\0');
    DWORD size = static_cast<DWORD>(text.size() * 2);
    DWORD type = 0;
    const LONG result = RegQueryValueExW(handle, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) {
        return u"<no value>";
    }
    text.resize(size / 2);
    return text;
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
    EXPECT_EQ(RegistryText(u"SOFTWARE\\VEMO\\VEMOURPX\\Used", u"Harbex Solo +").size(), 19u);

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

    ui::TStringList langSet;
    ASSERT_TRUE(langSet.LoadFromFile(u"C:\\Users\\Alice\\AppData\\Roaming\\Harbex_Solo+\\Ini\\LangSet.ini"));
    EXPECT_EQ(langSet.Strings(0), u"1041");
    EXPECT_TRUE(ui::testing::RenderToPng(Wizard(), ::testing::TempDir() + "setup_wizard_completed.png"));

    Click(*Wizard().QuitBtn_Lab);
    EXPECT_FALSE(Wizard().Visible());
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
