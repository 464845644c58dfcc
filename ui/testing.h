#pragma once
// Driving forms in tests through the same path as real input: a fake clock, the headless backend,
// fixed text metrics, clicks and keys by control, timers by advancing the clock, posted messages,
// answers to modal boxes, and PNG renderings.

#include "platform/clock.h"
#include "ui/backend.h"
#include "ui/widgets.h"

#include <functional>
#include <string>
#include <string_view>

namespace ui::testing {

class UiTest {
public:
    // Installs a fake clock, a fresh headless backend and the fixed text metrics.
    UiTest();
    ~UiTest();
    UiTest(const UiTest&) = delete;
    UiTest& operator=(const UiTest&) = delete;

    platform::FakeClock& Clock() { return clock_.clock(); }
    // Moves the clock forward by ms, stopping at every timer due on the way and pumping there.
    void Advance(std::uint64_t ms);
    // True when a modal loop waited with no timer armed and nothing queued; the stalled loop was
    // ended with mrCancel so that the test can go on and fail.
    bool Stalled() const { return stalled_; }

    // Runs for every modal loop that starts (after the form is shown); one-shot answers first.
    void AnswerNextModal(std::function<void(TForm& form)> answer);
    int ModalCount() const { return modalCount_; }

private:
    platform::ScopedFakeClock clock_;
    std::vector<std::function<void(TForm&)>> answers_;
    int modalCount_ = 0;
    bool stalled_ = false;
};

// A control of class T owned by parent's form, named, placed on parent at r.
template <class T> T* Place(TWinControl* parent, std::string name, Rect r)
{
    auto* control = new T(parent->ParentForm());
    control->SetName(std::move(name));
    control->SetParent(parent);
    control->SetBounds(r.left, r.top, r.Width(), r.Height());
    return control;
}

// A control by name anywhere below root (owned components), or nullptr.
TControl* Find(TComponent& root, std::string_view name);
template <class T> T* FindAs(TComponent& root, std::string_view name)
{
    return dynamic_cast<T*>(Find(root, name));
}

// Mouse input at a point of the control (its centre by default), through the form's window.
void MouseMove(TControl& control, int x = -1, int y = -1, unsigned shift = 0);
void MouseDown(TControl& control, int x = -1, int y = -1, int button = kButtonLeft, int clicks = 1);
void MouseUp(TControl& control, int x = -1, int y = -1, int button = kButtonLeft);
// Move, press and release at the point; pumps after each step.
void Click(TControl& control, int x = -1, int y = -1);
void DoubleClick(TControl& control, int x = -1, int y = -1);
// Mouse input at a point of a form (form coordinates).
void ClickAt(TForm& form, int x, int y);

// A key press to the form's focused control (keydown, char when printable, keyup).
void PressKey(TForm& form, int vk, unsigned shift = 0, char16_t ch = 0);

// Posts to a window and pumps once.
void Post(TWinControl& target, UINT msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

// Renders the form as it is now into a PNG file.
bool RenderToPng(TForm& form, const std::string& path);

}  // namespace ui::testing
