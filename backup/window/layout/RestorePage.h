#pragma once
// The restore panel Res_Pan shared by page 5 (Easy Restore) and page 6 (Manual Restore): source and
// time selectors, the category rows, the arrow and the destination line. Each takes the main window
// and cannot fail.

class TMainForm;

// Once at creation, in every language, after the overview page and before the tree panel.
void LayoutRestorePage(TMainForm& form);
void LayoutRestoreRenewButton(TMainForm& form);
// Positions and sizes for the current page rectangle; the arrow sits centred on page 5 and just
// above the destination line otherwise. Ends with the Manual Restore tree.
void RelayoutLtrRestorePage(TMainForm& form);
// Once, for the language 1025, after the left-to-right builders.
void LayoutRtlRestorePage(TMainForm& form);
void LayoutRtlRestoreRenewButton(TMainForm& form);
void RelayoutRtlRestorePage(TMainForm& form);
// The language pass of the page: titles, category names, destination title, Renew caption, and
// the destination text while restoring to the original place.
void ApplyRestoreCaptions(TMainForm& form);
// The part of the page switch of pages 5 and 6 that belongs to the restore panel: the two switches
// and the relayout of the current direction.
void SwitchRestorePage(TMainForm& form, int page);
