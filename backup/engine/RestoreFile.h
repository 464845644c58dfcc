#pragma once
// One file of a restore, and the refusal of an entry whose path read back from the drive would
// land outside the place being restored.

#include "backup/engine/Restore.h"
#include "platform/files.h"

#include <string>
#include <string_view>

// Copies, or decodes when the source name ends in ".vemoen", and reports the result to the job. True
// when the file was restored.
bool RestoreOneFile(const RESTORE_JOB& job, const std::u16string& source, const std::u16string& target,
                    const WIN32_FIND_DATAW& found);
// Reports the entry as failed (ERROR_BAD_PATHNAME) without touching anything.
void RefuseRestoreEntry(const RESTORE_JOB& job, const std::u16string& source);
// A path below a run folder that maps to a place on the PC: it starts with a single drive letter
// component ("D" or "D\...").
bool IsDriveRelativePath(std::u16string_view relative);
