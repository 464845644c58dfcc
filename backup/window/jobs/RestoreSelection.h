#pragma once
// What the restore and delete pages show of the chosen PC: the Easy Restore information block, the
// newest Manual run, the Manual Restore tree of the chosen run and the delete trees of all runs.

#include "platform/win_types.h"

#include <string>

namespace ui {
class TEdit;
class TLabel;
class TTreeView;
}  // namespace ui
class TMainForm;

// Size and date of the chosen Easy run per category; a cancel stops it and empties the rows done.
void ShowEasyRestoreInfo(TMainForm& form);
// The newest Manual run of the PC the edit names into the label; nothing without a PC.
void ShowLatestManualBackupTime(TMainForm& form, ui::TLabel& timeLabel, const ui::TEdit& pcEdit);
// The greatest run-stamp sub-folder of the folder: its name as hint, its date text as caption.
// Unchanged when there is none.
void ShowLatestRunFolder(ui::TLabel& timeLabel, const std::u16string& folder);
// Rebuilds a delete tree: kind 1 five category nodes (data: category number) with their runs,
// any other kind one "Manual Backup" node (data 0) with the Manual runs.
void BuildDeleteTree(TMainForm& form, ui::TTreeView& tree, const ui::TEdit& pcEdit, int kind);
// The top node captions of a delete tree in the current language.
void SetDeleteTreeCaptions(TMainForm& form, ui::TTreeView& tree, int kind);
// Stops a running fill, clears the tree and shows the chosen Manual run as its one top node.
void BuildManualRestoreTree(TMainForm& form, ui::TTreeView& tree, const ui::TEdit& pcEdit, const ui::TLabel& timeLabel);
// Caption (date text) and hint (run stamp) from the last line of {pcFolder}\Easy\BacTimeRec.ini;
// unchanged when the folder text is empty or the file is missing or empty; both emptied when the
// line is not a number.
void ShowLatestEasyBackupTime(ui::TLabel& timeLabel, const std::u16string& pcFolder);

// The size of the category's run of that stamp into `size` and, as size text, into the size label;
// the stamp's date text into the date label. Both captions emptied (size untouched) when the PC
// folder has no Easy folder.
void ShowEasyRestoreCategoryInfo(ui::TLabel& sizeLabel, ui::TLabel& dateLabel, const std::u16string& pcFolder,
                                 const std::u16string& stamp, int category, LONGLONG& size);
