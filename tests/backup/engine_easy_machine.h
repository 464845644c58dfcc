#pragma once
// A simulated PC for the Easy Backup tests: drive C: with a small tree of every category, the
// Windows, Program Files and ProgramData folders, a system file and a linked folder; removable
// drives E: and F: for the backups; the main window open on the fake clock.

#include "backup/frame/base/BackupDriveLayout.h"
#include "frame_fixture.h"
#include "platform/files.h"
#include "platform/text.h"
#include "tests/support/machine_profile.h"
#include "ui/controls/timer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace easytest {

// 2011-03-05 14:07:09 local time.
inline constexpr SYSTEMTIME kRunTime{2011, 3, 6, 5, 14, 7, 9, 0};
inline const std::string kRunStamp = "20110305_140709";
inline const std::string kPcFolder = "Harbex_Solo+\\HOMEPCAlice61";

// The Easy source files of the PC (C: relative) with their sizes.
struct SourceFile {
    std::string path;
    std::size_t size;
};

inline const std::vector<SourceFile> kTree = {
    {"Users\\Alice\\Desktop\\report.doc", 10},
    {"Users\\Alice\\Desktop\\song.mp3", 5},
    {"Users\\Alice\\Documents\\letter.txt", 20},
    {"Users\\Alice\\Pictures\\cat.jpg", 30},
    {"Users\\Alice\\Music\\tune.mp3", 40},
    {"Users\\Alice\\Videos\\clip.avi", 50},
    {"Users\\Alice\\AppData\\Local\\Mail\\box.pst", 100},
    {"Users\\Alice\\AppData\\Local\\Mail\\lib.dll", 7},
    {"Users\\Alice\\AppData\\Local\\cache.doc", 3},
    {"Users\\Alice\\AppData\\Roaming\\roam.doc", 1000},  // below the users' folder: never walked
    {"Windows\\win.doc", 1000},
    {"Program Files\\app.doc", 1000},
    {"ProgramData\\shared.doc", 1000},
    {"Data\\plan.doc", 60},
    {"Data\\setup.exe", 70},
    {"Data\\WINDOWS\\a.doc", 1000},
    {"Data\\Old\\windows\\b.doc", 1000},
    {"Data\\Program Files\\c.doc", 1000},
    {"Data\\ProgramData\\d.doc", 1000},
    {"Data\\Old\\program files\\e.doc", 80},
    {"Data\\sys.doc", 1000},          // system attribute
    {"Elsewhere\\linked.doc", 1000},  // reached only through the link Data\link
};

// Everything the walks count: the files outside the excluded folders, the system file and the
// link target.
inline constexpr std::int64_t kJobTotal = 10 + 5 + 20 + 30 + 40 + 50 + 100 + 7 + 3 + 60 + 70 + 80 + 1000;

class EasyMachine : public frametest::MainWindowMachine {
protected:
    // Calls check at every message pump of the run until it answers true.
    void DuringRun(std::function<bool()> check)
    {
        watch_.SetInterval(1000);
        watch_.OnTimer = [this, check](ui::TObject*) {
            if (check()) {
                watch_.SetEnabled(false);
            } else {
                ui_.Clock().Advance(1000);
            }
        };
        ui_.Clock().Advance(1000);
    }

    void SetUp() override
    {
        MainWindowMachine::SetUp();
        for (const char* letter : {"e", "f"}) {
            std::filesystem::create_directories(Host(letter));
        }
        for (const SourceFile& file : kTree) {
            std::string path = "c/" + file.path;
            std::replace(path.begin(), path.end(), '\\', '/');
            WriteFile(path, std::vector<unsigned char>(file.size, 'x'));
        }
        std::filesystem::create_directory_symlink(Host("c/Elsewhere"), Host("c/Data/link"));
        UseWindowsVersion("6.1.7601");
    }

    void UseWindowsVersion(const std::string& windowsVersion)
    {
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Machine("windows = " + windowsVersion + "\n")
                                                           .Drive('E', "type = removable\n")
                                                           .Drive('F', "type = removable\n")
                                                           .Folder("desktop", "C:\\Users\\Alice\\Desktop")
                                                           .Folder("documents", "C:\\Users\\Alice\\Documents")
                                                           .Folder("pictures", "C:\\Users\\Alice\\Pictures")
                                                           .Folder("music", "C:\\Users\\Alice\\Music")
                                                           .Folder("videos", "C:\\Users\\Alice\\Videos")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("localappdata", "C:\\Users\\Alice\\AppData\\Local")
                                                           .Folder("windows", "C:\\Windows")
                                                           .Folder("programfiles", "C:\\Program Files")
                                                           .Folder("commonappdata", "C:\\ProgramData")));
        ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\sys.doc", FILE_ATTRIBUTE_SYSTEM));
    }

    void WriteFile(const std::string& relative, const std::vector<unsigned char>& bytes)
    {
        const auto path = Host(relative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::string ReadFile(const std::string& relative) const
    {
        std::ifstream in(Host(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // "e/Harbex_Solo+/HOMEPCAlice61/Easy/<category>/<stamp>" as a host path text.
    static std::string RunFolder(const std::string& drive, const std::string& category,
                                 const std::string& stamp = kRunStamp)
    {
        return drive + "/Harbex_Solo+/HOMEPCAlice61/Easy/" + category + "/" + stamp;
    }

    // A list file's bytes: the byte-order mark and each line in UTF-16LE ending in CR LF.
    static std::string ListFileBytes(const std::vector<std::string>& lines)
    {
        std::string bytes = "\xFF\xFE";
        for (const std::string& line : lines) {
            for (char16_t c : platform::FromUtf8(line) + u"\r\n") {
                bytes.push_back(static_cast<char>(c & 0xFF));
                bytes.push_back(static_cast<char>(c >> 8));
            }
        }
        return bytes;
    }

    ui::TTimer watch_{nullptr};
};

}  // namespace easytest
