#pragma once
// The notification-area icon of freedesktop desktops: a StatusNotifierItem on the session bus,
// with its menu exported as a dbusmenu, registered with the desktop's StatusNotifierWatcher.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// One picture of the icon: non-premultiplied ARGB, one 32-bit value a pixel, row by row.
struct TrayPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

struct TrayMenuEntry {
    std::string label;  // UTF-8
    bool enabled = true;
    bool visible = true;
};

struct TrayEvents {
    std::function<void()> activate;  // the icon was clicked
    std::function<void(int x, int y)> contextMenu;  // the desktop asks for our own menu
    std::function<void(int index)> menuItem;  // an entry of the exported menu was chosen
};

class StatusTray {
public:
    // Connects to the session bus; valid() is false without one.
    explicit StatusTray(TrayEvents events);
    ~StatusTray();
    StatusTray(const StatusTray&) = delete;
    StatusTray& operator=(const StatusTray&) = delete;

    bool valid() const;
    int fd() const;
    // Shows (registering with the watcher once) or updates the icon; menu entries by index.
    void Show(const TrayPicture& picture, const std::string& tooltip, const std::vector<TrayMenuEntry>& menu);
    void Hide();
    // True once a watcher accepted the icon: the desktop really shows it.
    bool Shown() const;
    // Handles what arrived on the bus; on the loop's thread.
    void Process();

    struct Impl;  // the bus side; public for its method tables only

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
