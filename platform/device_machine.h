#pragma once
// Inside the device layer: what a machine (simulated or real) must answer so that devices.cpp can
// serve DeviceIoControl and the SetupAPI sets on top of it.

#include "platform/devices.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::devices {

enum class InterfaceClass { Disk, Cdrom };

struct DeviceInterface {
    std::string path;  // "\\?\..." as SetupAPI reports it
    DEVINST node = 0;
};

struct StorageInfo {
    DWORD deviceType = FILE_DEVICE_DISK;
    LONG number = -1;
    DWORD partition = 0;
    DWORD busType = 0;
    bool removable = false;
    std::string vendor, product, revision, serial;
};

// One SCSI command. For a read, data arrives sized to the length asked and leaves sized to the
// length moved; for a write it holds the bytes sent.
struct ScsiCommand {
    std::span<const BYTE> cdb;
    bool dataIn = false;
    std::vector<BYTE> data;
};

struct ScsiResult {
    DWORD error = 0;  // not 0: the request itself failed (DeviceIoControl answers FALSE)
    BYTE status = 0;  // SCSI status, 2 = CHECK CONDITION
    std::vector<BYTE> sense;
};

// What a handle bound through the proxy driver stands for: a drive letter or a disk interface.
class StorageTarget {
public:
    virtual ~StorageTarget() = default;
    // nullopt once the device is gone.
    virtual std::optional<StorageInfo> Info() = 0;
    virtual ScsiResult Execute(ScsiCommand& command) = 0;
};

class DeviceMachine {
public:
    virtual ~DeviceMachine() = default;
    // Picks up changes made by other processes.
    virtual void Refresh() = 0;
    virtual bool HasProxyDriver() = 0;
    virtual bool HasDiskDriver() = 0;
    // Present devices of the class, in the machine's order.
    virtual std::vector<DeviceInterface> Interfaces(InterfaceClass kind) = 0;
    // name: "E:" or an interface path without its "\\?\" prefix, compared without case.
    virtual std::shared_ptr<StorageTarget> Target(std::u16string_view name) = 0;
    // The letter the disk driver reports for a disk interface path (without "\\?\"), 0 for none.
    virtual char DiskDriverLetter(std::u16string_view interfacePath) = 0;
    virtual DWORD SafeRemoval(char16_t letter) = 0;
};

// The simulated machine when a profile is loaded, else the real one.
DeviceMachine& CurrentDeviceMachine();

std::unique_ptr<DeviceMachine> MakeRealDeviceMachine();

inline constexpr BYTE ScsiStatusCheckCondition = 2;

}  // namespace platform::devices
