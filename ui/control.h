#pragma once
// TControl (anything placed on a parent) and TWinControl (a control that holds children, has a
// window handle, keyboard focus and extended-style bits). Input reaches a control as a window
// message through WindowProc, so synthetic messages (SendMessage) and real input take one path.

#include "ui/component.h"
#include "ui/font.h"
#include "ui/gfx/geometry.h"
#include "ui/gfx/text_layout.h"
#include "ui/types.h"

#include <functional>
#include <string>
#include <vector>

namespace ui::gfx {
class Painter;
}

namespace ui {

class TWinControl;
class TForm;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
using TWndMethod = std::function<void(TMessage& Message)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    // The form the control lies on (itself for a form); nullptr when not placed.
    TForm* ParentForm() const;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    // Widths and heights may be negative; such a control is drawn as empty and takes no input.
    virtual void SetBounds(int left, int top, int width, int height);
    Rect BoundsRect() const { return bounds_; }
    Rect ClientRect() const { return Rect{0, 0, std::max(0, Width()), std::max(0, Height())}; }
    // The control's top-left in its form's client coordinates.
    Point OriginInForm() const;
    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a shown form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    const std::u16string& Caption() const { return text_; }
    void SetCaption(std::u16string caption) { SetText(std::move(caption)); }
    const std::u16string& Text() const { return text_; }
    virtual void SetText(std::u16string text);

    const std::u16string& Hint() const { return hint_; }
    void SetHint(std::u16string hint) { hint_ = std::move(hint); }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    TBiDiMode BiDiMode() const { return bidiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool UseRightToLeftReading() const { return bidiMode_ != TBiDiMode::bdLeftToRight; }
    bool UseRightToLeftAlignment() const { return bidiMode_ == TBiDiMode::bdRightToLeft; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }

    // Windowed controls always stay above the graphic ones of the same parent.
    void BringToFront();
    void SendToBack();

    void Invalidate();
    void Repaint();
    void Refresh() { Repaint(); }
    void Update();

    // Sends a message through WindowProc and returns its result.
    std::intptr_t Perform(UINT msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Replaceable: the hook may keep the old value and call it for the messages it does not handle.
    TWndMethod WindowProc;

    virtual bool IsWindowed() const { return false; }
    // Paints the control's own face; the painter's origin is the control's top-left and its clip
    // the visible part. Children are painted afterwards by the caller.
    virtual void Paint(gfx::Painter& painter);
    // Whether a point (control coordinates) belongs to the control for the mouse.
    virtual bool HitTest(Point p) const;
    // The caption's font as painted: grey while the control is disabled.
    gfx::FontSpec PaintFont() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    // Runs the click of the control as a user's click would (OnClick).
    virtual void Click();

protected:
    // Default message handling; a control overrides it and calls the inherited one.
    virtual void WndProc(TMessage& message);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void DblClick();
    virtual void Resized() { }
    virtual void FontChanged() { Invalidate(); }
    void BeforeDeferredFree() override;
    // Invalidates the rectangle (control coordinates) in the form's dirty area.
    void InvalidateRect(const Rect& r);

    Rect bounds_{0, 0, 0, 0};

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    std::u16string text_;
    std::u16string hint_;
    bool showHint_ = false;
    TCursor cursor_ = crDefault;
    TColor color_ = clBtnFace;
    TFont font_;
    TBiDiMode bidiMode_ = TBiDiMode::bdLeftToRight;
    bool doubleBuffered_ = false;
    bool pressed_ = false;  // a left press began here; the release here clicks
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    // Back to front.
    TControl* Controls(int index) const { return controls_.at(index); }
    bool IsWindowed() const override { return true; }

    // Identifies the control to SendMessage / PostMessage; unique for the process.
    HWND Handle() const { return handle_; }
    LONG ExStyle() const { return exStyle_; }
    void SetExStyle(LONG style);

    // One vertically centred line, aligned right and read right to left as the style bits say.
    gfx::TextFlags SingleLineTextFlags() const;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    void SetFocus();
    bool Focused() const;
    virtual bool CanFocus() const;

    // The topmost enabled, visible control at p (this control's coordinates), descending into
    // children; nullptr when p is outside. A control that refuses HitTest lets the point through.
    TControl* ControlAtPos(Point p, bool includeDisabled = false);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void WndProc(TMessage& message) override;
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char16_t& key);

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void PlaceInTier(TControl* control, bool front);

    std::vector<TControl*> controls_;
    HWND handle_;
    LONG exStyle_ = 0;
    bool tabStop_ = true;
};

// TGraphicControl and TCustomControl, the two tiers, under the names the program may expect.
using TGraphicControl = TControl;
using TCustomControl = TWinControl;

// Global helpers over handles.
TWinControl* FindControl(HWND handle);

// Packs x and y into an LPARAM as mouse messages carry them.
inline std::intptr_t MakeMouseLParam(int x, int y)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) | static_cast<std::uint16_t>(x));
}
inline int MouseLParamX(std::intptr_t l)
{
    return static_cast<std::int16_t>(l & 0xFFFF);
}
inline int MouseLParamY(std::intptr_t l)
{
    return static_cast<std::int16_t>((l >> 16) & 0xFFFF);
}

}  // namespace ui
