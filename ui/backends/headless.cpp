#include "ui/backends/headless.h"

#include "ui/gfx/image.h"
#include "ui/gfx/region.h"

#include <algorithm>

namespace ui {

std::unique_ptr<Backend> MakeHeadlessBackend()
{
    return std::make_unique<HeadlessBackend>();
}

HeadlessBackend::WindowState* HeadlessBackend::Find(int window)
{
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

const HeadlessBackend::WindowState* HeadlessBackend::Window(int window) const
{
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

int HeadlessBackend::CreateWindow(const Rect& bounds, bool topmost)
{
    int id = nextId_++;
    WindowState& w = windows_[id];
    w.bounds = bounds;
    w.topmost = topmost;
    return id;
}

void HeadlessBackend::DestroyWindow(int window)
{
    windows_.erase(window);
    if (captured_ == window)
        captured_ = 0;
    if (top_ == window)
        top_ = 0;
}

void HeadlessBackend::SetBounds(int window, const Rect& bounds)
{
    if (WindowState* w = Find(window))
        w->bounds = bounds;
}

void HeadlessBackend::Show(int window, bool visible)
{
    if (WindowState* w = Find(window))
        w->visible = visible;
}

void HeadlessBackend::Minimize(int window)
{
    if (WindowState* w = Find(window))
        w->minimized = true;
}

void HeadlessBackend::Restore(int window)
{
    if (WindowState* w = Find(window))
        w->minimized = false;
}

void HeadlessBackend::Raise(int window)
{
    if (!Find(window))
        return;
    top_ = window;
    for (const auto& [id, w] : windows_) {
        if (w.owner == window && w.visible && id != window)
            Raise(id);
    }
}

void HeadlessBackend::SetOwner(int window, int owner)
{
    if (WindowState* w = Find(window))
        w->owner = owner;
}

void HeadlessBackend::TakeKeyboard(int window)
{
    if (Find(window))
        keyboard_ = window;
}

void HeadlessBackend::BeginMoveDrag(int window)
{
    if (WindowState* w = Find(window))
        ++w->moveDrags;
}

void HeadlessBackend::SetTitle(int window, std::u16string_view title)
{
    if (WindowState* w = Find(window))
        w->title = title;
}

void HeadlessBackend::SetRoundRegion(int window, int, int, int ellipseW, int ellipseH)
{
    if (WindowState* w = Find(window)) {
        w->regionEllipseW = std::max(ellipseW, 0);
        w->regionEllipseH = std::max(ellipseH, 0);
    }
}

void HeadlessBackend::SetCursor(int cursorId)
{
    cursor_ = cursorId;
}

void HeadlessBackend::CaptureMouse(int window, bool capture)
{
    if (capture)
        captured_ = window;
    else if (captured_ == window)
        captured_ = 0;
}

void HeadlessBackend::Present(int window, const gfx::Bitmap& frame, const Rect& dirty)
{
    WindowState* w = Find(window);
    if (!w)
        return;
    ++w->presents;
    if (w->frame.Width() != frame.Width() || w->frame.Height() != frame.Height()) {
        w->frame = frame;
        return;
    }
    Rect changed = dirty.Intersect(frame.Bounds());
    for (int y = changed.top; y < changed.bottom && !changed.IsEmpty(); ++y)
        std::copy(frame.Row(y) + changed.left, frame.Row(y) + changed.right, w->frame.Row(y) + changed.left);
}

void HeadlessBackend::WaitEvents(int, std::vector<BackendEvent>& events)
{
    std::lock_guard lock(pendingMutex_);
    events.insert(events.end(), pending_.begin(), pending_.end());
    pending_.clear();
}

void HeadlessBackend::Wake()
{
}

void HeadlessBackend::InjectEvent(const BackendEvent& event)
{
    std::lock_guard lock(pendingMutex_);
    pending_.push_back(event);
}

Rect HeadlessBackend::ScreenRect()
{
    return screen_;
}

Rect HeadlessBackend::WorkArea()
{
    return workArea_;
}

void HeadlessBackend::SetScreen(const Rect& screen, const Rect& workArea)
{
    screen_ = screen;
    workArea_ = workArea;
}

bool HeadlessBackend::WriteFramePng(int window, const std::string& path) const
{
    const WindowState* w = Window(window);
    if (!w || w->frame.IsEmpty())
        return false;
    gfx::Bitmap shaped = w->frame;
    if (w->regionEllipseW > 0 && w->regionEllipseH > 0) {
        for (int y = 0; y < shaped.Height(); ++y) {
            gfx::Span inside =
                gfx::RoundRectSpan(shaped.Width(), shaped.Height(), w->regionEllipseW, w->regionEllipseH, y);
            std::fill(shaped.Row(y), shaped.Row(y) + inside.begin, 0);
            std::fill(shaped.Row(y) + inside.end, shaped.Row(y) + shaped.Width(), 0);
        }
    }
    return gfx::WritePng(shaped, path);
}

}  // namespace ui
