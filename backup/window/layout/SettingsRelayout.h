#pragma once
// The two settings pages placed again after a resize or a language change, in the direction of
// the current language (only Lefts, widths and the heights that follow the page's bottom move),
// and their language pass.

class TMainForm;

void RelayoutLtrSettingsPages(TMainForm& form);
void RelayoutRtlSettingsPages(TMainForm& form);
// The language pass of both pages: final captions, the button-function selector refilled with the
// menu's captions and showing ButtonFunction again, and the current tab selected again.
void ApplySettingsCaptions(TMainForm& form);
