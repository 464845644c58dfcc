#include "platform/drives.h"

#include "platform/drive_root.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/win_names.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace platform {

namespace {

std::mutex tableMutex;
std::map<char16_t, Drive>& Table()
{
    static std::map<char16_t, Drive> table;
    return table;
}

std::string WithoutTrailingSlashes(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string& EntryFolder()
{
    static std::string folder;
    return folder;
}

bool EndsWithLnk(std::string_view name)
{
    return name.size() > 4 && EqualNoCase(FromUtf8(name.substr(name.size() - 4)), u".lnk");
}

// FAT and exFAT refuse the characters a Windows name cannot hold.
ReservedChars ReservedCharsOn(std::u16string_view fileSystem)
{
    return EqualNoCase(fileSystem.substr(0, 3), u"FAT") || EqualNoCase(fileSystem, u"exFAT") ? ReservedChars::PrivateUse
                                                                                             : ReservedChars::AsIs;
}

HostPath Failed(DWORD error)
{
    HostPath result;
    result.error = error;
    return result;
}

}  // namespace

std::vector<Drive> Drives()
{
    std::lock_guard lock(tableMutex);
    std::vector<Drive> drives;
    for (const auto& [letter, drive] : Table()) {
        drives.push_back(drive);
    }
    return drives;
}

std::optional<Drive> FindDrive(char16_t letter)
{
    letter = UpperChar(letter);
    std::lock_guard lock(tableMutex);
    const auto found = Table().find(letter);
    if (found == Table().end()) {
        return std::nullopt;
    }
    return found->second;
}

void MountDrive(const Drive& drive)
{
    Drive stored = drive;
    stored.letter = UpperChar(drive.letter);
    stored.hostFolder = WithoutTrailingSlashes(drive.hostFolder);
    std::lock_guard lock(tableMutex);
    Table()[stored.letter] = std::move(stored);
}

void UnmountDrive(char16_t letter)
{
    letter = UpperChar(letter);
    std::lock_guard lock(tableMutex);
    Table().erase(letter);
}

void ClearDrives()
{
    std::lock_guard lock(tableMutex);
    Table().clear();
}

HostPath ToHostPath(std::u16string_view windowsPath)
{
    if (windowsPath.size() > UNICODE_STRING_MAX_CHARS) {
        return Failed(ERROR_FILENAME_EXCED_RANGE);
    }
    const bool hasDrive = windowsPath.size() >= 2 && windowsPath[1] == u':' && UpperChar(windowsPath[0]) >= u'A' &&
                          UpperChar(windowsPath[0]) <= u'Z';
    if (!hasDrive || (windowsPath.size() > 2 && !IsSeparator(windowsPath[2]))) {
        return Failed(ERROR_PATH_NOT_FOUND);
    }
    HostPath result;
    {
        std::lock_guard lock(tableMutex);
        const auto drive = Table().find(UpperChar(windowsPath[0]));
        if (drive == Table().end()) {
            return Failed(ERROR_PATH_NOT_FOUND);
        }
        result.path.reserve(drive->second.hostFolder.size() + windowsPath.size() + 1);
        result.path = drive->second.hostFolder;
        result.reserved = ReservedCharsOn(drive->second.fileSystem);
    }

    std::vector<std::u16string_view> names;
    std::u16string_view rest = windowsPath.substr(std::min<std::size_t>(windowsPath.size(), 3));
    while (!rest.empty()) {
        const auto end = std::find_if(rest.begin(), rest.end(), [](char16_t c) { return IsSeparator(c); });
        const std::u16string_view name = rest.substr(0, static_cast<std::size_t>(end - rest.begin()));
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
        if (name.empty() || name == u".") {
            continue;
        }
        if (name == u"..") {
            return Failed(ERROR_BAD_PATHNAME);
        }
        if (std::any_of(name.begin(), name.end(), [](char16_t c) { return IsForbiddenInName(c); })) {
            return Failed(ERROR_INVALID_NAME);
        }
        names.push_back(name);
    }

    result.rootLength = result.path.size();
    result.endsWithSeparator = windowsPath.size() > 2 && IsSeparator(windowsPath.back());
    for (const auto name : names) {
        if (result.path.back() != '/') {
            result.path += '/';
        }
        if (!ToHostName(name, result.path, result.reserved)) {
            return Failed(ERROR_INVALID_NAME);
        }
    }
    {
        std::lock_guard lock(tableMutex);
        const std::string& entries = EntryFolder();
        if (!entries.empty() && result.path.size() > entries.size() &&
            result.path.compare(0, entries.size(), entries) == 0 && result.path[entries.size()] == '/' &&
            result.path.find('/', entries.size() + 1) == std::string::npos && EndsWithLnk(result.path)) {
            result.path.replace(result.path.size() - 4, 4, ".desktop");
        }
    }
    result.drive = UpperChar(windowsPath[0]);
    PlaceBelowHeldRoot(result);
    return result;
}

void SetDesktopEntryFolder(std::string hostFolder)
{
    std::lock_guard lock(tableMutex);
    EntryFolder() = WithoutTrailingSlashes(std::move(hostFolder));
}

}  // namespace platform
