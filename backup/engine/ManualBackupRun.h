#pragma once
// The Manual Backup run: every ticked folder is copied, mirrored below its drive letter, into one
// new dated run folder in the Manual folder of this PC on the backup drive; unchanged files are
// referred to in an earlier Manual run instead, and a cancelled run leaves no run folder behind.

#include "backup/engine/BackupSelection.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <cstdint>
#include <string>

class clProcessNotify;
class RunningJob;

// Adds the size of every item of the selection, as the walk will pass over it, until a cancel.
void SumSelectionSize(RunningJob& job, LONGLONG& total, const BACKUP_SELECTION& selection);

// Runs one Manual Backup to destinationRoot ("X:\") as the job. Failed files go to `failed` and to
// the job; the job's done bytes count every file copied or passed over. encrypt non-zero writes
// ".vemoen" containers keyed by pass; the notifier (may be null) is armed for the run. Returns 1 when every item was
// walked, 0 when a cancel stopped it; after a cancel the run folder is deleted and the run's completed files move to
// `failed` (1235).
int RunManualBackup(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                    const BACKUP_SELECTION& selection, const std::u16string& destinationRoot,
                    const std::u16string& pass, BYTE encrypt, clProcessNotify* notifier);
