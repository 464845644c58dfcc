// The simulated device world: the disks, CD-ROMs and sticks of the profile, their chips, and the
// live plug and button state shared with other processes through the state folder.

#include "platform/sim/sim_machine.h"

#include "platform/drives.h"
#include "platform/sim/sim_profile.h"
#include "platform/sim/sim_state.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace platform::sim {
namespace {

using devices::DeviceInterface;
using devices::InterfaceClass;
using devices::ScsiCommand;
using devices::ScsiResult;
using devices::StorageInfo;
using devices::StorageTarget;

constexpr DEVINST FirstNode = 0x0A01;
constexpr std::string_view InterfacePrefix = "\\\\?\\";

struct SimDisk {
    SimDeviceSpec machineDesc;
    LONG number = -1;
    DEVINST node = 0;
    std::string path;
    bool plugged = true;
    std::unique_ptr<SimChip> chip;
    std::vector<Drive> drives;  // as mounted, to mount them again on plugging

    bool Pluggable() const { return machineDesc.kind == SimKind::UsbDisk || machineDesc.kind == SimKind::Stick; }
    InterfaceClass Class() const
    {
        return machineDesc.kind == SimKind::Cdrom ? InterfaceClass::Cdrom : InterfaceClass::Disk;
    }
};

std::string IdText(std::string_view text)
{
    std::string id;
    for (char c : text) {
        id.push_back(c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return id;
}

std::string InterfacePath(const SimDisk& disk)
{
    const bool usb = disk.machineDesc.busType == BusTypeUsb;
    const bool cdrom = disk.machineDesc.kind == SimKind::Cdrom;
    char serial[16];
    std::snprintf(serial, sizeof serial, "%08x", disk.node);
    return std::string(InterfacePrefix) + (usb ? "usbstor#" : "ide#") + (cdrom ? "cdrom" : "disk") + "&ven_" +
           IdText(disk.machineDesc.vendor) + "&prod_" + IdText(disk.machineDesc.product) + "#" + serial + "&0#" +
           (cdrom ? "{53f56308-b6bf-11d0-94f2-00a0c91efb8b}" : "{53f56307-b6bf-11d0-94f2-00a0c91efb8b}");
}

class SimTarget : public StorageTarget {
public:
    SimTarget(std::shared_ptr<SimDisk> disk, DWORD partition) : disk_(std::move(disk)), partition_(partition) { }

    std::optional<StorageInfo> Info() override
    {
        if (!disk_->plugged) {
            return std::nullopt;
        }
        StorageInfo info;
        info.deviceType = disk_->machineDesc.kind == SimKind::Cdrom ? FILE_DEVICE_CD_ROM : FILE_DEVICE_DISK;
        info.number = disk_->number;
        info.partition = partition_;
        info.busType = disk_->machineDesc.busType;
        info.removable = disk_->machineDesc.kind == SimKind::Stick || disk_->machineDesc.kind == SimKind::Cdrom;
        info.vendor = disk_->machineDesc.vendor;
        info.product = disk_->machineDesc.product;
        info.revision = "1.00";
        return info;
    }

    ScsiResult Execute(ScsiCommand& command) override
    {
        if (!disk_->plugged) {
            return ScsiResult{ERROR_DEVICE_NOT_CONNECTED};
        }
        return disk_->chip->Execute(command);
    }

private:
    std::shared_ptr<SimDisk> disk_;
    DWORD partition_;
};

class SimDeviceMachine : public devices::DeviceMachine {
public:
    SimDeviceMachine(SimMachineSpec machineDesc, std::string stateFolder)
        : proxy_(machineDesc.proxyDriver), diskDriver_(machineDesc.diskDriver), claims_(machineDesc.claims),
          stateFolder_(std::move(stateFolder))
    {
        LONG numbers[2] = {0, 0};
        for (SimDeviceSpec& device : machineDesc.devices) {
            auto disk = std::make_shared<SimDisk>();
            disk->machineDesc = std::move(device);
            disk->number = numbers[static_cast<int>(disk->Class())]++;
            disk->node = FirstNode + static_cast<DEVINST>(disks_.size());
            disk->path = InterfacePath(*disk);
            DeviceIdentity identity{disk->machineDesc.vendor, disk->machineDesc.product,
                                    disk->machineDesc.kind == SimKind::Cdrom, disk->machineDesc.kind == SimKind::Stick};
            disk->chip = std::make_unique<SimChip>(disk->machineDesc.chip, identity);
            disk->chip->SetPressed(disk->machineDesc.pressed);
            for (char16_t letter : disk->machineDesc.letters) {
                if (auto drive = FindDrive(letter)) {
                    disk->drives.push_back(*drive);
                }
            }
            disks_.push_back(std::move(disk));
        }
        ReadStates();
    }

    void Refresh() override
    {
        struct stat info { };
        if (stat(stateFolder_.c_str(), &info) != 0) {
            return;
        }
        // A change within the file system's time granularity keeps the time; recent ones are re-read.
        const bool recent = std::time(nullptr) - info.st_mtim.tv_sec < 2;
        if (!recent && info.st_mtim.tv_sec == seen_.tv_sec && info.st_mtim.tv_nsec == seen_.tv_nsec) {
            return;
        }
        seen_ = info.st_mtim;
        ReadStates();
    }

    bool HasProxyDriver() override { return proxy_; }
    bool HasDiskDriver() override { return diskDriver_; }

    std::vector<DeviceInterface> Interfaces(InterfaceClass kind) override
    {
        std::vector<DeviceInterface> found;
        for (const auto& disk : disks_) {
            if (disk->plugged && disk->Class() == kind) {
                found.push_back({disk->path, disk->node});
            }
        }
        return found;
    }

    std::shared_ptr<StorageTarget> Target(std::u16string_view name) override
    {
        for (const auto& disk : disks_) {
            if (!disk->plugged) {
                continue;
            }
            if (name.size() == 2 && name[1] == u':') {
                for (std::size_t i = 0; i < disk->machineDesc.letters.size(); ++i) {
                    if (disk->machineDesc.letters[i] == UpperChar(name[0])) {
                        return std::make_shared<SimTarget>(disk, static_cast<DWORD>(i + 1));
                    }
                }
            } else if (EqualNoCase(FromAnsi(std::string_view(disk->path).substr(InterfacePrefix.size())), name)) {
                return std::make_shared<SimTarget>(disk, 0);
            }
        }
        return nullptr;
    }

    char DiskDriverLetter(std::u16string_view interfacePath) override
    {
        for (const auto& disk : disks_) {
            if (!disk->plugged ||
                !EqualNoCase(FromAnsi(std::string_view(disk->path).substr(InterfacePrefix.size())), interfacePath)) {
                continue;
            }
            for (char16_t letter : disk->machineDesc.letters) {
                if (std::find(claims_.begin(), claims_.end(), letter) != claims_.end()) {
                    return static_cast<char>(letter);
                }
            }
        }
        return 0;
    }

    DWORD SafeRemoval(char16_t letter) override
    {
        for (const auto& disk : disks_) {
            const auto& letters = disk->machineDesc.letters;
            if (!disk->plugged || !disk->Pluggable() ||
                std::find(letters.begin(), letters.end(), letter) == letters.end()) {
                continue;
            }
            DWORD error = WriteDeviceState(stateFolder_, letters.front(), DeviceState{false, disk->chip->Pressed()});
            if (error != ERROR_SUCCESS) {
                return error;
            }
            Apply(*disk, DeviceState{false, disk->chip->Pressed()});
            return ERROR_SUCCESS;
        }
        return ERROR_INVALID_DRIVE;
    }

private:
    void ReadStates()
    {
        for (const auto& disk : disks_) {
            DeviceState state{true, disk->machineDesc.pressed};
            if (disk->Pluggable() && ReadDeviceState(stateFolder_, disk->machineDesc.letters.front(), state)) {
                Apply(*disk, state);
            }
        }
    }

    static void Apply(SimDisk& disk, const DeviceState& state)
    {
        disk.chip->SetPressed(state.pressed);
        if (state.plugged == disk.plugged) {
            return;
        }
        disk.plugged = state.plugged;
        for (const Drive& drive : disk.drives) {
            if (state.plugged) {
                MountDrive(drive);
            } else {
                UnmountDrive(drive.letter);
            }
        }
    }

    bool proxy_;
    bool diskDriver_;
    std::vector<char16_t> claims_;
    std::string stateFolder_;
    std::vector<std::shared_ptr<SimDisk>> disks_;
    timespec seen_{};
};

}  // namespace

std::unique_ptr<devices::DeviceMachine> MakeSimDeviceMachine(const Profile& profile, std::string& error)
{
    SimMachineSpec machineDesc;
    if (!ReadSimMachineSpec(profile, machineDesc, error)) {
        return nullptr;
    }
    return std::make_unique<SimDeviceMachine>(std::move(machineDesc), StateFolder(profile.folder));
}

}  // namespace platform::sim
