#include "ui/loop/desktop.h"

#include "platform/key_grabs.h"
#include "platform/status_tray.h"
#include "platform/text.h"
#include "platform/xembed_tray.h"
#include "ui/controls/image_list.h"
#include "ui/controls/menu.h"
#include "ui/controls/tray_icon.h"
#include "ui/gfx/bitmap.h"
#include "ui/loop/fd_waker.h"
#include "ui/windows.h"

#include <memory>

namespace ui::loop {
namespace {

platform::TrayPicture PictureOf(const TTrayIcon& icon)
{
    platform::TrayPicture picture;
    const gfx::Bitmap* frame = icon.Icons() != nullptr ? icon.Icons()->Bitmap(icon.IconIndex()) : nullptr;
    if (frame == nullptr) {
        return picture;
    }
    picture.width = frame->Width();
    picture.height = frame->Height();
    for (const gfx::Pixel p : frame->Pixels()) {
        // Our pixels carry premultiplied alpha; the desktop takes it straight.
        const std::uint32_t a = p >> 24;
        const auto straight = [a](std::uint32_t c) { return a == 0 ? 0u : std::min(255u, (c * 255u + a / 2) / a); };
        picture.argb.push_back((a << 24) | (straight((p >> 16) & 0xFF) << 16) | (straight((p >> 8) & 0xFF) << 8) |
                               straight(p & 0xFF));
    }
    return picture;
}

// A caption's "&" marks its access key; in the desktop's menus "_" does.
std::string MenuLabel(std::u16string_view caption)
{
    std::u16string label;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'_') {
            label += u"__";
        } else if (caption[i] == u'&' && i + 1 < caption.size()) {
            label += caption[++i] == u'&' ? u'&' : u'_';
            if (caption[i] != u'&') {
                label += caption[i];
            }
        } else {
            label += caption[i];
        }
    }
    return platform::ToUtf8(label);
}

std::vector<platform::TrayMenuEntry> MenuOf(const TTrayIcon& icon)
{
    std::vector<platform::TrayMenuEntry> entries;
    if (const TPopupMenu* menu = icon.PopupMenu()) {
        for (int i = 0; i < menu->Count(); ++i) {
            const TMenuItem* item = menu->Items(i);
            entries.push_back({MenuLabel(item->Caption()), item->Enabled(), item->Visible()});
        }
    }
    return entries;
}

struct Desktop {
    platform::KeyGrabs keys;
    std::unique_ptr<platform::StatusTray> tray;
    std::unique_ptr<platform::XEmbedTray> xtray;  // where no StatusNotifierWatcher is
    WeakRef<TTrayIcon> icon;
    std::unique_ptr<FdWaker> waker;

    platform::TrayEvents Events()
    {
        platform::TrayEvents events;
        events.activate = [this] {
            if (TTrayIcon* i = icon.get()) {
                i->UserClick(TMouseButton::mbLeft);
            }
        };
        events.contextMenu = [this](int x, int y) {
            if (TTrayIcon* i = icon.get()) {
                i->UserClick(TMouseButton::mbRight, Point{x, y});
            }
        };
        events.menuItem = [this](int index) {
            TTrayIcon* i = icon.get();
            if (i != nullptr && i->PopupMenu() != nullptr && index < i->PopupMenu()->Count()) {
                i->PopupMenu()->Items(index)->Click();
            }
        };
        return events;
    }

    void Follow(const TTrayIcon& shown)
    {
        icon = WeakRef<TTrayIcon>(const_cast<TTrayIcon*>(&shown));
        if (!shown.Visible()) {
            tray->Hide();
            xtray->Hide();
            return;
        }
        const platform::TrayPicture picture = PictureOf(shown);
        const std::string hint = platform::ToUtf8(shown.Hint());
        tray->Show(picture, hint, MenuOf(shown));
        if (tray->Shown()) {
            xtray->Hide();
        } else {
            xtray->Show(picture, hint);
        }
    }
};

std::unique_ptr<Desktop>& Current()
{
    static std::unique_ptr<Desktop> desktop;
    return desktop;
}

}  // namespace

bool StartDesktop()
{
    StopDesktop();
    auto desktop = std::make_unique<Desktop>();
    desktop->tray = std::make_unique<platform::StatusTray>(desktop->Events());
    desktop->xtray = std::make_unique<platform::XEmbedTray>(desktop->Events());
    std::vector<int> fds;
    for (const int fd : {desktop->keys.fd(), desktop->tray->fd(), desktop->xtray->fd()}) {
        if (fd >= 0) {
            fds.push_back(fd);
        }
    }
    if (fds.empty()) {
        return false;
    }
    desktop->waker = std::make_unique<FdWaker>(fds);
    if (desktop->tray->valid() || desktop->xtray->valid()) {
        TTrayIcon::SetChangeHook([d = desktop.get()](const TTrayIcon& icon) { d->Follow(icon); });
        TTrayIcon::SetDesktopQuery(TrayIconIsShown);
    }
    Current() = std::move(desktop);
    return true;
}

void StopDesktop()
{
    if (Current() && (Current()->tray->valid() || Current()->xtray->valid())) {
        TTrayIcon::SetChangeHook(nullptr);
        TTrayIcon::SetDesktopQuery(nullptr);
    }
    Current().reset();
}

bool TrayIconIsShown()
{
    return Current() && (Current()->tray->Shown() || Current()->xtray->Shown());
}

bool GrabHotkey(UINT modifiers, UINT key)
{
    return !Current() || !Current()->keys.valid() || Current()->keys.Grab(modifiers, key);
}

void ReleaseHotkey(UINT modifiers, UINT key)
{
    if (Current()) {
        Current()->keys.Release(modifiers, key);
    }
}

void HandleDesktopInput()
{
    if (!Current()) {
        return;
    }
    for (const auto& [modifiers, key] : Current()->keys.ReadPresses()) {
        DeliverHotkey(modifiers, key);
    }
    Current()->tray->Process();
    Current()->xtray->Process();
    Current()->waker->Consumed();
}

}  // namespace ui::loop
