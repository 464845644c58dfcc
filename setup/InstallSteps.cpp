#include "setup/InstallSteps.h"

#include "backup/base/Filelistwin.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/SysInfo.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/LanguageSetting.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/module_file.h"
#include "platform/registry.h"
#include "setup/InstallFiles.h"
#include "setup/MainWin.h"
#include "setup/ProxyDriverInstall.h"
#include "setup/SetupLanguage.h"
#include "setup/SetupMsgWin.h"

#include <vector>

namespace setup {
namespace {

constexpr int kNoSpaceText = 20048;
constexpr int kFailedText = 20026;
constexpr DWORD kCompletedPauseMs = 500;

void FailWithText(TMainForm& form, int textId)
{
    ShowOkBox(form, kErrorBox, WizardText(form, textId));
    form.Close();
}

std::u16string ApplicationTarget()
{
    return WithTrailingBackslash(InstallFolder(true)) + ProgramFileName();
}

bool SetTextValue(HKEY key, const char16_t* name, const std::u16string& text)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(char16_t))) == ERROR_SUCCESS;
}

std::u16string ModuleFolder()
{
    std::vector<char16_t> buffer(MAX_PATH + 1, u'\0');
    if (GetModuleFileNameW(nullptr, buffer.data(), MAX_PATH) == 0) {
        return {};
    }
    return ParentFolderOf(buffer.data());
}

}  // namespace

void RunInstall(TMainForm& form)
{
    ui::Application->ProcessMessages();
    const std::u16string installFolder = form.SavePath_Edit->Text();
    if (!HasSystemDiskSpace()) {
        FailWithText(form, kNoSpaceText);
        return;
    }
    StepProgress(form, 10);
    RemoveDriverService();
    if (!WriteDriverFile()) {
        FailWithText(form, kFailedText);
        return;
    }
    StepProgress(form, 20);
    // A program file that cannot be replaced (an application still running) must not end as success.
    if (!InstallApplicationFiles(installFolder)) {
        FailWithText(form, kFailedText);
        return;
    }
    StepProgress(form, 30);
    if (!WriteUninstallEntry(form.LangId)) {
        FailWithText(form, kFailedText);
        return;
    }
    SaveLanguageSetting(form.LangId);
    StepProgress(form, 40);
    WriteDriverRegistry();
    StepProgress(form, 50);
    InstallDriverService();
    StartProxyDriver();
    StepProgress(form, 60);
    if (form.DesktopShortcut) {
        CreateDesktopShortcut();
    }
    StepProgress(form, 70);
    if (form.RunAfterBoot) {
        CreateStartupShortcut();
    }
    StepProgress(form, 80);
    CreateStartMenuShortcuts();
    CopyHelpFiles(installFolder);
    StepProgress(form, 90);
    StepProgress(form, 100);
    ui::Application->ProcessMessages();
    Sleep(kCompletedPauseMs);
    form.WizardPage = kCompletedPage;
    form.ShowPage();
}

void StepProgress(TMainForm& form, int percent)
{
    form.Progress_Bar->StepBy(1);
    form.Progress_BK_Bar_Lab->SetWidth(percent * form.Progress_BK_White_Lab->Width() / 100);
    form.Progress_Percent_Lab->SetCaption(DecimalText(percent) + u" %");
    form.Progress_Pan->Refresh();
    form.Progress_BK_Bar_Lab->Repaint();
    ui::Application->ProcessMessages();
}

bool HasEnoughFreeSpace(ULONGLONG freeBytes)
{
    return freeBytes >= kRequiredSystemFreeBytes;
}

bool HasSystemDiskSpace()
{
    const std::u16string root = SystemFolder().substr(0, 3);
    ULARGE_INTEGER totalFree{};
    totalFree.QuadPart = 0;
    GetDiskFreeSpaceExW(root.c_str(), nullptr, nullptr, &totalFree);
    return HasEnoughFreeSpace(totalFree.QuadPart);
}

std::u16string SetupTempFolder(bool create)
{
    const std::u16string folder = WithTrailingBackslash(UserDataFolder(create)) + u"SetupTemp";
    if (create) {
        CreateDirIfMissing(folder);
    }
    return folder;
}

std::u16string StartMenuFolder()
{
    const std::u16string folder = WithTrailingBackslash(CommonProgramsFolder()) + ProductTitle();
    CreateDirIfMissing(folder);
    return folder;
}

bool InstallApplicationFiles(const std::u16string& installFolder)
{
    DeletePathTree(SetupTempFolder(false));
    const std::u16string temp = WithTrailingBackslash(SetupTempFolder(true));
    const std::u16string tempApplication = temp + u"BackupApp.exe";
    const std::u16string tempUninstaller = temp + u"Uninstall.exe";
    if (!WritePayload(kApplicationPayload, tempApplication, true) ||
        !WritePayload(kUninstallerPayload, tempUninstaller, true)) {
        return false;
    }
    CreateDirIfMissing(installFolder);
    const std::u16string folder = WithTrailingBackslash(installFolder);
    const bool copied = CopyFileW(tempApplication.c_str(), (folder + ProgramFileName()).c_str(), FALSE) &&
                        CopyFileW(tempUninstaller.c_str(), (folder + u"Uninstall.exe").c_str(), FALSE);
    if (copied) {
        DeletePathTree(SetupTempFolder(false));
    }
    return copied;
}

bool WriteUninstallEntry(int langId)
{
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_LOCAL_MACHINE, UninstallKeyPath().c_str(), &key) != ERROR_SUCCESS) {
        if (key != nullptr) {
            RegCloseKey(key);
        }
        return false;
    }
    const std::u16string folder = InstallFolder(true);
    const std::u16string withSlash = WithTrailingBackslash(folder);
    const bool written = SetTextValue(key, u"InstallLocation", folder) &&
                         SetTextValue(key, u"DisplayIcon", withSlash + ProgramFileName()) &&
                         SetTextValue(key, u"UninstallString", withSlash + u"Uninstall.exe") &&
                         SetTextValue(key, u"DisplayName", ProductTitle()) &&
                         SetTextValue(key, u"LangVer", DecimalText(langId));
    RegCloseKey(key);
    return written;
}

void CreateDesktopShortcut()
{
    CreateShellLink(ApplicationTarget(), StartupShortcutName(), CommonDesktopFolder());
}

void CreateStartMenuShortcuts()
{
    const std::u16string folder = StartMenuFolder();
    CreateShellLink(ApplicationTarget(), StartupShortcutName(), folder);
    CreateShellLink(WithTrailingBackslash(InstallFolder(true)) + u"Uninstall.exe", u"Uninstall.lnk", folder);
}

void CopyHelpFiles(const std::u16string& installFolder)
{
    CopyFolderTree(ModuleFolder(), installFolder, u"Help Files");
}

}  // namespace setup
