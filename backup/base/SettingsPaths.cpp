#include "backup/base/SettingsPaths.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/CommandLine.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "platform/files.h"
#include "platform/ownership.h"

namespace {

// There, and not the user's own: another account's file or folder, or a link.
bool BelongsToOther(const std::u16string& path)
{
    return !IsOwnItem(path.c_str()) && GetLastError() == ERROR_ACCESS_DENIED;
}

std::u16string OwnFolder(const std::u16string& folder, bool create)
{
    if (create) {
        MakeOwnFolder(folder.c_str());
    }
    return BelongsToOther(folder) ? std::u16string() : folder;
}

// Another account's file in the user's own folder is taken for no file: a reader gets no path, a
// writer gets the path once that file is gone.
std::u16string IniFile(const std::u16string& name, bool create)
{
    const std::u16string folder = IniFolder(create);
    if (folder.empty()) {
        return folder;
    }
    const std::u16string path = WithTrailingBackslash(folder) + name;
    return BelongsToOther(path) && !(create && DeleteFileW(path.c_str())) ? std::u16string() : path;
}

std::u16string ResultListPath(const std::u16string& folder, const std::u16string& stem, const std::u16string& suffix)
{
    const std::u16string name = suffix.empty() ? stem + u".txt" : stem + u"_" + suffix + u".txt";
    return WithTrailingBackslash(folder) + name;
}

}  // namespace

std::u16string UserDataFolder(bool create)
{
    return OwnFolder(WithTrailingBackslash(AppDataFolder()) + ProductFolderName(), create);
}

std::u16string IniFolder(bool create)
{
    const std::u16string data = UserDataFolder(create);
    return data.empty() ? data : OwnFolder(data + u"\\Ini", create);
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
