#pragma once
// One file of a restore, and the refusal of an entry whose path read back from the drive would
// land outside the place being restored.

#include "backup/engine/Restore.h"
#include "platform/files.h"

#include <string>
#include <string_view>

// Copies, or decodes when the source name ends in ".vemoen", and reports the result to the job. True
// when the file was restored. Nothing is touched, and the entry is a failed line, when the source is
// a link (ERROR_CANT_ACCESS_FILE: a link on the drive is never followed) or the target does not lie
// inside targetFolder (ERROR_BAD_PATHNAME).
bool RestoreOneFile(const RESTORE_JOB& job, const std::u16string& source, const std::u16string& target,
                    const std::u16string& targetFolder, const WIN32_FIND_DATAW& found);
// Reports the entry as failed, ERROR_BAD_PATHNAME unless told otherwise, without touching anything.
void RefuseRestoreEntry(const RESTORE_JOB& job, const std::u16string& source, DWORD error = ERROR_BAD_PATHNAME);
// A path below a run folder that maps to a place on the PC: it starts with a single drive letter
// component ("D" or "D\...").
bool IsDriveRelativePath(std::u16string_view relative);
// "D:\" for a target on drive D.
std::u16string DriveRootOf(const std::u16string& path);

// The lengths of the job's lists when the restore of an item began.
struct RestoreMark {
    int Completed = 0;
    int Failed = 0;
};
RestoreMark MarkRestore(const RESTORE_JOB& job);
// Every file that the run's OriSize.ini names below the selected item (the run itself, a folder or
// a file of it) and that the job neither restored nor reported since the mark is reported as failed
// with ERROR_FILE_NOT_FOUND: a damaged repeat list or a copy gone from the drive never gives a
// silent partial restore. Nothing when the job was cancelled.
void ReportUnrestoredFiles(const RESTORE_JOB& job, const RestoreMark& mark, const std::u16string& runFolder,
                           const std::u16string& selectedPath, bool isFolder);
