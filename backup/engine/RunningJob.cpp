#include "backup/engine/RunningJob.h"

#include "platform/clock.h"
#include "platform/files.h"

namespace {

RunningJob* current = nullptr;

}  // namespace

RunningJob& CurrentJob()
{
    static RunningJob defaults;
    return current != nullptr ? *current : defaults;
}

JobScope::JobScope(RunningJob& job) : previous_(current)
{
    current = &job;
}

JobScope::~JobScope()
{
    current = previous_;
}

void RunningJob::StopForGoneDrive()
{
    if (!driveGone_) {
        driveGone_ = true;
        DriveFoundGone();
    }
}

bool JobLeavesMarker(RunningJob& job)
{
    return job.StoppedForGoneDrive() || job.BackupDriveRemoved() || job.ProgramEnding();
}

void PumpJobMessages()
{
    CurrentJob().PumpMessages();
}

void PumpJobMessagesAtIntervals()
{
    constexpr DWORD kIntervalMs = 30;
    static DWORD lastPump = 0;
    static bool pumped = false;
    const DWORD now = GetTickCount();
    if (pumped && now - lastPump < kIntervalMs) {
        return;
    }
    pumped = true;
    lastPump = now;
    PumpJobMessages();
}

bool JobCancelRequested()
{
    return CurrentJob().StoppedForGoneDrive() || CurrentJob().CancelRequested();
}

bool StopIfDriveGone(const std::u16string& driveRoot)
{
    if (GetFileAttributesW(driveRoot.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    CurrentJob().StopForGoneDrive();
    return true;
}
