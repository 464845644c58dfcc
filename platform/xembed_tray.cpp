#include "platform/xembed_tray.h"

#include "platform/x11_connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr long kRequestDock = 0;
constexpr long kXEmbedMapped = 1;
constexpr int kDefaultSize = 22;
// Where the icon's own pixels are see-through, the tray's usual grey shows.
constexpr std::uint32_t kBackground = 0xBEBEBE;

}  // namespace

struct XEmbedTray::Impl {
    TrayEvents events;
    Display* display = nullptr;
    bool lost = false;  // the X server went away: no call may reach the dead connection
    Window window = 0;
    TrayPicture picture;
    std::string tooltip;

    Atom AtomOf(const char* name) const { return XInternAtom(display, name, False); }

    Window TrayOwner() const
    {
        const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
        return XGetSelectionOwner(display, AtomOf(selection.c_str()));
    }

    void Dock(Window owner)
    {
        const int w = picture.width > 0 ? picture.width : kDefaultSize;
        const int h = picture.height > 0 ? picture.height : kDefaultSize;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(w),
                                     static_cast<unsigned>(h), 0, 0, kBackground);
        XSelectInput(display, window, ExposureMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
        const long info[2] = {0, kXEmbedMapped};
        XChangeProperty(display, window, AtomOf("_XEMBED_INFO"), AtomOf("_XEMBED_INFO"), 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(info), 2);
        XSizeHints hints{};
        hints.flags = PMinSize;
        hints.min_width = w;
        hints.min_height = h;
        XSetWMNormalHints(display, window, &hints);
        Name();  // before the tray looks at the window
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = owner;
        request.xclient.message_type = AtomOf("_NET_SYSTEM_TRAY_OPCODE");
        request.xclient.format = 32;
        request.xclient.data.l[0] = CurrentTime;
        request.xclient.data.l[1] = kRequestDock;
        request.xclient.data.l[2] = static_cast<long>(window);
        XSendEvent(display, owner, False, NoEventMask, &request);
    }

    void Name()
    {
        const auto* text = reinterpret_cast<const unsigned char*>(tooltip.c_str());
        const int length = static_cast<int>(tooltip.size());
        XChangeProperty(display, window, AtomOf("_NET_WM_NAME"), AtomOf("UTF8_STRING"), 8, PropModeReplace, text,
                        length);
        XStoreName(display, window, tooltip.c_str());
    }

    void Paint()
    {
        if (window == 0 || picture.width <= 0) {
            return;
        }
        Visual* visual = DefaultVisual(display, DefaultScreen(display));
        const int depth = DefaultDepth(display, DefaultScreen(display));
        if (depth < 24) {
            return;
        }
        auto* pixels = static_cast<char*>(std::malloc(picture.argb.size() * 4));
        XImage* image =
            XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, pixels,
                         static_cast<unsigned>(picture.width), static_cast<unsigned>(picture.height), 32, 0);
        if (image == nullptr) {
            std::free(pixels);
            return;
        }
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const std::uint32_t p = picture.argb[static_cast<std::size_t>(y * picture.width + x)];
                const std::uint32_t a = p >> 24;
                std::uint32_t out = 0;
                for (int shift = 0; shift <= 16; shift += 8) {
                    const std::uint32_t c = (p >> shift) & 0xFF;
                    const std::uint32_t b = (kBackground >> shift) & 0xFF;
                    out |= ((c * a + b * (255 - a)) / 255) << shift;
                }
                XPutPixel(image, x, y, out);
            }
        }
        const GC gc = XCreateGC(display, window, 0, nullptr);
        XPutImage(display, window, gc, image, 0, 0, 0, 0, static_cast<unsigned>(picture.width),
                  static_cast<unsigned>(picture.height));
        XFreeGC(display, gc);
        XDestroyImage(image);
    }
};

XEmbedTray::XEmbedTray(TrayEvents events) : impl_(std::make_unique<Impl>())
{
    impl_->events = std::move(events);
    impl_->display = OpenWatchedDisplay(&impl_->lost);
}

XEmbedTray::~XEmbedTray()
{
    if (valid()) {
        XCloseDisplay(impl_->display);
    }
}

bool XEmbedTray::valid() const
{
    return impl_->display != nullptr && !impl_->lost;
}

int XEmbedTray::fd() const
{
    return valid() ? ConnectionNumber(impl_->display) : -1;
}

void XEmbedTray::Show(const TrayPicture& picture, const std::string& tooltip)
{
    if (!valid()) {
        return;
    }
    Impl& s = *impl_;
    s.picture = picture;
    s.tooltip = tooltip;
    if (s.window == 0) {
        const Window owner = s.TrayOwner();
        if (owner == None) {
            return;
        }
        s.Dock(owner);
    }
    s.Name();
    s.Paint();
    XFlush(s.display);
}

void XEmbedTray::Hide()
{
    if (!valid() || impl_->window == 0) {
        return;
    }
    XDestroyWindow(impl_->display, impl_->window);
    impl_->window = 0;
    XFlush(impl_->display);
}

bool XEmbedTray::Shown() const
{
    return impl_->window != 0;
}

void XEmbedTray::Process()
{
    if (!valid()) {
        return;
    }
    Impl& s = *impl_;
    std::vector<std::function<void()>> calls;
    while (XPending(s.display) > 0) {
        XEvent event;
        XNextEvent(s.display, &event);
        if (event.xany.window != s.window || s.window == 0) {
            continue;
        }
        if (event.type == Expose && event.xexpose.count == 0) {
            s.Paint();
        } else if (event.type == DestroyNotify) {
            s.window = 0;  // the tray went away with our window
        } else if (event.type == ButtonRelease && event.xbutton.button == Button1 && s.events.activate) {
            calls.push_back(s.events.activate);
        } else if (event.type == ButtonRelease && event.xbutton.button == Button3 && s.events.contextMenu) {
            calls.push_back([&s, x = event.xbutton.x_root, y = event.xbutton.y_root] { s.events.contextMenu(x, y); });
        }
    }
    XFlush(s.display);
    for (const auto& call : calls) {
        call();
    }
}

}  // namespace platform
