// The tray icon on the real desktop: a notification area written here (a StatusNotifierWatcher
// and host on a session bus of the test's own) sees the icon register, reads its picture, tooltip
// and menu, clicks it and chooses a menu entry, and the program reacts; without one, an X11 system
// tray of the test's own receives the icon's window.

#include "tests/platform/machine_fixture.h"
#include "tests/platform/session_bus.h"
#include "tests/ui/x_server.h"
#include "ui/loop/desktop.h"
#include "ui/testing.h"
#include "ui/widgets.h"

#include <X11/Xlib.h>
#include <systemd/sd-bus.h>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

using namespace ui;

namespace {

// What the notification area saw of the icon.
struct Seen {
    std::string service;
    std::string status;
    std::string tooltip;
    int width = 0;
    int height = 0;
    std::size_t pixmapBytes = 0;
    std::uint32_t firstPixel = 0;
    std::string menuPath;
    std::vector<std::pair<int, std::string>> menu;
    bool activated = false;
    bool chosen = false;
};

class NotificationArea {
public:
    explicit NotificationArea(const std::string& address)
    {
        if (sd_bus_new(&bus_) < 0 || sd_bus_set_address(bus_, address.c_str()) < 0 ||
            sd_bus_set_bus_client(bus_, 1) < 0 || sd_bus_start(bus_) < 0 ||
            sd_bus_add_object_vtable(bus_, &slot_, "/StatusNotifierWatcher", "org.kde.StatusNotifierWatcher", kWatcher,
                                     this) < 0 ||
            sd_bus_request_name(bus_, "org.kde.StatusNotifierWatcher", 0) < 0) {
            bus_ = sd_bus_unref(bus_);
        }
    }
    ~NotificationArea()
    {
        if (host_.joinable()) {
            host_.join();
        }
        sd_bus_slot_unref(slot_);
        sd_bus_flush_close_unref(bus_);
    }
    bool ok() const { return bus_ != nullptr; }
    // Answers the icon's registration, then looks at it and uses it, on a thread of its own.
    void Start()
    {
        host_ = std::thread([this] { Host(); });
    }
    bool Done() const { return done_; }
    const Seen& seen() const { return seen_; }

private:
    static int Register(sd_bus_message* m, void* data, sd_bus_error*)
    {
        const char* service = "";
        sd_bus_message_read(m, "s", &service);
        static_cast<NotificationArea*>(data)->seen_.service = service;
        return sd_bus_reply_method_return(m, "");
    }
    static inline const sd_bus_vtable kWatcher[] = {
        SD_BUS_VTABLE_START(0),
        SD_BUS_METHOD("RegisterStatusNotifierItem", "s", "", Register, 0),
        SD_BUS_VTABLE_END,
    };

    void Host()
    {
        for (int round = 0; round < 100 && seen_.service.empty(); ++round) {
            if (sd_bus_process(bus_, nullptr) == 0) {
                sd_bus_wait(bus_, 100000);
            }
        }
        if (!seen_.service.empty()) {
            LookAtTheIcon();
        }
        done_ = true;
    }

    void LookAtTheIcon()
    {
        const char* service = seen_.service.c_str();
        const char* item = "org.kde.StatusNotifierItem";
        char* text = nullptr;
        if (sd_bus_get_property_string(bus_, service, "/StatusNotifierItem", item, "Status", nullptr, &text) >= 0) {
            seen_.status = text;
            free(text);
        }
        sd_bus_message* reply = nullptr;
        if (sd_bus_get_property(bus_, service, "/StatusNotifierItem", item, "ToolTip", nullptr, &reply,
                                "(sa(iiay)ss)") >= 0) {
            const char* icon = nullptr;
            const char* title = nullptr;
            const char* body = nullptr;
            sd_bus_message_enter_container(reply, 'r', "sa(iiay)ss");
            sd_bus_message_read(reply, "s", &icon);
            sd_bus_message_skip(reply, "a(iiay)");
            sd_bus_message_read(reply, "ss", &title, &body);
            seen_.tooltip = title != nullptr ? title : "";
        }
        reply = sd_bus_message_unref(reply);
        if (sd_bus_get_property(bus_, service, "/StatusNotifierItem", item, "IconPixmap", nullptr, &reply, "a(iiay)") >=
            0) {
            sd_bus_message_enter_container(reply, 'a', "(iiay)");
            if (sd_bus_message_enter_container(reply, 'r', "iiay") > 0) {
                const void* bytes = nullptr;
                sd_bus_message_read(reply, "ii", &seen_.width, &seen_.height);
                sd_bus_message_read_array(reply, 'y', &bytes, &seen_.pixmapBytes);
                if (seen_.pixmapBytes >= 4) {
                    const auto* b = static_cast<const unsigned char*>(bytes);
                    seen_.firstPixel = (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
                }
            }
        }
        reply = sd_bus_message_unref(reply);
        sd_bus_get_property(bus_, service, "/StatusNotifierItem", item, "Menu", nullptr, &reply, "o");
        const char* menuPath = nullptr;
        if (reply != nullptr && sd_bus_message_read(reply, "o", &menuPath) > 0) {
            seen_.menuPath = menuPath;
        }
        reply = sd_bus_message_unref(reply);

        seen_.activated = sd_bus_call_method(bus_, service, "/StatusNotifierItem", item, "Activate", nullptr, nullptr,
                                             "ii", 10, 10) >= 0;
        ReadMenu(service);
        if (!seen_.menu.empty()) {
            seen_.chosen =
                sd_bus_call_method(bus_, service, seen_.menuPath.c_str(), "com.canonical.dbusmenu", "Event", nullptr,
                                   nullptr, "isvu", seen_.menu[0].first, "clicked", "i", 0, 0u) >= 0;
        }
    }

    void ReadMenu(const char* service)
    {
        sd_bus_message* reply = nullptr;
        if (seen_.menuPath.empty() ||
            sd_bus_call_method(bus_, service, seen_.menuPath.c_str(), "com.canonical.dbusmenu", "GetLayout", nullptr,
                               &reply, "iias", 0, -1, 0) < 0) {
            return;
        }
        std::uint32_t revision = 0;
        int root = 0;
        sd_bus_message_read(reply, "u", &revision);
        sd_bus_message_enter_container(reply, 'r', "ia{sv}av");
        sd_bus_message_read(reply, "i", &root);
        sd_bus_message_skip(reply, "a{sv}");
        sd_bus_message_enter_container(reply, 'a', "v");
        while (sd_bus_message_enter_container(reply, 'v', "(ia{sv}av)") > 0) {
            int id = 0;
            std::string label;
            sd_bus_message_enter_container(reply, 'r', "ia{sv}av");
            sd_bus_message_read(reply, "i", &id);
            sd_bus_message_enter_container(reply, 'a', "{sv}");
            while (sd_bus_message_enter_container(reply, 'e', "sv") > 0) {
                const char* key = nullptr;
                sd_bus_message_read(reply, "s", &key);
                const char* value = nullptr;
                if (std::string_view(key) == "label" && sd_bus_message_read(reply, "v", "s", &value) > 0) {
                    label = value;
                } else {
                    sd_bus_message_skip(reply, "v");
                }
                sd_bus_message_exit_container(reply);
            }
            sd_bus_message_exit_container(reply);
            sd_bus_message_skip(reply, "av");
            sd_bus_message_exit_container(reply);
            sd_bus_message_exit_container(reply);
            seen_.menu.emplace_back(id, label);
        }
        sd_bus_message_unref(reply);
    }

    sd_bus* bus_ = nullptr;
    sd_bus_slot* slot_ = nullptr;
    std::thread host_;
    std::atomic<bool> done_ = false;
    Seen seen_;
};

// The program's desktop on a session bus of the test's own, with no X display.
class DesktopTrayOnOwnBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (sessionBus_.Address().empty()) {
            GTEST_SKIP() << "dbus-daemon could not be started";
        }
        address_.emplace("DBUS_SESSION_BUS_ADDRESS", sessionBus_.Address().c_str());
        ASSERT_TRUE(loop::StartDesktop());
    }

    void TearDown() override { loop::StopDesktop(); }

    OwnSessionBus sessionBus_;
    const ScopedEnv noDisplay_{"DISPLAY", nullptr};
    ui::testing::UiTest ui_;
    std::optional<ScopedEnv> address_;
};

TEST_F(DesktopTrayOnOwnBus, TheNotificationAreaShowsTheIconAndItsClicksAndMenuReachTheProgram)
{
    NotificationArea area(sessionBus_.Address());
    ASSERT_TRUE(area.ok());

    auto* owner = new TForm(&App());
    auto* frames = new TImageList(owner);
    frames->Add(gfx::Bitmap(16, 16, 0x80402010));  // half-transparent, premultiplied
    auto* menu = new TPopupMenu(owner);
    int quits = 0;
    menu->Add(u"Quit Harbex Solo+_C")->OnClick = [&quits](TObject*) { ++quits; };
    auto* icon = new TTrayIcon(owner);
    int clicks = 0;
    icon->OnClick = [&clicks](TObject*) { ++clicks; };
    icon->SetIcons(frames);
    icon->SetHint(u"Harbex Solo +");
    icon->SetPopupMenu(menu);
    EXPECT_FALSE(TTrayIcon::DesktopShowsIcons());
    area.Start();
    icon->SetVisible(true);
    EXPECT_TRUE(TTrayIcon::DesktopShowsIcons()) << "known as soon as the icon is shown (minimise at launch asks)";

    for (int round = 0; round < 100000 && !area.Done(); ++round) {
        App().ProcessMessages();
    }
    ASSERT_TRUE(area.Done());
    App().ProcessMessages();
    const Seen& seen = area.seen();
    EXPECT_EQ(seen.service.rfind("org.kde.StatusNotifierItem-", 0), 0u) << seen.service;
    EXPECT_EQ(seen.status, "Active");
    EXPECT_EQ(seen.tooltip, "Harbex Solo +");
    EXPECT_EQ(seen.width, 16);
    EXPECT_EQ(seen.height, 16);
    EXPECT_EQ(seen.pixmapBytes, 16u * 16u * 4u);
    EXPECT_EQ(seen.firstPixel, 0x80804020u) << "straight alpha, as the desktop takes it";
    ASSERT_EQ(seen.menu.size(), 1u);
    EXPECT_EQ(seen.menu[0].second, "Quit Harbex Solo+__C") << "an underscore is no access key";
    EXPECT_TRUE(seen.activated);
    EXPECT_TRUE(seen.chosen);
    EXPECT_EQ(clicks, 1) << "a click on the icon is the icon's left click";
    EXPECT_EQ(quits, 1) << "the menu entry reached the program";
    EXPECT_TRUE(TTrayIcon::DesktopShowsIcons());

    icon->SetVisible(false);
    EXPECT_FALSE(TTrayIcon::DesktopShowsIcons());
}

}  // namespace

namespace {

TEST_F(DesktopTrayOnOwnBus, WithoutANotificationAreaTheIconCountsAsNotShown)
{
    auto* icon = new TTrayIcon(new TForm(&App()));
    icon->SetVisible(true);
    EXPECT_FALSE(TTrayIcon::DesktopShowsIcons()) << "no watcher on the bus: the window must stay reachable";
}

}  // namespace

namespace {

TEST(DesktopTray, WithoutAWatcherTheIconDocksIntoTheX11SystemTray)
{
    ui::testing::OwnXServer server;
    if (server.Display().empty()) {
        GTEST_SKIP() << "no X server could be started";
    }
    const ScopedEnv display("DISPLAY", server.Display().c_str());
    const ScopedEnv noBus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/harbex-bus");
    ui::testing::UiTest ui;
    // The system tray: the owner of the tray selection of screen 0.
    Display* tray = XOpenDisplay(server.Display().c_str());
    ASSERT_NE(tray, nullptr);
    const Window owner = XCreateSimpleWindow(tray, DefaultRootWindow(tray), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(tray, XInternAtom(tray, "_NET_SYSTEM_TRAY_S0", False), owner, CurrentTime);
    XSync(tray, False);
    ASSERT_TRUE(loop::StartDesktop());

    auto* form = new TForm(&App());
    auto* frames = new TImageList(form);
    frames->Add(gfx::Bitmap(16, 16, 0xFF922E62));
    auto* icon = new TTrayIcon(form);
    int clicks = 0;
    icon->OnClick = [&clicks](TObject*) { ++clicks; };
    icon->SetIcons(frames);
    icon->SetHint(u"Harbex Solo +");
    icon->SetVisible(true);
    EXPECT_TRUE(TTrayIcon::DesktopShowsIcons());

    XEvent request;
    XNextEvent(tray, &request);
    ASSERT_EQ(request.type, ClientMessage);
    EXPECT_EQ(request.xclient.message_type, XInternAtom(tray, "_NET_SYSTEM_TRAY_OPCODE", False));
    EXPECT_EQ(request.xclient.data.l[1], 0) << "a dock request";
    const Window docked = static_cast<Window>(request.xclient.data.l[2]);
    char* name = nullptr;
    ASSERT_NE(XFetchName(tray, docked, &name), 0);
    EXPECT_STREQ(name, "Harbex Solo +");
    XFree(name);

    // The tray shows the window (here where it stands); a click on it is the icon's click.
    XMapWindow(tray, docked);
    XSync(tray, False);
    ASSERT_TRUE(ui::testing::XTestClick(server.Display(), 5, 5));
    for (int round = 0; round < 1000 && clicks == 0; ++round) {
        App().ProcessMessages();
    }
    EXPECT_EQ(clicks, 1);

    icon->SetVisible(false);
    EXPECT_FALSE(TTrayIcon::DesktopShowsIcons());
    loop::StopDesktop();
    XCloseDisplay(tray);
}

}  // namespace
