#include "ui/backends/x11_display.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <mutex>
#include <set>
#include <utility>

namespace ui::x11 {
namespace {

// One line per kind of failed request, so that a burst of them does not flood the log.
int NoteProtocolError(Display*, XErrorEvent* error)
{
    static std::mutex mutex;
    static std::set<std::pair<int, int>> seen;
    std::lock_guard lock(mutex);
    if (seen.emplace(error->error_code, error->request_code).second) {
        std::fprintf(stderr, "X error %d on request %d ignored\n", error->error_code, error->request_code);
    }
    return 0;
}

// Returning lets Xlib go on to the display's exit handler instead of ending the process.
int NoteLostConnection(Display*)
{
    return 0;
}

void MarkLost(Display*, void* lost)
{
    static_cast<std::atomic<bool>*>(lost)->store(true);
}

// The X11 window under an SDL window; false when it is not an X11 window.
bool X11WindowOf(SDL_Window* window, Display*& display, ::Window& x11Window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    display = info.info.x11.display;
    x11Window = info.info.x11.window;
    return true;
}

}  // namespace

void InstallErrorHandlers()
{
    XSetErrorHandler(NoteProtocolError);
    XSetIOErrorHandler(NoteLostConnection);
}

void* DisplayOf(SDL_Window* window)
{
    Display* display = nullptr;
    ::Window x11Window = 0;
    return X11WindowOf(window, display, x11Window) ? display : nullptr;
}

void WatchForLoss(void* display, std::atomic<bool>* lost)
{
    XSetIOErrorExitHandler(static_cast<Display*>(display), MarkLost, lost);
}

void SetTransientFor(SDL_Window* window, SDL_Window* owner)
{
    Display* display = nullptr;
    ::Window x11Window = 0;
    if (!X11WindowOf(window, display, x11Window)) {
        return;
    }
    Display* ownerDisplay = nullptr;
    ::Window x11Owner = 0;
    if (owner != nullptr && X11WindowOf(owner, ownerDisplay, x11Owner)) {
        XSetTransientForHint(display, x11Window, x11Owner);
    } else {
        XDeleteProperty(display, x11Window, XA_WM_TRANSIENT_FOR);
    }
    XFlush(display);
}

int ConnectionFd(void* display)
{
    return ConnectionNumber(static_cast<Display*>(display));
}

bool QueryPointer(void* display, int& x, int& y, bool& leftDown)
{
    auto* d = static_cast<Display*>(display);
    ::Window root = 0;
    ::Window child = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    if (!XQueryPointer(d, DefaultRootWindow(d), &root, &child, &x, &y, &windowX, &windowY, &mask)) {
        return false;
    }
    leftDown = (mask & Button1Mask) != 0;
    return true;
}

}  // namespace ui::x11
