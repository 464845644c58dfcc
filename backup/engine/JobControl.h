#pragma once
// What a long job on the user-interface thread asks of the window: let pending messages run, and
// whether the user asked the job to stop. Without a main window (tools, benchmarks) a job is never
// cancelled and there is nothing to pump.

void PumpPendingMessages();
bool JobCancelRequested();
// True once the program is ending under a running job (its display has gone): the job stops and
// leaves its interrupted-job marker, so that the next start cleans up after it.
bool ProgramEnding();
// For loops that pass over many files: lets pending messages run when 30 ms have passed since the
// last time it did, so a file costs no look at the message queue.
void PumpPendingMessagesAtIntervals();
