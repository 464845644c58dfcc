#include "backup/base/BackupDriveLayout.h"

#include "backup/base/AccessGrant.h"
#include "backup/base/PathUtil.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/system.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::u16string Join(const std::u16string& folder, const std::u16string& name)
{
    return WithTrailingBackslash(folder) + name;
}

std::u16string MadeLevel(const std::u16string& path, bool create)
{
    if (create) {
        CreateDirIfMissing(path);
        GrantUsersFullAccess(path);
    }
    return path;
}

std::u16string DecimalOf(DWORD value)
{
    const std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

std::u16string NameFromQuery(BOOL (*query)(LPWSTR, DWORD*))
{
    std::vector<char16_t> buffer(MAX_PATH + 1, u'\0');
    DWORD size = MAX_PATH;
    query(buffer.data(), &size);
    return std::u16string(buffer.data());
}

}  // namespace

std::u16string ProductFolderName()
{
    return u"Harbex_Solo+";
}

std::u16string EasyFolderName()
{
    return u"Easy";
}

std::u16string ManualFolderName()
{
    return u"Manual";
}

std::u16string DocumentFolderName()
{
    return u"Document";
}

std::u16string GraphicFolderName()
{
    return u"Graphic";
}

std::u16string AudioFolderName()
{
    return u"Audio";
}

std::u16string VideoFolderName()
{
    return u"Video";
}

std::u16string MailFolderName()
{
    return u"Mail";
}

std::u16string FavoritesFolderName()
{
    return u"Favorites";
}

std::u16string RepeatListFileName()
{
    return u"FileList_Repeat.ini";
}

std::u16string OriSizeFileName()
{
    return u"OriSize.ini";
}

std::u16string RecordFileName()
{
    return u"Record.ini";
}

std::u16string BacTimeRecFileName()
{
    return u"BacTimeRec.ini";
}

std::u16string ProductFolderOn(const std::u16string& root, bool create, bool hide)
{
    const std::u16string folder = MadeLevel(Join(root, ProductFolderName()), create);
    if (create && hide) {
        SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    return folder;
}

std::u16string EnsureProductFolderOn(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(ProductFolderOn(root, create, hide), create);
}

std::u16string PcFolderName()
{
    OSVERSIONINFOW version;
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    return NameFromQuery(GetComputerNameW) + NameFromQuery(GetUserNameW) + DecimalOf(version.dwMajorVersion) +
           DecimalOf(version.dwMinorVersion);
}

std::u16string PcBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(ProductFolderOn(root, create, hide), PcFolderName()), create);
}

std::u16string EasyBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(PcBackupFolder(root, create, hide), EasyFolderName()), create);
}

std::u16string ManualBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(PcBackupFolder(root, create, hide), ManualFolderName()), create);
}

std::u16string FavoritesBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(PcBackupFolder(root, create, hide), FavoritesFolderName()), create);
}

std::u16string DocumentBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(EasyBackupFolder(root, create, hide), DocumentFolderName()), create);
}

std::u16string GraphicBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(EasyBackupFolder(root, create, hide), GraphicFolderName()), create);
}

std::u16string AudioBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(EasyBackupFolder(root, create, hide), AudioFolderName()), create);
}

std::u16string VideoBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(EasyBackupFolder(root, create, hide), VideoFolderName()), create);
}

std::u16string MailBackupFolder(const std::u16string& root, bool create, bool hide)
{
    return MadeLevel(Join(EasyBackupFolder(root, create, hide), MailFolderName()), create);
}

std::u16string CategoryBackupFolder(const std::u16string& root, int category, bool create, bool hide)
{
    switch (category) {
    case 1:
        return DocumentBackupFolder(root, create, hide);
    case 2:
        return GraphicBackupFolder(root, create, hide);
    case 3:
        return AudioBackupFolder(root, create, hide);
    case 4:
        return VideoBackupFolder(root, create, hide);
    case 5:
        return MailBackupFolder(root, create, hide);
    default:
        return {};
    }
}

std::u16string BacTimeRecPath(const std::u16string& root, bool create, bool hide)
{
    return Join(EasyBackupFolder(root, create, hide), BacTimeRecFileName());
}

std::u16string FormatTimestampName(const SYSTEMTIME& time)
{
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%u%02u%02u_%02u%02u%02u", time.wYear, time.wMonth, time.wDay,
                                time.wHour, time.wMinute, time.wSecond);
    return std::u16string(text, text + n);
}

std::u16string StampedFolderNow(const std::u16string& folder, bool create)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return StampedFolderAt(folder, now, create);
}

std::u16string StampedFolderAt(const std::u16string& folder, const SYSTEMTIME& time, bool create)
{
    const std::u16string path = Join(folder, FormatTimestampName(time));
    if (create) {
        CreateDirIfMissing(path);
    }
    return path;
}

std::u16string OriSizePath(const std::u16string& folder)
{
    return Join(folder, OriSizeFileName());
}

std::u16string OriSizeFilePath(const std::u16string& folder)
{
    return OriSizePath(folder);
}

std::u16string RepeatListPath(const std::u16string& folder)
{
    return Join(folder, RepeatListFileName());
}

std::u16string RecordPath(const std::u16string& folder)
{
    return Join(folder, RecordFileName());
}

std::u16string PcBackupFolderFromEdit(const std::u16string& text)
{
    if (text.empty()) {
        return {};
    }
    const std::u16string name = text.size() > 4 ? text.substr(4) : std::u16string();
    return Join(EnsureProductFolderOn(text.substr(0, 2), false, false), name);
}
