#pragma once
// The per-job notifier of the container coder, and the progress that a copy reports to its job
// (RunningJob.h), whose bytes are counted here.

#include "platform/win_types.h"

class RunningJob;

class clProcessNotify {
public:
    // Starts cancelled; every job entry arms it (ArmNotifier) before its first file.
    clProcessNotify() = default;
    virtual ~clProcessNotify() = default;

    BYTE Cancelled = 1;
};

// Clears the cancelled flag at the start of a job, so that a fresh notifier cancels no file; from
// then on only the job's own cancel sets it. A null notifier stays null.
void ArmNotifier(clProcessNotify* notifier);

// The file's progress (0..100), then the remaining time, then one pass of pending messages.
void ShowFilePercent(RunningJob& job, int percent);
// The file's progress at 100 %, without pumping messages.
void ShowFileDone(RunningJob& job);
// Shows the job's progress.
void ShowTotalPercent(RunningJob& job);
// Offers the job's figures for a new remaining-time estimate.
void UpdateRemainingTime(RunningJob& job);
// After each container block: file and job progress, waits while the cancel question is up and
// marks the notifier cancelled when the job is to stop.
void UpdateContainerProgress(RunningJob& job, clProcessNotify* notifier, LONGLONG done, LONGLONG size);
// The body of the plain copy's progress routine: file and job progress after each chunk (0 bytes
// transferred starts a new file), waits while the cancel question is up; false = cancel the copy.
bool ReportCopyProgress(RunningJob& job, LONGLONG transferred, LONGLONG total);
// The container coder's progress hook: false stops the coder. A null notifier always answers true.
bool ReportContainerProgress(RunningJob& job, clProcessNotify* notifier, LONGLONG done, LONGLONG size);
