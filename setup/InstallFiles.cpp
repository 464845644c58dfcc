#include "setup/InstallFiles.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/TextFormat.h"
#include "backup/base/TreeDelete.h"
#include "platform/files.h"
#include "platform/version_info.h"
#include "ui/resources.h"

#include <vector>

namespace setup {
namespace {

bool IsFolder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsSystem(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool IsLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool IsDots(const std::u16string& name)
{
    return name == u"." || name == u"..";
}

bool EndsWithDriveRoot(const std::u16string& path)
{
    return path.size() >= 2 && path.compare(path.size() - 2, 2, u":\\") == 0;
}

std::u16string VersionText(int number)
{
    const VersionParts parts = SplitVersionNumber(number);
    return DecimalText(parts.major) + u"." + DecimalText(parts.minor) + u"." + DecimalText(parts.build);
}

// The installed number from the file's fixed version block; -1 when it has none.
int ReadVersionNumber(const std::u16string& path)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) {
        return -1;
    }
    std::vector<BYTE> block(size);
    void* fixed = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path.c_str(), handle, size, block.data()) ||
        !VerQueryValueW(block.data(), u"\\", &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
        return -1;
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    return static_cast<int>((info->dwFileVersionMS >> 16) * 10000 + (info->dwFileVersionMS & 0xFFFF) * 100 +
                            (info->dwFileVersionLS >> 16));
}

}  // namespace

bool WritePayload(int id, const std::u16string& path, bool program)
{
    const auto payload = ui::FindResource(u"RCDATA", id);
    if (!payload) {
        return false;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, payload->data(), static_cast<DWORD>(payload->size()), &written, nullptr) &&
                    written == payload->size() && (!program || platform::MarkRunnable(file));
    CloseHandle(file);
    return ok;
}

bool DeletePathTree(const std::u16string& path)
{
    return DeleteTree(path);
}

bool CopyFolderTree(const std::u16string& sourceFolder, const std::u16string& destinationFolder,
                    const std::u16string& name)
{
    std::u16string source = (sourceFolder.empty() ? sourceFolder : WithTrailingBackslash(sourceFolder)) + name;
    std::u16string destination = WithTrailingBackslash(destinationFolder) + name;

    WIN32_FIND_DATAW found;
    DWORD attributes = 0;
    if (HANDLE find = FindFirstFileW(source.c_str(), &found); find != INVALID_HANDLE_VALUE) {
        attributes = found.dwFileAttributes;
        FindClose(find);
    }
    if (EndsWithDriveRoot(destination)) {
        destination.resize(destination.size() - 2);
    } else if (!IsFolder(attributes) && !IsSystem(attributes)) {
        CopyFileW(source.c_str(), destination.c_str(), FALSE);
    }
    if (IsLink(attributes)) {
        return false;
    }
    CreateDirPath(destination);
    source = WithTrailingBackslash(source);
    destination = WithTrailingBackslash(destination);

    HANDLE find = FindFirstFileW((source + u"*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    do {
        const DWORD entry = found.dwFileAttributes;
        if (!IsFolder(entry) && !IsSystem(entry)) {
            CopyFileW((source + found.cFileName).c_str(), (destination + found.cFileName).c_str(), FALSE);
        } else if (IsFolder(entry) && !IsSystem(entry) && !IsLink(entry) && !IsDots(found.cFileName)) {
            CopyFolderTree(source, destination, found.cFileName);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return true;
}

int CompareInstalledVersion(const std::u16string& folder, int own, int* installed)
{
    const std::u16string path = WithTrailingBackslash(folder) + ProgramFileName();
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return kNotInstalled;
    }
    const int number = ReadVersionNumber(path);
    int result = kSameVersion;
    if (number >= 0) {
        result = own < number ? kInstalledNewer : number < own ? kInstalledOlder : kSameVersion;
    }
    if (installed != nullptr) {
        *installed = number >= 0 ? number : 0;
    }
    return result;
}

VersionParts SplitVersionNumber(int number)
{
    return VersionParts{number / 10000, (number % 10000) / 100, number % 100};
}

std::u16string FormatReplaceQuestion(const std::u16string& format, const std::u16string& product, int installed,
                                     int own)
{
    const std::u16string installedText = VersionText(installed);
    const std::u16string ownText = VersionText(own);
    return FormatText(format, {product, installedText, ownText});
}

}  // namespace setup
