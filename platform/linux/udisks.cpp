#include "platform/linux/udisks.h"

#include <systemd/sd-bus.h>

#include <cctype>
#include <string_view>

namespace platform {
namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";

struct Bus {
    sd_bus* bus = nullptr;
    Bus() = default;
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;
    ~Bus() { sd_bus_flush_close_unref(bus); }
};

struct Error {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    Error() = default;
    Error(const Error&) = delete;
    Error& operator=(const Error&) = delete;
    ~Error() { sd_bus_error_free(&error); }
};

DWORD ErrorOf(const sd_bus_error& error)
{
    const std::string_view name = error.name != nullptr ? error.name : "";
    if (name == SD_BUS_ERROR_SERVICE_UNKNOWN || name == SD_BUS_ERROR_NAME_HAS_NO_OWNER ||
        name == SD_BUS_ERROR_UNKNOWN_OBJECT || name == SD_BUS_ERROR_UNKNOWN_METHOD) {
        return ERROR_NOT_SUPPORTED;
    }
    if (name == "org.freedesktop.UDisks2.Error.DeviceBusy") {
        return ERROR_BUSY;
    }
    if (name.starts_with("org.freedesktop.UDisks2.Error.NotAuthorized") || name == SD_BUS_ERROR_ACCESS_DENIED) {
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_GEN_FAILURE;
}

std::string BlockObject(const std::string& name)
{
    // udisks2 escapes every character but letters and digits as _xx in its object names.
    static constexpr char hex[] = "0123456789abcdef";
    std::string path = "/org/freedesktop/UDisks2/block_devices/";
    for (const unsigned char c : name) {
        if (std::isalnum(c) != 0) {
            path += static_cast<char>(c);
        } else {
            path += '_';
            path += hex[c >> 4];
            path += hex[c & 0xF];
        }
    }
    return path;
}

// Calls a method whose one argument is an empty option dictionary.
DWORD CallWithNoOptions(sd_bus* bus, const std::string& object, const char* interface, const char* method)
{
    Error error;
    if (sd_bus_call_method(bus, kService, object.c_str(), interface, method, &error.error, nullptr, "a{sv}", 0) < 0) {
        return ErrorOf(error.error);
    }
    return 0;
}

}  // namespace

DWORD UdisksSafeRemoval(const std::vector<std::string>& partitions)
{
    Bus bus;
    if (partitions.empty() || sd_bus_open_system(&bus.bus) < 0) {
        return ERROR_NOT_SUPPORTED;
    }
    for (const std::string& partition : partitions) {
        if (const DWORD error =
                CallWithNoOptions(bus.bus, BlockObject(partition), "org.freedesktop.UDisks2.Filesystem", "Unmount")) {
            return error;
        }
    }
    Error error;
    sd_bus_message* reply = nullptr;
    const char* drive = nullptr;
    if (sd_bus_get_property(bus.bus, kService, BlockObject(partitions.front()).c_str(), "org.freedesktop.UDisks2.Block",
                            "Drive", &error.error, &reply, "o") < 0) {
        return ErrorOf(error.error);
    }
    const std::string driveObject = sd_bus_message_read(reply, "o", &drive) > 0 ? drive : "/";
    sd_bus_message_unref(reply);
    if (driveObject == "/") {
        return ERROR_GEN_FAILURE;
    }
    return CallWithNoOptions(bus.bus, driveObject, "org.freedesktop.UDisks2.Drive", "PowerOff");
}

}  // namespace platform
