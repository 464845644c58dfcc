#include "platform/x11_connection.h"

namespace platform {

Display* OpenWatchedDisplay(bool* lost)
{
    Display* display = XOpenDisplay(nullptr);
    if (display != nullptr) {
        XSetIOErrorExitHandler(
            display, [](Display*, void* flag) { *static_cast<bool*>(flag) = true; }, lost);
    }
    return display;
}

}  // namespace platform
