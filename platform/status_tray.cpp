#include "platform/status_tray.h"

#include <systemd/sd-bus.h>

#include <algorithm>
#include <arpa/inet.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kMenuInterface = "com.canonical.dbusmenu";
constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr std::uint64_t kRegisterTimeoutUs = 2'000'000;

struct Slot {
    sd_bus_slot* slot = nullptr;
    Slot() = default;
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;
    ~Slot() { sd_bus_slot_unref(slot); }
};

int AppendPixmaps(sd_bus_message* m, const TrayPicture& picture)
{
    int r = sd_bus_message_open_container(m, 'a', "(iiay)");
    if (r >= 0 && picture.width > 0) {
        std::vector<std::uint32_t> bytes(picture.argb.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = htonl(picture.argb[i]);
        }
        r = sd_bus_message_open_container(m, 'r', "iiay");
        if (r >= 0)
            r = sd_bus_message_append(m, "ii", picture.width, picture.height);
        if (r >= 0)
            r = sd_bus_message_append_array(m, 'y', bytes.data(), bytes.size() * 4);
        if (r >= 0)
            r = sd_bus_message_close_container(m);
    }
    return r >= 0 ? sd_bus_message_close_container(m) : r;
}

}  // namespace

struct StatusTray::Impl {
    TrayEvents events;
    sd_bus* bus = nullptr;
    Slot itemSlot, menuSlot;
    std::string serviceName;
    TrayPicture picture;
    std::string tooltip;
    std::vector<TrayMenuEntry> menu;
    std::uint32_t revision = 1;
    bool visible = false;
    bool registered = false;
    // What the program is told runs after the bus is done with the message, since its handlers
    // may pump messages (and so the bus) themselves.
    std::vector<std::function<void()>> deferred;

    void Later(std::function<void()> call)
    {
        if (call) {
            deferred.push_back(std::move(call));
        }
    }

    static Impl* Of(void* data) { return static_cast<Impl*>(data); }

    // ---- the item ----
    static int GetString(sd_bus*, const char*, const char*, const char* property, sd_bus_message* reply, void* data,
                         sd_bus_error*)
    {
        const Impl* self = Of(data);
        const std::string_view name(property);
        const char* value = name == "Category" ? "ApplicationStatus"
                            : name == "Id"     ? "harbex-solo"
                            : name == "Title"  ? self->tooltip.c_str()
                            : name == "Status" ? (self->visible ? "Active" : "Passive")
                                               : "";
        return sd_bus_message_append(reply, "s", value);
    }
    static int GetPixmap(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* data,
                         sd_bus_error*)
    {
        return AppendPixmaps(reply, Of(data)->picture);
    }
    static int GetToolTip(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* data,
                          sd_bus_error*)
    {
        const Impl* self = Of(data);
        int r = sd_bus_message_open_container(reply, 'r', "sa(iiay)ss");
        if (r >= 0)
            r = sd_bus_message_append(reply, "s", "");
        if (r >= 0)
            r = AppendPixmaps(reply, TrayPicture{});
        if (r >= 0)
            r = sd_bus_message_append(reply, "ss", self->tooltip.c_str(), "");
        return r >= 0 ? sd_bus_message_close_container(reply) : r;
    }
    static int GetMenuPath(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*)
    {
        return sd_bus_message_append(reply, "o", kMenuPath);
    }
    static int GetFalse(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*)
    {
        return sd_bus_message_append(reply, "b", 0);
    }
    static int GetWindowId(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*)
    {
        return sd_bus_message_append(reply, "i", 0);
    }
    static int Activate(sd_bus_message* m, void* data, sd_bus_error*)
    {
        Of(data)->Later(Of(data)->events.activate);
        return sd_bus_reply_method_return(m, "");
    }
    static int ContextMenu(sd_bus_message* m, void* data, sd_bus_error*)
    {
        int x = 0;
        int y = 0;
        sd_bus_message_read(m, "ii", &x, &y);
        if (Of(data)->events.contextMenu) {
            Of(data)->Later([self = Of(data), x, y] { self->events.contextMenu(x, y); });
        }
        return sd_bus_reply_method_return(m, "");
    }
    static int Ignore(sd_bus_message* m, void*, sd_bus_error*) { return sd_bus_reply_method_return(m, ""); }

    // ---- the menu: item 0 is the root, entry i is item i + 1 ----
    int AppendItem(sd_bus_message* m, int id) const
    {
        int r = sd_bus_message_open_container(m, 'r', "ia{sv}av");
        if (r >= 0)
            r = sd_bus_message_append(m, "i", id);
        if (r >= 0)
            r = sd_bus_message_open_container(m, 'a', "{sv}");
        if (id == 0) {
            if (r >= 0)
                r = sd_bus_message_append(m, "{sv}", "children-display", "s", "submenu");
        } else {
            const TrayMenuEntry& entry = menu[static_cast<std::size_t>(id - 1)];
            if (r >= 0)
                r = sd_bus_message_append(m, "{sv}", "label", "s", entry.label.c_str());
            if (r >= 0)
                r = sd_bus_message_append(m, "{sv}", "enabled", "b", entry.enabled);
            if (r >= 0)
                r = sd_bus_message_append(m, "{sv}", "visible", "b", entry.visible);
        }
        if (r >= 0)
            r = sd_bus_message_close_container(m);
        if (r >= 0)
            r = sd_bus_message_open_container(m, 'a', "v");
        for (int child = 1; id == 0 && r >= 0 && child <= static_cast<int>(menu.size()); ++child) {
            r = sd_bus_message_open_container(m, 'v', "(ia{sv}av)");
            if (r >= 0)
                r = AppendItem(m, child);
            if (r >= 0)
                r = sd_bus_message_close_container(m);
        }
        if (r >= 0)
            r = sd_bus_message_close_container(m);
        return r >= 0 ? sd_bus_message_close_container(m) : r;
    }
    static int GetLayout(sd_bus_message* m, void* data, sd_bus_error*)
    {
        const Impl* self = Of(data);
        int parent = 0;
        sd_bus_message_read(m, "i", &parent);
        if (parent < 0 || parent > static_cast<int>(self->menu.size())) {
            parent = 0;
        }
        sd_bus_message* reply = nullptr;
        int r = sd_bus_message_new_method_return(m, &reply);
        if (r >= 0)
            r = sd_bus_message_append(reply, "u", self->revision);
        if (r >= 0)
            r = self->AppendItem(reply, parent);
        if (r >= 0)
            r = sd_bus_send(nullptr, reply, nullptr);
        sd_bus_message_unref(reply);
        return r;
    }
    static int GetGroupProperties(sd_bus_message* m, void* data, sd_bus_error*)
    {
        const Impl* self = Of(data);
        std::vector<int> ids;
        if (sd_bus_message_enter_container(m, 'a', "i") >= 0) {
            for (int id = 0; sd_bus_message_read(m, "i", &id) > 0;) {
                ids.push_back(id);
            }
            sd_bus_message_exit_container(m);
        }
        sd_bus_message* reply = nullptr;
        int r = sd_bus_message_new_method_return(m, &reply);
        if (r >= 0)
            r = sd_bus_message_open_container(reply, 'a', "(ia{sv})");
        for (int id : ids) {
            if (id < 1 || id > static_cast<int>(self->menu.size()) || r < 0) {
                continue;
            }
            const TrayMenuEntry& entry = self->menu[static_cast<std::size_t>(id - 1)];
            r = sd_bus_message_append(reply, "(ia{sv})", id, 3, "label", "s", entry.label.c_str(), "enabled", "b",
                                      entry.enabled, "visible", "b", entry.visible);
        }
        if (r >= 0)
            r = sd_bus_message_close_container(reply);
        if (r >= 0)
            r = sd_bus_send(nullptr, reply, nullptr);
        sd_bus_message_unref(reply);
        return r;
    }
    void Chosen(int id, const char* eventId)
    {
        if (std::string_view(eventId) == "clicked" && id >= 1 && id <= static_cast<int>(menu.size()) &&
            events.menuItem) {
            Later([this, id] { events.menuItem(id - 1); });
        }
    }
    static int Event(sd_bus_message* m, void* data, sd_bus_error*)
    {
        int id = 0;
        const char* eventId = "";
        sd_bus_message_read(m, "is", &id, &eventId);
        const std::string chosen(eventId);
        const int r = sd_bus_reply_method_return(m, "");
        Of(data)->Chosen(id, chosen.c_str());
        return r;
    }
    static int EventGroup(sd_bus_message* m, void* data, sd_bus_error*)
    {
        std::vector<std::pair<int, std::string>> chosen;
        if (sd_bus_message_enter_container(m, 'a', "(isvu)") >= 0) {
            while (sd_bus_message_enter_container(m, 'r', "isvu") > 0) {
                int id = 0;
                const char* eventId = "";
                sd_bus_message_read(m, "is", &id, &eventId);
                chosen.emplace_back(id, eventId);
                sd_bus_message_skip(m, "vu");
                sd_bus_message_exit_container(m);
            }
            sd_bus_message_exit_container(m);
        }
        const int r = sd_bus_reply_method_return(m, "ai", 0);
        for (const auto& [id, eventId] : chosen) {
            Of(data)->Chosen(id, eventId.c_str());
        }
        return r;
    }
    static int AboutToShow(sd_bus_message* m, void*, sd_bus_error*) { return sd_bus_reply_method_return(m, "b", 0); }
    static int GetVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*)
    {
        return sd_bus_message_append(reply, "u", 3u);
    }
    static int GetMenuStatus(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
                             sd_bus_error*)
    {
        return sd_bus_message_append(reply, "s", "normal");
    }

    // Waited for, so that whoever shows the icon knows at once whether the desktop shows it; an
    // absent watcher answers at once through the bus.
    void Register()
    {
        sd_bus_message* call = nullptr;
        if (sd_bus_message_new_method_call(bus, &call, kWatcherName, "/StatusNotifierWatcher", kWatcherName,
                                           "RegisterStatusNotifierItem") >= 0 &&
            sd_bus_message_append(call, "s", serviceName.c_str()) >= 0) {
            registered = sd_bus_call(bus, call, kRegisterTimeoutUs, nullptr, nullptr) >= 0;
        }
        sd_bus_message_unref(call);
    }

    void Signal(const char* path, const char* interface, const char* member)
    {
        sd_bus_emit_signal(bus, path, interface, member, "");
    }
};

namespace {

const sd_bus_vtable kItemVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Category", "s", StatusTray::Impl::GetString, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Id", "s", StatusTray::Impl::GetString, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Title", "s", StatusTray::Impl::GetString, 0, 0),
    SD_BUS_PROPERTY("Status", "s", StatusTray::Impl::GetString, 0, 0),
    SD_BUS_PROPERTY("IconName", "s", StatusTray::Impl::GetString, 0, 0),
    SD_BUS_PROPERTY("WindowId", "i", StatusTray::Impl::GetWindowId, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconPixmap", "a(iiay)", StatusTray::Impl::GetPixmap, 0, 0),
    SD_BUS_PROPERTY("ToolTip", "(sa(iiay)ss)", StatusTray::Impl::GetToolTip, 0, 0),
    SD_BUS_PROPERTY("ItemIsMenu", "b", StatusTray::Impl::GetFalse, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Menu", "o", StatusTray::Impl::GetMenuPath, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("Activate", "ii", "", StatusTray::Impl::Activate, 0),
    SD_BUS_METHOD("SecondaryActivate", "ii", "", StatusTray::Impl::Ignore, 0),
    SD_BUS_METHOD("ContextMenu", "ii", "", StatusTray::Impl::ContextMenu, 0),
    SD_BUS_METHOD("Scroll", "is", "", StatusTray::Impl::Ignore, 0),
    SD_BUS_SIGNAL("NewIcon", "", 0),
    SD_BUS_SIGNAL("NewToolTip", "", 0),
    SD_BUS_SIGNAL("NewTitle", "", 0),
    SD_BUS_SIGNAL("NewStatus", "s", 0),
    SD_BUS_VTABLE_END,
};

const sd_bus_vtable kMenuVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Version", "u", StatusTray::Impl::GetVersion, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Status", "s", StatusTray::Impl::GetMenuStatus, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("GetLayout", "iias", "u(ia{sv}av)", StatusTray::Impl::GetLayout, 0),
    SD_BUS_METHOD("GetGroupProperties", "aias", "a(ia{sv})", StatusTray::Impl::GetGroupProperties, 0),
    SD_BUS_METHOD("Event", "isvu", "", StatusTray::Impl::Event, 0),
    SD_BUS_METHOD("EventGroup", "a(isvu)", "ai", StatusTray::Impl::EventGroup, 0),
    SD_BUS_METHOD("AboutToShow", "i", "b", StatusTray::Impl::AboutToShow, 0),
    SD_BUS_SIGNAL("LayoutUpdated", "ui", 0),
    SD_BUS_VTABLE_END,
};

}  // namespace

StatusTray::StatusTray(TrayEvents events) : impl_(std::make_unique<Impl>())
{
    impl_->events = std::move(events);
    if (sd_bus_open_user(&impl_->bus) < 0) {
        impl_->bus = nullptr;
        return;
    }
    impl_->serviceName = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-1";
    if (sd_bus_add_object_vtable(impl_->bus, &impl_->itemSlot.slot, kItemPath, kItemInterface, kItemVtable,
                                 impl_.get()) < 0 ||
        sd_bus_add_object_vtable(impl_->bus, &impl_->menuSlot.slot, kMenuPath, kMenuInterface, kMenuVtable,
                                 impl_.get()) < 0 ||
        sd_bus_request_name(impl_->bus, impl_->serviceName.c_str(), 0) < 0) {
        impl_->bus = sd_bus_flush_close_unref(impl_->bus);
    }
}

StatusTray::~StatusTray()
{
    // The slots hold the bus until they go with impl_.
    sd_bus_flush_close_unref(impl_->bus);
}

bool StatusTray::valid() const
{
    return impl_->bus != nullptr;
}

int StatusTray::fd() const
{
    return valid() ? sd_bus_get_fd(impl_->bus) : -1;
}

void StatusTray::Show(const TrayPicture& picture, const std::string& tooltip, const std::vector<TrayMenuEntry>& menu)
{
    if (!valid()) {
        return;
    }
    Impl& s = *impl_;
    const bool wasVisible = s.visible;
    s.picture = picture;
    s.tooltip = tooltip;
    if (menu.size() != s.menu.size() || !std::equal(menu.begin(), menu.end(), s.menu.begin(), [](auto& a, auto& b) {
            return a.label == b.label && a.enabled == b.enabled && a.visible == b.visible;
        })) {
        s.menu = menu;
        ++s.revision;
        sd_bus_emit_signal(s.bus, kMenuPath, kMenuInterface, "LayoutUpdated", "ui", s.revision, 0);
    }
    s.visible = true;
    s.Signal(kItemPath, kItemInterface, "NewIcon");
    s.Signal(kItemPath, kItemInterface, "NewToolTip");
    if (!wasVisible) {
        sd_bus_emit_signal(s.bus, kItemPath, kItemInterface, "NewStatus", "s", "Active");
    }
    if (!s.registered) {
        s.Register();
    }
    sd_bus_flush(s.bus);
}

void StatusTray::Hide()
{
    if (!valid() || !impl_->visible) {
        return;
    }
    impl_->visible = false;
    sd_bus_emit_signal(impl_->bus, kItemPath, kItemInterface, "NewStatus", "s", "Passive");
    sd_bus_flush(impl_->bus);
}

bool StatusTray::Shown() const
{
    return impl_->registered && impl_->visible;
}

void StatusTray::Process()
{
    if (!valid()) {
        return;
    }
    while (sd_bus_process(impl_->bus, nullptr) > 0) { }
    sd_bus_flush(impl_->bus);
    std::vector<std::function<void()>> calls;
    calls.swap(impl_->deferred);
    for (const auto& call : calls) {
        call();
    }
}

}  // namespace platform
