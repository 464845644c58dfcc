#pragma once
// SDL key codes and modifier states in the Windows terms that the widget layer uses.

#include <cstdint>

namespace ui {

// The Windows virtual-key code of an SDL key code; 0 for keys the program never sees.
int VirtualKeyFromSdl(std::int32_t keycode);

// kShiftKey, kCtrlKey, kAltKey and the button bits of ui/backend.h.
unsigned ShiftStateFromSdl(std::uint16_t modifiers, std::uint32_t buttons);

}  // namespace ui
