#pragma once
// Showing one page of the work area at a time and unfolding its menu group.

class TMainForm;

// Shows the page that CurrentPage names: its switch, its group's open step, then the resting
// skins. Any CurrentPage outside 1 to 12 only resets the skins.
void ShowPage(TMainForm& form);
// The page's title (its sub-button's caption) and description; nothing outside 1 to 12.
void ShowPageTitle(TMainForm& form, int page);
// The switches of pages 1 to 12: title icon, title, description, page panel, marked sub-button.
void ShowProductInfoPage(TMainForm& form);
void ShowDeviceInfoPage(TMainForm& form);
void ShowEasyBackupPage(TMainForm& form);
void ShowManualBackupPage(TMainForm& form);
void ShowEasyRestorePage(TMainForm& form);
void ShowManualRestorePage(TMainForm& form);
void ShowEasyDeletePage(TMainForm& form);
void ShowManualDeletePage(TMainForm& form);
void ShowFavoritesPage(TMainForm& form);
void ShowGeneralSettingsPage(TMainForm& form);
void ShowBackupSettingsPage(TMainForm& form);
void ShowUpdatePage(TMainForm& form);
// The switch of the page numbered `page`; nothing outside 1 to 12.
void RunPageSwitch(TMainForm& form, int page);
// Restacks the menu below the open group, shows its sub-buttons and sets the work buttons.
void OpenGroup(TMainForm& form, int group);
// The named group's button takes the selected picture; the others the normal one (for the job
// groups only while Idle is 1).
void HighlightSummaryGroup(TMainForm& form);
void HighlightBackupGroup(TMainForm& form);
void HighlightRestoreGroup(TMainForm& form);
void HighlightDeleteGroup(TMainForm& form);
void HighlightApplicationGroup(TMainForm& form);
void HighlightSettingsGroup(TMainForm& form);
// The highlight of the group numbered `group` (0 Summary to 5 Settings).
void HighlightGroup(TMainForm& form, int group);
