#pragma once
// The work that fills the main window once after its construction, the later refills after a
// drive change, and the one waiting primitive of the user-interface thread.

#include "platform/win_types.h"

class TMainForm;

// Scans the drives, fills the lists, loads the settings and starts the button poll behind the
// loading window; ends with the automatic-start countdown when the program was started for a drive.
void RunStartupSequence(TMainForm& form);
// The question to restart a backup that did not end; at the first activation.
void OfferResumeBackup(TMainForm& form);
// Rescans the drives and refills what depends on them, after a drive arrived or left.
void RefreshAfterDeviceChange(TMainForm& form);
// Rebuilds the Manual Backup source tree keeping its ticks and open branches; after a folder change.
void RefillBackupTree(TMainForm& form);
// Lets pending messages run until ms milliseconds of the tick count have passed (at least once).
void WaitPumpingMessages(DWORD ms);
