#pragma once
// The marker of a backup run that has not ended ("BacAbnor.ini" of this instance, BacAbnorPath):
// the run's kind, its start time, from which the names of its run folders follow, and the drive
// the run went to.

#include "backup/drive/DeviceRecords.h"
#include "platform/win_types.h"

#include <string>

class RunningJob;

inline constexpr int JOB_KIND_EASY = 0;
inline constexpr int JOB_KIND_MANUAL = 1;

// Writes the kind, the run's local start time and the root of its destination, creating the
// settings folder. A marker left by an earlier cut-short run whose drive is among the job's
// external drives has that run's folders cleaned first, so the new marker does not hide them.
// Always true.
bool WriteJobMarker(RunningJob& job, int kind, const SYSTEMTIME& runTime, const std::u16string& destination);
// The start time, at or after the given one, whose run folders for a run of the kind to the
// destination's drive do not exist yet: a run started in the same second as an earlier one would
// write into that run, and its cancel or clean-up would delete it.
SYSTEMTIME FreeRunTime(RunningJob& job, int kind, const SYSTEMTIME& runTime, const std::u16string& destination);
// True when there was no marker or it was deleted.
bool RemoveJobMarker();
// Deletes the interrupted run's folders on the marker's drive (on every listed drive for a marker
// that names none), under the job's backup folder option. The marker goes only once those folders are gone; while its
// drive is not listed it stays and -1 is returned, so the question comes when the drive is there. Otherwise the kind
// when the first line is a number (only 0 and 1 delete anything), else -1.
int CleanUpInterruptedJob(RunningJob& job, const RECORD_DEVICECODE& drives);
// True when a marker names this drive root, so a clean-up would act on it now.
bool JobMarkerNamesDrive(const std::u16string& driveRoot);
