#include "ui/testing.h"

#include <gtest/gtest.h>

using namespace ui;
using ui::testing::Place;
using ui::testing::UiTest;

namespace {

constexpr TColor kFormColor = 0x480529;
constexpr TColor kPanelColor = 0x922E62;

TColor ColorAt(const gfx::Bitmap& frame, Point p)
{
    return gfx::PixelToColor(frame.At(p.x, p.y));
}

}  // namespace

// Every control paints inside its own rectangle cut by its parents'; an empty one paints nothing,
// whether the form is rendered whole or repainted through its window.
TEST(PaintClip, ControlsPaintOnlyInsideTheirOwnAndTheirParentsRectangles)
{
    UiTest ui;
    auto* form = new TForm(&App());
    form->SetBounds(0, 0, 120, 80);
    form->SetColor(kFormColor);
    auto* panel = Place<TPanel>(form, "Pan", Rect{10, 10, 60, 40});
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(kPanelColor);
    struct Case {
        const char* name;
        Rect bounds;  // in the panel
        Point outside;  // a form point the label must leave alone
        TColor expected;  // what is there instead
    };
    const Case cases[] = {
        {"zero size", Rect{5, 5, 5, 5}, {16, 16}, kPanelColor},
        {"negative width", Rect{5, 18, -5, 28}, {16, 30}, kPanelColor},
        {"negative height", Rect{30, 20, 40, 10}, {42, 25}, kPanelColor},
        {"caption wider than the label", Rect{20, 2, 24, 10}, {36, 16}, kPanelColor},
        {"label reaching past its parent", Rect{44, 2, 80, 10}, {62, 16}, kFormColor},
    };
    for (const Case& c : cases) {
        auto* label = Place<TLabel>(panel, c.name, Rect{});
        label->SetAutoSize(false);
        label->SetColor(clWhite);
        label->Font().SetColor(clRed);
        label->SetCaption(u"MMMMMMMMMMMM");
        label->SetBounds(c.bounds.left, c.bounds.top, c.bounds.right - c.bounds.left, c.bounds.bottom - c.bounds.top);
    }
    form->ShowForm();
    App().ProcessMessages();
    gfx::Bitmap rendered;
    form->RenderTo(rendered);
    ASSERT_NE(form->Frame(), nullptr);
    for (const Case& c : cases) {
        EXPECT_EQ(ColorAt(rendered, c.outside), c.expected) << c.name;
        EXPECT_EQ(ColorAt(*form->Frame(), c.outside), c.expected) << c.name << " (window)";
    }
    EXPECT_NE(ColorAt(rendered, Point{55, 13}), kPanelColor) << "the visible part of the overhanging label";
}
