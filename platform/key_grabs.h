#pragma once
// System-wide hotkeys on X11: key grabs on the root window through a connection of our own, so
// that a combination reaches the program whichever window has the keyboard.

#include "platform/win_types.h"

#include <memory>
#include <utility>
#include <vector>

namespace platform {

// Modifier bits as RegisterHotKey takes them.
inline constexpr UINT kHotkeyAlt = 0x1;
inline constexpr UINT kHotkeyControl = 0x2;
inline constexpr UINT kHotkeyShift = 0x4;
inline constexpr UINT kHotkeyWin = 0x8;

class KeyGrabs {
public:
    // Opens the display of DISPLAY; valid() is false when there is none.
    KeyGrabs();
    ~KeyGrabs();
    KeyGrabs(const KeyGrabs&) = delete;
    KeyGrabs& operator=(const KeyGrabs&) = delete;

    bool valid() const;
    // Readable when presses may be waiting.
    int fd() const;
    // False when the key has no key code here or another program holds the combination. Also
    // grabbed with NumLock and CapsLock on, which would otherwise hide the combination.
    bool Grab(UINT modifiers, UINT virtualKey);
    void Release(UINT modifiers, UINT virtualKey);
    // The grabbed combinations pressed since the last call, as (modifiers, virtual key).
    std::vector<std::pair<UINT, UINT>> ReadPresses();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
