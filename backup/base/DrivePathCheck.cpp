#include "backup/base/DrivePathCheck.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/win_names.h"

#include <algorithm>

namespace {

constexpr std::size_t kDriveRootLength = 3;

bool IsSafeName(std::u16string_view name)
{
    return !name.empty() && name != u"." && name != u".." &&
           std::none_of(name.begin(), name.end(), platform::IsForbiddenInName);
}

bool IsDriveRoot(std::u16string_view path)
{
    return path.size() >= kDriveRootLength && path[1] == u':' && platform::IsSeparator(path[2]);
}

}  // namespace

std::optional<std::u16string> CheckedDrivePath(std::u16string_view relative)
{
    std::u16string checked;
    checked.reserve(relative.size());
    std::size_t start = 0;
    for (;;) {
        const auto separator =
            std::find_if(relative.begin() + static_cast<std::ptrdiff_t>(start), relative.end(), platform::IsSeparator);
        const std::size_t end = static_cast<std::size_t>(separator - relative.begin());
        const std::u16string_view name = relative.substr(start, end - start);
        if (!IsSafeName(name)) {
            return std::nullopt;
        }
        checked += name;
        if (end == relative.size()) {
            return checked;
        }
        checked += u'\\';
        start = end + 1;
    }
}

bool IsSafeDriveName(std::u16string_view name)
{
    return IsSafeName(name) && std::none_of(name.begin(), name.end(), platform::IsSeparator);
}

bool LiesInsideFolder(std::u16string_view target, std::u16string_view folder)
{
    while (!folder.empty() && platform::IsSeparator(folder.back())) {
        folder.remove_suffix(1);
    }
    if (folder.empty() || target.size() <= folder.size() + 1 ||
        !platform::EqualNoCase(target.substr(0, folder.size()), folder) || target[folder.size()] != u'\\') {
        return false;
    }
    const std::u16string_view below = target.substr(folder.size() + 1);
    const auto checked = CheckedDrivePath(below);
    return checked && *checked == below;
}

bool CrossesDriveLink(std::u16string_view path, std::u16string_view linkFree)
{
    if (!IsDriveRoot(path)) {
        return true;
    }
    for (std::size_t at = path.find_first_of(u"\\/", kDriveRootLength); at != std::u16string_view::npos;
         at = path.find_first_of(u"\\/", at + 1)) {
        if (linkFree.starts_with(path.substr(0, at)) && (linkFree.size() == at || linkFree[at] == u'\\')) {
            continue;
        }
        const DWORD attributes = GetFileAttributesW(std::u16string(path.substr(0, at)).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            return true;
        }
    }
    return false;
}
