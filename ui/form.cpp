#include "ui/form.h"

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/gfx/painter.h"
#include "ui/gfx/region.h"
#include "ui/loop/message_loop.h"

namespace ui {
namespace {

void PaintTree(gfx::Painter& painter, TControl& control)
{
    painter.Translate(control.Left(), control.Top());
    control.Paint(painter);
    if (auto* win = dynamic_cast<TWinControl*>(&control)) {
        for (int i = 0; i < win->ControlCount(); ++i) {
            TControl* child = win->Controls(i);
            if (!child->Visible() || child->Width() <= 0 || child->Height() <= 0) {
                continue;
            }
            painter.PushClip(child->BoundsRect());
            PaintTree(painter, *child);
            painter.PopClip();
        }
    }
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    TControl::SetVisible(false);
    bounds_ = Rect::FromSize(0, 0, 320, 240);
}

TForm::~TForm()
{
    if (OnDestroy) {
        HandlerScope scope;
        OnDestroy(this);
    }
    if (window_ != 0) {
        CurrentBackend().DestroyWindow(window_);
        loop::FormWindowDestroyed(this);
    }
}

void TForm::AfterConstruction()
{
    if (OnCreate) {
        HandlerScope scope;
        OnCreate(this);
    }
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    if (constraints_.MinWidth > 0) {
        width = std::max(width, constraints_.MinWidth);
    }
    if (constraints_.MinHeight > 0) {
        height = std::max(height, constraints_.MinHeight);
    }
    if (constraints_.MaxWidth > 0) {
        width = std::min(width, constraints_.MaxWidth);
    }
    if (constraints_.MaxHeight > 0) {
        height = std::min(height, constraints_.MaxHeight);
    }
    TControl::SetBounds(left, top, width, height);
    SyncWindowBounds();
}

void TForm::Resized()
{
    AddDirty(ClientRect());
}

void TForm::SetRoundRegion(int ellipseWidth, int ellipseHeight)
{
    regionW_ = ellipseWidth;
    regionH_ = ellipseHeight;
    if (window_ != 0) {
        CurrentBackend().SetRoundRegion(window_, Width(), Height(), regionW_, regionH_);
    }
    AddDirty(ClientRect());
}

bool TForm::HitTest(Point p) const
{
    return gfx::InRoundRect(Width(), Height(), regionW_, regionH_, p);
}

void TForm::EnsureWindow()
{
    if (window_ != 0) {
        return;
    }
    window_ = CurrentBackend().CreateWindow(BoundsRect(), formStyle_ == TFormStyle::fsStayOnTop);
    loop::FormWindowCreated(this);
    if (regionW_ > 0 || regionH_ > 0) {
        CurrentBackend().SetRoundRegion(window_, Width(), Height(), regionW_, regionH_);
    }
    CurrentBackend().SetTitle(window_, Caption());
}

void TForm::SyncWindowBounds()
{
    if (window_ != 0) {
        CurrentBackend().SetBounds(window_, BoundsRect());
    }
}

void TForm::PlaceByPosition()
{
    if (placed_) {
        return;
    }
    placed_ = true;
    Rect area = CurrentBackend().ScreenRect();
    if (position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter) {
        TForm* main = App().MainForm();
        auto* ownerForm = dynamic_cast<TForm*>(Owner());
        TForm* around = position_ == TPosition::poOwnerFormCenter && ownerForm != nullptr ? ownerForm : main;
        if (around != nullptr && around != this) {
            // A window shown before the main form (a loading window) centres on where it will appear.
            around->PlaceByPosition();
            area = around->BoundsRect();
        }
    } else if (position_ != TPosition::poScreenCenter && position_ != TPosition::poDesktopCenter) {
        return;
    }
    SetBounds(area.left + (area.Width() - Width()) / 2, area.top + (area.Height() - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool visible)
{
    if (visible == Visible()) {
        return;
    }
    if (visible) {
        PlaceByPosition();
        EnsureWindow();
        TControl::SetVisible(true);
        CurrentBackend().SetBounds(window_, BoundsRect());
        CurrentBackend().Show(window_, App().WindowShown());
        AddDirty(ClientRect());
        if (OnShow) {
            HandlerScope scope;
            OnShow(this);
        }
        Activated();
    } else {
        TControl::SetVisible(false);
        if (window_ != 0) {
            CurrentBackend().Show(window_, false);
        }
        if (OnHide) {
            HandlerScope scope;
            OnHide(this);
        }
        Deactivated();
    }
}

void TForm::ShowForm()
{
    SetVisible(true);
    if (window_ != 0) {
        CurrentBackend().Raise(window_);
    }
}

TModalResult TForm::ShowModal()
{
    modalResult_ = mrNone;
    // Shown over the innermost box still open, else over its owner form or the main one.
    TForm* over = App().ModalForm();
    if (over == nullptr || over == this || !over->Visible()) {
        auto* ownerForm = dynamic_cast<TForm*>(Owner());
        over = ownerForm != nullptr ? ownerForm : App().MainForm();
    }
    WeakRef<TForm> back(over);
    EnsureWindow();
    const bool owned = back && back.get() != this && back->Visible();
    const int backWindow = owned ? back->WindowId() : 0;
    CurrentBackend().SetOwner(window_, backWindow);
    ShowForm();
    ++modalDepth_;
    {
        WeakRef<TForm> self(this);
        App().RunModal(*this);
        if (!self) {
            return mrCancel;
        }
    }
    --modalDepth_;
    SetVisible(false);
    CurrentBackend().SetOwner(window_, 0);
    loop::PointerUncovered(back.get());
    // The keyboard goes back to the window the box was shown over, as a closed dialog's does.
    if (back && back.get() != this && back->Visible() && back->WindowId() != 0) {
        CurrentBackend().TakeKeyboard(back->WindowId());
    }
    return modalResult_;
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) {
        HandlerScope scope;
        OnCloseQuery(this, canClose);
    }
    return canClose;
}

void TForm::Close()
{
    if (Modal()) {
        if (modalResult_ == mrNone) {
            modalResult_ = mrCancel;
        }
        return;
    }
    if (!CloseQuery()) {
        return;
    }
    TCloseAction action = App().MainForm() == this ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) {
        HandlerScope scope;
        OnClose(this, action);
    }
    if (action == TCloseAction::caNone) {
        return;
    }
    if (App().MainForm() == this) {
        SetVisible(false);
        App().Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        SetVisible(false);
        break;
    case TCloseAction::caMinimize:
        App().Minimize();
        break;
    case TCloseAction::caFree:
        SetVisible(false);
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

bool TForm::ModalCloseGranted()
{
    if (!CloseQuery()) {
        return false;
    }
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) {
        HandlerScope scope;
        OnClose(this, action);
    }
    if (action == TCloseAction::caNone) {
        return false;
    }
    if (action == TCloseAction::caFree) {
        Release();
    }
    return true;
}

void TForm::BeginMoveDrag()
{
    loop::SetCapture(nullptr);
    if (window_ != 0) {
        CurrentBackend().BeginMoveDrag(window_);
    }
}

void TForm::AddDirty(const Rect& r)
{
    Rect clipped = r.Intersect(ClientRect());
    if (clipped.IsEmpty()) {
        return;
    }
    dirty_ = dirty_.Union(clipped);
    loop::FormDirty(this);
}

void TForm::PaintNow()
{
    if (window_ == 0 || dirty_.IsEmpty()) {
        return;
    }
    int w = std::max(0, Width());
    int h = std::max(0, Height());
    if (!frame_ || frame_->Width() != w || frame_->Height() != h) {
        frame_ = std::make_unique<gfx::Bitmap>(w, h);
        dirty_ = ClientRect();
    }
    Rect dirty = dirty_;
    dirty_ = Rect{};
    {
        gfx::Painter painter(*frame_);
        painter.PushClip(dirty);
        painter.Translate(-Left(), -Top());
        PaintTree(painter, *this);
        painter.PopClip();
    }
    CurrentBackend().Present(window_, *frame_, dirty);
}

void TForm::RenderTo(gfx::Bitmap& target)
{
    target.Resize(std::max(0, Width()), std::max(0, Height()));
    gfx::Painter painter(target);
    painter.Translate(-Left(), -Top());
    PaintTree(painter, *this);
}

void TForm::Paint(gfx::Painter& painter)
{
    painter.FillRect(ClientRect(), Color());
}

void TForm::SetActiveControl(TControl* control)
{
    activeControl_ = WeakRef<TControl>(control);
}

void TForm::Activated()
{
    if (active_) {
        return;
    }
    active_ = true;
    if (OnActivate) {
        HandlerScope scope;
        OnActivate(this);
    }
}

void TForm::WindowMoved(Point topLeft)
{
    TControl::SetBounds(topLeft.x, topLeft.y, Width(), Height());
}

void TForm::Deactivated()
{
    if (!active_) {
        return;
    }
    active_ = false;
    if (OnDeactivate) {
        HandlerScope scope;
        OnDeactivate(this);
    }
}

void TForm::WndProc(TMessage& m)
{
    TWinControl::WndProc(m);
    Dispatch(m);
}

void TForm::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case WM_SYSCOMMAND:
        switch (m.WParam & 0xFFF0) {
        case SC_MOVE:
            BeginMoveDrag();
            break;
        case SC_MINIMIZE:
            App().Minimize();
            break;
        case SC_CLOSE:
            Close();
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

}  // namespace ui
