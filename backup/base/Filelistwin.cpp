#include "backup/base/Filelistwin.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace {

std::u16string StartupFolder()
{
    return WithTrailingBackslash(CommonStartupFolder());
}

}  // namespace

std::u16string StartupShortcutName()
{
    return u"Harbex Solo+.lnk";
}

void CreateShellLink(const std::u16string& target, const std::u16string& linkName, const std::u16string& folder)
{
    platform::ShellLink link;
    link.target = target;
    const std::u16string path = WithTrailingBackslash(folder) + linkName;
    platform::SaveShellLink(path.c_str(), link);
}

void CreateStartupShortcut()
{
    CreateShellLink(WithTrailingBackslash(InstallFolder(true)) + ProgramFileName(), StartupShortcutName(),
                    StartupFolder());
}

void DeleteStartupShortcut()
{
    DeleteFileW((StartupFolder() + StartupShortcutName()).c_str());
}

bool StartupShortcutExists()
{
    return PathExists(StartupFolder() + StartupShortcutName());
}
