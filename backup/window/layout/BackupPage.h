#pragma once
// The backup panel as page 3 (Easy Backup) or page 4 (Manual Backup): which controls show, and the
// page relayout that places the destination selector and the arrow below the rows.

class TMainForm;

void ShowEasyBackupControls(TMainForm& form, bool visible);
void ShowManualBackupControls(TMainForm& form, bool visible);
// The rows relayout, then the selector and the arrow for the current size and CurrentPage.
void RelayoutLtrBackupPage(TMainForm& form);
void RelayoutRtlBackupPage(TMainForm& form);
// The part of the page switch of pages 3 and 4 that belongs to the backup panel: header caption,
// the two switches and the relayout of the current direction.
void SwitchBackupPage(TMainForm& form, int page);
