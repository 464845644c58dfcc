#include "backup/base/SettingsPaths.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/CommandLine.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"

namespace {

std::u16string IniFile(const std::u16string& name, bool create)
{
    return WithTrailingBackslash(IniFolder(create)) + name;
}

std::u16string ResultListPath(const std::u16string& folder, const std::u16string& stem, const std::u16string& suffix)
{
    const std::u16string name = suffix.empty() ? stem + u".txt" : stem + u"_" + suffix + u".txt";
    return WithTrailingBackslash(folder) + name;
}

}  // namespace

std::u16string UserDataFolder(bool create)
{
    const std::u16string folder = EnsureProductFolderOn(AppDataFolder(), create, false);
    if (create) {
        CreateDirIfMissing(folder);
    }
    return folder;
}

std::u16string IniFolder(bool create)
{
    const std::u16string folder = WithTrailingBackslash(UserDataFolder(create)) + u"Ini";
    if (create) {
        CreateDirIfMissing(folder);
    }
    return folder;
}

std::u16string LangSetFileName()
{
    return u"LangSet.ini";
}
std::u16string CheckSetFileName()
{
    return u"CheckSet.ini";
}
std::u16string HotkeySetFileName()
{
    return u"HotkeySet.ini";
}
std::u16string SchSetFileName()
{
    return u"SchSet.ini";
}
std::u16string LastBackupFileName()
{
    return u"LastBackup.ini";
}
std::u16string LastBackupTimeFileName()
{
    return u"LastBackupTime.ini";
}

std::u16string LangSetPath(bool create)
{
    return IniFile(LangSetFileName(), create);
}
std::u16string CheckSetPath(bool create)
{
    return IniFile(CheckSetFileName(), create);
}
std::u16string HotkeySetPath(bool create)
{
    return IniFile(HotkeySetFileName(), create);
}
std::u16string SchSetPath(bool create)
{
    return IniFile(SchSetFileName(), create);
}
std::u16string CountDownPath(bool create)
{
    return IniFile(u"CountDown.ini", create);
}
std::u16string DestSetResPath(bool create)
{
    return IniFile(u"DestSetRes.ini", create);
}
std::u16string BacTypeSetPath(bool create)
{
    return IniFile(u"BacTypeSet.ini", create);
}
std::u16string BacDestPath(bool create)
{
    return IniFile(u"BacDest.ini", create);
}
std::u16string LastBackupPath(bool create)
{
    return IniFile(LastBackupFileName(), create);
}
std::u16string LastBackupTimePath(bool create)
{
    return IniFile(LastBackupTimeFileName(), create);
}
// Per instance: an instance started for one drive must not clean up after the plain one.
std::u16string BacAbnorPath(bool create)
{
    const std::u16string& argument = CommandLineArgument();
    return IniFile(argument.empty() ? u"BacAbnor.ini" : u"BacAbnor_" + argument.substr(0, 1) + u".ini", create);
}
std::u16string CheckedRecordPath(bool create)
{
    return IniFile(u"CheckedRecord.ini", create);
}
std::u16string TreeExpansionPath(bool create)
{
    return IniFile(u"TreeExp_BM.ini", create);
}

std::u16string CompleteListPath(const std::u16string& folder, const std::u16string& suffix)
{
    return ResultListPath(folder, u"FilesList_Complete", suffix);
}

std::u16string FailedListPath(const std::u16string& folder, const std::u16string& suffix)
{
    return ResultListPath(folder, u"FilesList_Failed", suffix);
}
