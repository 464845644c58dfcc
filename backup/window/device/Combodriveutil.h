#pragma once
// Saved settings back into the main window at start-up, and the fillers of the drive-dependent
// selectors. A missing settings file or a line that does not parse leaves what was there; a
// filler that selects an item copies its text into the selector's edit.

#include "backup/drive/DeviceRecords.h"
#include "backup/window/frame/MainWin.h"

#include <string>

// "CountDown.ini" line 1 into AutoStartSeconds (not clamped) and the countdown edit.
void LoadCountDownSetting(TMainForm& form);
// "CountDown.ini" with the seconds as its only line (the Ini folder is made when missing).
void SaveCountDownSetting(int seconds);
// "BacTypeSet.ini" (five lines, Document to Mail) into EasyBackupCategories and the check images.
void LoadBacTypeSetting(TMainForm& form);
// The drive roots in their order; the edit keeps its text while it is still an item, else item 0.
void FillDestinationCombo(TComboBox* combo, TEdit* edit, const RECORD_DEVICECODE& drives);
// Selects the item equal to line 1 of "BacDest.ini" and shows it.
void LoadBacDestSetting(TComboBox* combo, TEdit* edit);
// One item "X:  PCFOLDER" per folder in the product folder of the root.
void AddPcFoldersOfDrive(TComboBox* combo, const std::u16string& root);
// The PC folders of every drive; the edit as with FillDestinationCombo. Always true.
bool FillPcFolderCombo(TComboBox* combo, TEdit* edit, const RECORD_DEVICECODE& drives);
// "DestSetRes.ini": the restore-to-original flag and the destination text.
void SaveRestoreDestSetting(BYTE toOriginal, const std::u16string& text);
// Line 1 into RestoreToOriginal (non-zero gives 1); a non-empty line 2 into the destination edit.
void LoadRestoreDestSetting(TMainForm& form, TEdit* destination);
// Items "Easy Backup" and "Manual Backup" (the menu's captions); the button-function selector
// selects item 1, the hotkey and schedule function selector item 0.
void FillAcFuncCombo(TMainForm& form, TComboBox* combo, TEdit* edit);
void FillSbFuncCombo(TMainForm& form, TComboBox* combo, TEdit* edit);
