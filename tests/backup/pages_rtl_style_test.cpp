// The right-to-left style helpers change only their own extended-style bits.

#include "backup/skin/RtlStyle.h"
#include "ui/testing.h"
#include "ui/widgets.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(PagesRtlStyle, HelpersSetAndClearOnlyTheirBits)
{
    ui::testing::UiTest ui;
    auto form = std::make_unique<TForm>(nullptr);
    auto* edit = ui::testing::Place<TEdit>(form.get(), "Edit", {0, 0, 100, 20});
    auto* combo = ui::testing::Place<TComboBox>(form.get(), "Combo", {0, 30, 100, 50});
    constexpr LONG kOther = 0x10;  // a bit no helper owns
    struct Case {
        const char* name;
        TWinControl* control;
        LONG before;
        void (*apply)(TEdit*, TComboBox*);
        LONG after;
    };
    const Case cases[] = {
        {"edit right", edit, kOther, [](TEdit* e, TComboBox*) { SetEditRightAligned(e); }, kOther | WS_EX_RIGHT},
        {"edit rtl reading", edit, 0, [](TEdit* e, TComboBox*) { SetEditRtlReading(e); },
         WS_EX_RIGHT | WS_EX_RTLREADING},
        {"edit clear right keeps reading", edit, WS_EX_RIGHT | WS_EX_RTLREADING,
         [](TEdit* e, TComboBox*) { ClearEditRightAligned(e); }, WS_EX_RTLREADING},
        {"edit clear rtl", edit, kOther | WS_EX_RIGHT | WS_EX_RTLREADING, [](TEdit* e, TComboBox*) { ClearEditRtl(e); },
         kOther},
        {"combo right", combo, 0, [](TEdit*, TComboBox* c) { SetComboRightAligned(c); }, WS_EX_RIGHT},
        {"combo full twice", combo, kOther,
         [](TEdit*, TComboBox* c) {
             SetComboRtlFull(c);
             SetComboRtlFull(c);
         },
         kOther | WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR},
        {"combo clear right of full", combo, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR,
         [](TEdit*, TComboBox* c) { ClearComboRightAligned(c); }, WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR},
        {"combo clear rtl of right only", combo, WS_EX_RIGHT, [](TEdit*, TComboBox* c) { ClearComboRtl(c); }, 0},
    };
    for (const Case& c : cases) {
        c.control->SetExStyle(c.before);
        c.apply(edit, combo);
        EXPECT_EQ(c.control->ExStyle(), c.after) << c.name;
    }
}

TEST(PagesRtlStyle, ClearingAViewLayoutSwitchesDoubleBufferingOnEvenWithNoBitSet)
{
    ui::testing::UiTest ui;
    auto form = std::make_unique<TForm>(nullptr);
    auto* memo = ui::testing::Place<TMemo>(form.get(), "Memo", {0, 0, 100, 100});
    struct Case {
        LONG before;
        LONG after;
    };
    const Case cases[] = {{0, 0},
                          {WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT | WS_EX_RTLREADING | WS_EX_RIGHT, WS_EX_RIGHT}};
    for (const Case& c : cases) {
        memo->SetExStyle(c.before);
        memo->SetDoubleBuffered(false);
        ClearViewRtlLayout(memo);
        EXPECT_EQ(memo->ExStyle(), c.after);
        EXPECT_TRUE(memo->DoubleBuffered());
    }
}

}  // namespace
