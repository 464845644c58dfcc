#include "ui/backends/headless.h"
#include "ui/testing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ui;
using ui::testing::UiTest;

namespace {

class MessageForm : public TForm {
public:
    using TForm::TForm;
    std::vector<UINT> seen;
    void Dispatch(TMessage& m) override
    {
        TForm::Dispatch(m);
        if (m.Msg >= WM_USER || m.Msg == WM_DEVICECHANGE || m.Msg == WM_POWERBROADCAST || m.Msg == WM_HOTKEY) {
            seen.push_back(m.Msg);
        }
    }
};

TTimer* MakeTimer(TComponent* owner, unsigned interval, std::function<void()> body)
{
    auto* timer = new TTimer(owner);
    timer->SetInterval(interval);
    timer->OnTimer = [body = std::move(body)](TObject*) { body(); };
    return timer;
}

}  // namespace

TEST(Timers, FireOnScheduleWithoutDriftWhileMessagesArePumped)
{
    UiTest ui;
    auto* form = new TForm(&App());
    std::vector<std::uint64_t> ticks;
    MakeTimer(form, 300, [&] { ticks.push_back(ui.Clock().MonotonicMs()); });
    ui.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{300, 600, 900}));
}

TEST(Timers, FireInsideModalLoopsAndReenterAHandlerThatIsStillRunning)
{
    UiTest ui;
    auto* owner = new TForm(&App());
    auto* box = new TForm(&App());
    int depth = 0;
    int maxDepth = 0;
    int ticks = 0;
    MakeTimer(owner, 100, [&] {
        ++ticks;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (depth == 1) {
            box->ShowModal();  // the same timer keeps firing inside this loop
        }
        if (depth == 2 && ticks >= 4) {
            box->SetModalResult(mrOk);
        }
        --depth;
    });
    ui.Advance(100);
    EXPECT_FALSE(ui.Stalled());
    EXPECT_EQ(maxDepth, 2);
    EXPECT_GE(ticks, 4);
    EXPECT_FALSE(box->Visible());
}

TEST(Timers, TimerStartedInsideAHandlerWaitsForItsOwnInterval)
{
    UiTest ui;
    auto* form = new TForm(&App());
    int late = 0;
    TTimer* second = MakeTimer(form, 50, [&] { ++late; });
    second->SetEnabled(false);
    MakeTimer(form, 100, [&] { second->SetEnabled(true); });
    ui.Advance(100);
    App().ProcessMessages();
    EXPECT_EQ(late, 0);
    ui.Advance(50);
    EXPECT_EQ(late, 1);
}

TEST(Modal, CloseInsideAHandlerEndsTheLoopWhenTheHandlerReturns)
{
    UiTest ui;
    auto* box = new TForm(&App());
    auto* ok = new TLabel(box);
    ok->SetParent(box);
    ok->SetBounds(10, 10, 50, 20);
    bool returnedAfterClose = false;
    ok->OnClick = [&](TObject*) {
        box->Close();
        returnedAfterClose = box->Visible();  // still up until the handler returns
    };
    ui.AnswerNextModal([&](TForm&) { ui::testing::Click(*ok); });
    TModalResult result = box->ShowModal();
    EXPECT_TRUE(returnedAfterClose);
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(box->Visible());
}

TEST(Modal, CloseQueryCanKeepTheBoxOpen)
{
    UiTest ui;
    auto* box = new TForm(&App());
    int queries = 0;
    box->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    auto* timer = MakeTimer(box, 10, [&] { box->SetModalResult(mrOk); });
    EXPECT_EQ(box->ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    timer->SetEnabled(false);
}

// A box is tied to the window it is shown over, so that raising that window raises the box with
// it; over a hidden window it is tied to none. It is let go when it closes.
TEST(Modal, ABoxStaysAboveTheWindowItIsShownOverWhileThatIsShown)
{
    UiTest ui;
    auto& backend = static_cast<HeadlessBackend&>(CurrentBackend());
    auto* main = new TForm(&App());
    App().AdoptForm(main);
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        main->SetVisible(shown);
        auto* box = new TForm(&App());
        int owner = -1;
        int topAfterRaise = 0;
        ui.AnswerNextModal([&](TForm& open) {
            owner = backend.Window(open.WindowId())->owner;
            backend.Raise(main->WindowId());
            topAfterRaise = backend.TopWindow();
            open.Close();
        });
        box->ShowModal();
        EXPECT_EQ(owner, shown ? main->WindowId() : 0);
        EXPECT_EQ(topAfterRaise, shown ? box->WindowId() : main->WindowId());
        EXPECT_EQ(backend.Window(box->WindowId())->owner, 0);
        box->Free();
    }
}

// A box opened from a dialog is shown over that dialog: raising the main window keeps the dialog
// above it and the box above both, and the keyboard goes back to the dialog when the box closes.
TEST(Modal, ABoxOpenedFromADialogStaysAboveTheDialog)
{
    UiTest ui;
    auto& backend = static_cast<HeadlessBackend&>(CurrentBackend());
    auto* main = new TForm(&App());
    App().AdoptForm(main);
    main->ShowForm();
    auto* box = new TForm(&App());  // made first, as boxes made at start-up are
    auto* dialog = new TForm(&App());
    int topAfterRaise = 0;
    int keyboardAfterBox = 0;
    ui.AnswerNextModal([&](TForm& open) {
        ui.AnswerNextModal([&](TForm& inner) {
            backend.Raise(main->WindowId());
            topAfterRaise = backend.TopWindow();
            inner.Close();
        });
        box->ShowModal();
        keyboardAfterBox = backend.KeyboardWindow();
        open.Close();
    });
    dialog->ShowModal();
    EXPECT_EQ(topAfterRaise, box->WindowId());
    EXPECT_EQ(keyboardAfterBox, dialog->WindowId());
    box->Free();
    dialog->Free();
}

TEST(DeferredFree, AFormFreedByItsOwnHandlerLivesUntilTheHandlerReturns)
{
    UiTest ui;
    auto* form = new TForm(&App());
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(0, 0, 40, 20);
    WeakRef<TForm> weak(form);
    std::u16string readAfterFree;
    label->OnClick = [&](TObject* sender) {
        form->Free();
        App().ProcessMessages();  // a nested pump must not free it either
        readAfterFree = static_cast<TLabel*>(sender)->Caption() + u"ok";
    };
    ui::testing::Click(*label);
    EXPECT_EQ(readAfterFree, u"ok");
    App().ProcessMessages();
    EXPECT_FALSE(weak);
}

TEST(Messages, PostedMessagesReachDispatchAndTheMessageHook)
{
    UiTest ui;
    auto* form = new MessageForm(&App());
    std::vector<UINT> hooked;
    App().OnMessage = [&](TMsg& msg, bool& handled) {
        hooked.push_back(msg.message);
        handled = msg.message == WM_USER + 2;
    };
    struct Case {
        UINT msg;
        bool reachesForm;
    };
    const Case cases[] = {
        {WM_DEVICECHANGE, true}, {WM_POWERBROADCAST, true}, {WM_USER + 1, true}, {WM_USER + 2, false}};
    for (const Case& c : cases) {
        form->seen.clear();
        ui::testing::Post(*form, c.msg, 0x8000, 0);
        EXPECT_EQ(!form->seen.empty(), c.reachesForm) << c.msg;
    }
    EXPECT_EQ(hooked.size(), 4u);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_USER + 7, 0, 0), 0);
    EXPECT_EQ(form->seen.back(), WM_USER + 7);
    EXPECT_FALSE(PostMessageW(reinterpret_cast<HWND>(0x4), WM_USER, 0, 0));
}

TEST(Messages, RegisteredHotkeyPostsToItsWindow)
{
    UiTest ui;
    auto* form = new MessageForm(&App());
    ASSERT_TRUE(RegisterHotKey(form->Handle(), 1, MOD_CONTROL, 'B'));
    EXPECT_FALSE(RegisterHotKey(form->Handle(), 2, MOD_CONTROL, 'B'));
    ui::testing::PressKey(*form, 'B', kCtrlKey);
    ASSERT_EQ(form->seen.size(), 1u);
    EXPECT_EQ(form->seen[0], WM_HOTKEY);
    EXPECT_TRUE(UnregisterHotKey(form->Handle(), 1));
    EXPECT_FALSE(DeliverHotkey(MOD_CONTROL, 'B'));
}

TEST(Quit, AQuitFromTheWindowSystemClosesTheMainFormThroughItsCloseQuery)
{
    UiTest ui;
    TForm* main = nullptr;
    App().CreateForm(&main);
    bool jobRunning = true;
    int asked = 0;
    main->OnCloseQuery = [&](TObject*, bool& canClose) {
        ++asked;
        canClose = !jobRunning;
    };
    auto& backend = static_cast<HeadlessBackend&>(CurrentBackend());
    BackendEvent quit;
    quit.kind = BackendEvent::Kind::Quit;
    MakeTimer(main, 100, [&] {
        if (asked == 1) {
            jobRunning = false;
        }
        backend.InjectEvent(quit);
    });
    App().Run();
    EXPECT_EQ(asked, 2) << "the first quit was refused while the job ran";
    EXPECT_TRUE(App().Terminated());
    EXPECT_FALSE(main->Visible());
}
