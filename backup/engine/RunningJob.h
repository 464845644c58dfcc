#pragma once
// What a running job tells, and asks of, whoever runs it: the window, a test, a benchmark. Every
// member has a default that shows nothing and never cancels, so a job runs without a window.
// Whoever runs a job owns its RunningJob and hands it to the engine entry, which passes it down
// to every walk and copy.

#include "backup/drive/DeviceRecords.h"
#include "platform/drive_root.h"
#include "platform/files.h"

#include <cstdint>
#include <memory>
#include <string>

struct ContainerCoder;

// The byte counts of a job: the engine counts them, whoever runs the job keeps them.
struct JobBytes {
    std::int64_t& done;
    std::int64_t& total;
    // Of the file being copied, the bytes already in `done`.
    std::int64_t& fileCounted;
};

class RunningJob {
public:
    RunningJob();
    virtual ~RunningJob();
    RunningJob(const RunningJob&) = delete;
    RunningJob& operator=(const RunningJob&) = delete;

    // Lets pending messages run.
    virtual void PumpMessages() { }
    // True once the job is to stop.
    virtual bool CancelRequested() { return false; }
    // Returns once the question whether to stop is answered.
    virtual void WaitWhileCancelAsked() { }
    // True once the program is ending under the job: the job stops and leaves its marker.
    virtual bool ProgramEnding() { return false; }
    // The file the job is at.
    virtual void ShowPath(const std::u16string&) { }
    // The progress of the file being copied, 0 to 100.
    virtual void ShowFilePercent(int) { }
    // The job's progress after each file or block. A file that grew since the scan can take done
    // past total.
    virtual void ShowJobProgress(std::int64_t, std::int64_t) { }
    // Offered often while the job runs, for an estimate of the time left.
    virtual void ShowRemainingTime(std::int64_t, std::int64_t) { }
    // A file the job could not copy, restore or save; its line is already in the failed list.
    virtual void FileFailed(const std::u16string&, const WIN32_FIND_DATAW&, DWORD) { }
    // The option that puts the backup folders under a hidden name.
    virtual bool HideBackupFolder() { return false; }
    // True once the backup drive went away during the run: the interrupted-job marker stays.
    virtual bool BackupDriveRemoved() { return false; }
    // Told once when the engine itself finds the backup drive gone after a failure: a removal
    // notice may come only after many more files.
    virtual void DriveFoundGone() { }
    // The drives on which an earlier cut-short run's folders may be cleaned before a new run.
    virtual RECORD_DEVICECODE ExternalDrives() { return {}; }
    virtual JobBytes Bytes() { return {done_, total_, fileCounted_}; }

    // The engine found the backup drive gone: from now on the job stops as on a removal, whatever
    // its own answers.
    void StopForGoneDrive();
    bool StoppedForGoneDrive() const { return driveGone_; }
    // A job used again for work of its own: a drive lost by earlier work no longer stops it. Nothing
    // changes while an entry holds a drive for the job.
    void ForgetLostDrive();

    // True once the drive a JobDriveHold holds for the job is found no longer the one held (the job
    // then stops as on a removal). Looks every few calls only, so that a file costs no look, or now.
    bool HeldDriveGone(bool now = false);

    // Lets pending messages run when 30 ms have passed since the job last did so here, so a file
    // costs no look at the message queue.
    void PumpAtIntervals();

    // The job's container coder, its buffers made on first use; null when they cannot be.
    ContainerCoder* Coder();

private:
    friend class JobDriveHold;
    bool driveGone_ = false;
    platform::HeldDriveRoot* drive_ = nullptr;
    unsigned driveChecks_ = 0;
    bool pumped_ = false;
    DWORD lastPump_ = 0;
    std::unique_ptr<ContainerCoder> coder_;
    std::int64_t done_ = 0;
    std::int64_t total_ = 0;
    std::int64_t fileCounted_ = 0;
};

// An engine entry's hold on the job's backup drive ("X:\..."), as it is when the entry starts: the
// job works below that root only (platform/drive_root.h). When the drive is not there, the job is
// stopped as on a removal.
class JobDriveHold {
public:
    JobDriveHold(RunningJob& job, const std::u16string& path);
    ~JobDriveHold();
    JobDriveHold(const JobDriveHold&) = delete;
    JobDriveHold& operator=(const JobDriveHold&) = delete;
    bool holds() const { return root_.holds(); }

private:
    RunningJob& job_;
    platform::HeldDriveRoot root_;
    platform::HeldDriveRoot* outer_;
};

// True when the job ended so that its interrupted-job marker stays: its backup drive went away (as
// the job was told or as the engine found) or the program is ending under it.
bool JobLeavesMarker(RunningJob& job);

// Between two entries of a tree the job deletes: lets messages run; false once the drive the job
// holds was found gone.
bool KeepDeleting(RunningJob& job);

// True once the job is to stop: asked to, or its backup drive was found gone.
bool JobCancelRequested(RunningJob& job);
// Before an item and after a failure that touched the backup drive: when its root ("X:\") is gone,
// or is no longer the root the job holds, the job stops as on a removal. True then.
bool StopIfDriveGone(RunningJob& job, const std::u16string& driveRoot);
