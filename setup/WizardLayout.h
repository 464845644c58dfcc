#pragma once
// The wizard's geometry: built once by the constructor with fixed numbers (the window never
// resizes), and the two frame layouts that place the horizontally movable controls left to right
// or, for the language 1025, mirrored.

namespace setup {

class TMainForm;

// The window, its bands, the three buttons, the licence memo, then the step indicators and the
// start, options and installing pages. The options page creates the installation folder.
void BuildMainLayout(TMainForm& form);
void BuildStepPanels(TMainForm& form);
void BuildStartPage(TMainForm& form);
void BuildOptionsPage(TMainForm& form);
void BuildProgressPage(TMainForm& form);

// Title caption and Lefts (and some Widths) for left-to-right and mirrored order.
void LayoutFrameLtr(TMainForm& form);
void LayoutFrameRtl(TMainForm& form);
// LayoutFrameRtl for the language 1025, else LayoutFrameLtr.
void LayoutFrameFor(TMainForm& form, int langId);

}  // namespace setup
