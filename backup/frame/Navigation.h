#pragma once
// Showing one page of the work area at a time and unfolding its menu group.

class TMainForm;

// Shows the page that CurrentPage names: its switch, its group's open step, then the resting
// skins. Any CurrentPage outside 1 to 12 only resets the skins.
void ShowPage(TMainForm& form);
// The page's title (its sub-button's caption) and description; nothing outside 1 to 12.
void ShowPageTitle(TMainForm& form, int page);
// The switch of one page: title icon, title, description, page panel, marked sub-button.
void RunPageSwitch(TMainForm& form, int page);
// Restacks the menu below the open group, shows its sub-buttons and sets the work buttons.
void OpenGroup(TMainForm& form, int group);
// The open group's button takes the selected picture; the others the normal one (for the job
// groups only while Idle is 1).
void HighlightGroup(TMainForm& form, int group);
