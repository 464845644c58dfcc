#include "backup/base/SpecialFolders.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SysInfo.h"
#include "platform/files.h"
#include "platform/shell.h"

#include <vector>

namespace {

std::u16string TextOfBuffer(const std::vector<char16_t>& buffer)
{
    return std::u16string(buffer.data());
}

std::u16string ItemListPath(int csidl)
{
    LPITEMIDLIST list = nullptr;
    std::vector<char16_t> buffer(MAX_PATH + 1, u'\0');
    if (SHGetSpecialFolderLocation(nullptr, csidl, &list) == S_OK && list != nullptr) {
        SHGetPathFromIDListW(list, buffer.data());
    }
    if (list != nullptr) {
        ILFree(list);
    }
    return TextOfBuffer(buffer);
}

std::u16string FolderPath(int csidl, std::size_t bufferCharacters)
{
    std::vector<char16_t> buffer(bufferCharacters + 1, u'\0');
    SHGetSpecialFolderPathW(nullptr, buffer.data(), csidl, FALSE);
    return TextOfBuffer(buffer);
}

constexpr std::size_t kLargeBuffer = 1024;

}  // namespace

std::u16string WindowsFolder()
{
    return ItemListPath(CSIDL_WINDOWS);
}

std::u16string SystemFolder()
{
    return ItemListPath(CSIDL_SYSTEM);
}

std::u16string CommonStartupFolder()
{
    return FolderPath(CSIDL_COMMON_STARTUP, kLargeBuffer);
}

std::u16string CommonDesktopFolder()
{
    return FolderPath(CSIDL_COMMON_DESKTOPDIRECTORY, kLargeBuffer);
}

std::u16string CommonProgramsFolder()
{
    return FolderPath(CSIDL_COMMON_PROGRAMS, kLargeBuffer);
}

std::u16string ProgramFilesFolder()
{
    return FolderPath(Is64BitWindows() ? CSIDL_PROGRAM_FILESX86 : CSIDL_PROGRAM_FILES, kLargeBuffer);
}

std::u16string DesktopFolder()
{
    return FolderPath(CSIDL_DESKTOPDIRECTORY, kLargeBuffer);
}

std::u16string DocumentsFolder()
{
    return FolderPath(CSIDL_PERSONAL, kLargeBuffer);
}

std::u16string PicturesFolder()
{
    return FolderPath(CSIDL_MYPICTURES, kLargeBuffer);
}

std::u16string MusicFolder()
{
    return FolderPath(CSIDL_MYMUSIC, kLargeBuffer);
}

std::u16string VideosFolder()
{
    return FolderPath(CSIDL_MYVIDEO, kLargeBuffer);
}

std::u16string FavoritesFolder()
{
    return FolderPath(CSIDL_FAVORITES, MAX_PATH);
}

std::u16string AppDataFolder()
{
    return FolderPath(CSIDL_APPDATA, MAX_PATH);
}

std::u16string CommonAppDataFolder()
{
    return FolderPath(CSIDL_COMMON_APPDATA, MAX_PATH);
}

std::u16string LocalAppDataFolder()
{
    return FolderPath(CSIDL_LOCAL_APPDATA, MAX_PATH);
}

std::u16string UsersRootFolder()
{
    const std::u16string appData = AppDataFolder();
    const std::size_t first = appData.find(u'\\');
    const std::size_t second = first == std::u16string::npos ? first : appData.find(u'\\', first + 1);
    return second == std::u16string::npos ? std::u16string() : appData.substr(0, second);
}

std::u16string ProductTitle()
{
    return u"Harbex Solo+";
}

std::u16string ProgramFileName()
{
    return u"Harbex_Solo+.exe";
}

std::u16string InstallFolder(bool create)
{
    const std::u16string folder = WithTrailingBackslash(ProgramFilesFolder()) + ProductTitle();
    if (create) {
        CreateDirIfMissing(folder);
    }
    return folder;
}
