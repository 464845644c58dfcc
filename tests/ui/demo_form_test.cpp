#include "tests/support/shot_path.h"
#include "tests/ui/demo_form.h"
#include "tests/ui/x_server.h"
#include "ui/backends/headless.h"
#include "ui/backends/sdl_backend.h"
#include "ui/gfx/font.h"
#include "ui/loop/message_loop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace ui;
using ui::testing::DemoForm;

using testsupport::ShotPath;

TEST(DemoForm, RunsHeadlessClickedAnsweredAndRendered)
{
    ui::testing::UiTest ui;
    gfx::UseFixedMetrics(false);  // the real fonts, as a person sees the picture
    DemoForm* form = nullptr;
    App().CreateForm(&form);
    form->ShowForm();
    EXPECT_EQ(form->busy->Picture().ResourceId(), 23077);
    ui.Advance(500);
    EXPECT_GT(form->busy->Frame(), 0) << "the hourglass turns";

    TTreeNode* pictures = form->tree->Items().Item(3);
    ASSERT_EQ(pictures->Text(), u"Pictures");
    ui::testing::Click(*form->tree, form->tree->NodeRect(pictures).left + 80, form->tree->NodeRect(pictures).top + 5);
    EXPECT_EQ(form->tree->Selected(), pictures);
    ui::testing::Click(*form->list, 20, form->list->HeaderHeight() + form->list->ItemHeight() * 2 + 3);
    EXPECT_EQ(form->list->ItemIndex(), 2);

    ui::testing::Click(*form->combo);
    ASSERT_TRUE(form->combo->DroppedDown());
    ASSERT_TRUE(ui::testing::RenderToPng(*form->combo->ListWindow(), ShotPath("demo_combo_list.png")));
    ui::testing::Click(*form->combo->ListWindow(), 10, 1 + form->combo->ItemHeight() * 2 + 3);
    EXPECT_EQ(form->combo->Text(), u"G:\\ Archive");

    ui.AnswerNextModal([](TForm& box) {
        EXPECT_TRUE(ui::testing::RenderToPng(box, ShotPath("demo_box.png")));
        ui::testing::Click(*ui::testing::Find(box, "Yes_Lab"));
    });
    ui::testing::Click(*form->start);
    EXPECT_EQ(ui.ModalCount(), 1);
    EXPECT_EQ(form->answer, mrYes);
    EXPECT_EQ(form->status->Caption(), u"Backup started");
    EXPECT_FALSE(ui.Stalled());
    EXPECT_TRUE(ui::testing::RenderToPng(*form, ShotPath("demo_form.png")));
}

// The same form in a real window: shown, clicked through the X server, and closed by SIGTERM as
// a session end would.
TEST(DemoForm, RunsInARealWindowAndEndsOnSigterm)
{
    ui::testing::OwnXServer server;
    if (server.Display().empty()) {
        GTEST_SKIP() << "no X server could be started";
    }
    setenv("DISPLAY", server.Display().c_str(), 1);
    std::unique_ptr<Backend> sdl = MakeSdlBackend();
    if (!sdl) {
        GTEST_SKIP() << "no SDL display";
    }
    SetBackend(std::move(sdl));
    loop::ResetForTests();
    App().ClearTerminated();
    DemoForm* form = nullptr;
    App().CreateForm(&form);
    form->ShowForm();
    // Messages are pumped until something happens; the hourglass timer bounds every wait.
    auto pumpUntil = [](const std::function<bool()>& done, int rounds = 100) {
        for (int round = 0; round < rounds && !done(); ++round) {
            App().HandleMessage();
        }
        return done();
    };
    pumpUntil([] { return false; }, 5);  // let the window map and expose
    Point combo = form->combo->ClientToScreen(Point{20, 10});
    ASSERT_TRUE(ui::testing::XTestClick(server.Display(), combo.x, combo.y)) << "XTest is not available";
    EXPECT_TRUE(pumpUntil([&] { return form->combo->DroppedDown(); }));
    if (TComboListForm* list = form->combo->ListWindow()) {
        Point row = list->ClientToScreen(Point{10, 1 + form->combo->ItemHeight() + 3});
        ui::testing::XTestClick(server.Display(), row.x, row.y);
        EXPECT_TRUE(pumpUntil([&] { return !form->combo->DroppedDown(); }));
        EXPECT_EQ(form->combo->Text(), u"F:\\ Stick");
    }
    auto* watchdog = new TTimer(form);
    watchdog->SetInterval(20000);
    watchdog->OnTimer = [](TObject*) { App().Terminate(); };
    raise(SIGTERM);
    App().Run();
    EXPECT_TRUE(App().Terminated());
    EXPECT_FALSE(form->Visible()) << "closed through the main form, not by the watchdog";
    delete form;
    SetBackend(MakeHeadlessBackend());
    loop::ResetForTests();
    App().ClearTerminated();
}
