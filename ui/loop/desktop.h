#pragma once
// The real desktop around the program's windows: hotkeys grabbed system-wide. Started beside real
// windows on the real machine; without it hotkeys reach the program through its own windows only.

#include "ui/types.h"

namespace ui::loop {

// Connects to the display of DISPLAY; false when there is none.
bool StartDesktop();
void StopDesktop();

// True without a desktop. False when another program holds the combination.
bool GrabHotkey(UINT modifiers, UINT key);
void ReleaseHotkey(UINT modifiers, UINT key);

// Delivers what the desktop sent since the last call (on the loop's thread).
void HandleDesktopInput();

}  // namespace ui::loop
