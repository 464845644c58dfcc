#pragma once
// The left-to-right creation of the main window's skin: frame and title area, menu panel, work
// area with its work buttons and the page builders. Each runs once, from the constructor.

#include <string>

class TMainForm;

// Sizes the window (640 x 480, rounded), builds the frame and title area, then the menu panel and
// the work area.
void BuildMainWindowSkin(TMainForm& form);
// The rounded menu panel, its frame, background and logo area, and the six groups in menu order.
void BuildMenuPanel(TMainForm& form);
// The work panel, its rules and titles, the two work buttons, then every page builder.
void BuildWorkArea(TMainForm& form);
// The page description, smaller where it needs two lines.
void SetPageDescription(TMainForm& form, const std::u16string& text);
// Left-to-right width and place of the two work buttons for the right button's current caption:
// 150 px when the caption is wider than 80 px, else 80.
void LayoutWorkButtons(TMainForm& form);
// The width the right work button needs for its caption.
int RightWorkButtonWidth(TMainForm& form);
