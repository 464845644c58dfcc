#include "ui/controls/edit.h"

#include "ui/gfx/painter.h"

namespace ui {

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 121, 21);
    SetColor(clWindow);
}

void TEdit::SetBorderStyle(TBorderStyle s)
{
    if (s != borderStyle_) {
        borderStyle_ = s;
        Invalidate();
    }
}

void TEdit::SetBevelKind(TBevelKind k)
{
    if (k != bevelKind_) {
        bevelKind_ = k;
        Invalidate();
    }
}

void TEdit::SetSelStart(int pos)
{
    caret_ = std::clamp(pos, 0, static_cast<int>(Text().size()));
}

void TEdit::SetText(std::u16string text)
{
    if (text == Text()) {
        return;
    }
    TWinControl::SetText(std::move(text));
    caret_ = static_cast<int>(Text().size());
    if (OnChange) {
        HandlerScope scope;
        OnChange(this);
    }
}

void TEdit::Edit(std::u16string text, int caret)
{
    if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_) {
        return;
    }
    SetText(std::move(text));
    caret_ = caret;
}

void TEdit::KeyDown(WORD& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    int length = static_cast<int>(Text().size());
    switch (key) {
    case VK_LEFT:
        caret_ = std::max(0, caret_ - 1);
        break;
    case VK_RIGHT:
        caret_ = std::min(length, caret_ + 1);
        break;
    case VK_HOME:
        caret_ = 0;
        break;
    case VK_END:
        caret_ = length;
        break;
    case VK_DELETE:
        if (!readOnly_ && caret_ < length) {
            std::u16string t = Text();
            t.erase(caret_, 1);
            Edit(std::move(t), caret_);
        }
        break;
    default:
        return;
    }
    Invalidate();
}

void TEdit::KeyPress(char16_t& key)
{
    TWinControl::KeyPress(key);
    if (key == 0 || readOnly_) {
        return;
    }
    std::u16string t = Text();
    if (key == VK_BACK) {
        if (caret_ > 0) {
            t.erase(caret_ - 1, 1);
            Edit(std::move(t), caret_ - 1);
        }
        return;
    }
    if (key < 0x20) {
        return;
    }
    t.insert(t.begin() + caret_, key);
    Edit(std::move(t), caret_ + 1);
}

void TEdit::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    painter.FillRect(r, Color());
    if (borderStyle_ == TBorderStyle::bsSingle || bevelKind_ != TBevelKind::bkNone) {
        painter.FrameRect(r, clGray);
        r = r.Inflate(-2, -2);
    }
    painter.DrawText(r.Inflate(-1, 0), Text(), PaintFont(), SingleLineTextFlags());
}

}  // namespace ui
