#include "ui/loop/desktop.h"

#include "platform/key_grabs.h"
#include "ui/loop/fd_waker.h"
#include "ui/windows.h"

#include <memory>

namespace ui::loop {
namespace {

struct Desktop {
    platform::KeyGrabs keys;
    std::unique_ptr<FdWaker> waker;
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
    if (!desktop->keys.valid()) {
        return false;
    }
    desktop->waker = std::make_unique<FdWaker>(std::vector<int>{desktop->keys.fd()});
    Current() = std::move(desktop);
    return true;
}

void StopDesktop()
{
    Current().reset();
}

bool GrabHotkey(UINT modifiers, UINT key)
{
    return !Current() || Current()->keys.Grab(modifiers, key);
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
    Current()->waker->Consumed();
}

}  // namespace ui::loop
