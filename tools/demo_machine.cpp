#include "tools/demo_machine.h"

#include "platform/files.h"
#include "platform/machine.h"
#include "platform/text.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/stat.h>

namespace demo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view profileText =
    R"(# The demo machine: a Windows 7 SP1 x64 home PC with an external USB disk that has a push button.
[machine]
computer = HOMEPC
user = Alice
windows = 6.1.7601
platform = 2
product = 1
servicepack = Service Pack 1
edition = 1
suite = 0x100
arch = x64
langid = 1033
admin = yes

[drive C]
host = c
type = fixed
bus = ata
label = System
serial = 1A2B3C4D

[drive E]
host = e
type = fixed
bus = usb
label = Backup
serial = 5E6F7A8B

[folders]
profile = C:\Users\Alice
desktop = C:\Users\Alice\Desktop
documents = C:\Users\Alice\Documents
pictures = C:\Users\Alice\Pictures
music = C:\Users\Alice\Music
videos = C:\Users\Alice\Videos
favorites = C:\Users\Alice\Favorites
appdata = C:\Users\Alice\AppData\Roaming
localappdata = C:\Users\Alice\AppData\Local
startmenu = C:\Users\Alice\AppData\Roaming\Microsoft\Windows\Start Menu
commonappdata = C:\ProgramData
commonstartup = C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Startup
commonprograms = C:\ProgramData\Microsoft\Windows\Start Menu\Programs
commondesktop = C:\Users\Public\Desktop
windows = C:\Windows
system = C:\Windows\System32
programfiles = C:\Program Files
programfilesx86 = C:\Program Files (x86)

[usbdisk E]
chip = register
button = released
vendor = VEMO
product = External HDD

[drivers]
proxy = yes
diskdriver = no
)";

struct SampleFile {
    const char* path;  // below the C: drive, with "/"
    int kilobytes;  // 0: a short text
};

// Every category, some files of none, nested folders; sizes add up to a few megabytes.
constexpr SampleFile sampleFiles[] = {
    {"Users/Alice/Desktop/Notes.txt", 0},
    {"Users/Alice/Desktop/Budget 2025.xlsx", 24},
    {"Users/Alice/Desktop/Family.jpg", 180},
    {"Users/Alice/Desktop/Setup.exe", 64},
    {"Users/Alice/Documents/Letter.doc", 40},
    {"Users/Alice/Documents/Report.docx", 56},
    {"Users/Alice/Documents/Taxes.xls", 32},
    {"Users/Alice/Documents/Manual.pdf", 120},
    {"Users/Alice/Documents/Contract.pdf", 48},
    {"Users/Alice/Documents/todo.txt", 0},
    {"Users/Alice/Documents/Private notes.txt", 0},
    {"Users/Alice/Documents/Slides.pptx", 96},
    {"Users/Alice/Documents/Archive.zip", 80},
    {"Users/Alice/Documents/Projects/Website/index.html", 0},
    {"Users/Alice/Documents/Projects/Website/style.css", 0},
    {"Users/Alice/Documents/Projects/Website/images/banner.png", 60},
    {"Users/Alice/Documents/Projects/Old/draft.rtf", 12},
    {"Users/Alice/Pictures/Holiday/beach.jpg", 220},
    {"Users/Alice/Pictures/Holiday/sunset.png", 160},
    {"Users/Alice/Pictures/Holiday/Day 2/harbour.jpeg", 140},
    {"Users/Alice/Pictures/scan.bmp", 100},
    {"Users/Alice/Pictures/logo.gif", 8},
    {"Users/Alice/Pictures/Raw/IMG_0001.tif", 200},
    {"Users/Alice/Music/Album/01 Intro.mp3", 240},
    {"Users/Alice/Music/Album/02 Song.wma", 200},
    {"Users/Alice/Music/recording.wav", 120},
    {"Users/Alice/Music/ringtone.m4a", 40},
    {"Users/Alice/Music/live.flac", 160},
    {"Users/Alice/Videos/birthday.avi", 300},
    {"Users/Alice/Videos/clip.mp4", 200},
    {"Users/Alice/Videos/movie.wmv", 260},
    {"Users/Alice/Videos/Screen/demo.mov", 150},
    {"Users/Alice/Videos/trailer.mpeg", 120},
    {"Users/Alice/AppData/Local/Microsoft/Outlook/Outlook.pst", 256},
    {"Users/Alice/AppData/Local/Microsoft/Outlook/Archive.ost", 64},
    {"Users/Alice/AppData/Local/Microsoft/Windows Mail/Local Folders/Inbox/Welcome.eml", 0},
    {"Users/Alice/AppData/Local/Microsoft/Windows Mail/Local Folders/Inbox/Invoice.eml", 4},
    {"Users/Alice/AppData/Local/Identities/{3F2504E0-4F89-11D3-9A0C-0305E82C3301}/Microsoft/Outlook Express/Inbox.dbx",
     48},
    {"Users/Alice/AppData/Local/Temp/cache.tmp", 16},
    {"Users/Alice/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/readme.txt", 0},
    {"Users/Alice/Favorites/Search.url", 0},
    {"Users/Alice/Favorites/News.url", 0},
    {"Users/Alice/Favorites/Links/Maps.url", 0},
    {"Users/Public/Documents/Shared list.doc", 20},
    {"Data/Photos 2024/IMG_1000.jpg", 150},
    {"Data/Photos 2024/IMG_1001.jpg", 150},
    {"Data/Mail backup/old.mbox", 32},
    {"Data/tools.ini", 0},
    {"Windows/win.ini", 0},
    {"Windows/notepad.exe", 64},
    {"Windows/Help/windows.chm", 40},
    {"Windows/System32/kernel32.dll", 96},
    {"Program Files/Common Files/readme.txt", 0},
    {"Program Files (x86)/Other App/app.exe", 80},
    {"Program Files (x86)/Other App/help.chm", 24},
    {"ProgramData/Vendor/settings.xml", 0},
};

constexpr const char* emptyFolders[] = {
    "Users/Public/Desktop",
    "Windows/System32/drivers",
    "Windows/SysWOW64/drivers",
    "ProgramData/Microsoft/Windows/Start Menu/Programs/Startup",
};

// A few first bytes by extension, so that viewers recognise the files.
std::string Signature(std::string_view extension)
{
    if (extension == ".jpg" || extension == ".jpeg") {
        return "\xFF\xD8\xFF\xE0";
    }
    if (extension == ".png") {
        return "\x89PNG\r\n\x1A\n";
    }
    if (extension == ".pdf") {
        return "%PDF-1.4\n";
    }
    if (extension == ".gif") {
        return "GIF89a";
    }
    if (extension == ".bmp") {
        return "BM";
    }
    if (extension == ".zip" || extension == ".docx" || extension == ".xlsx" || extension == ".pptx") {
        return "PK\x03\x04";
    }
    if (extension == ".exe" || extension == ".dll") {
        return "MZ";
    }
    return {};
}

std::string TextContent(const fs::path& path)
{
    const std::string extension = path.extension().string();
    if (extension == ".url") {
        return "[InternetShortcut]\r\nURL=https://example.com/" + path.stem().string() + "\r\n";
    }
    if (extension == ".eml") {
        return "From: friend@example.com\r\nTo: alice@example.com\r\nSubject: " + path.stem().string() +
               "\r\n\r\nHello Alice.\r\n";
    }
    return "Sample file " + path.filename().string() + " of the demo machine.\r\n";
}

std::string BinaryContent(const fs::path& path, int kilobytes)
{
    std::string bytes = Signature(path.extension().string());
    // A fixed pseudo-random stream per file keeps the machine the same at every making.
    std::uint32_t state = 2166136261u;
    for (const char c : path.string()) {
        state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    const std::size_t size = static_cast<std::size_t>(kilobytes) * 1024;
    while (bytes.size() < size) {
        state = state * 1664525u + 1013904223u;
        bytes += static_cast<char>(state >> 24);
    }
    return bytes;
}

bool WriteSample(const fs::path& path, const std::string& bytes, int index, std::string& error)
{
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = path.string() + ": cannot be written";
        return false;
    }
    // Distinct, fixed modification times: 2025-06-01 plus a day per file.
    const timespec when{1748736000 + index * 86400, 0};
    const timespec times[2] = {when, when};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
    return true;
}

bool MarkFile(const std::u16string& path, DWORD attribute, std::string& error)
{
    const DWORD old = GetFileAttributesW(path.c_str());
    if (old == INVALID_FILE_ATTRIBUTES ||
        !SetFileAttributesW(path.c_str(), (old & ~FILE_ATTRIBUTE_NORMAL) | attribute)) {
        error = platform::ToUtf8(path) + ": cannot set its attributes (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return true;
}

}  // namespace

bool MakeDemoMachine(const std::string& folder, std::string& error)
{
    std::error_code ec;
    if (fs::exists(folder, ec) && !fs::is_empty(folder, ec)) {
        error = folder + ": the folder is not empty";
        return false;
    }
    const fs::path root(folder);
    fs::create_directories(root / "c", ec);
    fs::create_directories(root / "e", ec);
    fs::create_directories(root / "state", ec);
    for (const char* empty : emptyFolders) {
        fs::create_directories(root / "c" / empty, ec);
    }
    int index = 0;
    for (const SampleFile& file : sampleFiles) {
        const fs::path path = root / "c" / file.path;
        const std::string bytes = file.kilobytes == 0 ? TextContent(path) : BinaryContent(path, file.kilobytes);
        if (!WriteSample(path, bytes, index++, error)) {
            return false;
        }
    }
    const std::string profilePath = (root / "machine.ini").string();
    if (!WriteSample(profilePath, std::string(profileText), 0, error)) {
        return false;
    }
    platform::Profile profile;
    if (!platform::LoadProfile(profilePath, profile, error) || !platform::InitMachineFromProfile(profile, error)) {
        return false;
    }
    return MarkFile(u"C:\\Users\\Alice\\Documents\\Private notes.txt", FILE_ATTRIBUTE_HIDDEN, error) &&
           MarkFile(u"C:\\Users\\Alice\\Documents\\Contract.pdf", FILE_ATTRIBUTE_READONLY, error);
}

}  // namespace demo
