#pragma once
// The backup starters: the only entry of a backup job. They check their inputs
// and refuse with a message, measure the job, test the destination's free
// space, run it with the progress panel up and leave the result panel and the
// job result lists.

#include "backup/engine/Categories.h"
#include "platform/win_types.h"

#include <array>
#include <string>

namespace ui {
class TLabel;
}
class TMainForm;

// Easy Backup of the flagged categories (Document .. Mail) to a drive root. The
// scan label shows the file being measured, the copy label the file being
// copied (the countdown window passes its own). Started while the countdown
// window is up, the job shows no result panel and saves no list.
void StartEasyBackup(TMainForm& form, const std::u16string& destination, ui::TLabel* scanLabel,
                     const PerEasyCategory<BYTE>& categories, ui::TLabel* copyLabel);

// Manual Backup of the items ticked in the source tree to a drive root.
void StartManualBackup(TMainForm& form, const std::u16string& destination);

// The OK button: the starter of the page shown (CurrentPage); other pages start
// nothing.
void RunPageOperation(TMainForm& form);
