#include "ui/controls/progress_bar.h"

#include "ui/gfx/painter.h"

namespace ui {

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 150, 17);
    SetTabStop(false);
}

void TProgressBar::SetRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TProgressBar::SetPosition(int position)
{
    position = std::clamp(position, min_, max_);
    if (position != position_) {
        position_ = position;
        Invalidate();
    }
}

void TProgressBar::SetSmooth(bool on)
{
    if (on != smooth_) {
        smooth_ = on;
        Invalidate();
    }
}

void TProgressBar::WndProc(TMessage& m)
{
    if (m.Msg == PBM_SETBARCOLOR) {
        m.Result = static_cast<std::intptr_t>(barColor_ == clHighlight ? CLR_DEFAULT : barColor_);
        TColor next = static_cast<TColor>(m.LParam);
        barColor_ = next == CLR_DEFAULT ? clHighlight : next;
        Invalidate();
        return;
    }
    TWinControl::WndProc(m);
}

void TProgressBar::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    painter.FillRect(r, Color());
    painter.FrameRect(r, clGray);
    Rect inner = r.Inflate(-2, -2);
    if (inner.IsEmpty() || max_ == min_) {
        return;
    }
    int filled = static_cast<int>(static_cast<long long>(inner.Width()) * (position_ - min_) / (max_ - min_));
    if (smooth_) {
        painter.FillRect(Rect{inner.left, inner.top, inner.left + filled, inner.bottom}, barColor_);
        return;
    }
    int block = std::max(2, inner.Height() * 2 / 3);
    for (int x = inner.left; x < inner.left + filled; x += block + 2) {
        painter.FillRect(Rect{x, inner.top, std::min(x + block, inner.left + filled), inner.bottom}, barColor_);
    }
}

}  // namespace ui
