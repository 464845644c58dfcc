// The real machine's devices: disks and optical drives from sysfs, drive letters through the
// mount table, SCSI commands through SG_IO on the disk's device node when the process may open it.

#include "platform/device_machine.h"
#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/linux/udisks.h"
#include "platform/text.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <scsi/sg.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;
using devices::DeviceInterface;
using devices::InterfaceClass;
using devices::ScsiCommand;
using devices::ScsiResult;
using devices::StorageInfo;
using devices::StorageTarget;

constexpr std::string_view InterfacePrefix = "\\\\?\\";

std::string ReadLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\n')) {
        line.pop_back();
    }
    return line;
}

struct BlockDisk {
    std::string name;  // "sdb"
    InterfaceClass kind = InterfaceClass::Disk;
    DWORD busType = BusTypeScsi;
    bool removable = false;
    std::string vendor, product, revision;
    LONG number = -1;
    DEVINST node = 0;
    std::string path;
};

std::string IdText(std::string_view text)
{
    std::string id;
    for (char c : text) {
        id.push_back(c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return id;
}

DWORD BusOf(const std::string& sysfsPath)
{
    if (sysfsPath.find("/usb") != std::string::npos) {
        return BusTypeUsb;
    }
    if (sysfsPath.find("/ata") != std::string::npos || sysfsPath.find("/nvme") != std::string::npos) {
        return BusTypeSata;
    }
    return BusTypeScsi;
}

// The physical disks and optical drives, numbered per class in name order as Windows numbers them.
std::vector<BlockDisk> BlockDisks()
{
    std::vector<BlockDisk> disks;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/sys/block", ec)) {
        const fs::path device = entry.path() / "device";
        if (!fs::exists(device, ec)) {
            continue;
        }
        BlockDisk disk;
        disk.name = entry.path().filename().string();
        disk.kind = ReadLine(device / "type") == "5" ? InterfaceClass::Cdrom : InterfaceClass::Disk;
        disk.busType = BusOf(fs::canonical(entry.path(), ec).string());
        disk.removable = ReadLine(entry.path() / "removable") == "1";
        disk.vendor = ReadLine(device / "vendor");
        disk.product = ReadLine(device / "model");
        disk.revision = ReadLine(device / "rev");
        unsigned major = 0, minor = 0;
        char colon = 0;
        std::istringstream(ReadLine(entry.path() / "dev")) >> major >> colon >> minor;
        disk.node = (major << 20 | minor) + 1;
        disks.push_back(std::move(disk));
    }
    std::sort(disks.begin(), disks.end(), [](const BlockDisk& a, const BlockDisk& b) { return a.name < b.name; });
    LONG numbers[2] = {0, 0};
    for (BlockDisk& disk : disks) {
        disk.number = numbers[static_cast<int>(disk.kind)]++;
        const bool cdrom = disk.kind == InterfaceClass::Cdrom;
        disk.path = std::string(InterfacePrefix) + (disk.busType == BusTypeUsb ? "usbstor#" : "scsi#") +
                    (cdrom ? "cdrom" : "disk") + "&ven_" + IdText(disk.vendor) + "&prod_" + IdText(disk.product) + "#" +
                    disk.name + "#" +
                    (cdrom ? "{53f56308-b6bf-11d0-94f2-00a0c91efb8b}" : "{53f56307-b6bf-11d0-94f2-00a0c91efb8b}");
    }
    return disks;
}

struct Mount {
    std::string point;
    unsigned major = 0, minor = 0;
    std::string fileSystem;
};

// Mount points in /proc/self/mountinfo encode blanks and backslashes as octal escapes.
std::string Unescape(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            out.push_back(static_cast<char>(std::stoi(std::string(text.substr(i + 1, 3)), nullptr, 8)));
            i += 3;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::vector<Mount> Mounts()
{
    std::vector<Mount> mounts;
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, numbers, root, point, field;
        fields >> id >> parent >> numbers >> root >> point;
        while (fields >> field && field != "-") { }
        Mount mount;
        mount.point = Unescape(point);
        fields >> mount.fileSystem;
        char colon = 0;
        std::istringstream(numbers) >> mount.major >> colon >> mount.minor;
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

struct DiskPart {
    std::string disk;  // "sdb"
    DWORD partition = 0;
    std::string block;  // "sdb1", or the disk's name for a file system on the whole disk
};

// The disk (and partition number) behind a block device number.
std::optional<DiskPart> DiskOfDevice(unsigned major, unsigned minor)
{
    std::error_code ec;
    const fs::path block = fs::canonical("/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor), ec);
    if (ec) {
        return std::nullopt;
    }
    if (fs::exists(block / "partition", ec)) {
        return DiskPart{block.parent_path().filename().string(),
                        static_cast<DWORD>(std::stoul("0" + ReadLine(block / "partition"))), block.filename().string()};
    }
    return DiskPart{block.filename().string(), 0, block.filename().string()};
}

// The mount that holds a folder: the longest mount point that is a prefix of it (the last such
// mount wins, as it hides earlier ones).
std::optional<Mount> MountHolding(const std::string& folder)
{
    std::optional<Mount> best;
    for (const Mount& mount : Mounts()) {
        const bool holds = folder == mount.point || mount.point == "/" ||
                           (folder.starts_with(mount.point) && folder[mount.point.size()] == '/');
        if (holds && (!best || mount.point.size() >= best->point.size())) {
            best = mount;
        }
    }
    return best;
}

class RealTarget : public StorageTarget {
public:
    RealTarget(BlockDisk disk, DWORD partition) : disk_(std::move(disk)), partition_(partition) { }

    std::optional<StorageInfo> Info() override
    {
        std::error_code ec;
        if (!fs::exists("/sys/block/" + disk_.name, ec)) {
            return std::nullopt;
        }
        StorageInfo info;
        info.deviceType = disk_.kind == InterfaceClass::Cdrom ? FILE_DEVICE_CD_ROM : FILE_DEVICE_DISK;
        info.number = disk_.number;
        info.partition = partition_;
        info.busType = disk_.busType;
        info.removable = disk_.removable;
        info.vendor = disk_.vendor;
        info.product = disk_.product;
        info.revision = disk_.revision;
        return info;
    }

    ScsiResult Execute(ScsiCommand& command) override
    {
        const std::string device = "/dev/" + disk_.name;
        const int fd = open(device.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            return ScsiResult{ERROR_ACCESS_DENIED};
        }
        ScsiResult result;
        result.sense.assign(32, 0);
        std::vector<BYTE> cdb(command.cdb.begin(), command.cdb.end());
        sg_io_hdr_t request{};
        request.interface_id = 'S';
        request.cmd_len = static_cast<unsigned char>(cdb.size());
        request.cmdp = cdb.data();
        request.dxfer_direction =
            command.data.empty() ? SG_DXFER_NONE : (command.dataIn ? SG_DXFER_FROM_DEV : SG_DXFER_TO_DEV);
        request.dxfer_len = static_cast<unsigned>(command.data.size());
        request.dxferp = command.data.empty() ? nullptr : command.data.data();
        request.mx_sb_len = static_cast<unsigned char>(result.sense.size());
        request.sbp = result.sense.data();
        request.timeout = 10000;
        const int answer = ioctl(fd, SG_IO, &request);
        close(fd);
        if (answer != 0 || request.host_status != 0) {
            return ScsiResult{ERROR_IO_DEVICE};
        }
        result.status = request.status;
        result.sense.resize(request.sb_len_wr);
        if (command.dataIn) {
            command.data.resize(command.data.size() - std::min<std::size_t>(command.data.size(), request.resid));
        }
        return result;
    }

private:
    BlockDisk disk_;
    DWORD partition_;
};

class RealDeviceMachine : public devices::DeviceMachine {
public:
    void Refresh() override { }
    // The proxy's work is done by this layer itself; without root only SG_IO is refused.
    bool HasProxyDriver() override { return true; }
    bool HasDiskDriver() override { return false; }

    std::vector<DeviceInterface> Interfaces(InterfaceClass kind) override
    {
        std::vector<DeviceInterface> found;
        for (const BlockDisk& disk : BlockDisks()) {
            if (disk.kind == kind) {
                found.push_back({disk.path, disk.node});
            }
        }
        return found;
    }

    std::shared_ptr<StorageTarget> Target(std::u16string_view name) override
    {
        if (name.size() == 2 && name[1] == u':') {
            return LetterTarget(name[0]);
        }
        for (BlockDisk& disk : BlockDisks()) {
            if (EqualNoCase(FromAnsi(std::string_view(disk.path).substr(InterfacePrefix.size())), name)) {
                return std::make_shared<RealTarget>(std::move(disk), 0);
            }
        }
        return nullptr;
    }

    char DiskDriverLetter(std::u16string_view) override { return 0; }
    // Every mounted file system of the USB disk behind the letter goes, then the disk.
    DWORD SafeRemoval(char16_t letter) override
    {
        const auto drive = FindDrive(letter);
        const auto mount = drive && drive->bus == DriveBus::Usb ? MountHolding(drive->hostFolder) : std::nullopt;
        const auto part = mount ? DiskOfDevice(mount->major, mount->minor) : std::nullopt;
        if (!part) {
            return ERROR_INVALID_DRIVE;
        }
        std::vector<std::string> partitions;
        for (const Mount& other : Mounts()) {
            const auto otherPart = DiskOfDevice(other.major, other.minor);
            if (otherPart && otherPart->disk == part->disk &&
                std::find(partitions.begin(), partitions.end(), otherPart->block) == partitions.end()) {
                partitions.push_back(otherPart->block);
            }
        }
        return UdisksSafeRemoval(partitions);
    }

private:
    static std::shared_ptr<StorageTarget> LetterTarget(char16_t letter)
    {
        auto drive = FindDrive(letter);
        if (!drive) {
            return nullptr;
        }
        auto mount = MountHolding(drive->hostFolder);
        auto part = mount ? DiskOfDevice(mount->major, mount->minor) : std::nullopt;
        if (!part) {
            return nullptr;
        }
        for (BlockDisk& disk : BlockDisks()) {
            if (disk.name == part->disk) {
                return std::make_shared<RealTarget>(std::move(disk), part->partition);
            }
        }
        return nullptr;
    }
};

std::u16string FileSystemName(const std::string& type)
{
    if (type == "vfat") {
        return u"FAT32";
    }
    if (type == "ntfs" || type == "ntfs3" || type == "fuseblk") {
        return u"NTFS";
    }
    if (type == "exfat") {
        return u"exFAT";
    }
    return UpperCase(FromUtf8(type));
}

}  // namespace

namespace devices {

std::unique_ptr<DeviceMachine> MakeRealDeviceMachine()
{
    return std::make_unique<RealDeviceMachine>();
}

}  // namespace devices

std::vector<Drive> RealUsbDrives(char16_t firstLetter)
{
    std::map<std::string, const BlockDisk*> usbDisks;
    const std::vector<BlockDisk> disks = BlockDisks();
    for (const BlockDisk& disk : disks) {
        if (disk.busType == BusTypeUsb && disk.kind == InterfaceClass::Disk) {
            usbDisks[disk.name] = &disk;
        }
    }
    std::vector<Drive> drives;
    char16_t letter = firstLetter;
    for (const Mount& mount : Mounts()) {
        auto part = DiskOfDevice(mount.major, mount.minor);
        if (!part || !usbDisks.contains(part->disk) || letter > u'Z') {
            continue;
        }
        Drive drive;
        drive.letter = letter++;
        drive.hostFolder = mount.point;
        drive.type = usbDisks.at(part->disk)->removable ? DRIVE_REMOVABLE : DRIVE_FIXED;
        drive.bus = DriveBus::Usb;
        drive.label = FromUtf8(fs::path(mount.point).filename().string());
        drive.fileSystem = FileSystemName(mount.fileSystem);
        drives.push_back(std::move(drive));
    }
    return drives;
}

}  // namespace platform
