// Hotkeys on the real desktop: a registered combination pressed while another program's window
// has the keyboard reaches the program as WM_HOTKEY; a combination held elsewhere is refused.

#include "platform/key_grabs.h"
#include "tests/platform/machine_fixture.h"
#include "tests/ui/x_server.h"
#include "ui/loop/desktop.h"
#include "ui/testing.h"
#include "ui/widgets.h"
#include "ui/windows.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <gtest/gtest.h>

using namespace ui;

namespace {

class HotkeyForm : public TForm {
public:
    using TForm::TForm;
    std::vector<std::pair<WPARAM, LPARAM>> hotkeys;
    void Dispatch(TMessage& m) override
    {
        TForm::Dispatch(m);
        if (m.Msg == WM_HOTKEY) {
            hotkeys.emplace_back(m.WParam, m.LParam);
        }
    }
};

// Another program: a window of its own with the keyboard, typing through XTest.
class OtherProgram {
public:
    explicit OtherProgram(const std::string& display) : d_(XOpenDisplay(display.c_str()))
    {
        if (d_ == nullptr) {
            return;
        }
        const Window w = XCreateSimpleWindow(d_, DefaultRootWindow(d_), 0, 0, 200, 100, 0, 0, 0);
        XMapWindow(d_, w);
        XSync(d_, False);
        XSetInputFocus(d_, w, RevertToParent, CurrentTime);
        XSync(d_, False);
    }
    ~OtherProgram()
    {
        if (d_ != nullptr) {
            XCloseDisplay(d_);
        }
    }
    bool ok() const { return d_ != nullptr; }
    void Press(std::initializer_list<KeySym> keys)
    {
        for (KeySym k : keys) {
            XTestFakeKeyEvent(d_, XKeysymToKeycode(d_, k), True, 0);
        }
        for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) {
            XTestFakeKeyEvent(d_, XKeysymToKeycode(d_, *k), False, 0);
        }
        XSync(d_, False);
    }

private:
    Display* d_;
};

class DesktopHotkeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (server_.Display().empty()) {
            GTEST_SKIP() << "no X server could be started";
        }
        display_ = std::make_unique<ScopedEnv>("DISPLAY", server_.Display().c_str());
        ASSERT_TRUE(loop::StartDesktop());
        form_ = new HotkeyForm(&App());
    }
    void TearDown() override { loop::StopDesktop(); }

    // The grab's press is on its way once the other program's request has been answered.
    bool PumpUntilHotkeys(std::size_t count)
    {
        for (int round = 0; round < 100 && form_->hotkeys.size() < count; ++round) {
            App().ProcessMessages();
        }
        return form_->hotkeys.size() >= count;
    }

    ui::testing::OwnXServer server_;
    std::unique_ptr<ScopedEnv> display_;
    ui::testing::UiTest ui_;
    HotkeyForm* form_ = nullptr;
};

TEST_F(DesktopHotkeys, ARegisteredCombinationReachesTheProgramWhileAnotherWindowHasTheKeyboard)
{
    OtherProgram other(server_.Display());
    ASSERT_TRUE(other.ok());
    ASSERT_TRUE(RegisterHotKey(form_->Handle(), 3, MOD_CONTROL | MOD_ALT, 'B'));
    struct Case {
        const char* name;
        std::vector<KeySym> locks;
    } const cases[] = {{"plain", {}}, {"NumLock on", {XK_Num_Lock}}, {"CapsLock on", {XK_Caps_Lock}}};
    std::size_t expected = 0;
    for (const Case& c : cases) {
        for (KeySym lock : c.locks) {
            other.Press({lock});
        }
        other.Press({XK_Control_L, XK_Alt_L, XK_b});
        ++expected;
        ASSERT_TRUE(PumpUntilHotkeys(expected)) << c.name;
        EXPECT_EQ(form_->hotkeys.back().first, 3u) << c.name;
        EXPECT_EQ(form_->hotkeys.back().second, static_cast<LPARAM>(('B' << 16) | MOD_CONTROL | MOD_ALT)) << c.name;
        for (KeySym lock : c.locks) {
            other.Press({lock});
        }
    }

    other.Press({XK_Control_L, XK_b});
    other.Press({XK_Control_L, XK_Alt_L, XK_c});
    App().ProcessMessages();
    EXPECT_EQ(form_->hotkeys.size(), expected) << "other combinations stay with the window that has the keyboard";
}

TEST_F(DesktopHotkeys, ACombinationHeldByAnotherProgramIsRefusedAndOursIsReleasedOnUnregister)
{
    {
        platform::KeyGrabs elsewhere;
        ASSERT_TRUE(elsewhere.Grab(platform::kHotkeyControl, 'M'));
        EXPECT_FALSE(RegisterHotKey(form_->Handle(), 1, MOD_CONTROL, 'M'));
    }
    ASSERT_TRUE(RegisterHotKey(form_->Handle(), 1, MOD_CONTROL, 'M')) << "free again once the other program ended";
    platform::KeyGrabs elsewhere;
    EXPECT_FALSE(elsewhere.Grab(platform::kHotkeyControl, 'M'));
    ASSERT_TRUE(UnregisterHotKey(form_->Handle(), 1));
    EXPECT_TRUE(elsewhere.Grab(platform::kHotkeyControl, 'M'));
}

}  // namespace
