#pragma once
// The real desktop around the program's windows: hotkeys grabbed system-wide and the tray icon in
// the desktop's notification area (a StatusNotifierItem, else an X11 system tray icon). Started beside real windows on
// the real machine; without it hotkeys reach the program through its own windows only and no tray icon is seen.

#include "ui/types.h"

namespace ui::loop {

// Connects to the display of DISPLAY and to the session bus; false when there is neither.
bool StartDesktop();
void StopDesktop();

// True while the desktop really shows the tray icon (a notification area accepted it), so that a
// window hidden to it can come back.
bool TrayIconIsShown();

// True without a desktop. False when another program holds the combination.
bool GrabHotkey(UINT modifiers, UINT key);
void ReleaseHotkey(UINT modifiers, UINT key);

// Delivers what the desktop sent since the last call (on the loop's thread).
void HandleDesktopInput();

}  // namespace ui::loop
