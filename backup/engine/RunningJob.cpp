#include "backup/engine/RunningJob.h"

#include "backup/engine/Container.h"
#include "platform/clock.h"
#include "platform/files.h"

RunningJob::RunningJob() = default;

RunningJob::~RunningJob() = default;

void RunningJob::StopForGoneDrive()
{
    if (!driveGone_) {
        driveGone_ = true;
        DriveFoundGone();
    }
}

void RunningJob::PumpAtIntervals()
{
    constexpr DWORD kIntervalMs = 30;
    const DWORD now = GetTickCount();
    if (pumped_ && now - lastPump_ < kIntervalMs) {
        return;
    }
    pumped_ = true;
    lastPump_ = now;
    PumpMessages();
}

ContainerCoder* RunningJob::Coder()
{
    if (!coder_) {
        coder_ = MakeContainerCoder();
    }
    return coder_.get();
}

bool JobLeavesMarker(RunningJob& job)
{
    return job.StoppedForGoneDrive() || job.BackupDriveRemoved() || job.ProgramEnding();
}

bool JobCancelRequested(RunningJob& job)
{
    return job.StoppedForGoneDrive() || job.CancelRequested();
}

bool StopIfDriveGone(RunningJob& job, const std::u16string& driveRoot)
{
    if (GetFileAttributesW(driveRoot.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    job.StopForGoneDrive();
    return true;
}
