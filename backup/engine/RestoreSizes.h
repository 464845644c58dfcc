#pragma once
// The byte total of a Manual Restore: original sizes from each run's OriSize.ini, sizes on the
// drive where a file has no line there.

#include "backup/engine/BackupSelection.h"
#include "backup/engine/OriSizeIndex.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <string>

class RunningJob;

// Adds the size of every selected item and of the earlier copies that belong to it, until the job
// is to stop.
void ComputeManualRestoreSize(RunningJob& job, LONGLONG& total, const BACKUP_SELECTION& selection,
                              const std::u16string& manualFolder);
// Adds the size of one selected file or folder tree of a run folder. The repeat list and OriSize.ini
// are passed over directly inside a run folder only; links are never counted or entered.
void AddItemRestoreSize(RunningJob& job, LONGLONG& total, OriSizeIndex& oriSizes, const std::u16string& path);
// Adds the sizes of the earlier copies that the run's repeat list names for the item.
void AddReferenceSizes(RunningJob& job, LONGLONG& total, lists::TStringList& repeatList, OriSizeIndex& oriSizes,
                       const std::u16string& runFolder, const std::u16string& relative, bool isFolder);
// Adds the size of the file's OriSize line (compared without the drive) and takes the line; false
// when no line with a number names it.
bool TakeOriSizeOfFile(LONGLONG& total, OriSizeIndex& oriSizes, const std::u16string& path);
// Adds the size that the drive reports for the path; nothing when it does not exist or is a link.
void AddOnDiskSize(LONGLONG& total, const std::u16string& path);
