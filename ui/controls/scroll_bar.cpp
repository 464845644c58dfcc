#include "ui/controls/scroll_bar.h"

#include "ui/control.h"
#include "ui/gfx/painter.h"

namespace ui {
namespace {

constexpr int kMinThumb = 8;
// The purple theme of the program's skins (colours as 0x00BBGGRR): a pale track, lavender arrow
// boxes with purple arrows, and a thumb that darkens while it is dragged.
constexpr TColor kTrack = 0xF5ECF1;
constexpr TColor kArrowBox = 0xEED9E3;
constexpr TColor kArrow = 0x922E62;
constexpr TColor kThumb = 0xCCAFBC;
constexpr TColor kThumbDragged = 0xAB3F76;

}  // namespace

void ScrollBar::SetRange(int total, int page, int position)
{
    total_ = std::max(0, total);
    page_ = std::max(0, page);
    position_ = std::clamp(position, 0, MaxPosition());
}

int ScrollBar::TrackStart() const
{
    bool vertical = orientation_ == Orientation::Vertical;
    return (vertical ? bounds_.top : bounds_.left) + kThickness;
}

int ScrollBar::TrackLength() const
{
    bool vertical = orientation_ == Orientation::Vertical;
    return std::max(0, (vertical ? bounds_.Height() : bounds_.Width()) - 2 * kThickness);
}

int ScrollBar::ThumbLength() const
{
    if (total_ <= 0) {
        return TrackLength();
    }
    return std::min(TrackLength(), std::max(kMinThumb, TrackLength() * page_ / total_));
}

int ScrollBar::ThumbStart() const
{
    int room = TrackLength() - ThumbLength();
    return TrackStart() + (MaxPosition() > 0 ? room * position_ / MaxPosition() : 0);
}

Rect ScrollBar::ThumbRect() const
{
    if (orientation_ == Orientation::Vertical) {
        return Rect{bounds_.left, ThumbStart(), bounds_.right, ThumbStart() + ThumbLength()};
    }
    return Rect{ThumbStart(), bounds_.top, ThumbStart() + ThumbLength(), bounds_.bottom};
}

void ScrollBar::Paint(gfx::Painter& painter) const
{
    painter.FillRect(bounds_, kTrack);
    bool vertical = orientation_ == Orientation::Vertical;
    Rect first = vertical ? Rect{bounds_.left, bounds_.top, bounds_.right, bounds_.top + kThickness}
                          : Rect{bounds_.left, bounds_.top, bounds_.left + kThickness, bounds_.bottom};
    Rect last = vertical ? Rect{bounds_.left, bounds_.bottom - kThickness, bounds_.right, bounds_.bottom}
                         : Rect{bounds_.right - kThickness, bounds_.top, bounds_.right, bounds_.bottom};
    for (int arrow = 0; arrow < 2; ++arrow) {
        Rect box = arrow == 0 ? first : last;
        painter.FillRect(box.Inflate(-1, -1), kArrowBox);
        int cx = (box.left + box.right) / 2;
        int cy = (box.top + box.bottom) / 2;
        // A small triangle pointing away from the track.
        for (int i = 0; i < 4; ++i) {
            int reach = arrow == 0 ? i : 3 - i;
            if (vertical) {
                painter.Line(Point{cx - reach, cy - 2 + i}, Point{cx + reach + 1, cy - 2 + i}, kArrow);
            } else {
                painter.Line(Point{cx - 2 + i, cy - reach}, Point{cx - 2 + i, cy + reach + 1}, kArrow);
            }
        }
    }
    if (Needed()) {
        Rect thumb = ThumbRect().Inflate(vertical ? -2 : 0, vertical ? 0 : -2);
        painter.FillRect(thumb, dragging_ ? kThumbDragged : kThumb);
    }
}

std::optional<int> ScrollBar::MouseDown(Point p)
{
    if (!Needed() || !bounds_.Contains(p)) {
        return std::nullopt;
    }
    int at = Along(p);
    if (at < TrackStart()) {
        return std::max(0, position_ - 1);
    }
    if (at >= TrackStart() + TrackLength()) {
        return std::min(MaxPosition(), position_ + 1);
    }
    if (at < ThumbStart()) {
        return std::max(0, position_ - page_);
    }
    if (at >= ThumbStart() + ThumbLength()) {
        return std::min(MaxPosition(), position_ + page_);
    }
    dragging_ = true;
    grab_ = at - ThumbStart();
    return position_;
}

std::optional<int> ScrollBar::MouseMove(Point p) const
{
    if (!dragging_) {
        return std::nullopt;
    }
    int room = TrackLength() - ThumbLength();
    if (room <= 0) {
        return position_;
    }
    int offset = std::clamp(Along(p) - grab_ - TrackStart(), 0, room);
    return (offset * MaxPosition() + room / 2) / room;
}

bool ScrollBar::HandleMouse(const TMessage& m, const std::function<void(int)>& scrollTo)
{
    Point p{MouseLParamX(m.LParam), MouseLParamY(m.LParam)};
    std::optional<int> position;
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        position = MouseDown(p);
        break;
    case WM_MOUSEMOVE:
        position = MouseMove(p);
        break;
    case WM_LBUTTONUP:
        if (!dragging_) {
            return false;
        }
        MouseUp();
        position = position_;
        break;
    default:
        return false;
    }
    if (!position) {
        return false;
    }
    scrollTo(*position);
    return true;
}

}  // namespace ui
