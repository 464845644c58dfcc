#include "platform/devices.h"
#include "platform/files.h"
#include "platform/machine_setup.h"
#include "platform/shell.h"
#include "platform/text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return fs::path(home).lexically_normal().string();
    }
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? std::string(entry->pw_dir) : std::string("/");
}

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// "C:\rel\path" for a Linux path below home; empty for one outside it.
std::u16string OnDriveC(const std::string& home, const std::string& linuxPath)
{
    const fs::path relative = fs::path(linuxPath).lexically_normal().lexically_relative(home);
    if (relative.empty() || *relative.begin() == "..") {
        return {};
    }
    std::u16string path = u"C:\\";
    if (relative != ".") {
        for (char16_t c : FromHostName(relative.string())) {
            path += c == u'/' ? u'\\' : c;
        }
    }
    return path;
}

// The XDG user folders: ~/.config/user-dirs.dirs lines such as XDG_DESKTOP_DIR="$HOME/Desktop".
std::string XdgUserFolder(const std::string& home, std::string_view name, std::string_view fallback)
{
    std::ifstream in(home + "/.config/user-dirs.dirs");
    const std::string prefix = "XDG_" + std::string(name) + "_DIR=\"";
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0 || line.size() < prefix.size() + 1 || line.back() != '"') {
            continue;
        }
        std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        }
        if (!value.empty() && value.front() == '/') {
            return WithoutTrailingSlash(value);
        }
    }
    return home + "/" + std::string(fallback);
}

std::string AutostartFolder(const std::string& home)
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string config =
        configHome != nullptr && *configHome == '/' ? WithoutTrailingSlash(configHome) : home + "/.config";
    if (OnDriveC(home, config).empty()) {
        config = home + "/.config";
    }
    return config + "/autostart";
}

std::u16string ComputerName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') {
        return u"PC";
    }
    std::string text(name);
    text = text.substr(0, text.find('.'));
    return UpperCase(FromUtf8(text));
}

std::u16string UserName()
{
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_name != nullptr ? FromUtf8(entry->pw_name) : u"User";
}

}  // namespace

LANGID LangIdOfLocale(std::string_view locale)
{
    const auto starts = [locale](std::string_view prefix) { return locale.substr(0, prefix.size()) == prefix; };
    if (starts("zh_CN")) {
        return 2052;
    }
    if (starts("zh_TW")) {
        return 1028;
    }
    if (starts("ja")) {
        return 1041;
    }
    if (starts("ar")) {
        return 1025;
    }
    return 1033;
}

MachineSetup RealMachineSetup()
{
    MachineSetup setup;
    const std::string home = HomeFolder();
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string data =
        dataHome != nullptr && *dataHome == '/' ? WithoutTrailingSlash(dataHome) : home + "/.local/share";
    if (OnDriveC(home, data).empty()) {
        data = home + "/.local/share";
    }
    setup.machineFolder = data + "/harbex-machine";
    std::error_code ec;
    fs::create_directories(setup.machineFolder, ec);

    Drive c;
    c.letter = u'C';
    c.hostFolder = home;
    c.type = DRIVE_FIXED;
    c.label = u"Local Disk";
    c.serial = static_cast<DWORD>(std::hash<std::string>{}(home));
    setup.drives.push_back(c);
    for (const Drive& usb : RealUsbDrives(u'E')) {
        setup.drives.push_back(usb);
    }

    SystemRecord& system = setup.system;
    system.computerName = ComputerName();
    system.userName = UserName();
    const char* lang = std::getenv("LANG");
    system.userLangId = system.systemLangId = LangIdOfLocale(lang != nullptr ? lang : "");
    system.administrator = geteuid() == 0;

    const auto add = [&](int csidl, const std::string& linuxPath) {
        const std::u16string path = OnDriveC(home, linuxPath);
        if (!path.empty()) {
            setup.folders.emplace_back(csidl, path);
        }
    };
    add(CSIDL_PROFILE, home);
    add(CSIDL_DESKTOPDIRECTORY, XdgUserFolder(home, "DESKTOP", "Desktop"));
    add(CSIDL_PERSONAL, XdgUserFolder(home, "DOCUMENTS", "Documents"));
    add(CSIDL_MYPICTURES, XdgUserFolder(home, "PICTURES", "Pictures"));
    add(CSIDL_MYMUSIC, XdgUserFolder(home, "MUSIC", "Music"));
    add(CSIDL_MYVIDEO, XdgUserFolder(home, "VIDEOS", "Videos"));
    add(CSIDL_APPDATA, home + "/.config");
    add(CSIDL_LOCAL_APPDATA, data);
    // What only Windows has lives in the machine folder, so that scans of C: skip it with it.
    const std::string& m = setup.machineFolder;
    add(CSIDL_FAVORITES, m + "/Favorites");
    add(CSIDL_WINDOWS, m + "/Windows");
    add(CSIDL_SYSTEM, m + "/Windows/System32");
    add(CSIDL_PROGRAM_FILES, m + "/Program Files");
    add(CSIDL_PROGRAM_FILESX86, m + "/Program Files (x86)");
    add(CSIDL_COMMON_APPDATA, m + "/ProgramData");
    add(CSIDL_COMMON_PROGRAMS, m + "/ProgramData/Microsoft/Windows/Start Menu/Programs");
    // The desktop starts what lies in the XDG autostart folder at logon; links there become entries.
    setup.desktopEntryFolder = AutostartFolder(home);
    add(CSIDL_COMMON_STARTUP, setup.desktopEntryFolder);
    add(CSIDL_COMMON_DESKTOPDIRECTORY, m + "/Public/Desktop");
    return setup;
}

}  // namespace platform
