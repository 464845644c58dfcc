#pragma once
// The setup program's start: one instance at a time, found by its application title, and the
// request to a running backup application to close before its files are replaced.

#include <string>

namespace setup {

// The application title by which a second start finds this one ("Install ", with the blank).
inline constexpr char kSetupTitle[] = "Install ";
// The title of a backup application started without a drive argument.
inline constexpr char kBackupApplicationTitle[] = "Harbex Solo +";

bool SetupAlreadyRunning();
// Posts a close request to the backup application titled exactly "Harbex Solo +" and waits up to
// 100 x 100 ms, pumping messages, for its window to go. Goes on silently either way.
void CloseRunningBackupApplication();
// Sets up the application object and creates the wizard as its main form.
void CreateWizard();

}  // namespace setup
