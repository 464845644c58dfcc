#include "ui/backends/sdl_keys.h"

#include "ui/backend.h"

#include <SDL2/SDL.h>

namespace ui {

int VirtualKeyFromSdl(std::int32_t keycode)
{
    if (keycode >= SDLK_a && keycode <= SDLK_z)
        return 'A' + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9)
        return '0' + (keycode - SDLK_0);
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12)
        return 0x70 + (keycode - SDLK_F1);
    switch (keycode) {
    case SDLK_BACKSPACE:
        return 0x08;
    case SDLK_TAB:
        return 0x09;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 0x0D;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return 0x10;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return 0x11;
    case SDLK_LALT:
    case SDLK_RALT:
        return 0x12;
    case SDLK_ESCAPE:
        return 0x1B;
    case SDLK_SPACE:
        return 0x20;
    case SDLK_PAGEUP:
        return 0x21;
    case SDLK_PAGEDOWN:
        return 0x22;
    case SDLK_END:
        return 0x23;
    case SDLK_HOME:
        return 0x24;
    case SDLK_LEFT:
        return 0x25;
    case SDLK_UP:
        return 0x26;
    case SDLK_RIGHT:
        return 0x27;
    case SDLK_DOWN:
        return 0x28;
    case SDLK_INSERT:
        return 0x2D;
    case SDLK_DELETE:
        return 0x2E;
    default:
        return 0;
    }
}

unsigned ShiftStateFromSdl(std::uint16_t modifiers, std::uint32_t buttons)
{
    unsigned shift = 0;
    if (modifiers & KMOD_SHIFT)
        shift |= kShiftKey;
    if (modifiers & KMOD_CTRL)
        shift |= kCtrlKey;
    if (modifiers & KMOD_ALT)
        shift |= kAltKey;
    if (buttons & SDL_BUTTON_LMASK)
        shift |= kLeftButton;
    if (buttons & SDL_BUTTON_RMASK)
        shift |= kRightButton;
    if (buttons & SDL_BUTTON_MMASK)
        shift |= kMiddleButton;
    return shift;
}

}  // namespace ui
