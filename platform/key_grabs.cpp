#include "platform/key_grabs.h"

#include "platform/x11_connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <map>

namespace platform {
namespace {

KeySym KeySymOf(UINT vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        return static_cast<KeySym>(vk >= 'A' ? vk - 'A' + XK_a : vk - '0' + XK_0);
    }
    if (vk >= 0x70 && vk <= 0x7B) {
        return XK_F1 + (vk - 0x70);
    }
    static const std::map<UINT, KeySym> others = {
        {0x08, XK_BackSpace}, {0x09, XK_Tab},   {0x0D, XK_Return}, {0x1B, XK_Escape}, {0x20, XK_space},
        {0x21, XK_Prior},     {0x22, XK_Next},  {0x23, XK_End},    {0x24, XK_Home},   {0x25, XK_Left},
        {0x26, XK_Up},        {0x27, XK_Right}, {0x28, XK_Down},   {0x2D, XK_Insert}, {0x2E, XK_Delete},
    };
    const auto found = others.find(vk);
    return found != others.end() ? found->second : NoSymbol;
}

unsigned XModifiers(UINT modifiers)
{
    return ((modifiers & kHotkeyAlt) != 0 ? Mod1Mask : 0u) | ((modifiers & kHotkeyControl) != 0 ? ControlMask : 0u) |
           ((modifiers & kHotkeyShift) != 0 ? ShiftMask : 0u) | ((modifiers & kHotkeyWin) != 0 ? Mod4Mask : 0u);
}

constexpr unsigned kLockMasks[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};  // CapsLock, NumLock
constexpr unsigned kHotkeyMasks = Mod1Mask | ControlMask | ShiftMask | Mod4Mask;

// Grab errors arrive asynchronously; the handler is ours only while a grab is checked.
bool g_grabRefused = false;

int NoteRefusal(Display*, XErrorEvent* error)
{
    if (error->error_code == BadAccess) {
        g_grabRefused = true;
    }
    return 0;
}

}  // namespace

struct KeyGrabs::Impl {
    Display* display = nullptr;
    Window root = 0;
    bool lost = false;  // the X server went away: no call may reach the dead connection
    std::map<std::pair<KeyCode, unsigned>, std::pair<UINT, UINT>> grabs;  // (code, X mods) -> hotkey
};

KeyGrabs::KeyGrabs() : impl_(std::make_unique<Impl>())
{
    impl_->display = OpenWatchedDisplay(&impl_->lost);
    if (impl_->display != nullptr) {
        impl_->root = DefaultRootWindow(impl_->display);
        // Without this a held key repeats as release-press pairs; one press is one hotkey.
        XkbSetDetectableAutoRepeat(impl_->display, True, nullptr);
    }
}

KeyGrabs::~KeyGrabs()
{
    if (valid()) {
        XCloseDisplay(impl_->display);
    }
}

bool KeyGrabs::valid() const
{
    return impl_->display != nullptr && !impl_->lost;
}

int KeyGrabs::fd() const
{
    return valid() ? ConnectionNumber(impl_->display) : -1;
}

bool KeyGrabs::Grab(UINT modifiers, UINT virtualKey)
{
    const KeySym sym = KeySymOf(virtualKey);
    if (!valid() || sym == NoSymbol) {
        return false;
    }
    const KeyCode code = XKeysymToKeycode(impl_->display, sym);
    if (code == 0) {
        return false;
    }
    const unsigned mods = XModifiers(modifiers);
    XSync(impl_->display, False);
    g_grabRefused = false;
    const auto previous = XSetErrorHandler(NoteRefusal);
    for (const unsigned lock : kLockMasks) {
        XGrabKey(impl_->display, code, mods | lock, impl_->root, False, GrabModeAsync, GrabModeAsync);
    }
    XSync(impl_->display, False);
    XSetErrorHandler(previous);
    if (g_grabRefused) {
        for (const unsigned lock : kLockMasks) {
            XUngrabKey(impl_->display, code, mods | lock, impl_->root);
        }
        XFlush(impl_->display);
        return false;
    }
    impl_->grabs[{code, mods}] = {modifiers, virtualKey};
    return true;
}

void KeyGrabs::Release(UINT modifiers, UINT virtualKey)
{
    const KeySym sym = KeySymOf(virtualKey);
    if (!valid() || sym == NoSymbol) {
        return;
    }
    const KeyCode code = XKeysymToKeycode(impl_->display, sym);
    const unsigned mods = XModifiers(modifiers);
    if (impl_->grabs.erase({code, mods}) == 0) {
        return;
    }
    for (const unsigned lock : kLockMasks) {
        XUngrabKey(impl_->display, code, mods | lock, impl_->root);
    }
    // Done before we return, so that another program may take the combination at once.
    XSync(impl_->display, False);
}

std::vector<std::pair<UINT, UINT>> KeyGrabs::ReadPresses()
{
    std::vector<std::pair<UINT, UINT>> presses;
    if (!valid()) {
        return presses;
    }
    while (XPending(impl_->display) > 0) {
        XEvent event;
        XNextEvent(impl_->display, &event);
        if (event.type != KeyPress) {
            continue;
        }
        const auto found =
            impl_->grabs.find({static_cast<KeyCode>(event.xkey.keycode), event.xkey.state & kHotkeyMasks});
        if (found != impl_->grabs.end()) {
            presses.push_back(found->second);
        }
    }
    return presses;
}

}  // namespace platform
