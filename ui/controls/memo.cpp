#include "ui/controls/memo.h"

#include "ui/gfx/painter.h"

namespace ui {

TMemo::TMemo(TComponent* owner) : TWinControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 185, 89);
    SetColor(clWindow);
    lines_.OnChange = [this] {
        if (syncing_) {
            return;
        }
        syncing_ = true;
        TWinControl::SetText(lines_.Text());
        syncing_ = false;
        topLine_ = std::clamp(topLine_, 0, std::max(0, lines_.Count() - 1));
        Invalidate();
    };
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    if (s != scrollBars_) {
        scrollBars_ = s;
        Invalidate();
    }
}

void TMemo::SetWordWrap(bool on)
{
    if (on != wordWrap_) {
        wordWrap_ = on;
        Invalidate();
    }
}

void TMemo::SetBorderStyle(TBorderStyle s)
{
    if (s != borderStyle_) {
        borderStyle_ = s;
        Invalidate();
    }
}

void TMemo::SetAlignment(TAlignment a)
{
    if (a != alignment_) {
        alignment_ = a;
        Invalidate();
    }
}

void TMemo::SetTopLine(int line)
{
    line = std::clamp(line, 0, std::max(0, lines_.Count() - 1));
    if (line != topLine_) {
        topLine_ = line;
        Invalidate();
    }
}

void TMemo::SetText(std::u16string text)
{
    lines_.SetText(text);
}

const ScrollBar& TMemo::VerticalScrollBar()
{
    bool wanted = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    int lineHeight = std::max(1, Font().TextHeight(u"Ag"));
    vbar_.SetRange(wanted ? lines_.Count() : 0, (Height() - 4) / lineHeight, topLine_);
    vbar_.SetBounds(Rect{Width() - ScrollBar::kThickness, 0, Width(), Height()});
    return vbar_;
}

void TMemo::WndProc(TMessage& m)
{
    VerticalScrollBar();
    if (vbar_.HandleMouse(m, [this](int line) {
            SetTopLine(line);
            Invalidate();
        })) {
        return;
    }
    if (m.Msg == WM_MOUSEWHEEL) {
        SetTopLine(topLine_ - static_cast<std::int16_t>(m.WParam >> 16) / 120 * 3);
    }
    TWinControl::WndProc(m);
}

void TMemo::KeyPress(char16_t& key)
{
    TWinControl::KeyPress(key);
    if (key == 0 || readOnly_) {
        return;
    }
    if (key == VK_RETURN) {
        lines_.Add(u"");
    } else if (key == VK_BACK) {
        if (lines_.Count() > 0) {
            std::u16string last = lines_[lines_.Count() - 1];
            if (last.empty()) {
                lines_.Delete(lines_.Count() - 1);
            } else {
                last.pop_back();
                lines_.SetStrings(lines_.Count() - 1, last);
            }
        }
    } else if (key >= 0x20) {
        if (lines_.Count() == 0) {
            lines_.Add(u"");
        }
        lines_.SetStrings(lines_.Count() - 1, lines_[lines_.Count() - 1] + key);
    }
}

void TMemo::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    painter.FillRect(r, Color());
    if (borderStyle_ == TBorderStyle::bsSingle) {
        painter.FrameRect(r, clGray);
        r = r.Inflate(-2, -2);
    }
    using gfx::TextFlags;
    TextFlags flags = alignment_ == TAlignment::taCenter                                      ? TextFlags::Center
                      : alignment_ == TAlignment::taRightJustify || (ExStyle() & WS_EX_RIGHT) ? TextFlags::Right
                                                                                              : TextFlags::Left;
    if (wordWrap_) {
        flags = flags | TextFlags::WordWrap;
    }
    if (ExStyle() & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) {
        flags = flags | TextFlags::RtlReading;
    }
    bool bar = VerticalScrollBar().Needed();
    if (bar) {
        r.right -= ScrollBar::kThickness;
    }
    gfx::FontSpec fontSpec = Font().Spec();
    int y = r.top;
    for (int i = topLine_; i < lines_.Count() && y < r.bottom; ++i) {
        gfx::TextBlock block = gfx::LayOutText(fontSpec, lines_[i], r.Width() - 2, 1 << 20, flags);
        int height = std::max<int>(1, static_cast<int>(block.lines.size())) * block.metrics.lineHeight;
        painter.DrawTextBlock(Rect{r.left + 1, y, r.right - 1, y + height}, block, fontSpec);
        y += height;
    }
    if (bar) {
        vbar_.Paint(painter);
    }
}

}  // namespace ui
