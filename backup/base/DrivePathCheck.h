#pragma once
// Paths read back from a backup drive (repeat-list lines, names in run-folder listings) are checked
// here, by one rule, before they become paths: "\" and "/" both separate names, and each name must
// be one that a Windows folder can hold. The final target of every restore or delete is checked
// again to lie inside the folder it belongs to. A refused entry is a failed line (ERROR_BAD_PATHNAME).

#include <optional>
#include <string>
#include <string_view>

// The relative path with "\" between its names; nothing when a name is empty, "." or "..", or holds
// a colon, one of < > " | ? * or a control character, so that a leading "\", a "\\server" prefix
// or a drive "X:" is refused as well.
std::optional<std::u16string> CheckedDrivePath(std::u16string_view relative);

// One name of a folder listing that the rule above accepts (it holds no separator either).
bool IsSafeDriveName(std::u16string_view name);

// True when target, compared without case, lies below folder ("X:\" or "X:\a\b", with or without
// a trailing backslash) and the part below it is a path that CheckedDrivePath accepts as it stands.
bool LiesInsideFolder(std::u16string_view target, std::u16string_view folder);

// True when a folder on the way from the drive root to path (the path itself left out) is a link:
// what lies behind it is not on the drive, and no walk follows it. The folders of linkFree, a folder
// found with no link on its way a moment ago, are not looked at again.
bool CrossesDriveLink(std::u16string_view path, std::u16string_view linkFree = {});
