#pragma once
// The Hotkey and Schedule blocks on a tab switch, a new size or a new language.

class TMainForm;

// Both blocks on the launch-method block's current rectangle; the one of BackupSettingsTab shown
// (2 Hotkey, 3 Schedule). The shared Add button and function selector are placed at the bottom of
// that block's editor area and shown only on those two tabs.
void PlaceSettingsTabBlocks(TMainForm& form);
// The captions and list charsets of both blocks, the function selector's and weekday picker's items,
// and both lists' rows in the current language (which registers the hotkeys again).
void ApplyHotkeyScheduleLanguage(TMainForm& form);
