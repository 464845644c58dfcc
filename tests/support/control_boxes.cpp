#include "tests/support/control_boxes.h"

#include <gtest/gtest.h>

namespace testsupport {

void ExpectBoxes(ui::TComponent& window, const std::vector<ControlBox>& boxes, std::string_view where)
{
    for (const ControlBox& b : boxes) {
        const ui::TControl* c = ui::testing::Find(window, b.name);
        ASSERT_NE(c, nullptr) << where << ' ' << b.name;
        const struct {
            const char* what;
            int expected, actual;
        } sides[] = {{"left", b.left, c->Left()},
                     {"top", b.top, c->Top()},
                     {"width", b.width, c->Width()},
                     {"height", b.height, c->Height()}};
        for (const auto& side : sides) {
            if (side.expected >= 0) {
                EXPECT_EQ(side.actual, side.expected) << where << ' ' << b.name << ' ' << side.what;
            }
        }
    }
}

}  // namespace testsupport
