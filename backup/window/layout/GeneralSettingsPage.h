#pragma once
// The general settings page Set_Gen_Pan: the language block with its selector, and the option
// rows launch at logon, minimise at launch and hiding of the backup folder. Each takes the main
// window and cannot fail.

class TMainForm;

// Once at creation, in every language.
void LayoutGeneralSettingsPage(TMainForm& form);
// The page for its panel's current size; also the mirrored creation pass for the language 1025.
void RelayoutLtrGeneralSettingsPage(TMainForm& form);
void LayoutRtlGeneralSettingsPage(TMainForm& form);
// Final captions of the page for the current language table.
void ApplyGeneralSettingsCaptions(TMainForm& form);
