#pragma once
// An X connection of our own that marks itself lost when the server goes away, where Xlib would
// otherwise end the process. Once `lost` is true no call may use the display but closing it is skipped.

#include <X11/Xlib.h>

namespace platform {

Display* OpenWatchedDisplay(bool* lost);

}  // namespace platform
