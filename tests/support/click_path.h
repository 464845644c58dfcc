#pragma once
// Goes through a window as a user does: clicks the controls of a path of names in turn, e.g.
// "Menu_BacIndex_BtnImg/Menu_Bac_EasyBtn_Lab" opens the Easy Backup page from the menu.

#include "ui/testing.h"

#include <string_view>

namespace testsupport {

// Stops with a failure at a name the window does not hold.
void ClickPath(ui::TComponent& window, std::string_view path);

}  // namespace testsupport
