#include "tests/support/click_path.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

void ClickPath(ui::TComponent& window, std::string_view path)
{
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view name = path.substr(0, slash);
        ui::TControl* control = ui::testing::Find(window, name);
        ASSERT_NE(control, nullptr) << "no control " << name;
        ui::testing::Click(*control);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
}

}  // namespace testsupport
