#pragma once
// The simulated devices that a machine profile declares. Sections (each names its drive letter):
//   [usbdisk X]  chip, button (released | pressed), vendor, product, partitions
//   [disk X]     bus (ata | sata | scsi), vendor, product, partitions
//   [cdrom X]    bus (ata | usb), vendor, product
//   [stick X]    vendor, product
//   [drivers]    proxy (yes | no), diskdriver (yes | no), claims (letters the disk driver reports)
// "partitions" lists further letters of the same disk. A drive without such a section gets the
// device its [drive X] type and bus imply (a fixed USB drive is a USB disk without a chip).

#include "platform/machine.h"
#include "platform/sim/sim_chip.h"

#include <string>
#include <vector>

namespace platform::sim {

enum class SimKind { UsbDisk, Disk, Cdrom, Stick };

struct SimDeviceSpec {
    SimKind kind = SimKind::Disk;
    std::vector<char16_t> letters;  // the first is the section's own
    DWORD busType = 0;
    std::string vendor, product;
    ChipSpec chip;
    bool pressed = false;
};

struct SimMachineSpec {
    bool proxyDriver = true;
    bool diskDriver = false;
    std::vector<char16_t> claims;
    std::vector<SimDeviceSpec> devices;  // in the order of their first letters
};

// On failure error is "FILE:LINE: what is wrong".
bool ReadSimMachineSpec(const Profile& profile, SimMachineSpec& machineDesc, std::string& error);

}  // namespace platform::sim
