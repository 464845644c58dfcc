#pragma once
// Where a window's controls sit: each named control's left, top, width and height in its parent.

#include "ui/testing.h"

#include <string_view>
#include <vector>

namespace testsupport {

// A negative value is not checked.
struct ControlBox {
    const char* name;
    int left, top, width, height;
};

// where names the step in the failure messages.
void ExpectBoxes(ui::TComponent& window, const std::vector<ControlBox>& boxes, std::string_view where = "");

}  // namespace testsupport
