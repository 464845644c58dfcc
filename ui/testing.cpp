#include "ui/testing.h"

#include "ui/backends/headless.h"
#include "ui/gfx/font.h"
#include "ui/gfx/image.h"
#include "ui/loop/message_loop.h"

namespace ui::testing {
namespace {

TForm& FormOf(TControl& control)
{
    TForm* form = control.ParentForm();
    if (!form->Visible()) {
        form->ShowForm();
    }
    return *form;
}

Point FormPoint(TControl& control, int x, int y)
{
    Point origin = control.OriginInForm();
    return Point{origin.x + (x < 0 ? control.Width() / 2 : x), origin.y + (y < 0 ? control.Height() / 2 : y)};
}

void Inject(TForm& form, BackendEvent::Kind kind, Point p, int button, unsigned shift, int clicks)
{
    BackendEvent e;
    e.kind = kind;
    e.window = form.WindowId();
    e.x = p.x;
    e.y = p.y;
    e.button = button;
    e.shift = shift;
    e.clicks = clicks;
    loop::InjectEvent(e);
    App().ProcessMessages();
}

unsigned ButtonBit(int button)
{
    return button == kButtonRight ? kRightButton : button == kButtonMiddle ? kMiddleButton : kLeftButton;
}

}  // namespace

UiTest::UiTest()
{
    SetBackend(MakeHeadlessBackend());
    gfx::UseFixedMetrics(true);
    loop::ResetForTests();
    App().ClearTerminated();
    App().SetWindowShown(true);
    loop::SetIdleHook([this](int timeoutMs) {
        if (timeoutMs < 0) {
            stalled_ = true;
            for (int i = 0; i < App().ComponentCount(); ++i) {
                if (auto* form = dynamic_cast<TForm*>(App().Components(i)); form != nullptr && form->Modal()) {
                    form->SetModalResult(mrCancel);
                }
            }
            return;
        }
        Clock().Advance(static_cast<std::uint64_t>(timeoutMs));
    });
    App().OnModalStart = [this](TForm& form) {
        ++modalCount_;
        if (!answers_.empty()) {
            auto answer = std::move(answers_.front());
            answers_.erase(answers_.begin());
            answer(form);
        }
    };
}

UiTest::~UiTest()
{
    App().OnModalStart = nullptr;
    App().OnMessage = nullptr;
    loop::SetIdleHook(nullptr);
    while (App().ComponentCount() > 0) {
        delete App().Components(App().ComponentCount() - 1);
    }
    DrainDeferredFrees();
    loop::ResetForTests();
    gfx::UseFixedMetrics(false);
}

void UiTest::Advance(std::uint64_t ms)
{
    std::uint64_t end = Clock().MonotonicMs() + ms;
    App().ProcessMessages();
    while (Clock().MonotonicMs() < end) {
        int next = loop::MsToNextTimer();
        std::uint64_t step =
            next < 0 ? end - Clock().MonotonicMs()
                     : std::min<std::uint64_t>(static_cast<std::uint64_t>(next), end - Clock().MonotonicMs());
        Clock().Advance(step);
        App().ProcessMessages();
    }
}

void UiTest::AnswerNextModal(std::function<void(TForm& form)> answer)
{
    answers_.push_back(std::move(answer));
}

TControl* Find(TComponent& root, std::string_view name)
{
    return dynamic_cast<TControl*>(root.FindComponentDeep(name));
}

void MouseMove(TControl& control, int x, int y, unsigned shift)
{
    Inject(FormOf(control), BackendEvent::Kind::MouseMove, FormPoint(control, x, y), kButtonLeft, shift, 0);
}

void MouseDown(TControl& control, int x, int y, int button, int clicks)
{
    Inject(FormOf(control), BackendEvent::Kind::MouseDown, FormPoint(control, x, y), button, ButtonBit(button), clicks);
}

void MouseUp(TControl& control, int x, int y, int button)
{
    Inject(FormOf(control), BackendEvent::Kind::MouseUp, FormPoint(control, x, y), button, 0, 1);
}

void Click(TControl& control, int x, int y)
{
    MouseMove(control, x, y);
    MouseDown(control, x, y);
    MouseUp(control, x, y);
}

void DoubleClick(TControl& control, int x, int y)
{
    Click(control, x, y);
    MouseDown(control, x, y, kButtonLeft, 2);
    MouseUp(control, x, y);
}

void ClickAt(TForm& form, int x, int y)
{
    if (!form.Visible()) {
        form.ShowForm();
    }
    Inject(form, BackendEvent::Kind::MouseMove, Point{x, y}, kButtonLeft, 0, 0);
    Inject(form, BackendEvent::Kind::MouseDown, Point{x, y}, kButtonLeft, kLeftButton, 1);
    Inject(form, BackendEvent::Kind::MouseUp, Point{x, y}, kButtonLeft, 0, 1);
}

void PressKey(TForm& form, int vk, unsigned shift, char16_t ch)
{
    if (!form.Visible()) {
        form.ShowForm();
    }
    BackendEvent e;
    e.window = form.WindowId();
    e.shift = shift;
    e.key = vk;
    e.kind = BackendEvent::Kind::KeyDown;
    loop::InjectEvent(e);
    if (ch != 0) {
        e.kind = BackendEvent::Kind::Char;
        e.ch = ch;
        loop::InjectEvent(e);
    }
    e.kind = BackendEvent::Kind::KeyUp;
    loop::InjectEvent(e);
    App().ProcessMessages();
}

void Post(TWinControl& target, UINT msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    PostMessageW(target.Handle(), msg, wParam, lParam);
    App().ProcessMessages();
}

bool RenderToPng(TForm& form, const std::string& path)
{
    gfx::Bitmap bitmap;
    form.RenderTo(bitmap);
    return gfx::WritePng(bitmap, path);
}

}  // namespace ui::testing
