#pragma once
// TApplication: the one message loop (Run, ProcessMessages, HandleMessage, modal loops), the
// application window that other processes find by class "TApplication" and Title, and the forms.
// TScreen: screen size, work area and the screen cursor.

#include "ui/controls/picture.h"
#include "ui/form.h"

#include <functional>
#include <vector>

namespace ui {

struct TMsg {
    HWND hwnd = nullptr;
    UINT message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;

namespace loop {
class WindowIdentity;
class DriveWatch;
}  // namespace loop

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize() { }
    const std::u16string& Title() const { return title_; }
    // Also the identity other processes find the program by (FindWindowA("TApplication", title)).
    void SetTitle(std::u16string title);
    TIcon& Icon() { return icon_; }
    // The application window's handle (hotkeys, ShowWindow of the whole program).
    HWND Handle() const { return handle_; }

    // Constructs a form owned by the application and fires its OnCreate; the first one becomes
    // MainForm. *reference is set before OnCreate runs, as the class library does.
    template <class T> void CreateForm(T** reference)
    {
        T* form = new T(this);
        *reference = form;
        AdoptForm(form);
        form->AfterConstruction();
    }
    TForm* MainForm() const { return mainForm_.get(); }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool on) { showMainForm_ = on; }

    // Shows the main form and pumps until it closes or Terminate is called.
    void Run();
    // Handles everything pending (input, posted messages, due timers, paint) without waiting.
    void ProcessMessages();
    // Waits for the next message or timer, then handles what is pending.
    void HandleMessage();
    void Terminate();
    // The session or a signal asks the program to end: the main form is closed as by its close
    // command. When its close query keeps it open (a job runs), the close is asked again each time
    // the loop of Run is back at its top, so the program ends once the job has ended.
    void RequestQuit();
    // The session ends (the display has gone): the main form's OnClose runs without its close
    // query, so that it stops what it runs, and the program ends.
    void EndSession();
    bool Terminated() const { return terminated_; }
    // Lets a new Run start after Terminate (tests run several in one process).
    void ClearTerminated()
    {
        terminated_ = false;
        quitRequested_ = false;
    }
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }
    // SW_HIDE / SW_SHOW of the application window.
    void SetWindowShown(bool shown);
    bool WindowShown() const { return windowShown_; }
    int ModalLevel() const { return modalLevel_; }
    // The innermost window that runs a modal loop, or nullptr.
    TForm* ModalForm() const;
    // Ends, as cancelled, the modal loops started while the form's own runs: the questions and
    // dialogs opened over it, which must not outlive it.
    void EndModalsAbove(const TForm& form);
    // Shows an error text as the class library's exception display does.
    void ShowException(const std::u16string& message);

    // Sees every message taken from the queue before it is dispatched.
    TMessageEvent OnMessage;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Runs when a modal loop starts (tests answer boxes here).
    std::function<void(TForm& form)> OnModalStart;

    // Internal: the modal loop of TForm::ShowModal.
    void RunModal(TForm& form);
    void AdoptForm(TForm* form);
    void HandleIdentityRequests();
    // Sends the form WM_DEVICECHANGE volume arrival and removal notices whenever the drive letters
    // change (looked at every 500 ms of the tick count by the loop); nullptr stops watching.
    void WatchDriveChanges(TForm* target);
    void HandleDriveChanges();

private:
    std::u16string title_;
    std::unique_ptr<loop::WindowIdentity> identity_;
    std::unique_ptr<loop::DriveWatch> driveWatch_;
    TIcon icon_;
    HWND handle_;
    WeakRef<TForm> mainForm_;
    bool showMainForm_ = true;
    bool terminated_ = false;
    bool quitRequested_ = false;
    bool minimized_ = false;
    bool windowShown_ = true;
    int modalLevel_ = 0;
    std::vector<WeakRef<TForm>> modalForms_;
};

class TScreen {
public:
    int Width() const;
    int Height() const;
    Rect WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().left; }
    int WorkAreaTop() const { return WorkAreaRect().top; }
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    // crDefault lets each control's cursor show; anything else overrides them all.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TForm* ActiveForm() const;

private:
    TCursor cursor_ = crDefault;
};

// The process's application object and screen, created on first use.
TApplication& App();
extern TApplication* Application;
extern TScreen* Screen;
// True in a right-to-left (middle-east) locale, as the program switches it.
extern bool SysLocaleMiddleEast;

}  // namespace ui
