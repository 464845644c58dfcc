#pragma once
// The per-job notifier and the progress display of a running copy job (the main window's progress
// panel, and the countdown window's twin while it is up).

#include "platform/win_types.h"

class clProcessNotify {
public:
    // Starts cancelled; the panel reset clears the flag for each new job.
    clProcessNotify() = default;
    virtual ~clProcessNotify() = default;

    BYTE Cancelled = 1;
};

// Per-file bar and label (0..100), then the remaining time, then one pass of pending messages.
void ShowFilePercent(int percent);
// The per-file bar at 100 %, without pumping messages.
void ShowFileDone();
// Clamps JobDoneBytes to JobTotalBytes and shows the job bar; a total of 0 shows 0 %.
void ShowTotalPercent();
// At most once per 1000 ms: a new remaining-time text.
void UpdateRemainingTime();
// After each container block: file and job progress, waits while the cancel question is up and
// marks the notifier cancelled when the job is to stop.
void UpdateContainerProgress(clProcessNotify* notifier, LONGLONG done, LONGLONG size);
// The body of the plain copy's progress routine: file and job progress after each chunk (0 bytes
// transferred starts a new file), waits while the cancel question is up; false = cancel the copy.
bool ReportCopyProgress(LONGLONG transferred, LONGLONG total);
// The container coder's progress hook: false stops the coder. A null notifier always answers true.
bool ReportContainerProgress(clProcessNotify* notifier, LONGLONG done, LONGLONG size);
