#include "backup/engine/RunningJob.h"

#include "backup/engine/Container.h"
#include "platform/clock.h"
#include "platform/files.h"

#include <utility>

RunningJob::RunningJob() = default;

RunningJob::~RunningJob() = default;

void RunningJob::StopForGoneDrive()
{
    if (!driveGone_) {
        driveGone_ = true;
        DriveFoundGone();
    }
}

void RunningJob::ForgetLostDrive()
{
    if (drive_ == nullptr) {
        driveGone_ = false;
    }
}

bool RunningJob::HeldDriveGone(bool now)
{
    constexpr unsigned kCallsBetweenLooks = 256;
    if (!driveGone_ && drive_ && (now || ++driveChecks_ % kCallsBetweenLooks == 0) && !drive_->IsStillTheDrive()) {
        drive_->Lose();
        StopForGoneDrive();
    }
    return driveGone_;
}

JobDriveHold::JobDriveHold(RunningJob& job, const std::u16string& path)
    : job_(job), root_(path), outer_(std::exchange(job.drive_, &root_))
{
    if (!root_.holds()) {
        job_.StopForGoneDrive();
    }
}

JobDriveHold::~JobDriveHold()
{
    job_.drive_ = outer_;
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
    return job.HeldDriveGone() || job.CancelRequested();
}

bool KeepDeleting(RunningJob& job)
{
    job.PumpMessages();
    return !job.HeldDriveGone();
}

bool StopIfDriveGone(RunningJob& job, const std::u16string& driveRoot)
{
    if (job.HeldDriveGone(true) || GetFileAttributesW(driveRoot.c_str()) == INVALID_FILE_ATTRIBUTES) {
        job.StopForGoneDrive();
        return true;
    }
    return false;
}
