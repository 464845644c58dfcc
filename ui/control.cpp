#include "ui/control.h"

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/loop/message_loop.h"

#include <algorithm>

namespace ui {
namespace {

TShiftState ShiftFromMouseWParam(std::uintptr_t w)
{
    unsigned bits = 0;
    bits |= (w & MK_LBUTTON) ? kLeftButton : 0;
    bits |= (w & MK_RBUTTON) ? kRightButton : 0;
    bits |= (w & MK_MBUTTON) ? kMiddleButton : 0;
    bits |= (w & MK_SHIFT) ? kShiftKey : 0;
    bits |= (w & MK_CONTROL) ? kCtrlKey : 0;
    bits |= (w & MK_ALT_EXTENSION) ? kAltKey : 0;
    return TShiftState{bits};
}

}  // namespace

bool TShiftState::LeftHeld() const
{
    return Contains(kLeftButton);
}

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl()
{
    loop::ControlGone(this);
    if (parent_ != nullptr) {
        Invalidate();
        parent_->RemoveControl(this);
    }
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_) {
        return;
    }
    if (parent_ != nullptr) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->InsertControl(this);
        Invalidate();
    }
}

TForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->parent_ != nullptr) {
        c = c->parent_;
    }
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Rect next = Rect::FromSize(left, top, width, height);
    if (next == bounds_) {
        return;
    }
    bool resized = next.Width() != bounds_.Width() || next.Height() != bounds_.Height();
    Invalidate();
    bounds_ = next;
    Invalidate();
    if (resized) {
        Resized();
        if (OnResize) {
            HandlerScope scope;
            OnResize(this);
        }
    }
}

Point TControl::OriginInForm() const
{
    Point p{};
    for (const TControl* c = this; c->parent_ != nullptr; c = c->parent_) {
        p.x += c->Left();
        p.y += c->Top();
    }
    return p;
}

Point TControl::ClientToScreen(Point p) const
{
    Point origin = OriginInForm();
    TForm* form = ParentForm();
    int fx = form != nullptr ? form->Left() : 0;
    int fy = form != nullptr ? form->Top() : 0;
    return Point{p.x + origin.x + fx, p.y + origin.y + fy};
}

Point TControl::ScreenToClient(Point p) const
{
    Point zero = ClientToScreen(Point{});
    return Point{p.x - zero.x, p.y - zero.y};
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_) {
        return;
    }
    if (!visible) {
        Invalidate();
    }
    visible_ = visible;
    if (visible) {
        Invalidate();
    }
}

bool TControl::Showing() const
{
    if (!visible_) {
        return false;
    }
    return parent_ != nullptr ? parent_->Showing() : dynamic_cast<const TForm*>(this) != nullptr;
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled != enabled_) {
        enabled_ = enabled;
        Invalidate();
    }
}

void TControl::SetText(std::u16string text)
{
    if (text != text_) {
        text_ = std::move(text);
        Invalidate();
    }
}

void TControl::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
}

void TControl::SetColor(TColor color)
{
    if (color != color_) {
        color_ = color;
        Invalidate();
    }
}

void TControl::SetBiDiMode(TBiDiMode mode)
{
    if (mode != bidiMode_) {
        bidiMode_ = mode;
        Invalidate();
    }
}

void TControl::BringToFront()
{
    if (parent_ != nullptr) {
        parent_->PlaceInTier(this, true);
        Invalidate();
    }
}

void TControl::SendToBack()
{
    if (parent_ != nullptr) {
        parent_->PlaceInTier(this, false);
        Invalidate();
    }
}

void TControl::Invalidate()
{
    InvalidateRect(ClientRect());
}

void TControl::InvalidateRect(const Rect& r)
{
    TForm* form = ParentForm();
    if (form == nullptr) {
        return;
    }
    Point origin = OriginInForm();
    form->AddDirty(r.Offset(origin.x, origin.y));
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (TForm* form = ParentForm(); form != nullptr && form->Showing()) {
        form->PaintNow();
    }
}

std::intptr_t TControl::Perform(UINT msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    HandlerScope scope;
    WindowProc(m);
    return m.Result;
}

void TControl::Paint(gfx::Painter&)
{
}

bool TControl::HitTest(Point p) const
{
    return ClientRect().Contains(p);
}

gfx::FontSpec TControl::PaintFont() const
{
    gfx::FontSpec fontSpec = font_.Spec();
    if (!enabled_) {
        fontSpec.color = clGrayText;
    }
    return fontSpec;
}

void TControl::Click()
{
    if (OnClick) {
        OnClick(this);
    }
}

void TControl::WndProc(TMessage& m)
{
    int x = MouseLParamX(m.LParam);
    int y = MouseLParamY(m.LParam);
    TShiftState shift = ShiftFromMouseWParam(m.WParam);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        MouseDown(TMouseButton::mbLeft, TShiftState{shift.bits | kLeftButton}, x, y);
        break;
    case WM_RBUTTONDOWN:
        MouseDown(TMouseButton::mbRight, TShiftState{shift.bits | kRightButton}, x, y);
        break;
    case WM_MBUTTONDOWN:
        MouseDown(TMouseButton::mbMiddle, TShiftState{shift.bits | kMiddleButton}, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        DblClick();
        MouseDown(TMouseButton::mbLeft, TShiftState{shift.bits | kLeftButton}, x, y);
        pressed_ = false;  // the release after a double click is not another click
        break;
    case WM_RBUTTONDBLCLK:
        MouseDown(TMouseButton::mbRight, TShiftState{shift.bits | kRightButton}, x, y);
        break;
    case WM_LBUTTONUP:
        MouseUp(TMouseButton::mbLeft, shift, x, y);
        break;
    case WM_RBUTTONUP:
        MouseUp(TMouseButton::mbRight, shift, x, y);
        break;
    case WM_MBUTTONUP:
        MouseUp(TMouseButton::mbMiddle, shift, x, y);
        break;
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_MOUSELEAVE:
        if (OnMouseLeave) {
            OnMouseLeave(this);
        }
        break;
    default:
        break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        pressed_ = true;
    }
    if (OnMouseDown) {
        OnMouseDown(this, button, shift, x, y);
    }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool click = button == TMouseButton::mbLeft && pressed_ && ClientRect().Contains(Point{x, y});
    if (button == TMouseButton::mbLeft) {
        pressed_ = false;
    }
    if (click) {
        Click();
    }
    if (OnMouseUp) {
        OnMouseUp(this, button, shift, x, y);
    }
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove) {
        OnMouseMove(this, shift, x, y);
    }
}

void TControl::DblClick()
{
    if (OnDblClick) {
        OnDblClick(this);
    }
}

void TControl::BeforeDeferredFree()
{
    SetVisible(false);
    loop::ControlGone(this);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), handle_(loop::NewHandle(this))
{
}

TWinControl::~TWinControl()
{
    while (!controls_.empty()) {
        delete controls_.back();  // removes itself from controls_
    }
    loop::ReleaseHandle(handle_);
}

void TWinControl::SetExStyle(LONG style)
{
    if (style != exStyle_) {
        exStyle_ = style;
        Invalidate();
    }
}

gfx::TextFlags TWinControl::SingleLineTextFlags() const
{
    using gfx::TextFlags;
    TextFlags flags = TextFlags::SingleLine | TextFlags::VCenter;
    if (exStyle_ & WS_EX_RIGHT) {
        flags = flags | TextFlags::Right;
    }
    if (exStyle_ & WS_EX_RTLREADING) {
        flags = flags | TextFlags::RtlReading;
    }
    return flags;
}

void TWinControl::SetFocus()
{
    if (TForm* form = ParentForm()) {
        form->SetActiveControl(this);
    }
    loop::SetFocusedControl(this);
}

bool TWinControl::Focused() const
{
    return loop::FocusedControl() == this;
}

bool TWinControl::CanFocus() const
{
    return Showing() && Enabled();
}

TControl* TWinControl::ControlAtPos(Point p, bool includeDisabled)
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!c->Enabled() && !includeDisabled)) {
            continue;
        }
        Point local{p.x - c->Left(), p.y - c->Top()};
        if (!c->HitTest(local)) {
            continue;
        }
        if (auto* win = dynamic_cast<TWinControl*>(c)) {
            TControl* inner = win->ControlAtPos(local, includeDisabled);
            return inner != nullptr ? inner : win;
        }
        return c;
    }
    return nullptr;
}

void TWinControl::WndProc(TMessage& m)
{
    TShiftState shift{static_cast<unsigned>(m.LParam) & (kShiftKey | kAltKey | kCtrlKey)};
    switch (m.Msg) {
    case WM_KEYDOWN: {
        WORD key = static_cast<WORD>(m.WParam);
        KeyDown(key, shift);
        m.WParam = key;
        break;
    }
    case WM_KEYUP: {
        WORD key = static_cast<WORD>(m.WParam);
        KeyUp(key, shift);
        m.WParam = key;
        break;
    }
    case WM_CHAR: {
        char16_t ch = static_cast<char16_t>(m.WParam);
        KeyPress(ch);
        m.WParam = ch;
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (CanFocus() && TabStop()) {
            SetFocus();
        }
        TControl::WndProc(m);
        break;
    default:
        TControl::WndProc(m);
        break;
    }
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown) {
        OnKeyDown(this, key, shift);
    }
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp) {
        OnKeyUp(this, key, shift);
    }
}

void TWinControl::KeyPress(char16_t& key)
{
    if (OnKeyPress) {
        OnKeyPress(this, key);
    }
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    PlaceInTier(control, true);
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it != controls_.end()) {
        controls_.erase(it);
    }
}

void TWinControl::PlaceInTier(TControl* control, bool front)
{
    RemoveControl(control);
    auto firstWindowed = std::find_if(controls_.begin(), controls_.end(), [](TControl* c) { return c->IsWindowed(); });
    if (control->IsWindowed()) {
        controls_.insert(front ? controls_.end() : firstWindowed, control);
    } else {
        controls_.insert(front ? firstWindowed : controls_.begin(), control);
    }
}

TWinControl* FindControl(HWND handle)
{
    return loop::ControlOfHandle(handle);
}

}  // namespace ui
