// Where forms appear: a window shown before the main form centres on where the main form will be.

#include "ui/testing.h"
#include "ui/widgets.h"

#include <gtest/gtest.h>

namespace {

class Sized : public ui::TForm {
public:
    explicit Sized(ui::TComponent* owner) : TForm(owner) { SetBounds(0, 0, 640, 480); }
};

TEST(FormPosition, AWindowShownBeforeTheMainFormCentresOnIt)
{
    ui::testing::UiTest ui;
    Sized* main = nullptr;
    ui::Application->CreateForm(&main);
    main->SetPosition(ui::TPosition::poScreenCenter);
    auto* loading = new ui::TForm(ui::Application);
    loading->SetPosition(ui::TPosition::poMainFormCenter);
    loading->SetBounds(0, 0, 383, 201);
    loading->Show();
    main->Show();
    const ui::Rect screen = ui::CurrentBackend().ScreenRect();
    const ui::Rect around = main->BoundsRect();
    const ui::Rect over = loading->BoundsRect();
    EXPECT_EQ(around.left, screen.left + (screen.Width() - 640) / 2);
    EXPECT_EQ(over.left, around.left + (640 - 383) / 2);
    EXPECT_EQ(over.top, around.top + (480 - 201) / 2);
}

}  // namespace
