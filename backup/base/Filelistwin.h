#pragma once
// The launch-at-logon shortcut "Harbex Solo+.lnk" in the all-users Startup folder, and the shell
// link writer that the setup program's shortcuts use too. Failures are ignored: the shortcut is
// simply missing afterwards.

#include <string>

// "Harbex Solo+.lnk".
std::u16string StartupShortcutName();
// Writes folder (a "\" added when missing) + linkName as a link to target, with the target path
// only, replacing an existing file.
void CreateShellLink(const std::u16string& target, const std::u16string& linkName, const std::u16string& folder);
// The shortcut to the installed program file in the all-users Startup folder (the installation
// folder is created when it is missing).
void CreateStartupShortcut();
// Removes the shortcut; a missing file is no error.
void DeleteStartupShortcut();
// True when anything named "Harbex Solo+.lnk" is in the all-users Startup folder.
bool StartupShortcutExists();
