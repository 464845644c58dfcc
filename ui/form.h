#pragma once
// TForm: a top-level borderless window. Shown forms get a backend window; the loop paints them
// when dirty. Messages posted or sent to the form's handle reach WndProc and then Dispatch, which
// a form overrides to see device, power, hotkey and user messages.

#include "ui/control.h"

#include <memory>

namespace ui {

struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;  // 0: no limit
    int MaxHeight = 0;
};

enum class TFormStyle { fsNormal, fsStayOnTop };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Fires OnCreate; Application->CreateForm and ui::CreateForm call it after construction.
    virtual void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    TSizeConstraints& Constraints() { return constraints_; }
    // The size constraints apply to every size change.
    void SetBounds(int left, int top, int width, int height) override;
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientWidth(int w) { SetWidth(w); }
    void SetClientHeight(int h) { SetHeight(h); }

    // A rounded-rectangle window shape (CreateRoundRectRgn over the whole window); 0 removes it.
    void SetRoundRegion(int ellipseWidth, int ellipseHeight);
    int RegionEllipseWidth() const { return regionW_; }
    int RegionEllipseHeight() const { return regionH_; }
    bool HitTest(Point p) const override;

    void SetVisible(bool visible) override;
    // Shows the form (placing it by Position the first time) and activates it.
    void ShowForm();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    // Setting a non-zero result while modal ends the modal loop when the current handler returns.
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Modal() const { return modalDepth_ > 0; }
    // Asks OnCloseQuery, then OnClose; hides (or frees, or ends the modal loop) as the action says.
    void Close();
    // Frees the form once its handlers have returned.
    void Release() { Free(); }
    bool Active() const { return active_; }
    // Lets the user move the window with the mouse (WM_SYSCOMMAND SC_MOVE | HTCAPTION).
    void BeginMoveDrag();

    // The backend window, 0 while the form was never shown.
    int WindowId() const { return window_; }
    // The rectangle of the form that needs painting (form coordinates), empty when clean.
    const Rect& DirtyRect() const { return dirty_; }
    void AddDirty(const Rect& r);
    // Paints the dirty part of the form into its frame and presents it.
    void PaintNow();
    // Renders the whole form into a bitmap of its size (tests, screenshots).
    void RenderTo(gfx::Bitmap& target);
    const gfx::Bitmap* Frame() const { return frame_.get(); }

    TControl* ActiveControl() const { return activeControl_.get(); }
    void SetActiveControl(TControl* control);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // Called by the loop when the backend reports activation changes and close requests.
    void Activated();
    void Deactivated();
    // The user moved the window there: Left and Top follow, the window is not moved again.
    void WindowMoved(Point topLeft);

    // The message dispatch that runs after the control's own handling; override it, calling
    // the inherited one first.
    virtual void Dispatch(TMessage& message);

protected:
    void WndProc(TMessage& message) override;
    void Resized() override;
    void Paint(gfx::Painter& painter) override;

private:
    void PlaceByPosition();
    void EnsureWindow();
    void SyncWindowBounds();
    bool CloseQuery();
    friend class TApplication;
    // The close of a modal loop that got a result: OnCloseQuery and OnClose may keep it open.
    bool ModalCloseGranted();

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    TSizeConstraints constraints_;
    int regionW_ = 0;
    int regionH_ = 0;
    TModalResult modalResult_ = mrNone;
    int modalDepth_ = 0;
    bool active_ = false;
    bool placed_ = false;
    int window_ = 0;
    Rect dirty_{};
    std::unique_ptr<gfx::Bitmap> frame_;
    WeakRef<TControl> activeControl_;
};

// Constructs a form and fires its OnCreate, as the class library does after a constructor.
template <class T, class... Args> T* CreateForm(Args&&... args)
{
    T* form = new T(std::forward<Args>(args)...);
    form->AfterConstruction();
    return form;
}

}  // namespace ui
