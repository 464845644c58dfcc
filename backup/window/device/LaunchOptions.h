#pragma once
// The user's options kept in the main window: the six launch options, encryption, hiding of the
// product folder on the external drives and the device button's function. All but the hiding
// live in "CheckSet.ini" as one line of digits; hiding lives in the folders' own attribute.
// Nothing here reports an error: a failed write or attribute change leaves the old state.

#include "backup/window/frame/MainWin.h"

// Shows the ticked (23019) or unticked (23017) picture.
void ShowCheckImage(TImage* image, BYTE on);
// Writes the options line as the only line of "CheckSet.ini" (the Ini folder made when missing).
void SaveCheckSettings(TMainForm& form);
// Once at start-up, after the drive scan and after the button-function selector is filled: the
// hiding from the first external drive (applied to all), launch at logon from the Startup
// shortcut, the rest from "CheckSet.ini" when it holds a line of at least six digits.
void LoadCheckSettings(TMainForm& form);
// Shows the hiding option and sets every external drive's product folder to exactly hidden (1)
// or normal (0); a drive without the folder is left alone.
void ApplyHideBackupFolder(TMainForm& form, BYTE hide);
// Selects ButtonFunction in the button-function selector and shows its text.
void ShowButtonFunction(TMainForm& form);
