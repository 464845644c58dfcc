#pragma once
// The installation, run from the wizard's installing page: free space, the driver file and
// service, the program files, the uninstall entry, the language setting, the driver's keys, the
// shortcuts and the help files, with a ten-step progress bar. It ends on the completed page, or
// with an error box and the end of the program.

#include "platform/win_types.h"

#include <string>

namespace setup {

class TMainForm;

inline constexpr ULONGLONG kRequiredSystemFreeBytes = 31457280;

void RunInstall(TMainForm& form);
void StepProgress(TMainForm& form, int percent);

bool HasEnoughFreeSpace(ULONGLONG freeBytes);
bool HasSystemDiskSpace();
// The per-user data folder's "SetupTemp"; with create, it and the data folder are created.
std::u16string SetupTempFolder(bool create);
// The common programs folder + "\Harbex Solo+", created when missing.
std::u16string StartMenuFolder();
// True when both program files were copied into the folder.
bool InstallApplicationFiles(const std::u16string& installFolder);
// True when every value of the uninstall entry was written.
bool WriteUninstallEntry(int langId);
void CreateDesktopShortcut();
void CreateStartMenuShortcuts();
// Copies the folder "Help Files" beside the setup program's own file into the installation folder.
void CopyHelpFiles(const std::u16string& installFolder);

}  // namespace setup
