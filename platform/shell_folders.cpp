#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>

namespace platform {
namespace {

struct FolderKey {
    std::string_view key;
    int csidl;
};

constexpr FolderKey folderKeys[] = {
    {"desktop", CSIDL_DESKTOPDIRECTORY},
    {"documents", CSIDL_PERSONAL},
    {"pictures", CSIDL_MYPICTURES},
    {"music", CSIDL_MYMUSIC},
    {"videos", CSIDL_MYVIDEO},
    {"favorites", CSIDL_FAVORITES},
    {"appdata", CSIDL_APPDATA},
    {"localappdata", CSIDL_LOCAL_APPDATA},
    {"profile", CSIDL_PROFILE},
    {"startmenu", CSIDL_STARTMENU},
    {"commonappdata", CSIDL_COMMON_APPDATA},
    {"commonstartup", CSIDL_COMMON_STARTUP},
    {"commonprograms", CSIDL_COMMON_PROGRAMS},
    {"commondesktop", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"windows", CSIDL_WINDOWS},
    {"system", CSIDL_SYSTEM},
    {"programfiles", CSIDL_PROGRAM_FILES},
    {"programfilesx86", CSIDL_PROGRAM_FILESX86},
};

std::map<int, std::u16string>& Folders()
{
    static std::map<int, std::u16string> folders;
    return folders;
}

// The virtual desktop folder stands for the desktop directory.
int Canonical(int csidl)
{
    csidl &= ~CSIDL_FLAG_CREATE;
    return csidl == CSIDL_DESKTOP ? CSIDL_DESKTOPDIRECTORY : csidl;
}

bool CreateFolder(const std::u16string& windowsPath)
{
    const HostPath host = ToHostPath(windowsPath);
    std::error_code error;
    return host.ok() && (std::filesystem::create_directories(host.path, error) || !error);
}

// The folder of csidl, created on the way when asked; empty when it is missing or cannot be created.
std::u16string Lookup(int csidl, bool create)
{
    std::u16string path = SpecialFolderPath(csidl);
    if (!path.empty() && create && !CreateFolder(path)) {
        return {};
    }
    return path;
}

bool CopyOut(const std::u16string& path, LPWSTR buffer, std::size_t size)
{
    if (buffer == nullptr || path.empty() || path.size() + 1 > size) {
        return false;
    }
    std::copy(path.begin(), path.end(), buffer);
    buffer[path.size()] = u'\0';
    return true;
}

}  // namespace

std::optional<int> SpecialFolderOfKey(std::string_view key)
{
    const auto found =
        std::find_if(std::begin(folderKeys), std::end(folderKeys), [key](const FolderKey& k) { return k.key == key; });
    return found == std::end(folderKeys) ? std::nullopt : std::optional<int>(found->csidl);
}

std::string_view KeyOfSpecialFolder(int csidl)
{
    const auto found = std::find_if(std::begin(folderKeys), std::end(folderKeys),
                                    [csidl](const FolderKey& k) { return k.csidl == Canonical(csidl); });
    return found == std::end(folderKeys) ? std::string_view{} : found->key;
}

void SetSpecialFolder(int csidl, std::u16string path)
{
    if (path.size() > 3 && path.back() == u'\\') {
        path.pop_back();
    }
    Folders()[Canonical(csidl)] = std::move(path);
}

void ClearSpecialFolders()
{
    Folders().clear();
}

std::u16string SpecialFolderPath(int csidl)
{
    const auto found = Folders().find(Canonical(csidl));
    return found == Folders().end() ? std::u16string{} : found->second;
}

}  // namespace platform

HRESULT SHGetFolderPathW(HWND, int csidl, HANDLE, DWORD, LPWSTR path)
{
    if (path == nullptr) {
        return E_INVALIDARG;
    }
    path[0] = u'\0';
    const std::u16string folder = platform::Lookup(csidl, (csidl & CSIDL_FLAG_CREATE) != 0);
    return platform::CopyOut(folder, path, MAX_PATH) ? S_OK : E_FAIL;
}

BOOL SHGetSpecialFolderPathW(HWND, LPWSTR path, int csidl, BOOL create)
{
    if (path == nullptr) {
        return platform::Fail(ERROR_INVALID_PARAMETER);
    }
    path[0] = u'\0';
    const std::u16string folder = platform::Lookup(csidl, create != FALSE);
    return platform::CopyOut(folder, path, MAX_PATH) ? TRUE : platform::Fail(ERROR_FILE_NOT_FOUND);
}

HRESULT SHGetSpecialFolderLocation(HWND, int csidl, LPITEMIDLIST* list)
{
    if (list == nullptr) {
        return E_INVALIDARG;
    }
    *list = nullptr;
    const std::u16string folder = platform::SpecialFolderPath(csidl);
    if (folder.empty()) {
        return E_FAIL;
    }
    auto* block = static_cast<char16_t*>(std::calloc(folder.size() + 1, sizeof(char16_t)));
    if (block == nullptr) {
        return E_FAIL;
    }
    std::memcpy(block, folder.data(), folder.size() * sizeof(char16_t));
    *list = reinterpret_cast<LPITEMIDLIST>(block);
    return S_OK;
}

BOOL SHGetPathFromIDListW(LPCITEMIDLIST list, LPWSTR path)
{
    if (list == nullptr || path == nullptr) {
        return FALSE;
    }
    const std::u16string folder(reinterpret_cast<const char16_t*>(list));
    path[0] = u'\0';
    return platform::CopyOut(folder, path, MAX_PATH) ? TRUE : FALSE;
}

void ILFree(LPITEMIDLIST list)
{
    std::free(list);
}

void CoTaskMemFree(void* block)
{
    std::free(block);
}

namespace {

UINT CopyDirectory(int csidl, LPWSTR buffer, UINT size)
{
    const std::u16string folder = platform::SpecialFolderPath(csidl);
    if (folder.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    }
    if (!platform::CopyOut(folder, buffer, size)) {
        return static_cast<UINT>(folder.size() + 1);
    }
    return static_cast<UINT>(folder.size());
}

}  // namespace

UINT GetWindowsDirectoryW(LPWSTR buffer, UINT size)
{
    return CopyDirectory(CSIDL_WINDOWS, buffer, size);
}

UINT GetSystemDirectoryW(LPWSTR buffer, UINT size)
{
    return CopyDirectory(CSIDL_SYSTEM, buffer, size);
}
