#pragma once
// The marker of a backup run that has not ended ("BacAbnor.ini" of this instance, BacAbnorPath):
// the run's kind and its start time, from which the names of its run folders follow.

#include "backup/device/DeviceRecords.h"
#include "platform/win_types.h"

inline constexpr int JOB_KIND_EASY = 0;
inline constexpr int JOB_KIND_MANUAL = 1;

// Writes the kind and the run's local start time, creating the settings folder. Always true.
bool WriteJobMarker(int kind, const SYSTEMTIME& runTime);
// True when there was no marker or it was deleted.
bool RemoveJobMarker();
// Reads and deletes the marker, then deletes the interrupted run's folders on the listed drives.
// The kind when the first line is a number (only 0 and 1 delete anything), else -1.
int CleanUpInterruptedJob(const RECORD_DEVICECODE& drives);
