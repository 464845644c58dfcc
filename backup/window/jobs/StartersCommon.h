#pragma once
// What every job starter shares: the free-space test, the settings files the
// backup starters write, the job result lists, and the end-of-job tree refresh.

#include "platform/drive_job_lock.h"
#include "platform/win_types.h"

#include <string>

class TMainForm;

// True when `needed` bytes fit on the disk of `path` (the folder's own disk, wherever it is
// mounted), or when `path` is on one of the external drives the window knows and that drive went
// away before the job began: the job then ends as on a removal (the window's flags are set), never
// as a full disk. Too little room: the message `refusalText` is shown, the progress panel closed,
// the window made idle again, and false returned.
bool RoomForJob(TMainForm& form, const std::u16string& path, ULONGLONG needed, int refusalText);

// "BacTypeSet.ini": one line "0" or "1" per Easy Backup category flag, Document
// to Mail.
void SaveBacTypeSet(const TMainForm& form);
// "BacDest.ini": the destination the last backup was given.
void SaveBacDest(const std::u16string& destination);
// The completed and failed lists of the job into the per-user data folder,
// named with the first character of the start path when there is one.
void SaveJobResultLists(const TMainForm& form);
// A folder change arrived during the job: the source tree is rebuilt after it.
void RenewTreeAfterJob(TMainForm& form);
// After a backup that was not cancelled: the restore, delete and Favorites PC
// selectors list the drive again, and what the restore and delete pages show of
// the job's kind (1 Easy, 2 Manual) follows the new run.
void RefreshPcSelectors(TMainForm& form, int kind);

// True, with the busy message shown, when another job (of this or another instance) holds the
// drive the lock was asked for.
bool RefusedAsBusy(TMainForm& form, const platform::DriveJobLock& lock);

// The running backup's destination drive for the removal handling, from the start of the job to
// the end of its starter. The drive is also taken for this job against every other job, of this
// or another instance of the program.
class JobDestinationScope {
public:
    JobDestinationScope(TMainForm& form, const std::u16string& destination);
    ~JobDestinationScope();
    JobDestinationScope(const JobDestinationScope&) = delete;
    JobDestinationScope& operator=(const JobDestinationScope&) = delete;

    // Another job holds the drive: this one must not start. The message is shown.
    bool RefusedAsBusy() const;

private:
    TMainForm& form_;
    platform::DriveJobLock lock_;
};
