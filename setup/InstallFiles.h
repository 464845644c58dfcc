#pragma once
// Files of the installation: the payloads the setup program carries, the copy of a folder tree,
// and the version of an application that is already installed.

#include <string>

namespace setup {

inline constexpr int kApplicationPayload = 10001;
inline constexpr int kUninstallerPayload = 10003;

enum InstalledVersion { kNotInstalled = 0, kSameVersion = 1, kInstalledOlder = 2, kInstalledNewer = 3 };

// Writes payload id (resource type RCDATA) whole to the path, creating or replacing the file; a
// program may be run by whoever may read it. False when the program carries no such payload or
// the file cannot be written.
bool WritePayload(int id, const std::u16string& path, bool program = false);

// Copies sourceFolder\name to destinationFolder\name: a file, or a folder with everything in it.
// Entries with the system attribute are skipped, folders included, and linked folders are never
// entered. True when the folder's contents could be listed; single failed copies are ignored.
bool CopyFolderTree(const std::u16string& sourceFolder, const std::u16string& destinationFolder,
                    const std::u16string& name);

// Deletes a file, or a folder with everything below it; a linked folder is removed as a link.
// True when it was removed (a folder: when it existed).
bool DeletePathTree(const std::u16string& path);

// Compares the version of folder\Harbex_Solo+.exe with own (a five-digit number, 20028 for
// 2.0.28). installed, when given, receives the installed number (0 when the file carries no
// version) unless the file is missing.
int CompareInstalledVersion(const std::u16string& folder, int own, int* installed);

struct VersionParts {
    int major = 0;
    int minor = 0;
    int build = 0;
};
VersionParts SplitVersionNumber(int number);
// The format filled with the product, the installed version and this program's version ("2.0.28").
std::u16string FormatReplaceQuestion(const std::u16string& format, const std::u16string& product, int installed,
                                     int own);

}  // namespace setup
