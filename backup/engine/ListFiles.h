#pragma once
// The list files of a run folder on the backup drive (OriSize.ini, FileList_Repeat.ini, Record.ini)
// and the date-time records (BacTimeRec.ini, LastBackup.ini, LastBackupTime.ini). All are UTF-16
// list files written whole.

#include "backup/engine/BackupSelection.h"
#include "backup/engine/Categories.h"
#include "backup/engine/PackedLines.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Appends destination + three blanks + the size in decimal.
void AddOriSizeLine(lists::TStringList& list, const std::u16string& destination, LONGLONG size);
void AddOriSizeLine(PackedLines& list, const std::u16string& destination, LONGLONG size);
// The size of the line that begins with the copy's path followed by three blanks; false when
// no line names it or its number does not parse.
bool FindOriSize(const lists::TStringList& list, std::u16string_view copyPath, LONGLONG* size);

// The copy's path of an OriSize line and its size: what comes before the last three blanks, which a
// decimal follows up to the end. False when the line has no such end.
bool SplitOriSizeLine(std::u16string_view line, std::u16string_view* path, LONGLONG* size);

// The earlier copy that a repeat-list line names, on the drive of `driveRoot` ("X:\"), with "\"
// between its names; empty when CheckedDrivePath refuses the line (backup/window/jobs/DrivePathCheck.h).
std::u16string RepeatEntryPath(std::u16string_view driveRoot, std::u16string_view line);

// Saves the list; 0 or the Windows error of the failed write.
DWORD SaveListFile(const lists::TStringList& list, const std::u16string& path);
DWORD SaveListFile(const PackedLines& list, const std::u16string& path);

// A list file as the list writers leave it: the byte-order mark, then nothing or whole lines each
// ended by CRLF. False for a missing, empty or cut file.
bool IsWholeListFile(const std::u16string& path);

// Record.ini in the run folder: the count, the source paths, the item names, the relative paths.
DWORD SaveSelectionRecord(const std::u16string& runFolder, const BACKUP_SELECTION& selection);

// The date-time number of line `index` (0-based) of a list file; false when the file is missing,
// shorter, or the line does not parse.
bool LoadDateTimeLine(const std::u16string& path, int index, double* value);
// The last line of a list file (BacTimeRec.ini) as a date-time number.
bool LoadLastDateTimeLine(const std::u16string& path, double* value);

// The last-backup records of the settings folder: LastBackup.ini (the five category flags, then
// the time) and LastBackupTime.ini (the time). The savers always answer true.
bool SaveLastEasyBackup(const PerEasyCategory<BYTE>& flags);
bool LoadLastEasyBackupTime(double* value);
bool SaveLastManualBackupTime();
bool LoadLastManualBackupTime(double* value);

// A last-backup record: the leading lines, then the local time now as a date-time number.
bool SaveLastBackupRecord(const std::u16string& path, const std::vector<std::u16string>& leadingLines);
