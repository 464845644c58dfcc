#pragma once
// Shell links as XDG desktop entries ("[Desktop Entry]" files), so that the desktop can start them.

#include "platform/shell.h"

#include <string>

namespace platform {

// An application entry named name whose Exec runs hostTarget with the link's arguments; the
// Windows fields ride along in X-Harbex- keys so that the link reads back as it was written.
std::string DesktopEntryText(const ShellLink& link, std::string_view name, std::string_view hostTarget);
// False when the text is not an entry written by DesktopEntryText.
bool ParseDesktopEntry(const std::string& text, ShellLink& link);

}  // namespace platform
