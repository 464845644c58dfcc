#include "platform/devices.h"
#include "platform/drive_notices.h"
#include "platform/drives.h"
#include "platform/machine.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace platform {

namespace {

std::string ReadMountTable()
{
    std::ifstream in("/proc/self/mounts");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

char16_t FirstFreeLetter(char16_t from)
{
    for (char16_t letter = from; letter <= u'Z'; ++letter) {
        if (!FindDrive(letter)) {
            return letter;
        }
    }
    return 0;
}

// Keeps the letters of USB disks that stay mounted, so that a new disk never renames another.
void SyncRealUsbDrives()
{
    const std::vector<Drive> mounted = RealUsbDrives(u'E');
    const auto isMounted = [&](const Drive& drive) {
        return std::any_of(mounted.begin(), mounted.end(),
                           [&](const Drive& m) { return m.hostFolder == drive.hostFolder; });
    };
    for (const Drive& drive : Drives()) {
        if (drive.bus == DriveBus::Usb && !isMounted(drive)) {
            UnmountDrive(drive.letter);
        }
    }
    const std::vector<Drive> kept = Drives();
    for (Drive drive : mounted) {
        const bool known =
            std::any_of(kept.begin(), kept.end(), [&](const Drive& k) { return k.hostFolder == drive.hostFolder; });
        if (known) {
            continue;
        }
        drive.letter = FirstFreeLetter(u'E');
        if (drive.letter != 0) {
            MountDrive(drive);
        }
    }
}

}  // namespace

DWORD DriveUnitMask()
{
    DWORD mask = 0;
    for (const Drive& drive : Drives()) {
        if (drive.letter >= u'A' && drive.letter <= u'Z') {
            mask |= 1u << (drive.letter - u'A');
        }
    }
    return mask;
}

DriveChangeWatcher::DriveChangeWatcher()
    : known_(DriveUnitMask()), mountTable_(CurrentProfile() == nullptr ? ReadMountTable() : std::string())
{
}

DriveChange DriveChangeWatcher::Poll()
{
    if (CurrentProfile() == nullptr) {
        std::string table = ReadMountTable();
        if (table != mountTable_) {
            mountTable_ = std::move(table);
            SyncRealUsbDrives();
        }
    } else {
        RefreshDevices();
    }
    const DWORD now = DriveUnitMask();
    const DriveChange change{now & ~known_, known_ & ~now};
    known_ = now;
    return change;
}

}  // namespace platform
