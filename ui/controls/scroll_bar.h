#pragma once
// A scroll bar drawn inside a control along its right or bottom edge: arrows, track and a thumb
// sized by the visible share. The control owns the position; the bar computes what the mouse asks.

#include "ui/gfx/geometry.h"
#include "ui/types.h"

#include <functional>
#include <optional>

namespace ui::gfx {
class Painter;
}

namespace ui {

class ScrollBar {
public:
    enum class Orientation { Vertical, Horizontal };
    static constexpr int kThickness = 17;

    explicit ScrollBar(Orientation orientation) : orientation_(orientation) { }

    // total units of content, page units visible at once, position the first unit shown.
    void SetRange(int total, int page, int position);
    bool Needed() const { return total_ > page_ && page_ > 0; }
    // The bar's rectangle in the control's coordinates.
    void SetBounds(const Rect& r) { bounds_ = r; }
    const Rect& Bounds() const { return bounds_; }
    int MaxPosition() const { return std::max(0, total_ - page_); }
    Rect ThumbRect() const;

    void Paint(gfx::Painter& painter) const;
    // A press at p (control coordinates): the new position, or nullopt when p is not on the bar.
    // A press on the thumb starts a drag that MouseMove follows until MouseUp.
    std::optional<int> MouseDown(Point p);
    std::optional<int> MouseMove(Point p) const;
    void MouseUp() { dragging_ = false; }
    bool Dragging() const { return dragging_; }
    // Takes the left-button and move messages that concern the bar (a press on it, a thumb drag)
    // and scrolls through scrollTo; false for the messages the control handles itself.
    bool HandleMouse(const TMessage& message, const std::function<void(int position)>& scrollTo);

private:
    int Along(Point p) const { return orientation_ == Orientation::Vertical ? p.y : p.x; }
    int TrackStart() const;
    int TrackLength() const;
    int ThumbLength() const;
    int ThumbStart() const;

    Orientation orientation_;
    Rect bounds_{};
    int total_ = 0;
    int page_ = 0;
    int position_ = 0;
    bool dragging_ = false;
    int grab_ = 0;  // where along the thumb the drag holds it
};

}  // namespace ui
