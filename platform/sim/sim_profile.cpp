#include "platform/sim/sim_profile.h"

#include "platform/devices.h"

#include <algorithm>
#include <map>

namespace platform::sim {
namespace {

struct DriveDeclaration {
    std::string type = "fixed";
    std::string bus = "ata";
};

bool Fail(const Profile& profile, int line, std::string& error, const std::string& what)
{
    error = profile.path + ":" + std::to_string(line) + ": " + what;
    return false;
}

std::optional<char16_t> LetterOf(std::string_view text)
{
    if (text.size() != 1 || !std::isalpha(static_cast<unsigned char>(text[0]))) {
        return std::nullopt;
    }
    return static_cast<char16_t>(std::toupper(static_cast<unsigned char>(text[0])));
}

std::map<char16_t, DriveDeclaration> DeclaredDrives(const Profile& profile)
{
    std::map<char16_t, DriveDeclaration> drives;
    for (const ProfileSection& section : profile.sections) {
        auto letter = LetterOf(section.argument);
        if (section.name != "drive" || !letter) {
            continue;
        }
        DriveDeclaration& drive = drives[*letter];
        if (const std::string* type = section.Find("type")) {
            drive.type = *type;
        }
        if (const std::string* bus = section.Find("bus")) {
            drive.bus = *bus;
        }
    }
    return drives;
}

std::optional<DWORD> BusType(std::string_view text)
{
    static const std::map<std::string_view, DWORD> buses{
        {"ata", BusTypeAta}, {"sata", BusTypeSata}, {"scsi", BusTypeScsi}, {"usb", BusTypeUsb}};
    auto found = buses.find(text);
    return found == buses.end() ? std::nullopt : std::optional<DWORD>(found->second);
}

bool ParseLetters(std::string_view text, std::vector<char16_t>& letters)
{
    for (char c : text) {
        if (c == ' ' || c == ',') {
            continue;
        }
        auto letter = LetterOf(std::string_view(&c, 1));
        if (!letter) {
            return false;
        }
        letters.push_back(*letter);
    }
    return true;
}

bool YesNo(std::string_view text, bool& value)
{
    value = text == "yes";
    return text == "yes" || text == "no";
}

SimDeviceSpec ImpliedDevice(char16_t letter, const DriveDeclaration& drive)
{
    SimDeviceSpec device;
    device.letters = {letter};
    device.vendor = "VEMO";
    if (drive.type == "cdrom") {
        device.kind = SimKind::Cdrom;
        device.busType = drive.bus == "usb" ? BusTypeUsb : BusTypeAta;
        device.product = "DVD Writer";
    } else if (drive.type == "removable") {
        device.kind = SimKind::Stick;
        device.busType = BusTypeUsb;
        device.product = "USB Stick";
    } else if (drive.bus == "usb") {
        device.kind = SimKind::UsbDisk;
        device.busType = BusTypeUsb;
        device.product = "External HDD";
    } else {
        device.kind = SimKind::Disk;
        device.busType = BusTypeAta;
        device.product = "Internal HDD";
    }
    return device;
}

bool ReadDeviceSection(const Profile& profile, const ProfileSection& section, SimDeviceSpec& device, std::string& error)
{
    for (const ProfileEntry& e : section.entries) {
        const std::string& v = e.value;
        bool ok = true;
        if (e.key == "vendor") {
            device.vendor = v;
        } else if (e.key == "product") {
            device.product = v;
        } else if (e.key == "chip" && device.kind == SimKind::UsbDisk) {
            ok = ParseChip(v, device.chip);
        } else if (e.key == "button" && device.kind == SimKind::UsbDisk) {
            ok = v == "pressed" || v == "released";
            device.pressed = v == "pressed";
        } else if (e.key == "bus" && (device.kind == SimKind::Disk || device.kind == SimKind::Cdrom)) {
            auto bus = BusType(v);
            ok = bus.has_value() && (*bus != BusTypeUsb || device.kind == SimKind::Cdrom);
            device.busType = bus.value_or(device.busType);
        } else if (e.key == "partitions" && (device.kind == SimKind::UsbDisk || device.kind == SimKind::Disk)) {
            ok = ParseLetters(v, device.letters);
        } else {
            return Fail(profile, e.line, error,
                        "unknown key \"" + e.key + "\" in [" + section.name + " " + section.argument + "]");
        }
        if (!ok) {
            return Fail(profile, e.line, error, "bad value \"" + v + "\" for \"" + e.key + "\"");
        }
    }
    return true;
}

bool ReadDrivers(const Profile& profile, const ProfileSection& section, SimMachineSpec& machineDesc, std::string& error)
{
    for (const ProfileEntry& e : section.entries) {
        bool ok = true;
        if (e.key == "proxy") {
            ok = YesNo(e.value, machineDesc.proxyDriver);
        } else if (e.key == "diskdriver") {
            ok = YesNo(e.value, machineDesc.diskDriver);
        } else if (e.key == "claims") {
            ok = ParseLetters(e.value, machineDesc.claims);
        } else {
            return Fail(profile, e.line, error, "unknown key \"" + e.key + "\" in [drivers]");
        }
        if (!ok) {
            return Fail(profile, e.line, error, "bad value \"" + e.value + "\" for \"" + e.key + "\"");
        }
    }
    return true;
}

std::optional<SimKind> KindOfSection(std::string_view name)
{
    static const std::map<std::string_view, SimKind> kinds{
        {"usbdisk", SimKind::UsbDisk}, {"disk", SimKind::Disk}, {"cdrom", SimKind::Cdrom}, {"stick", SimKind::Stick}};
    auto found = kinds.find(name);
    return found == kinds.end() ? std::nullopt : std::optional<SimKind>(found->second);
}

}  // namespace

bool ReadSimMachineSpec(const Profile& profile, SimMachineSpec& machineDesc, std::string& error)
{
    machineDesc = SimMachineSpec{};
    const auto drives = DeclaredDrives(profile);
    std::map<char16_t, SimDeviceSpec> declared;
    std::map<char16_t, int> owner;  // letter -> line of the section whose disk carries it
    for (const ProfileSection& section : profile.sections) {
        if (section.name == "drivers") {
            if (!ReadDrivers(profile, section, machineDesc, error)) {
                return false;
            }
            continue;
        }
        auto kind = KindOfSection(section.name);
        if (!kind) {
            continue;
        }
        auto letter = LetterOf(section.argument);
        if (!letter) {
            return Fail(profile, section.line, error, "a " + section.name + " section needs one drive letter");
        }
        if (!drives.contains(*letter)) {
            return Fail(profile, section.line, error, "drive " + section.argument + " is not declared");
        }
        SimDeviceSpec device = ImpliedDevice(*letter, drives.at(*letter));
        device.kind = *kind;
        if (*kind == SimKind::UsbDisk || *kind == SimKind::Stick) {
            device.busType = BusTypeUsb;
        }
        if (!ReadDeviceSection(profile, section, device, error)) {
            return false;
        }
        for (char16_t carried : device.letters) {
            if (!drives.contains(carried)) {
                return Fail(profile, section.line, error,
                            "drive " + std::string(1, static_cast<char>(carried)) + " is not declared");
            }
            if (!owner.emplace(carried, section.line).second) {
                return Fail(profile, section.line, error,
                            "drive " + std::string(1, static_cast<char>(carried)) + " belongs to two devices");
            }
        }
        declared.emplace(*letter, std::move(device));
    }
    for (const auto& [letter, drive] : drives) {
        if (declared.contains(letter)) {
            machineDesc.devices.push_back(declared.at(letter));
        } else if (!owner.contains(letter) && drive.type != "remote") {
            machineDesc.devices.push_back(ImpliedDevice(letter, drive));
        }
    }
    return true;
}

}  // namespace platform::sim
