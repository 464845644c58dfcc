#pragma once
// The Manual Restore tree in its grey frame, and the two switches that choose what pages 5 and 6
// show of the restore panel.

class TMainForm;

// Once at creation, after LayoutRestorePage (the tree ends 4 px above the arrow).
void LayoutRestoreTreePanel(TMainForm& form);
// Width and height again for the current page width and arrow.
void PlaceRestoreTree(TMainForm& form);
void LayoutRtlRestoreTreePanel(TMainForm& form);

void ShowEasyRestoreControls(TMainForm& form, bool visible);
void ShowManualRestoreControls(TMainForm& form, bool visible);
