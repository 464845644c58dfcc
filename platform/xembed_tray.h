#pragma once
// The notification-area icon of the older X11 system tray: a small window docked into the window
// that owns the _NET_SYSTEM_TRAY_S<screen> selection (XEmbed).

#include "platform/status_tray.h"

#include <memory>
#include <string>

namespace platform {

class XEmbedTray {
public:
    // Opens the display of DISPLAY; valid() is false when there is none.
    explicit XEmbedTray(TrayEvents events);
    ~XEmbedTray();
    XEmbedTray(const XEmbedTray&) = delete;
    XEmbedTray& operator=(const XEmbedTray&) = delete;

    bool valid() const;
    int fd() const;
    // Docks (once a tray owns the selection) or repaints the icon; the tooltip names the window.
    void Show(const TrayPicture& picture, const std::string& tooltip);
    void Hide();
    // True while the icon's window is docked in a tray.
    bool Shown() const;
    // Paints and reports clicks; on the loop's thread.
    void Process();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
