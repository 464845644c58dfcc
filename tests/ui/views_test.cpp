#include "ui/gfx/painter.h"
#include "ui/testing.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace ui;
using ui::testing::Place;
using ui::testing::UiTest;

namespace {

TColor ColorAt(TForm& form, Point p)
{
    gfx::Bitmap frame;
    form.RenderTo(frame);
    return gfx::PixelToColor(frame.At(p.x, p.y));
}

void Wheel(TWinControl& control, int notches)
{
    auto delta = static_cast<std::uintptr_t>(static_cast<std::uint16_t>(notches * 120));
    SendMessageW(control.Handle(), WM_MOUSEWHEEL, delta << 16, 0);
}

TListView* ReportList(TForm* form, int rows)
{
    auto* list = Place<TListView>(form, "List", Rect{0, 0, 200, 120});
    list->SetViewStyle(TViewStyle::vsReport);
    for (const char16_t* caption : {u"Name", u"Size", u"Date"}) {
        TListColumn* column = list->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(60);
    }
    for (int i = 0; i < rows; ++i) {
        TListItem* item = list->Items().Add();
        item->SetCaption(u"file" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
        item->SubItems().Add(u"12 KB");
        item->SubItems().Add(u"2024-01-0" + std::u16string(1, static_cast<char16_t>(u'1' + i % 9)));
    }
    return list;
}

}  // namespace

TEST(ListView, RowsBelowTheHeaderSelectAndScroll)
{
    UiTest ui;
    auto* form = new TForm(&App());
    TListView* list = ReportList(form, 30);
    int selections = 0;
    list->OnSelectItem = [&](TObject*) { ++selections; };
    EXPECT_EQ(list->Items()[2]->SubItems()[1], u"2024-01-03");

    int top = list->HeaderHeight();
    int h = list->ItemHeight();
    ui::testing::Click(*list, 10, top + 2 * h + 1);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(list->GetItemAt(10, top - 1), nullptr) << "the header is no row";

    Wheel(*list, -1);
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_EQ(list->GetItemAt(10, top + 1), list->Items()[3]);
    Wheel(*list, 5);
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST(ListView, OwnerDrawnHeaderItemsAreDrawnByTheWindowProcHook)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 200, 120);
    TListView* list = ReportList(form, 2);
    list->SetHeaderItemOwnerDraw(1, true);
    std::vector<UINT> drawn;
    TWndMethod inherited = list->WindowProc;
    list->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_DRAWITEM) {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
            drawn.push_back(item->itemID);
            item->painter->FillRect(item->rcItem, clLime);
            m.Result = 1;
            return;
        }
        inherited(m);
    };
    EXPECT_EQ(ColorAt(*form, Point{90, 2}), clLime);
    EXPECT_NE(ColorAt(*form, Point{30, 2}), clLime);
    EXPECT_EQ(drawn, (std::vector<UINT>{1, 1}));
}

// The bars of the tree, the list and the memo: shown on overflow, arrows, pages, thumb drag, wheel.
TEST(ScrollBars, AppearOnOverflowAndScrollByArrowPageAndThumb)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 400, 300);
    TListView* list = ReportList(form, 40);
    auto* tree = Place<TTreeView>(form, "Tree", Rect{200, 0, 300, 120});
    for (int i = 0; i < 30; ++i) {
        tree->Items().AddChild(nullptr, u"node");
    }
    auto* memo = Place<TMemo>(form, "Memo", Rect{300, 0, 400, 120});
    memo->SetScrollBars(TScrollStyle::ssVertical);
    for (int i = 0; i < 40; ++i) {
        memo->Lines().Add(u"line");
    }
    struct Case {
        const char* name;
        TWinControl* control;
        std::function<const ScrollBar&()> bar;
        std::function<int()> position;
    };
    using Bar = const ScrollBar&;
    const Case cases[] = {
        {"list", list, [&]() -> Bar { return list->VerticalScrollBar(); }, [&] { return list->TopIndex(); }},
        {"tree", tree, [&]() -> Bar { return tree->VerticalScrollBar(); }, [&] { return tree->TopIndex(); }},
        {"memo", memo, [&]() -> Bar { return memo->VerticalScrollBar(); }, [&] { return memo->TopLine(); }},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.bar().Needed()) << c.name;
        Rect bar = c.bar().Bounds();
        int x = bar.left + 8;
        ui::testing::Click(*c.control, x, bar.bottom - 5);  // the lower arrow
        EXPECT_EQ(c.position(), 1) << c.name;
        Rect thumb = c.bar().ThumbRect();
        ui::testing::Click(*c.control, x, thumb.bottom + 2);  // the track below the thumb: a page
        EXPECT_GT(c.position(), 2) << c.name;
        thumb = c.bar().ThumbRect();
        ui::testing::MouseDown(*c.control, x, thumb.top + 1);
        ui::testing::MouseMove(*c.control, x, bar.bottom + 50, kLeftButton);
        ui::testing::MouseUp(*c.control, x, bar.bottom + 50);
        EXPECT_EQ(c.position(), c.bar().MaxPosition()) << c.name << ": the thumb dragged to the end";
        Wheel(*c.control, 100);
        EXPECT_EQ(c.position(), 0) << c.name;
    }
    memo->Lines().Clear();
    tree->Items().Clear();
    EXPECT_FALSE(memo->VerticalScrollBar().Needed());
    EXPECT_FALSE(tree->VerticalScrollBar().Needed());
    list->SetScrollBarShown(SB_HORZ, false);
    list->Columns().Items(0)->SetWidth(400);
    EXPECT_FALSE(list->HorizontalScrollBar().Needed()) << "hidden by the program";
    list->SetScrollBarShown(SB_HORZ, true);
    EXPECT_TRUE(list->HorizontalScrollBar().Needed());
}

TEST(TreeView, ConnectingLinesJoinSiblingsAndChildren)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 200, 200);
    auto* tree = Place<TTreeView>(form, "Tree", Rect{0, 0, 200, 200});
    tree->SetIndent(20);
    TTreeNode* root = tree->Items().AddChild(nullptr, u"root");
    tree->Items().AddChild(root, u"a");
    tree->Items().AddChild(root, u"b");
    root->Expand(false);
    int h = tree->ItemHeight();
    // The root's children hang from a line in the second column (x = 20 + 10); the dots lie on
    // even rows.
    Point between{30, h + h / 2 + 2 - (h + h / 2 + 2) % 2};
    EXPECT_EQ(ColorAt(*form, between), clGray);
    tree->SetShowLines(false);
    EXPECT_EQ(ColorAt(*form, between), gfx::ResolveColor(clWindow));
}

TEST(Memo, TypingEditsTheLastLineAndReadOnlyRefuses)
{
    UiTest ui;
    auto* form = new TForm(&App());
    auto* memo = Place<TMemo>(form, "Memo", Rect{0, 0, 150, 80});
    memo->SetText(u"one\r\ntwo");
    EXPECT_EQ(memo->Lines().Count(), 2);
    memo->SetFocus();
    for (char16_t ch : std::u16string(u"s")) {
        ui::testing::PressKey(*form, ch, 0, ch);
    }
    ui::testing::PressKey(*form, VK_RETURN, 0, u'\r');
    ui::testing::PressKey(*form, 'x', 0, u'x');
    ui::testing::PressKey(*form, VK_BACK, 0, u'\b');
    ui::testing::PressKey(*form, VK_BACK, 0, u'\b');
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->Lines()[1], u"twos");
    EXPECT_EQ(memo->Text(), memo->Lines().Text());
    memo->SetReadOnly(true);
    ui::testing::PressKey(*form, 'y', 0, u'y');
    EXPECT_EQ(memo->Lines()[1], u"twos");
}

TEST(ProgressBar, StepsFillTheBarInItsColour)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 120, 40);
    auto* bar = Place<TProgressBar>(form, "Bar", Rect{10, 10, 110, 30});
    bar->SetRange(0, 10);
    bar->SetStep(1);
    bar->SetSmooth(true);
    bar->SetColor(clWhite);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_SETBARCOLOR, 0, 0x38051E), static_cast<LRESULT>(CLR_DEFAULT));
    for (int i = 0; i < 5; ++i) {
        bar->StepIt();
    }
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_EQ(ColorAt(*form, Point{20, 20}), 0x38051Eu);
    EXPECT_EQ(ColorAt(*form, Point{100, 20}), clWhite);
    for (int i = 0; i < 8; ++i) {
        bar->StepIt();
    }
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(ColorAt(*form, Point{100, 20}), 0x38051Eu);
}

TEST(Image, AnimatedPictureAdvancesByItsFrameDelays)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 20, 20);
    auto* image = Place<TImage>(form, "Gif", Rect{0, 0, 4, 4});
    auto gif = std::make_shared<gfx::Image>();
    for (TColor c : {clRed, clLime, clBlue}) {
        gif->frames.emplace_back(4, 4, gfx::ColorToPixel(c));
    }
    gif->delaysMs = {100, 50, 200};
    image->Picture().Assign(gif);
    form->ShowForm();
    struct Step {
        std::uint64_t advance;
        int frame;
        TColor shown;
    };
    const Step steps[] = {{99, 0, clRed}, {1, 1, clLime}, {50, 2, clBlue}, {199, 2, clBlue}, {1, 0, clRed}};
    for (const Step& s : steps) {
        ui.Advance(s.advance);
        EXPECT_EQ(image->Frame(), s.frame) << "after " << ui.Clock().MonotonicMs() << " ms";
        EXPECT_EQ(gfx::PixelToColor(form->Frame()->At(1, 1)), s.shown) << "after " << ui.Clock().MonotonicMs() << " ms";
    }
}

TEST(TrayIcon, AnimatesClicksAndOpensItsMenuWindow)
{
    UiTest ui;
    auto* owner = new TForm(&App());
    auto* icons = new TImageList(owner);
    for (int i = 0; i < 3; ++i) {
        icons->Add(gfx::Bitmap(16, 16));
    }
    auto* menu = new TPopupMenu(owner);
    TMenuItem* open = menu->Add(u"Open", "Open");
    TMenuItem* exit = menu->Add(u"Exit", "Exit");
    auto* tray = new TTrayIcon(owner);
    tray->SetIcons(icons);
    tray->SetPopupMenu(menu);
    std::vector<std::string> events;
    int changes = 0;
    TTrayIcon::SetChangeHook([&](const TTrayIcon&) { ++changes; });
    tray->OnClick = [&](TObject*) { events.push_back("click"); };
    tray->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
    open->OnClick = [&](TObject*) { events.push_back("open"); };
    exit->OnClick = [&](TObject*) { events.push_back("exit"); };

    tray->SetAnimateInterval(800);
    tray->SetAnimate(true);
    ui.Advance(800 * 4);
    EXPECT_EQ(tray->IconIndex(), 4 % 3);
    EXPECT_EQ(changes, 4);
    tray->SetAnimate(false);
    ui.Advance(800);
    EXPECT_EQ(tray->IconIndex(), 4 % 3);

    tray->UserClick(TMouseButton::mbLeft);
    tray->UserDblClick();
    tray->UserClick(TMouseButton::mbRight, Point{600, 700});
    TPopupMenuForm* window = menu->Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Visible());
    EXPECT_LE(window->Top() + window->Height(), Screen->WorkAreaRect().bottom) << "kept on the work area";
    ui::testing::Click(*window, 10, 1 + window->RowHeight() + window->RowHeight() / 2);
    EXPECT_EQ(menu->Window(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "dblclick", "exit"}));

    struct Dismissal {
        const char* name;
        std::function<void(TPopupMenuForm&)> act;
    };
    const Dismissal dismissals[] = {
        {"escape", [](TPopupMenuForm& w) { ui::testing::PressKey(w, VK_ESCAPE); }},
        {"press outside", [&](TPopupMenuForm&) { ui::testing::ClickAt(*owner, 5, 5); }},
    };
    for (const Dismissal& d : dismissals) {
        menu->Popup(100, 100);
        ASSERT_NE(menu->Window(), nullptr) << d.name;
        d.act(*menu->Window());
        EXPECT_EQ(menu->Window(), nullptr) << d.name;
    }
    EXPECT_EQ(events.size(), 3u) << "no item ran";
    TTrayIcon::SetChangeHook(nullptr);
}
