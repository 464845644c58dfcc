#pragma once
// Placement, colours, skins and captions of the progress and result panel:
// created once left-to-right, mirrored once for the language 1025, re-placed at
// every relayout.

class TMainForm;

// Runs last among the work-area builders, before the language table is applied.
void BuildProgressPanel(TMainForm& form);
void BuildProgressOkButton(TMainForm& form);
// Once, for the language 1025, after BuildProgressPanel.
void LayoutRtlProgressPage(TMainForm& form);
void LayoutRtlProgressOkButton(TMainForm& form);
// Last steps of RelayoutLtr and RelayoutRtl: the bars keep their widths, the
// columns theirs.
void RelayoutLtrProgressPage(TMainForm& form);
void RelayoutRtlProgressPage(TMainForm& form);
// The language pass over the panel: head, columns, OK button and result titles,
// reading order.
void ApplyProgressCaptions(TMainForm& form);
