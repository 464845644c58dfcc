#include "ui/application.h"

#include "ui/backend.h"
#include "ui/loop/drive_watch.h"
#include "ui/loop/message_loop.h"
#include "ui/loop/window_identity.h"

#include "platform/text.h"

#include <cstdio>

namespace ui {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
bool SysLocaleMiddleEast = false;

TApplication& App()
{
    if (Application == nullptr) {
        Application = new TApplication();
    }
    if (Screen == nullptr) {
        Screen = new TScreen();
    }
    return *Application;
}

namespace {
// Screen must exist for code that reads it before anything else.
[[maybe_unused]] const bool g_created = (App(), true);
}  // namespace

TApplication::TApplication() : TComponent(nullptr), handle_(loop::ApplicationHandle())
{
}

TApplication::~TApplication() = default;

void TApplication::SetTitle(std::u16string title)
{
    if (title == title_) {
        return;
    }
    title_ = std::move(title);
    identity_.reset();
    if (!title_.empty()) {
        identity_ = std::make_unique<loop::WindowIdentity>(platform::ToAnsi(title_));
    }
}

void TApplication::HandleIdentityRequests()
{
    if (identity_) {
        identity_->HandleRequests();
    }
}

void TApplication::AdoptForm(TForm* form)
{
    if (!mainForm_) {
        mainForm_ = WeakRef<TForm>(form);
    }
}

void TApplication::Run()
{
    if (TForm* main = MainForm(); main != nullptr && showMainForm_) {
        main->ShowForm();
    }
    while (!terminated_ && MainForm() != nullptr) {
        loop::Pass(true);
        if (quitRequested_ && !terminated_) {
            RequestQuit();
        }
    }
}

void TApplication::RequestQuit()
{
    quitRequested_ = true;
    if (TForm* main = MainForm()) {
        main->Perform(WM_CLOSE);
    } else {
        Terminate();
    }
}

void TApplication::ProcessMessages()
{
    loop::Pass(false);
}

void TApplication::HandleMessage()
{
    loop::Pass(true);
}

void TApplication::Terminate()
{
    terminated_ = true;
    CurrentBackend().Wake();
}

void TApplication::EndSession()
{
    if (TForm* main = MainForm(); main != nullptr && main->OnClose && !terminated_) {
        HandlerScope scope;
        TCloseAction action = TCloseAction::caFree;
        main->OnClose(main, action);
    }
    Terminate();
}

void TApplication::RunModal(TForm& form)
{
    HandlerScope scope;
    ++modalLevel_;
    modalForms_.emplace_back(&form);
    if (OnModalStart) {
        OnModalStart(form);
    }
    while (!terminated_) {
        if (form.ModalResult() != mrNone) {
            if (form.ModalCloseGranted()) {
                break;
            }
            form.SetModalResult(mrNone);
        }
        loop::Pass(true);
    }
    modalForms_.pop_back();
    --modalLevel_;
}

void TApplication::EndModalsAbove(const TForm& form)
{
    bool above = false;
    for (const WeakRef<TForm>& modal : modalForms_) {
        TForm* shown = modal.get();
        if (above && shown != nullptr) {
            shown->SetModalResult(mrCancel);
        }
        above = above || shown == &form;
    }
}

TForm* TApplication::ModalForm() const
{
    for (auto it = modalForms_.rbegin(); it != modalForms_.rend(); ++it) {
        if (TForm* form = it->get()) {
            return form;
        }
    }
    return nullptr;
}

void TApplication::Minimize()
{
    if (minimized_) {
        return;
    }
    minimized_ = true;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* form = dynamic_cast<TForm*>(Components(i)); form != nullptr && form->WindowId() != 0) {
            CurrentBackend().Minimize(form->WindowId());
        }
    }
    if (OnMinimize) {
        HandlerScope scope;
        OnMinimize(this);
    }
}

void TApplication::Restore()
{
    if (!minimized_) {
        return;
    }
    minimized_ = false;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* form = dynamic_cast<TForm*>(Components(i)); form != nullptr && form->WindowId() != 0) {
            CurrentBackend().Restore(form->WindowId());
        }
    }
    if (OnRestore) {
        HandlerScope scope;
        OnRestore(this);
    }
}

void TApplication::SetWindowShown(bool shown)
{
    windowShown_ = shown;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* form = dynamic_cast<TForm*>(Components(i)); form != nullptr && form->WindowId() != 0) {
            CurrentBackend().Show(form->WindowId(), shown && form->Visible());
        }
    }
}

void TApplication::ShowException(const std::u16string& message)
{
    std::fprintf(stderr, "%s\n", platform::ToUtf8(message).c_str());
}

int TScreen::Width() const
{
    return CurrentBackend().ScreenRect().Width();
}

int TScreen::Height() const
{
    return CurrentBackend().ScreenRect().Height();
}

Rect TScreen::WorkAreaRect() const
{
    return CurrentBackend().WorkArea();
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_) {
        return;
    }
    cursor_ = cursor;
    TControl* under = loop::CaptureControl();
    CurrentBackend().SetCursor(cursor != crDefault || under == nullptr ? cursor : under->Cursor());
}

TForm* TScreen::ActiveForm() const
{
    for (int i = 0; i < App().ComponentCount(); ++i) {
        if (auto* form = dynamic_cast<TForm*>(App().Components(i)); form != nullptr && form->Active()) {
            return form;
        }
    }
    return nullptr;
}

}  // namespace ui
