#pragma once
// Real borderless windows through SDL2 (X11, also under Xvfb). Windows are shaped to their
// rounded region where the display allows it; otherwise the outside of the region is painted
// black, which is said once on standard error.

#include "ui/backend.h"

#include <memory>

namespace ui {

// Null when no display can be opened (the reason goes to standard error).
std::unique_ptr<Backend> MakeSdlBackend();

}  // namespace ui
