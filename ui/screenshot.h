#pragma once
// Renders a form as it would be shown into a PNG file, without a display.

#include "ui/form.h"

#include <string>

namespace ui {

// Shows the form, lets pending work run, writes the picture; 0 on success, 1 (with a message on
// standard error) when the file cannot be written.
int SaveFormScreenshot(TForm& form, const std::string& path);

}  // namespace ui
