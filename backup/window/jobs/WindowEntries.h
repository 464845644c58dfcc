#pragma once
// The engine's entry points as the main window calls them: a list and a label of the window stand
// for the job, and the window's figures and flags are its own.

#include "backup/engine/BackupSelection.h"
#include "backup/engine/Categories.h"
#include "backup/engine/Restore.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <array>
#include <cstdint>
#include <string>

namespace ui {
class TLabel;
class TListView;
}  // namespace ui
class clProcessNotify;
class TMainForm;

// The scan before an Easy Backup; the status label (may be null) says that the scan runs, the
// path label (may be null) shows each file.
void ScanEasySources(ui::TLabel* statusLabel, ui::TLabel* pathLabel, const PerEasyCategory<BYTE>& categories,
                     std::int64_t& jobTotal, std::uint64_t& selectedSize);

// The Easy and Manual runs with their failed rows in errorList and the path in pathLabel (either may
// be null), counting the job's bytes into doneBytes. The window's drive-removed flag stands for this
// run only.
int RunEasyBackup(ui::TListView* errorList, ui::TLabel* pathLabel, lists::TStringList& completed,
                  lists::TStringList& failed, std::int64_t& doneBytes, const std::u16string& destinationRoot,
                  const PerEasyCategory<BYTE>& categories, const PerEasyCategory<lists::TStringList*>& repeatLists,
                  const std::u16string& pass, BYTE encrypt, clProcessNotify* notifier);
int RunManualBackup(ui::TListView* errorList, ui::TLabel* pathLabel, lists::TStringList& completed,
                    lists::TStringList& failed, std::int64_t& doneBytes, const BACKUP_SELECTION& selection,
                    const std::u16string& destinationRoot, const std::u16string& pass, BYTE encrypt,
                    clProcessNotify* notifier);

// The job's result lists and notifier of the main window; the progress panel shows the path and the
// failed rows.
RESTORE_JOB RestoreJobOf(TMainForm& form, const std::u16string& pass);
