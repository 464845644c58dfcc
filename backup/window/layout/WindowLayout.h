#pragma once
// Placement of the main window's frame, title bar, menu panel, work panel and work buttons for the
// window's current size, left-to-right or mirrored for the language 1025. The whole-window passes
// RelayoutLtr, RelayoutRtl and ApplyRtlLayout are declared in PageLayout.h.

class TMainForm;

void RelayoutLtrFrame(TMainForm& form);
void RelayoutRtlFrame(TMainForm& form);
void RelayoutLtrMenu(TMainForm& form);
void RelayoutRtlMenu(TMainForm& form);
void RelayoutLtrWorkPanel(TMainForm& form);
void RelayoutRtlWorkPanel(TMainForm& form);
void RelayoutLtrWorkButtons(TMainForm& form);
void RelayoutRtlWorkButtons(TMainForm& form);
// The mirrored twin of LayoutWorkButtons: the right (OK) button at 16, the left one 4 px after it.
void LayoutRtlWorkButtons(TMainForm& form);
// The right work button's skin parts and caption for a button of the width.
void SizeRightWorkButtonParts(TMainForm& form, int width);
