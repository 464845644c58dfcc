#include "backup/engine/RunPaths.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/PathUtil.h"
#include "backup/engine/Container.h"
#include "backup/engine/ListFiles.h"

#include <algorithm>

std::u16string CharsFrom(const std::u16string& text, std::size_t from)
{
    return from < text.size() ? text.substr(from) : std::u16string();
}

std::u16string_view RelativeInRun(std::u16string_view path, std::u16string_view kindFolder, std::size_t runLength)
{
    if (path.size() <= runLength + 1 || kindFolder.size() < kDrivePrefixLength ||
        path.substr(kDrivePrefixLength, kindFolder.size() - kDrivePrefixLength) !=
            kindFolder.substr(kDrivePrefixLength) ||
        path[runLength] != u'\\') {
        return {};
    }
    return path.substr(runLength + 1);
}

bool LiesBelowRelative(std::u16string_view relative, std::u16string_view item)
{
    return relative.size() > item.size() && relative.starts_with(item) && relative[item.size()] == u'\\';
}

bool GoesWithDeletedItem(std::u16string_view relative, std::u16string_view item)
{
    return relative == item || LiesBelowRelative(relative, item) ||
           (item.ends_with(CONTAINER_SUFFIX) && relative == item.substr(0, item.size() - CONTAINER_SUFFIX.size()));
}

bool ReferenceBelongsTo(std::u16string_view relative, std::u16string_view item, bool isFolder)
{
    if (isFolder) {
        return item.empty() || LiesBelowRelative(relative, item);
    }
    return relative == item;
}

std::u16string RepeatCopyOf(const std::u16string& runFolder, const std::u16string& line)
{
    if (runFolder.size() < 3) {
        return {};
    }
    std::u16string copy = RepeatEntryPath(std::u16string_view(runFolder).substr(0, 3), line);
    const std::u16string kindFolder = WithTrailingBackslash(ParentFolderOf(runFolder));
    if (copy.empty() || kindFolder.size() < 4 || !copy.starts_with(kindFolder)) {
        return {};
    }
    const std::u16string_view below = std::u16string_view(copy).substr(kindFolder.size());
    if (!IsRunStampName(below.substr(0, std::min(below.find(u'\\'), below.size())))) {
        return {};
    }
    return copy;
}

bool IsRunStampName(std::u16string_view name)
{
    constexpr std::size_t kStampLength = 15;
    constexpr std::size_t kSeparatorAt = 8;
    if (name.size() != kStampLength) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool ok = i == kSeparatorAt ? name[i] == u'_' : (name[i] >= u'0' && name[i] <= u'9');
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool IsRunFolderPath(const std::u16string& path)
{
    if (!IsRunStampName(LastComponentOf(path))) {
        return false;
    }
    const std::u16string kind = ParentFolderOf(path);
    const std::u16string kindName = LastComponentOf(kind);
    if (kindName == ManualFolderName()) {
        return true;
    }
    const bool category = kindName == DocumentFolderName() || kindName == GraphicFolderName() ||
                          kindName == AudioFolderName() || kindName == VideoFolderName() ||
                          kindName == MailFolderName();
    return category && LastComponentOf(ParentFolderOf(kind)) == EasyFolderName();
}

bool IsFinishedRunFolder(const std::u16string& path)
{
    if (!IsRunStampName(LastComponentOf(path))) {
        return false;
    }
    const std::u16string folder = WithTrailingBackslash(path);
    const bool manual = LastComponentOf(ParentFolderOf(path)) == ManualFolderName();
    return IsWholeListFile(folder + OriSizeFileName()) && IsWholeListFile(folder + RepeatListFileName()) &&
           (!manual || IsWholeListFile(folder + RecordFileName()));
}
