#pragma once
// The main window's registration for shell notices of folder changes and their effect on the
// Manual Backup source tree.

#include "platform/win_types.h"

#include <cstdint>

class TMainForm;

// The message the shell notices arrive with.
inline constexpr UINT WM_SHELL_CHANGE = 0x0400 + 1;

// Registers once for the whole shell namespace; a later call while registered does nothing.
void StartShellNotify(TMainForm& form);
void StopShellNotify(TMainForm& form);
// wParam points at the notice's two item lists, lParam is the event.
void HandleShellChange(TMainForm& form, std::uintptr_t itemLists, LONG event);
