#pragma once
// A simulated PC for the Easy Backup tests: drive C: with a small tree of every category, the
// Windows, Program Files and ProgramData folders, a system file and a linked folder; removable
// drives E: and F: for the backups.

#include "platform/win_types.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
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
    {"Data\\sys.doc", 1000},  // system attribute
    {"Elsewhere\\linked.doc", 1000},  // reached only through the link Data\link
};

// Everything the walks count: the files outside the excluded folders, the system file and the
// link target.
inline constexpr std::int64_t kJobTotal = 10 + 5 + 20 + 30 + 40 + 50 + 100 + 7 + 3 + 60 + 70 + 80 + 1000;

// The drive folders below root: c with the tree and the link, e and f empty.
inline void PlantEasyPc(const std::filesystem::path& root)
{
    for (const char* letter : {"e", "f"}) {
        std::filesystem::create_directories(root / letter);
    }
    for (const SourceFile& file : kTree) {
        std::string path = "c/" + file.path;
        std::replace(path.begin(), path.end(), '\\', '/');
        testsupport::WriteText(root / path, std::string(file.size, 'x'));
    }
    std::filesystem::create_directory_symlink(root / "c/Elsewhere", root / "c/Data/link");
}

// The machine profile of the PC for that Windows version.
inline testsupport::MachineProfile EasyPcProfile(const std::string& windowsVersion)
{
    return testsupport::MachineProfile()
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
        .Folder("commonappdata", "C:\\ProgramData");
}

}  // namespace easytest
