#pragma once
// The window system under the widget layer: borderless top-level windows that show a rendered
// frame, and the input they receive. Headless by default (tests); the program may install SDL2.

#include "ui/gfx/geometry.h"

#include <memory>
#include <string_view>
#include <vector>

namespace ui::gfx {
class Bitmap;
}

namespace ui {

// Modifier and button bits of BackendEvent::shift, as the widget layer's TShiftState uses them.
inline constexpr unsigned kShiftKey = 0x01;
inline constexpr unsigned kAltKey = 0x02;
inline constexpr unsigned kCtrlKey = 0x04;
inline constexpr unsigned kLeftButton = 0x08;
inline constexpr unsigned kRightButton = 0x10;
inline constexpr unsigned kMiddleButton = 0x20;

// Mouse buttons of BackendEvent::button.
inline constexpr int kButtonLeft = 0;
inline constexpr int kButtonRight = 1;
inline constexpr int kButtonMiddle = 2;

struct BackendEvent {
    enum class Kind {
        MouseDown,
        MouseUp,
        MouseMove,
        MouseLeave,
        MouseWheel,
        KeyDown,
        KeyUp,
        Char,
        CloseRequest,
        Activate,
        Deactivate,
        Expose,
        Minimized,
        Restored,
        Moved,  // the user moved the window; x, y: where it now stands on the screen
        Quit,  // the session or a signal asks the program to end; window is 0
        DisplayLost,  // the display has gone: nothing can be shown or asked any more; window is 0
    };
    Kind kind = Kind::Expose;
    int window = 0;
    int x = 0;  // window client coordinates
    int y = 0;
    int button = kButtonLeft;
    unsigned shift = 0;
    int key = 0;  // Windows virtual-key code (VK_*)
    char16_t ch = 0;  // Char
    int clicks = 1;  // 2 on the second press of a double click
    int wheelDelta = 0;  // multiples of 120, positive away from the user
};

class Backend {
public:
    virtual ~Backend() = default;
    // Creates a hidden borderless window; returns its id (> 0).
    virtual int CreateWindow(const Rect& bounds, bool topmost) = 0;
    virtual void DestroyWindow(int window) = 0;
    virtual void SetBounds(int window, const Rect& bounds) = 0;
    virtual void Show(int window, bool visible) = 0;
    virtual void Minimize(int window) = 0;
    virtual void Restore(int window) = 0;
    // Brings the window to the top, with the windows it owns above it.
    virtual void Raise(int window) = 0;
    // The window stays above `owner` (0: no owner) while it is shown, as a box stays above the
    // window it was shown over, whoever raises that window.
    virtual void SetOwner(int window, int owner) = 0;
    // Gives the window the keyboard (a window that closes leaves it to no one).
    virtual void TakeKeyboard(int window) = 0;
    // Lets the user move the window with the mouse from where the button is held.
    virtual void BeginMoveDrag(int window) = 0;
    virtual void SetTitle(int window, std::u16string_view title) = 0;
    // The window shape of CreateRoundRectRgn(0, 0, width, height, ellipseW, ellipseH);
    // ellipse 0 x 0 removes the shape.
    virtual void SetRoundRegion(int window, int width, int height, int ellipseW, int ellipseH) = 0;
    // One of the cr* cursor ids of ui/types.h.
    virtual void SetCursor(int cursorId) = 0;
    virtual void CaptureMouse(int window, bool capture) = 0;
    // Shows the window's whole frame; dirty is the part that changed since the last call.
    virtual void Present(int window, const gfx::Bitmap& frame, const Rect& dirty) = 0;
    // Waits up to timeoutMs (-1: no limit) for input or Wake(), then appends what arrived.
    virtual void WaitEvents(int timeoutMs, std::vector<BackendEvent>& events) = 0;
    // Ends a WaitEvents early; callable from any thread.
    virtual void Wake() = 0;
    virtual Rect ScreenRect() = 0;
    virtual Rect WorkArea() = 0;
};

// The backend in use. Without SetBackend it is the headless one.
Backend& CurrentBackend();
void SetBackend(std::unique_ptr<Backend> backend);

}  // namespace ui
