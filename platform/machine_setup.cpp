#include "platform/machine_setup.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/text.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <optional>

namespace platform {
namespace {

struct Where {
    const Profile& profile;
    int line;
};

bool Fail(const Where& where, std::string& error, const std::string& message)
{
    error = where.profile.path + ":" + std::to_string(where.line) + ": " + message;
    return false;
}

// Decimal, or hexadecimal with "0x".
std::optional<unsigned long> Number(std::string_view text, int base = 10)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned long> NumberUpTo(std::string_view text, unsigned long limit, int base = 10)
{
    const auto value = Number(text, base);
    return value && *value <= limit ? value : std::nullopt;
}

bool ReadVersion(std::string_view text, SystemRecord& system)
{
    std::optional<unsigned long> parts[3];
    for (auto& part : parts) {
        const auto dot = text.find('.');
        part = NumberUpTo(text.substr(0, dot), 0xFFFF);
        text = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
        if (!part || (dot == std::string_view::npos && &part != &parts[2])) {
            return false;
        }
    }
    system.majorVersion = static_cast<DWORD>(*parts[0]);
    system.minorVersion = static_cast<DWORD>(*parts[1]);
    system.buildNumber = static_cast<DWORD>(*parts[2]);
    return true;
}

bool ReadMachine(const Profile& profile, const ProfileSection& section, SystemRecord& system, std::string& error)
{
    for (const ProfileEntry& e : section.entries) {
        const Where where{profile, e.line};
        const std::string& v = e.value;
        bool ok = true;
        if (e.key == "computer" || e.key == "user") {
            ok = !v.empty();
            (e.key == "computer" ? system.computerName : system.userName) = FromUtf8(v);
        } else if (e.key == "windows") {
            ok = ReadVersion(v, system);
        } else if (e.key == "platform") {
            const auto n = NumberUpTo(v, 3);
            ok = n.has_value();
            system.platformId = static_cast<DWORD>(n.value_or(0));
        } else if (e.key == "product") {
            const auto n = NumberUpTo(v, 3);
            ok = n && *n >= 1;
            system.productType = static_cast<BYTE>(n.value_or(1));
        } else if (e.key == "servicepack") {
            system.servicePack = FromUtf8(v);
        } else if (e.key == "edition") {
            const auto n = NumberUpTo(v, 0xFFFFFFFF);
            ok = n.has_value();
            system.edition = static_cast<DWORD>(n.value_or(0));
        } else if (e.key == "suite") {
            const auto n = NumberUpTo(v, 0xFFFF);
            ok = n.has_value();
            system.suiteMask = static_cast<WORD>(n.value_or(0));
        } else if (e.key == "arch") {
            ok = v == "x86" || v == "x64";
            system.architecture = v == "x86" ? PROCESSOR_ARCHITECTURE_INTEL : PROCESSOR_ARCHITECTURE_AMD64;
        } else if (e.key == "langid") {
            const auto n = NumberUpTo(v, 0xFFFF);
            ok = n && *n > 0;
            system.userLangId = system.systemLangId = static_cast<LANGID>(n.value_or(1033));
        } else if (e.key == "admin") {
            ok = v == "yes" || v == "no";
            system.administrator = v == "yes";
        } else {
            return Fail(where, error, "unknown key \"" + e.key + "\" in [machine]");
        }
        if (!ok) {
            return Fail(where, error, "bad value \"" + v + "\" for \"" + e.key + "\"");
        }
    }
    return true;
}

std::optional<UINT> DriveType(std::string_view text)
{
    if (text == "fixed") {
        return DRIVE_FIXED;
    }
    if (text == "removable") {
        return DRIVE_REMOVABLE;
    }
    if (text == "cdrom") {
        return DRIVE_CDROM;
    }
    if (text == "remote") {
        return DRIVE_REMOTE;
    }
    return std::nullopt;
}

bool ReadDrive(const Profile& profile, const ProfileSection& section, Drive& drive, std::string& error)
{
    const std::string& letter = section.argument;
    if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0]))) {
        return Fail({profile, section.line}, error, "a drive section needs one drive letter, as in [drive C]");
    }
    drive.letter = static_cast<char16_t>(std::toupper(static_cast<unsigned char>(letter[0])));
    bool hasHost = false;
    for (const ProfileEntry& e : section.entries) {
        const Where where{profile, e.line};
        const std::string& v = e.value;
        bool ok = true;
        if (e.key == "host") {
            std::filesystem::path host(v);
            if (host.is_relative()) {
                host = std::filesystem::path(profile.folder) / host;
            }
            drive.hostFolder = host.lexically_normal().string();
            if (drive.hostFolder.size() > 1 && drive.hostFolder.back() == '/') {
                drive.hostFolder.pop_back();
            }
            std::error_code ec;
            if (v.empty() || !std::filesystem::is_directory(drive.hostFolder, ec)) {
                return Fail(where, error, "host folder \"" + drive.hostFolder + "\" does not exist");
            }
            hasHost = true;
        } else if (e.key == "type") {
            const auto type = DriveType(v);
            ok = type.has_value();
            drive.type = type.value_or(DRIVE_FIXED);
        } else if (e.key == "bus") {
            ok = v == "ata" || v == "usb";
            drive.bus = v == "usb" ? DriveBus::Usb : DriveBus::Other;
        } else if (e.key == "label") {
            drive.label = FromUtf8(v);
        } else if (e.key == "serial") {
            const auto n = NumberUpTo(v, 0xFFFFFFFF, 16);
            ok = n.has_value();
            drive.serial = static_cast<DWORD>(n.value_or(0));
        } else if (e.key == "filesystem") {
            ok = !v.empty();
            drive.fileSystem = FromUtf8(v);
        } else {
            return Fail(where, error, "unknown key \"" + e.key + "\" in [drive " + letter + "]");
        }
        if (!ok) {
            return Fail(where, error, "bad value \"" + v + "\" for \"" + e.key + "\"");
        }
    }
    if (!hasHost) {
        return Fail({profile, section.line}, error, "[drive " + letter + "] needs a host folder (host = ...)");
    }
    return true;
}

bool HasDrive(const std::vector<Drive>& drives, char16_t letter)
{
    for (const Drive& d : drives) {
        if (d.letter == letter) {
            return true;
        }
    }
    return false;
}

bool ReadFolders(const Profile& profile, const ProfileSection& section, MachineSetup& setup, std::string& error)
{
    for (const ProfileEntry& e : section.entries) {
        const Where where{profile, e.line};
        const auto csidl = SpecialFolderOfKey(e.key);
        if (!csidl) {
            return Fail(where, error, "unknown special folder \"" + e.key + "\"");
        }
        std::u16string path = FromUtf8(e.value);
        const bool windowsPath = path.size() >= 3 && path[1] == u':' && path[2] == u'\\';
        if (!windowsPath) {
            return Fail(where, error, "\"" + e.key + "\" must be a Windows path such as C:\\Users");
        }
        path[0] = UpperChar(path[0]);
        if (!HasDrive(setup.drives, path[0])) {
            return Fail(where, error, "\"" + e.key + "\" lies on a drive that the profile does not declare");
        }
        setup.folders.emplace_back(*csidl, std::move(path));
    }
    return true;
}

}  // namespace

bool ReadMachineSetup(const Profile& profile, MachineSetup& setup, std::string& error)
{
    setup = MachineSetup{};
    setup.machineFolder = profile.folder;
    const ProfileSection* folders = nullptr;
    for (const ProfileSection& section : profile.sections) {
        if (section.name == "machine") {
            if (!section.argument.empty()) {
                return Fail({profile, section.line}, error, "[machine] takes no argument");
            }
            if (!ReadMachine(profile, section, setup.system, error)) {
                return false;
            }
        } else if (section.name == "drive") {
            Drive drive;
            if (!ReadDrive(profile, section, drive, error)) {
                return false;
            }
            if (HasDrive(setup.drives, drive.letter)) {
                return Fail({profile, section.line}, error, "drive " + section.argument + " is declared twice");
            }
            setup.drives.push_back(std::move(drive));
        } else if (section.name == "folders") {
            folders = &section;
        }
    }
    // Folders are checked after every drive is known, wherever their section stands.
    return folders == nullptr || ReadFolders(profile, *folders, setup, error);
}

}  // namespace platform
