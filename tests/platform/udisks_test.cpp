// Safe removal through udisks2: a stand-in udisks2 on a bus of the test's own is asked to unmount
// each file system of the disk, then to power the drive off; its refusals come back as errors.

#include "machine_fixture.h"
#include "platform/linux/udisks.h"
#include "session_bus.h"

#include <systemd/sd-bus.h>

#include <atomic>
#include <thread>

namespace {

class StandInUdisks {
public:
    StandInUdisks(const std::string& address, const char* unmountError) : unmountError_(unmountError)
    {
        if (sd_bus_new(&bus_) < 0 || sd_bus_set_address(bus_, address.c_str()) < 0 ||
            sd_bus_set_bus_client(bus_, 1) < 0 || sd_bus_start(bus_) < 0) {
            bus_ = sd_bus_unref(bus_);
            return;
        }
        for (const char* block : {"sdz1", "sdz2"}) {
            const std::string path = std::string("/org/freedesktop/UDisks2/block_devices/") + block;
            Add(path, "org.freedesktop.UDisks2.Filesystem", kFilesystem);
            Add(path, "org.freedesktop.UDisks2.Block", kBlock);
        }
        Add("/org/freedesktop/UDisks2/drives/Stick", "org.freedesktop.UDisks2.Drive", kDrive);
        sd_bus_request_name(bus_, "org.freedesktop.UDisks2", 0);
        serving_ = std::thread([this] {
            while (!stop_) {
                if (sd_bus_process(bus_, nullptr) == 0) {
                    sd_bus_wait(bus_, 20000);
                }
            }
        });
    }
    ~StandInUdisks()
    {
        stop_ = true;
        if (serving_.joinable()) {
            serving_.join();
        }
        for (sd_bus_slot* slot : slots_) {
            sd_bus_slot_unref(slot);
        }
        sd_bus_flush_close_unref(bus_);
    }
    bool ok() const { return bus_ != nullptr; }
    std::vector<std::string> Calls()
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    void Add(const std::string& path, const char* interface, const sd_bus_vtable* table)
    {
        sd_bus_slot* slot = nullptr;
        sd_bus_add_object_vtable(bus_, &slot, path.c_str(), interface, table, this);
        slots_.push_back(slot);
    }
    void Note(sd_bus_message* m)
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::string(sd_bus_message_get_member(m)) + " " + sd_bus_message_get_path(m));
    }
    static int Unmount(sd_bus_message* m, void* data, sd_bus_error* error)
    {
        auto* self = static_cast<StandInUdisks*>(data);
        self->Note(m);
        if (self->unmountError_ != nullptr) {
            return sd_bus_error_set(error, self->unmountError_, "refused");
        }
        return sd_bus_reply_method_return(m, "");
    }
    static int PowerOff(sd_bus_message* m, void* data, sd_bus_error*)
    {
        static_cast<StandInUdisks*>(data)->Note(m);
        return sd_bus_reply_method_return(m, "");
    }
    static int DriveOf(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*)
    {
        return sd_bus_message_append(reply, "o", "/org/freedesktop/UDisks2/drives/Stick");
    }
    static inline const sd_bus_vtable kFilesystem[] = {
        SD_BUS_VTABLE_START(0), SD_BUS_METHOD("Unmount", "a{sv}", "", Unmount, 0), SD_BUS_VTABLE_END};
    static inline const sd_bus_vtable kBlock[] = {SD_BUS_VTABLE_START(0), SD_BUS_PROPERTY("Drive", "o", DriveOf, 0, 0),
                                                  SD_BUS_VTABLE_END};
    static inline const sd_bus_vtable kDrive[] = {
        SD_BUS_VTABLE_START(0), SD_BUS_METHOD("PowerOff", "a{sv}", "", PowerOff, 0), SD_BUS_VTABLE_END};

    const char* unmountError_;
    sd_bus* bus_ = nullptr;
    std::vector<sd_bus_slot*> slots_;
    std::thread serving_;
    std::atomic<bool> stop_ = false;
    std::mutex mutex_;
    std::vector<std::string> calls_;
};

TEST(UdisksSafeRemoval, UnmountsEveryFileSystemThenPowersTheDriveOffOrSaysWhyNot)
{
    OwnSessionBus bus;
    if (bus.Address().empty()) {
        GTEST_SKIP() << "dbus-daemon could not be started";
    }
    const ScopedEnv systemBus("DBUS_SYSTEM_BUS_ADDRESS", bus.Address().c_str());
    const std::string blocks = "/org/freedesktop/UDisks2/block_devices/";
    struct Case {
        const char* name;
        const char* unmountError;
        DWORD result;
        std::vector<std::string> calls;
    } const cases[] = {
        {"accepted",
         nullptr,
         0,
         {"Unmount " + blocks + "sdz1", "Unmount " + blocks + "sdz2",
          "PowerOff /org/freedesktop/UDisks2/drives/Stick"}},
        {"in use", "org.freedesktop.UDisks2.Error.DeviceBusy", ERROR_BUSY, {"Unmount " + blocks + "sdz1"}},
        {"not allowed",
         "org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain",
         ERROR_ACCESS_DENIED,
         {"Unmount " + blocks + "sdz1"}},
        {"failed", "org.freedesktop.UDisks2.Error.Failed", ERROR_GEN_FAILURE, {"Unmount " + blocks + "sdz1"}},
    };
    for (const Case& c : cases) {
        StandInUdisks udisks(bus.Address(), c.unmountError);
        ASSERT_TRUE(udisks.ok());
        EXPECT_EQ(platform::UdisksSafeRemoval({"sdz1", "sdz2"}), c.result) << c.name;
        EXPECT_EQ(udisks.Calls(), c.calls) << c.name;
    }

    EXPECT_EQ(platform::UdisksSafeRemoval({"sdz1"}), ERROR_NOT_SUPPORTED) << "no udisks2 on the bus";
    const ScopedEnv noBus("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/harbex-bus");
    EXPECT_EQ(platform::UdisksSafeRemoval({"sdz1"}), ERROR_NOT_SUPPORTED) << "no system bus";
}

}  // namespace
