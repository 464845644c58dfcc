#include "ui/controls/label.h"

#include "ui/gfx/painter.h"

namespace ui {

TLabel::TLabel(TComponent* owner) : TControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment a)
{
    if (a != alignment_) {
        alignment_ = a;
        Invalidate();
    }
}

void TLabel::SetLayout(TTextLayout l)
{
    if (l != layout_) {
        layout_ = l;
        Invalidate();
    }
}

void TLabel::SetWordWrap(bool on)
{
    if (on != wordWrap_) {
        wordWrap_ = on;
        AdjustSize();
        Invalidate();
    }
}

void TLabel::SetAutoSize(bool on)
{
    if (on != autoSize_) {
        autoSize_ = on;
        AdjustSize();
    }
}

void TLabel::SetTransparent(bool on)
{
    if (on != transparent_) {
        transparent_ = on;
        Invalidate();
    }
}

void TLabel::SetEllipsisPosition(TEllipsisPosition position)
{
    if (position != ellipsisPosition_) {
        ellipsisPosition_ = position;
        Invalidate();
    }
}

void TLabel::SetText(std::u16string text)
{
    if (text == Text()) {
        return;
    }
    TControl::SetText(std::move(text));
    AdjustSize();
}

void TLabel::FontChanged()
{
    AdjustSize();
    Invalidate();
}

gfx::TextFlags TLabel::DrawFlags() const
{
    using gfx::TextFlags;
    TextFlags f = TextFlags::Left;
    TAlignment a = alignment_;
    if (UseRightToLeftAlignment()) {
        a = a == TAlignment::taLeftJustify    ? TAlignment::taRightJustify
            : a == TAlignment::taRightJustify ? TAlignment::taLeftJustify
                                              : a;
    }
    f = f | (a == TAlignment::taCenter         ? TextFlags::Center
             : a == TAlignment::taRightJustify ? TextFlags::Right
                                               : TextFlags::Left);
    f = f | (layout_ == TTextLayout::tlCenter   ? TextFlags::VCenter
             : layout_ == TTextLayout::tlBottom ? TextFlags::Bottom
                                                : TextFlags::Top);
    if (wordWrap_) {
        f = f | TextFlags::WordWrap;
    }
    if (UseRightToLeftReading()) {
        f = f | TextFlags::RtlReading;
    }
    if (ellipsisPosition_ == TEllipsisPosition::epPathEllipsis && !wordWrap_) {
        f = f | TextFlags::PathEllipsis;
    }
    return f;
}

void TLabel::AdjustSize()
{
    if (!autoSize_) {
        return;
    }
    const gfx::TextFlags flags = DrawFlags();
    Size size = gfx::MeasureTextBlock(Font().Spec(), Text(), wordWrap_ ? Width() : 1 << 20, flags);
    if (Text().empty()) {
        size.cy = gfx::MeasureText(Font().Spec(), u" ").cy;
    }
    int width = wordWrap_ ? Width() : size.cx;
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify && !wordWrap_) {
        left = Left() + Width() - width;  // a right-aligned label grows to the left
    }
    SetBounds(left, Top(), width, size.cy);
}

void TLabel::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    if (!transparent_) {
        painter.FillRect(r, Color());
    }
    painter.DrawText(r, Text(), PaintFont(), DrawFlags());
}

}  // namespace ui
