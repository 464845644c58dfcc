#pragma once
// A window system without a display: windows are records, each keeps the last frame presented,
// and input comes only from InjectEvent. WaitEvents never blocks.

#include "ui/backend.h"
#include "ui/gfx/bitmap.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace ui {

class HeadlessBackend final : public Backend {
public:
    struct WindowState {
        Rect bounds;
        bool topmost = false;
        bool visible = false;
        bool minimized = false;
        std::u16string title;
        int regionEllipseW = 0;  // 0 x 0: no shape
        int regionEllipseH = 0;
        gfx::Bitmap frame;  // the last presented frame
        int presents = 0;
        int moveDrags = 0;
        int owner = 0;
    };

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

    // Null for an unknown or destroyed window.
    const WindowState* Window(int window) const;
    // The last frame with the outside of the window's region transparent; false when the window
    // has no frame or the file cannot be written.
    bool WriteFramePng(int window, const std::string& path) const;
    // Thread-safe; delivered by the next WaitEvents.
    void InjectEvent(const BackendEvent& event);
    int Cursor() const { return cursor_; }
    int CapturedWindow() const { return captured_; }
    int TopWindow() const { return top_; }
    int KeyboardWindow() const { return keyboard_; }
    void SetScreen(const Rect& screen, const Rect& workArea);

private:
    WindowState* Find(int window);

    std::map<int, WindowState> windows_;
    int nextId_ = 1;
    int cursor_ = 0;
    int captured_ = 0;
    int top_ = 0;
    int keyboard_ = 0;
    Rect screen_{0, 0, 1280, 800};
    Rect workArea_{0, 0, 1280, 760};
    std::mutex pendingMutex_;
    std::vector<BackendEvent> pending_;
};

std::unique_ptr<Backend> MakeHeadlessBackend();

}  // namespace ui
