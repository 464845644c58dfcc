#pragma once
// Paths inside run folders on the backup drive: the relative path of an entry, whether a
// repeat-list line belongs to a selected item, and the checked copy path of a repeat-list line.

#include <cstddef>
#include <string>
#include <string_view>

// "X:\", the drive part of a path on the backup drive.
inline constexpr std::size_t kDrivePrefixLength = 3;
// A run folder's name YYYYMMDD_HHMMSS.
inline constexpr std::size_t kRunStampLength = 15;

// The characters of the text from 0-based position `from` on; empty when it is shorter.
std::u16string CharsFrom(const std::u16string& text, std::size_t from);

// True when `relative` is longer than `item`, begins with it and has a backslash right after it.
bool LiesBelowRelative(std::u16string_view relative, std::u16string_view item);

// The path below the run folder of a path on the drive in a run of the same kind (stamps are all
// as long), whatever its drive letter; empty when it lies in no run of that kind. kindFolder ends
// with a backslash; runLength is the length of the run folder's path.
std::u16string_view RelativeInRun(std::u16string_view path, std::u16string_view kindFolder, std::size_t runLength);

// True when an entry at `relative` (below its run) goes with a deleted item at `item` (below the
// same run): the item itself, an entry below it, or a container's entry written without its
// ".vemoen".
bool GoesWithDeletedItem(std::u16string_view relative, std::u16string_view item);

// A repeat-list line belongs to a selected folder when the folder is the run itself (empty item)
// or the line lies below it; to a selected file when the relative paths are equal.
bool ReferenceBelongsTo(std::u16string_view relative, std::u16string_view item, bool isFolder);

// The full path of the earlier copy that a repeat-list line of `runFolder` names: the run folder's
// drive root followed by the line, with "\" between its names. Empty when the line is refused:
// CheckedDrivePath refuses it (backup/window/jobs/DrivePathCheck.h), or it does not lie below a run
// folder of the folder that holds the run folder (the copy of an earlier run of the same kind).
std::u16string RepeatCopyOf(const std::u16string& runFolder, const std::u16string& line);

// Fifteen characters YYYYMMDD_HHMMSS: eight digits, "_", six digits.
bool IsRunStampName(std::u16string_view name);
// A run folder: a run-stamp name directly inside the Manual folder or a category folder.
bool IsRunFolderPath(const std::u16string& path);
// A run that reached its end: a run-stamp name whose folder holds whole every list file its kind
// writes when it ends (OriSize.ini and FileList_Repeat.ini, and for a Manual run Record.ini). A
// run cut short before that, or whose lists are missing, empty or cut, is no date to restore or
// delete and holds no earlier copies.
bool IsFinishedRunFolder(const std::u16string& path);
