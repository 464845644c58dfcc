#pragma once
// The Easy Backup run: every file of the selected categories is copied into a new dated run folder
// per category on the backup drive, unchanged files are referred to in an earlier run instead, and
// a cancelled run leaves no run folder behind.

#include "backup/engine/Categories.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <array>
#include <cstdint>
#include <string>

class clProcessNotify;
class RunningJob;

// Runs one Easy Backup to destinationRoot ("X:\") as the job, after ScanEasySources set the job's
// total. repeatLists are the category lists of the run (cleared here). Failed files go to `failed`
// and to the job; the job's done bytes count every file copied or passed over. encrypt non-zero
// writes ".vemoen" containers keyed by pass; the notifier (may be null) is armed for the run. Returns 1 when the walk
// finished, 0 when a cancel stopped it; after a cancel the run's folders are deleted and its completed files move to
// `failed` (1235).
int RunEasyBackup(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                  const std::u16string& destinationRoot, const PerEasyCategory<BYTE>& categories,
                  const PerEasyCategory<lists::TStringList*>& repeatLists, const std::u16string& pass, BYTE encrypt,
                  clProcessNotify* notifier);

// True for a category 1 to 5 whose flag is set.
bool IsCategorySelected(int category, const PerEasyCategory<BYTE>& categories);
