#pragma once
// Placement, skins and language of the main window's pages. Each operation takes the main window
// and reports nothing. The builders run once at construction in left-to-right order; the
// relayouts after a resize or a language change; the Rtl twins serve the language 1025.

class TMainForm;

// Puts the resting skins back on the title buttons, the work buttons (the right one while idle),
// the buttons of the page shown, the group highlight and the sub-button pictures.
void ResetButtonSkins(TMainForm& form);
// Once, for the language 1025, before ApplyLanguage: mirrors the title area, menu and pages.
void ApplyRtlLayout(TMainForm& form);
// Charsets, reading orders and styles of the language, the overview text, menu and page captions
// and hints, the work button captions; ends with the relayout of the current direction.
void ApplyLanguage(TMainForm& form);
// Group and sub-button captions, the current page's title, and the tray menu's quit caption
// (text 20007 with "Harbex Solo+" and, for a start path, "_" and its first character).
void ApplyMenuCaptions(TMainForm& form);
// The whole window for its current size, left-to-right or mirrored.
void RelayoutLtr(TMainForm& form);
void RelayoutRtl(TMainForm& form);
// The overview page and every page panel on the page rectangle of the current direction.
void RelayoutLtrOverviewPages(TMainForm& form);
void RelayoutRtlOverviewPages(TMainForm& form);
// The overview page panel on the page rectangle that every later page copies; runs first among
// the page builders.
void LayoutOverviewPanel(TMainForm& form);
