#pragma once
// What a person sees wrong with the captions of a window: text cut at its label's edge or at a parent's
// edge, text covered by a control drawn over it, text drawn over another caption or into an input
// control, a wrapped line whose glyphs reach a box drawn below it. Text is measured with the engine in use, so with
// FreeType the fonts the programs draw with.

#include "ui/widgets.h"

#include <string>
#include <vector>

namespace ui::testing {

// One line per fault, naming the window, the control and what is wrong.
std::vector<std::string> CaptionFaults(TForm& form);

}  // namespace ui::testing
