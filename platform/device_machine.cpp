#include "platform/device_machine.h"

#include "platform/machine.h"
#include "platform/sim/sim_machine.h"

namespace platform::devices {
namespace {

// The profile's whole content: a test or a restart may load another profile at the same path.
std::string Fingerprint(const Profile* profile)
{
    if (profile == nullptr) {
        return {};
    }
    std::string text = profile->path;
    for (const ProfileSection& section : profile->sections) {
        text += "\n[" + section.name + " " + section.argument + "]";
        for (const ProfileEntry& entry : section.entries) {
            text += "\n" + entry.key + "=" + entry.value;
        }
    }
    return text;
}

// A machine with no devices and no drivers, for a profile whose device sections are broken (the
// machine set-up reports those).
class NoDevices : public DeviceMachine {
public:
    void Refresh() override { }
    bool HasProxyDriver() override { return false; }
    bool HasDiskDriver() override { return false; }
    std::vector<DeviceInterface> Interfaces(InterfaceClass) override { return {}; }
    std::shared_ptr<StorageTarget> Target(std::u16string_view) override { return nullptr; }
    char DiskDriverLetter(std::u16string_view) override { return 0; }
    DWORD SafeRemoval(char16_t) override { return ERROR_INVALID_DRIVE; }
};

}  // namespace

DeviceMachine& CurrentDeviceMachine()
{
    static std::unique_ptr<DeviceMachine> machine;
    static std::string loadedFrom;
    const Profile* profile = CurrentProfile();
    std::string wanted = Fingerprint(profile);
    if (!machine || wanted != loadedFrom) {
        std::string error;
        machine = profile != nullptr ? sim::MakeSimDeviceMachine(*profile, error) : MakeRealDeviceMachine();
        if (!machine) {
            machine = std::make_unique<NoDevices>();
        }
        loadedFrom = std::move(wanted);
    }
    return *machine;
}

}  // namespace platform::devices
