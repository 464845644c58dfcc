#include "ui/loop/message_loop.h"
#include "ui/testing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace ui;
using ui::testing::UiTest;

using ui::testing::Place;

TEST(HitTest, TopmostEnabledControlTakesTheClick)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 300, 200);
    auto* image = Place<TImage>(form, "Img", Rect{10, 10, 110, 60});
    auto* label = Place<TLabel>(form, "Lab", Rect{10, 10, 110, 60});
    label->SetAutoSize(false);
    label->SetTransparent(true);
    auto* panel = Place<TPanel>(form, "Pan", Rect{150, 10, 250, 110});
    auto* inner = Place<TLabel>(panel, "Inner", Rect{80, 10, 180, 30});  // reaches beyond the panel
    inner->SetAutoSize(false);
    auto* graphicAbove = Place<TImage>(form, "Above", Rect{150, 10, 250, 110});  // added later, still below the panel

    std::string clicked;
    for (TControl* c : std::initializer_list<TControl*>{image, label, panel, inner, graphicAbove, form}) {
        c->OnClick = [&clicked](TObject* s) { clicked = static_cast<TControl*>(s)->Name(); };
    }
    form->SetName("Form");
    struct Case {
        const char* what;
        Point at;
        bool labelEnabled;
        const char* expected;
    };
    const Case cases[] = {
        {"transparent label over image", {20, 20}, true, "Lab"},
        {"disabled label passes it on", {20, 20}, false, "Img"},
        {"windowed panel above later graphic sibling", {160, 80}, true, "Pan"},
        {"child inside its parent", {240, 25}, true, "Inner"},
        {"child cut by its parent", {260, 25}, true, "Form"},
    };
    for (const Case& c : cases) {
        label->SetEnabled(c.labelEnabled);
        clicked.clear();
        ui::testing::ClickAt(*form, c.at.x, c.at.y);
        EXPECT_EQ(clicked, c.expected) << c.what;
    }
}

TEST(HitTest, MouseEventsCarryControlCoordinatesAndButtonState)
{
    UiTest ui;
    auto* form = new TForm(&App());
    auto* panel = Place<TPanel>(form, "Pan", Rect{20, 30, 120, 130});
    auto* image = Place<TImage>(panel, "Img", Rect{5, 6, 55, 56});
    Point down{};
    bool heldWhileMoving = false;
    image->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = {x, y}; };
    image->OnMouseMove = [&](TObject*, TShiftState shift, int, int) { heldWhileMoving = shift.LeftHeld(); };
    ui::testing::MouseDown(*image, 7, 8);
    ui::testing::MouseMove(*image, 9, 9, kLeftButton);
    EXPECT_EQ(down, (Point{7, 8}));
    EXPECT_TRUE(heldWhileMoving);
    ui::testing::MouseUp(*image, 9, 9);
    ui::testing::MouseMove(*image, 9, 9);
    EXPECT_FALSE(heldWhileMoving);
}

// A dialog shown modally takes the input: the window under it neither clicks nor types until the
// dialog closes.
TEST(Modal, TheWindowUnderAModalDialogTakesNoInputUntilItCloses)
{
    UiTest ui;
    auto* owner = new TForm(&App());
    owner->SetBounds(0, 0, 300, 200);
    auto* start = Place<TLabel>(owner, "Start", Rect{10, 10, 110, 40});
    start->SetAutoSize(false);
    auto* edit = Place<TEdit>(owner, "Edit", Rect{10, 50, 110, 70});
    auto* dialog = new TForm(&App());
    dialog->SetBounds(50, 50, 200, 100);
    auto* ok = Place<TLabel>(dialog, "Ok", Rect{10, 10, 90, 30});
    ok->SetAutoSize(false);
    int starts = 0;
    start->OnClick = [&starts](TObject*) { ++starts; };
    ok->OnClick = [dialog](TObject*) { dialog->SetModalResult(mrOk); };
    owner->ShowForm();
    edit->SetFocus();

    ui.AnswerNextModal([&](TForm&) {
        ui::testing::ClickAt(*owner, 20, 20);
        ui::testing::PressKey(*owner, 'X', 0, u'x');
        EXPECT_EQ(starts, 0);
        EXPECT_EQ(edit->Text(), u"");
        ui::testing::ClickAt(*dialog, 20, 20);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);

    ui::testing::ClickAt(*owner, 20, 20);
    EXPECT_EQ(starts, 1);
}

// When a dialog closes the window under it gets a mouse move where the pointer last was, as the
// system sends one, so what lies under the pointer can light up or rest without another move.
TEST(Modal, TheWindowUnderAClosedDialogGetsAMoveWhereThePointerWas)
{
    UiTest ui;
    auto* owner = new TForm(&App());
    owner->SetBounds(0, 0, 300, 200);
    auto* under = Place<TImage>(owner, "Under", Rect{60, 60, 160, 100});
    auto* dialog = new TForm(owner);
    dialog->SetBounds(50, 50, 200, 100);
    owner->ShowForm();
    std::vector<std::pair<int, int>> moves;
    under->OnMouseMove = [&moves](TObject*, TShiftState, int x, int y) { moves.emplace_back(x, y); };
    struct Case {
        const char* what;
        bool pointerLeaves;
        std::vector<std::pair<int, int>> moves;
    };
    const Case cases[] = {
        {"the pointer on the dialog", false, {{10, 10}}},
        {"the pointer gone from the dialog", true, {}},
    };
    for (const Case& c : cases) {
        moves.clear();
        ui.AnswerNextModal([&](TForm&) {
            ui::testing::MouseMove(*dialog, 20, 20);
            if (c.pointerLeaves) {
                BackendEvent leave;
                leave.kind = BackendEvent::Kind::MouseLeave;
                leave.window = dialog->WindowId();
                loop::InjectEvent(leave);
                App().ProcessMessages();
            }
            EXPECT_TRUE(moves.empty()) << c.what << ": the window under the dialog takes no moves";
            dialog->SetModalResult(mrOk);
        });
        dialog->ShowModal();
        App().ProcessMessages();
        EXPECT_EQ(moves, c.moves) << c.what;
    }
}

TEST(Stacking, WindowedControlsStayAboveGraphicOnes)
{
    UiTest ui;
    auto* form = new TForm(&App());
    auto* edit = Place<TEdit>(form, "Edit", Rect{0, 0, 10, 10});
    auto* label = Place<TLabel>(form, "Lab", Rect{0, 0, 10, 10});
    auto* image = Place<TImage>(form, "Img", Rect{0, 0, 10, 10});
    label->BringToFront();
    EXPECT_EQ(form->Controls(form->ControlCount() - 1), edit);
    edit->SendToBack();
    EXPECT_EQ(form->Controls(form->ControlCount() - 1), edit);
    image->SendToBack();
    EXPECT_EQ(form->Controls(0), image);
}

namespace {

TComboBox* PlaceDriveCombo(TForm* form)
{
    auto* combo = Place<TComboBox>(form, "CBox", Rect{20, 40, 140, 62});
    for (const char16_t* item : {u"C:\\", u"E:\\", u"F:\\"}) {
        combo->Items().Add(item);
    }
    return combo;
}

}  // namespace

TEST(ComboBox, PressAndReleaseSentToAHiddenComboOpensItsListBelowIt)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(100, 100, 300, 200);
    auto* combo = PlaceDriveCombo(form);
    auto* edit = Place<TEdit>(form, "Edit", Rect{20, 40, 140, 62});
    (void)edit;
    combo->SendToBack();
    combo->SetItemIndex(0);
    form->ShowForm();
    std::vector<std::string> events;
    combo->OnChange = [&](TObject*) { events.push_back("change " + std::to_string(combo->ItemIndex())); };
    combo->OnCloseUp = [&](TObject*) { events.push_back("closeup"); };

    SendMessageW(combo->Handle(), WM_LBUTTONDOWN, 0, 0);
    SendMessageW(combo->Handle(), WM_LBUTTONUP, 0, 0);
    ASSERT_TRUE(combo->DroppedDown());
    TComboListForm* list = combo->ListWindow();
    EXPECT_EQ(list->Top(), 100 + 62);
    EXPECT_EQ(list->Left(), 100 + 20);

    ui::testing::Click(*list, 10, 1 + combo->ItemHeight() + 2);  // the second row
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), u"E:\\");
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "closeup"}));

    events.clear();
    SendMessageW(combo->Handle(), WM_LBUTTONDOWN, 0, 0);
    ui::testing::Click(*combo->ListWindow(), 10, 1 + combo->ItemHeight() + 2);
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "closeup"})) << "the same item picked again";

    events.clear();
    SendMessageW(combo->Handle(), WM_LBUTTONDOWN, 0, 0);
    ui::testing::ClickAt(*form, 250, 150);  // outside: closes without a pick
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, (std::vector<std::string>{"closeup"}));
}

TEST(ComboBox, KeysOnTheOpenListWindowGoToTheComboAndLeaveTheNextClickToTheForm)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(100, 100, 300, 200);
    auto* combo = PlaceDriveCombo(form);
    auto* button = Place<TImage>(form, "Btn", Rect{200, 140, 260, 180});
    form->ShowForm();
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    struct Case {
        const char* what;
        std::vector<int> keys;
        int index;
    };
    const Case cases[] = {
        {"escape", {VK_ESCAPE}, 0},
        {"return", {VK_RETURN}, 0},
        {"down then return", {VK_DOWN, VK_RETURN}, 1},
    };
    for (const Case& c : cases) {
        combo->SetItemIndex(0);
        ui::testing::Click(*combo);
        TComboListForm* list = combo->ListWindow();
        ASSERT_NE(list, nullptr) << c.what;
        for (int key : c.keys) {
            ui::testing::PressKey(*list, key, 0, key == VK_DOWN ? 0 : static_cast<char16_t>(key));
        }
        EXPECT_FALSE(combo->DroppedDown()) << c.what;
        EXPECT_EQ(combo->ItemIndex(), c.index) << c.what;
        clicks = 0;
        ui::testing::Click(*button);
        EXPECT_EQ(clicks, 1) << c.what << ": the first click after the list closed";
    }
}

// A list longer than its rows shows a scroll bar: its arrows, its track and its thumb scroll the
// rows without closing the list, and a row clicked afterwards is the row shown there.
TEST(ComboBox, ALongListScrollsByItsBarOnEitherSide)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(100, 100, 300, 400);
    auto* combo = Place<TComboBox>(form, "CBox", Rect{20, 40, 80, 62});
    for (int minute = 0; minute < 60; ++minute) {
        combo->Items().Add(
            std::u16string{static_cast<char16_t>(u'0' + minute / 10), static_cast<char16_t>(u'0' + minute % 10)});
    }
    combo->SetDropDownCount(15);
    form->ShowForm();
    for (const bool leftBar : {false, true}) {
        SetWindowLongA(combo->Handle(), GWL_EXSTYLE, leftBar ? WS_EX_LEFTSCROLLBAR : 0);
        combo->SetItemIndex(0);
        ui::testing::Click(*combo);
        TComboListForm* list = combo->ListWindow();
        ASSERT_NE(list, nullptr);
        const ui::ScrollBar& bar = list->VerticalScrollBar();
        ASSERT_TRUE(bar.Needed()) << leftBar;
        EXPECT_EQ(bar.Bounds().left == 1, leftBar);
        // The window widens by the bar on its side: the rows keep the combo's width and place.
        EXPECT_EQ(list->Width(), combo->Width() + ui::ScrollBar::kThickness) << leftBar;
        EXPECT_EQ(list->Left(), 100 + 20 - (leftBar ? ui::ScrollBar::kThickness : 0)) << leftBar;
        const int x = (bar.Bounds().left + bar.Bounds().right) / 2;
        const int h = combo->ItemHeight();

        ui::testing::Click(*list, x, bar.Bounds().bottom - 3);  // the down arrow
        EXPECT_EQ(list->TopRow(), 1) << leftBar;
        ui::testing::Click(*list, x, bar.Bounds().bottom - ui::ScrollBar::kThickness - 2);  // the track below the thumb
        EXPECT_EQ(list->TopRow(), 16) << leftBar;
        const Rect thumb = list->VerticalScrollBar().ThumbRect();
        ui::testing::MouseDown(*list, x, thumb.top + 2);
        ui::testing::MouseMove(*list, x, list->Height() + 50, kLeftButton);
        ui::testing::MouseUp(*list, x, list->Height() + 50);
        EXPECT_EQ(list->TopRow(), 45) << leftBar << ": dragged to the end";
        ASSERT_TRUE(combo->DroppedDown()) << leftBar;

        const int rowsLeft = leftBar ? bar.Bounds().right : 1;
        ui::testing::MouseDown(*list, x, bar.Bounds().top + 3);  // the up arrow, released over a row
        ui::testing::MouseUp(*list, rowsLeft + 5, 1 + h / 2);
        EXPECT_EQ(list->TopRow(), 44) << leftBar;
        ASSERT_TRUE(combo->DroppedDown()) << leftBar << ": nothing picked";

        ui::testing::Click(*list, rowsLeft + 5, 1 + 14 * h + h / 2);  // the last row shown
        EXPECT_FALSE(combo->DroppedDown()) << leftBar;
        EXPECT_EQ(combo->Text(), u"58") << leftBar;
    }
}

TEST(Edit, KeyDownHandlerCanSwallowAKey)
{
    UiTest ui;
    auto* form = new TForm(&App());
    auto* edit = Place<TEdit>(form, "Edit", Rect{0, 0, 100, 20});
    edit->OnKeyPress = [](TObject*, char16_t& key) {
        if (key == u'x') {
            key = 0;
        }
    };
    edit->SetFocus();
    for (char16_t ch : std::u16string(u"axb")) {
        ui::testing::PressKey(*form, ch, 0, ch);
    }
    EXPECT_EQ(edit->Text(), u"ab");
    edit->SetReadOnly(true);
    ui::testing::PressKey(*form, 'c', 0, u'c');
    EXPECT_EQ(edit->Text(), u"ab");
}

TEST(Controls, ExtendedStyleBitsAreKeptPerControl)
{
    UiTest ui;
    auto* form = new TForm(&App());
    auto* combo = Place<TComboBox>(form, "CBox", Rect{0, 0, 100, 20});
    SetWindowLongA(combo->Handle(), GWL_EXSTYLE, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
    LONG style = GetWindowLongA(combo->Handle(), GWL_EXSTYLE);
    SetWindowLongA(combo->Handle(), GWL_EXSTYLE, style & ~WS_EX_RIGHT);
    EXPECT_EQ(combo->ExStyle(), WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
}

TEST(Render, FormRendersToAPngWithNegativeSizesDrawnEmpty)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 60, 40);
    form->SetColor(0x480529);
    auto* bar = Place<TLabel>(form, "Bar", Rect{0, 0, 10, 10});
    bar->SetAutoSize(false);
    bar->SetBounds(5, 5, -20, 10);
    bar->SetColor(clWhite);
    gfx::Bitmap frame;
    form->RenderTo(frame);
    ASSERT_EQ(frame.Width(), 60);
    EXPECT_EQ(gfx::PixelToColor(frame.At(6, 6)), 0x480529u);
    std::string path = ::testing::TempDir() + "/form.png";
    EXPECT_TRUE(ui::testing::RenderToPng(*form, path));
}
