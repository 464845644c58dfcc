#pragma once
// The loop's shared state behind TApplication: window handles, posted messages, timers, input
// routing and the deferred paint. Internal to the widget layer.

#include "ui/backend.h"
#include "ui/types.h"

#include <functional>

namespace ui {

class TControl;
class TForm;
class TTimer;
class TWinControl;

namespace loop {

// Handles of windowed controls and of the application window.
HWND NewHandle(TWinControl* control);
void ReleaseHandle(HWND handle);
TWinControl* ControlOfHandle(HWND handle);
HWND ApplicationHandle();

bool Post(HWND target, UINT msg, std::uintptr_t wParam, std::intptr_t lParam);

void TimerChanged(TTimer* timer);
void TimerRemoved(TTimer* timer);
// Milliseconds to the earliest armed timer; -1 when none.
int MsToNextTimer();

void FormWindowCreated(TForm* form);
void FormWindowDestroyed(TForm* form);
TForm* FormOfWindow(int window);
void FormDirty(TForm* form);

// Input: the control under the mouse, capture, hover; drives the events of the controls.
void RouteEvent(const BackendEvent& event);
void SetCapture(TControl* control);
TControl* CaptureControl();
void ControlGone(TControl* control);
TControl* FocusedControl();
void SetFocusedControl(TControl* control);

// Events queued as if the backend had reported them (tests, synthetic input).
void InjectEvent(const BackendEvent& event);

// One pass: input, posted messages, due timers, deferred frees, paint. With wait, first sleeps
// until something arrives or the next timer is due.
void Pass(bool wait);

// Replaces the backend wait (tests): called with the timeout the loop would sleep; -1 = forever.
void SetIdleHook(std::function<void(int timeoutMs)> hook);

// A popup (an open combo list or menu) that closes when the mouse is pressed outside it.
void SetActivePopup(TForm* popup, std::function<void()> close);
TForm* ActivePopup();
// Hides a popup window and frees it once its handlers have returned; it stops being the active one.
void DismissPopup(TForm* popup);

// A window above the form went away: on this pass the form gets a mouse move where the pointer
// last was, as the system sends when the window under the pointer changes, so pictures lit or
// pressed before the window opened come back to rest.
void PointerUncovered(TForm* form);

void ResetForTests();

}  // namespace loop
}  // namespace ui
