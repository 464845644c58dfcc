#include "ui/backends/sdl_backend.h"

#include "platform/machine.h"
#include "platform/text.h"
#include "ui/backends/sdl_keys.h"
#include "ui/backends/x11_display.h"
#include "ui/gfx/bitmap.h"
#include "ui/gfx/region.h"
#include "ui/loop/desktop.h"
#include "ui/types.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_shape.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <map>

namespace ui {

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

SDL_SystemCursor SystemCursorOf(int cursorId)
{
    switch (cursorId) {
    case crIBeam:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case crHourGlass:
        return SDL_SYSTEM_CURSOR_WAIT;
    case crAppStart:
        return SDL_SYSTEM_CURSOR_WAITARROW;
    case crCross:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case crSizeNWSE:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case crSizeNESW:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case crSizeWE:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case crSizeNS:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case crSizeAll:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case crNo:
        return SDL_SYSTEM_CURSOR_NO;
    case crHandPoint:
        return SDL_SYSTEM_CURSOR_HAND;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

int ButtonOf(Uint8 sdlButton)
{
    if (sdlButton == SDL_BUTTON_RIGHT)
        return kButtonRight;
    if (sdlButton == SDL_BUTTON_MIDDLE)
        return kButtonMiddle;
    return kButtonLeft;
}

// Waits are ours, not SDL's: SDL wakes its own wait by sending an X event to one of the windows,
// which may have been destroyed by then, and cannot wait once the display is gone.
class SdlBackend final : public Backend {
public:
    explicit SdlBackend(int wakeFd) : wakeFd_(wakeFd) { }
    ~SdlBackend() override;

    int CreateWindow(const Rect& bounds, bool topmost) override;
    void DestroyWindow(int window) override;
    void SetBounds(int window, const Rect& bounds) override;
    void Show(int window, bool visible) override;
    void Minimize(int window) override;
    void Restore(int window) override;
    void Raise(int window) override;
    void SetOwner(int window, int owner) override;
    void TakeKeyboard(int window) override;
    void BeginMoveDrag(int window) override;
    void SetTitle(int window, std::u16string_view title) override;
    void SetRoundRegion(int window, int width, int height, int ellipseW, int ellipseH) override;
    void SetCursor(int cursorId) override;
    void CaptureMouse(int window, bool capture) override;
    void Present(int window, const gfx::Bitmap& frame, const Rect& dirty) override;
    void WaitEvents(int timeoutMs, std::vector<BackendEvent>& events) override;
    void Wake() override;
    Rect ScreenRect() override;
    Rect WorkArea() override;

private:
    struct Window {
        SDL_Window* sdl = nullptr;
        bool shaped = false;
        int ellipseW = 0;
        int ellipseH = 0;
        Point position;
        int owner = 0;
    };
    struct MoveDrag {
        int window = 0;
        Point startMouse;
        Point startWindow;
    };

    Window* Find(int window);
    int IdOf(Uint32 sdlWindowId) const;
    void ApplyShape(Window& w);
    void Translate(const SDL_Event& e, std::vector<BackendEvent>& events);
    bool PointerOnScreen(Point& at, bool& leftDown);
    bool FollowMoveDrag(const SDL_Event& e, std::vector<BackendEvent>& events);
    bool Drain(std::vector<BackendEvent>& events);
    bool TakeWake();
    void Block(int timeoutMs);
    bool Gone() const { return lost_.load(); }

    int wakeFd_;
    void* display_ = nullptr;
    std::atomic<bool> lost_{false};
    bool lostReported_ = false;
    std::map<int, Window> windows_;
    int nextId_ = 1;
    std::map<int, SDL_Cursor*> cursors_;
    MoveDrag drag_;
    bool warnedUnshaped_ = false;
};

SdlBackend::~SdlBackend()
{
    close(wakeFd_);
    loop::StopDesktop();
    // A lost display cannot be spoken to any more, not even to close it.
    if (Gone())
        return;
    for (auto& [id, w] : windows_)
        SDL_DestroyWindow(w.sdl);
    for (auto& [id, c] : cursors_)
        SDL_FreeCursor(c);
    SDL_Quit();
}

SdlBackend::Window* SdlBackend::Find(int window)
{
    if (Gone())
        return nullptr;
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

int SdlBackend::IdOf(Uint32 sdlWindowId) const
{
    for (const auto& [id, w] : windows_) {
        if (SDL_GetWindowID(w.sdl) == sdlWindowId)
            return id;
    }
    return 0;
}

int SdlBackend::CreateWindow(const Rect& bounds, bool topmost)
{
    if (Gone())
        return 0;
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | (topmost ? SDL_WINDOW_ALWAYS_ON_TOP : 0);
    int width = std::max(bounds.Width(), 1);
    int height = std::max(bounds.Height(), 1);
    Window w;
    w.sdl = SDL_CreateShapedWindow("", static_cast<unsigned>(std::max(bounds.left, 0)),
                                   static_cast<unsigned>(std::max(bounds.top, 0)), static_cast<unsigned>(width),
                                   static_cast<unsigned>(height), flags);
    w.shaped = w.sdl != nullptr;
    if (!w.sdl)
        w.sdl = SDL_CreateWindow("", bounds.left, bounds.top, width, height, flags);
    if (!w.sdl) {
        std::fprintf(stderr, "Cannot create a window: %s\n", SDL_GetError());
        return 0;
    }
    if (!w.shaped && !warnedUnshaped_) {
        warnedUnshaped_ = true;
        std::fprintf(stderr, "Shaped windows are not available (%s); rounded corners are drawn black.\n",
                     SDL_GetError());
    }
    if (display_ == nullptr) {
        display_ = x11::DisplayOf(w.sdl);
        if (display_ != nullptr)
            x11::WatchForLoss(display_, &lost_);
    }
    w.position = Point{bounds.left, bounds.top};
    int id = nextId_++;
    ApplyShape(windows_.emplace(id, w).first->second);
    return id;
}

void SdlBackend::DestroyWindow(int window)
{
    Window* w = Find(window);
    if (!w)
        return;
    SDL_DestroyWindow(w->sdl);
    windows_.erase(window);
    if (drag_.window == window)
        drag_ = MoveDrag{};
}

void SdlBackend::ApplyShape(Window& w)
{
    if (!w.shaped)
        return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(w.sdl, &width, &height);
    std::unique_ptr<SDL_Surface, SurfaceDeleter> mask(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!mask)
        return;
    std::vector<std::uint8_t> inside = gfx::RoundRectMask(width, height, w.ellipseW, w.ellipseH);
    SDL_LockSurface(mask.get());
    for (int y = 0; y < height; ++y) {
        auto* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(mask->pixels) + static_cast<std::ptrdiff_t>(y) * mask->pitch);
        for (int x = 0; x < width; ++x)
            row[x] = inside[static_cast<std::size_t>(y) * width + x] ? 0xFFFFFFFFu : 0u;
    }
    SDL_UnlockSurface(mask.get());
    SDL_WindowShapeMode mode;
    mode.mode = ShapeModeBinarizeAlpha;
    mode.parameters.binarizationCutoff = 128;
    SDL_SetWindowShape(w.sdl, mask.get(), &mode);
    // Setting a shape moves the window back to a place SDL remembers from before.
    SDL_SetWindowPosition(w.sdl, w.position.x, w.position.y);
}

void SdlBackend::SetBounds(int window, const Rect& bounds)
{
    Window* w = Find(window);
    if (!w)
        return;
    int oldWidth = 0;
    int oldHeight = 0;
    SDL_GetWindowSize(w->sdl, &oldWidth, &oldHeight);
    SDL_SetWindowSize(w->sdl, std::max(bounds.Width(), 1), std::max(bounds.Height(), 1));
    w->position = Point{bounds.left, bounds.top};
    SDL_SetWindowPosition(w->sdl, bounds.left, bounds.top);
    if (oldWidth != bounds.Width() || oldHeight != bounds.Height())
        ApplyShape(*w);
}

void SdlBackend::Show(int window, bool visible)
{
    Window* w = Find(window);
    if (!w)
        return;
    if (!visible) {
        SDL_HideWindow(w->sdl);
        return;
    }
    // A shaped window is created off screen and a move before it is mapped may be lost.
    SDL_ShowWindow(w->sdl);
    SDL_SetWindowPosition(w->sdl, w->position.x, w->position.y);
}

void SdlBackend::Minimize(int window)
{
    if (Window* w = Find(window))
        SDL_MinimizeWindow(w->sdl);
}

void SdlBackend::Restore(int window)
{
    if (Window* w = Find(window))
        SDL_RestoreWindow(w->sdl);
}

void SdlBackend::Raise(int window)
{
    Window* w = Find(window);
    if (!w)
        return;
    SDL_RaiseWindow(w->sdl);
    for (auto& [id, owned] : windows_) {
        if (owned.owner == window && id != window && (SDL_GetWindowFlags(owned.sdl) & SDL_WINDOW_SHOWN) != 0)
            Raise(id);
    }
}

// A window manager keeps the window above its owner by the transient-for hint, Raise does without
// one.
void SdlBackend::SetOwner(int window, int owner)
{
    Window* w = Find(window);
    if (!w)
        return;
    w->owner = owner;
    // A window manager would hide the box with a minimised owner.
    Window* o = owner != window ? Find(owner) : nullptr;
    const bool shown = o && (SDL_GetWindowFlags(o->sdl) & SDL_WINDOW_MINIMIZED) == 0;
    x11::SetTransientFor(w->sdl, shown ? o->sdl : nullptr);
}

void SdlBackend::TakeKeyboard(int window)
{
    if (Window* w = Find(window))
        SDL_SetWindowInputFocus(w->sdl);
}

bool SdlBackend::PointerOnScreen(Point& at, bool& leftDown)
{
    if (display_ != nullptr)
        return x11::QueryPointer(display_, at.x, at.y, leftDown);
    leftDown = (SDL_GetGlobalMouseState(&at.x, &at.y) & SDL_BUTTON_LMASK) != 0;
    return true;
}

// Without a system move for borderless windows, the window follows the mouse until the button is
// released; the events of that drag are not delivered, as the system's move loop takes them.
void SdlBackend::BeginMoveDrag(int window)
{
    Window* w = Find(window);
    Point at;
    bool leftDown = false;
    if (!w || !PointerOnScreen(at, leftDown) || !leftDown)
        return;
    drag_.window = window;
    drag_.startMouse = at;
    drag_.startWindow = w->position;
    SDL_CaptureMouse(SDL_TRUE);
}

bool SdlBackend::FollowMoveDrag(const SDL_Event& e, std::vector<BackendEvent>& events)
{
    if (drag_.window == 0)
        return false;
    Window* w = Find(drag_.window);
    Point now;
    bool leftDown = false;
    if (e.type == SDL_MOUSEMOTION && w && PointerOnScreen(now, leftDown)) {
        w->position =
            Point{drag_.startWindow.x + now.x - drag_.startMouse.x, drag_.startWindow.y + now.y - drag_.startMouse.y};
        SDL_SetWindowPosition(w->sdl, w->position.x, w->position.y);
        BackendEvent moved;
        moved.kind = BackendEvent::Kind::Moved;
        moved.window = drag_.window;
        moved.x = w->position.x;
        moved.y = w->position.y;
        events.push_back(moved);
        return true;
    }
    if (e.type == SDL_MOUSEBUTTONUP && e.button.button == SDL_BUTTON_LEFT) {
        drag_ = MoveDrag{};
        SDL_CaptureMouse(SDL_FALSE);
        return true;
    }
    return e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEMOTION;
}

void SdlBackend::SetTitle(int window, std::u16string_view title)
{
    if (Window* w = Find(window))
        SDL_SetWindowTitle(w->sdl, platform::ToUtf8(title).c_str());
}

void SdlBackend::SetRoundRegion(int window, int, int, int ellipseW, int ellipseH)
{
    Window* w = Find(window);
    if (!w)
        return;
    w->ellipseW = std::max(ellipseW, 0);
    w->ellipseH = std::max(ellipseH, 0);
    ApplyShape(*w);
}

void SdlBackend::SetCursor(int cursorId)
{
    if (Gone())
        return;
    if (cursorId == crNone) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    SDL_SystemCursor kind = SystemCursorOf(cursorId);
    SDL_Cursor*& cursor = cursors_[kind];
    if (!cursor)
        cursor = SDL_CreateSystemCursor(kind);
    if (cursor)
        SDL_SetCursor(cursor);
}

void SdlBackend::CaptureMouse(int, bool capture)
{
    if (Gone())
        return;
    SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

void SdlBackend::Present(int window, const gfx::Bitmap& frame, const Rect& dirty)
{
    Window* w = Find(window);
    SDL_Surface* surface = w ? SDL_GetWindowSurface(w->sdl) : nullptr;
    if (!surface)
        return;
    Rect area = dirty.Intersect(frame.Bounds()).Intersect(Rect{0, 0, surface->w, surface->h});
    if (area.IsEmpty())
        return;
    const gfx::Bitmap* source = &frame;
    gfx::Bitmap blacked;
    if (!w->shaped && w->ellipseW > 0 && w->ellipseH > 0) {
        blacked = frame;
        for (int y = area.top; y < area.bottom; ++y) {
            gfx::Span in = gfx::RoundRectSpan(frame.Width(), frame.Height(), w->ellipseW, w->ellipseH, y);
            std::fill(blacked.Row(y), blacked.Row(y) + in.begin, gfx::MakePixel(255, 0, 0, 0));
            std::fill(blacked.Row(y) + in.end, blacked.Row(y) + frame.Width(), gfx::MakePixel(255, 0, 0, 0));
        }
        source = &blacked;
    }
    if (SDL_MUSTLOCK(surface))
        SDL_LockSurface(surface);
    auto* target = static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(area.top) * surface->pitch +
                   static_cast<std::ptrdiff_t>(area.left) * surface->format->BytesPerPixel;
    SDL_ConvertPixels(area.Width(), area.Height(), SDL_PIXELFORMAT_ARGB8888, source->Row(area.top) + area.left,
                      source->Width() * 4, surface->format->format, target, surface->pitch);
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
    SDL_Rect changed{area.left, area.top, area.Width(), area.Height()};
    SDL_UpdateWindowSurfaceRects(w->sdl, &changed, 1);
}

void SdlBackend::Translate(const SDL_Event& e, std::vector<BackendEvent>& events)
{
    BackendEvent ev;
    switch (e.type) {
    case SDL_MOUSEMOTION:
        ev.kind = BackendEvent::Kind::MouseMove;
        ev.window = IdOf(e.motion.windowID);
        ev.x = e.motion.x;
        ev.y = e.motion.y;
        ev.shift = ShiftStateFromSdl(SDL_GetModState(), e.motion.state);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        ev.kind = e.type == SDL_MOUSEBUTTONDOWN ? BackendEvent::Kind::MouseDown : BackendEvent::Kind::MouseUp;
        ev.window = IdOf(e.button.windowID);
        ev.x = e.button.x;
        ev.y = e.button.y;
        ev.button = ButtonOf(e.button.button);
        ev.clicks = e.button.clicks >= 2 ? 2 : 1;
        ev.shift = ShiftStateFromSdl(SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr));
        break;
    case SDL_MOUSEWHEEL:
        ev.kind = BackendEvent::Kind::MouseWheel;
        ev.window = IdOf(e.wheel.windowID);
        ev.wheelDelta = e.wheel.y * 120;
        ev.shift = ShiftStateFromSdl(SDL_GetModState(), SDL_GetMouseState(&ev.x, &ev.y));
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        ev.kind = e.type == SDL_KEYDOWN ? BackendEvent::Kind::KeyDown : BackendEvent::Kind::KeyUp;
        ev.window = IdOf(e.key.windowID);
        ev.key = VirtualKeyFromSdl(e.key.keysym.sym);
        ev.shift = ShiftStateFromSdl(e.key.keysym.mod, SDL_GetMouseState(nullptr, nullptr));
        if (ev.key == 0)
            return;
        events.push_back(ev);
        // These keys bring a character of their own, as on Windows; text input does not.
        if (e.type == SDL_KEYDOWN && (ev.key == 0x08 || ev.key == 0x09 || ev.key == 0x0D || ev.key == 0x1B)) {
            ev.kind = BackendEvent::Kind::Char;
            ev.ch = static_cast<char16_t>(ev.key);
            events.push_back(ev);
        }
        return;
    }
    case SDL_TEXTINPUT:
        ev.kind = BackendEvent::Kind::Char;
        ev.window = IdOf(e.text.windowID);
        for (char16_t c : platform::FromUtf8(e.text.text)) {
            ev.ch = c;
            events.push_back(ev);
        }
        return;
    case SDL_QUIT:
        // SDL turns SIGTERM and SIGINT into this event.
        ev.kind = BackendEvent::Kind::Quit;
        events.push_back(ev);
        return;
    case SDL_WINDOWEVENT:
        ev.window = IdOf(e.window.windowID);
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            ev.kind = BackendEvent::Kind::CloseRequest;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            ev.kind = BackendEvent::Kind::Activate;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            ev.kind = BackendEvent::Kind::Deactivate;
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            ev.kind = BackendEvent::Kind::Expose;
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            ev.kind = BackendEvent::Kind::Minimized;
            break;
        case SDL_WINDOWEVENT_RESTORED:
            ev.kind = BackendEvent::Kind::Restored;
            break;
        case SDL_WINDOWEVENT_LEAVE:
            ev.kind = BackendEvent::Kind::MouseLeave;
            break;
        default:
            return;
        }
        break;
    default:
        return;
    }
    if (ev.window != 0)
        events.push_back(ev);
}

bool SdlBackend::TakeWake()
{
    std::uint64_t count = 0;
    return read(wakeFd_, &count, sizeof count) == static_cast<ssize_t>(sizeof count);
}

// Takes what has arrived; true when there was anything, a wake-up included.
bool SdlBackend::Drain(std::vector<BackendEvent>& events)
{
    bool any = TakeWake();
    SDL_Event e;
    while (!Gone() && SDL_PollEvent(&e) == 1) {
        any = true;
        if (!FollowMoveDrag(e, events))
            Translate(e, events);
    }
    if (Gone() && !lostReported_) {
        lostReported_ = true;
        BackendEvent lost;
        lost.kind = BackendEvent::Kind::DisplayLost;
        events.push_back(lost);
        any = true;
    }
    return any;
}

// Sleeps until the X connection or Wake() has something, a signal arrives, or the time is up.
void SdlBackend::Block(int timeoutMs)
{
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {-1, POLLIN, 0}};
    if (display_ != nullptr && !Gone())
        fds[1].fd = x11::ConnectionFd(display_);
    poll(fds, fds[1].fd >= 0 ? 2 : 1, timeoutMs);
}

void SdlBackend::WaitEvents(int timeoutMs, std::vector<BackendEvent>& events)
{
    if (Drain(events) || timeoutMs == 0)
        return;
    Block(timeoutMs);
    Drain(events);
}

void SdlBackend::Wake()
{
    const std::uint64_t one = 1;
    while (write(wakeFd_, &one, sizeof one) < 0 && errno == EINTR) { }
}

Rect SdlBackend::ScreenRect()
{
    SDL_Rect r{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &r);
    return Rect::FromSize(r.x, r.y, r.w, r.h);
}

Rect SdlBackend::WorkArea()
{
    SDL_Rect r{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0)
        SDL_GetDisplayBounds(0, &r);
    return Rect::FromSize(r.x, r.y, r.w, r.h);
}

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend()
{
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // A texture-backed window surface recreates the window for OpenGL, which loses its shape.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "No display for windows: %s\n", SDL_GetError());
        return nullptr;
    }
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0) {
        SDL_Quit();
        return nullptr;
    }
    x11::InstallErrorHandlers();
    auto backend = std::make_unique<SdlBackend>(wake);
    if (platform::CurrentProfile() == nullptr) {
        loop::StartDesktop();
    }
    return backend;
}

}  // namespace ui
