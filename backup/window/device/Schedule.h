#pragma once
// Scheduled backups. An entry is one line of ScheduleList and of "SchSet.ini":
//   regular  "1" weekday(0 Sunday..6 Saturday, 7 every day) HHMM function      (7 characters)
//   special  "2" YYYYMMDD HHMM function                                          (14 characters)
// The function digit is 0 Easy Backup or 1 Manual Backup.

#include "backup/window/frame/MainWin.h"

#include <string>

inline constexpr int kScheduleNotDue = 0;
inline constexpr int kScheduleRegularDue = 1;
inline constexpr int kScheduleSpecialDue = 2;

// True for a line of either format with a possible weekday, date and time; other lines of the
// settings file are skipped.
bool IsScheduleLine(const std::u16string& line);
// The entry of the active editor row and the function selector; an equal entry is refused (20111).
void AddScheduleEntry(TMainForm& form);
// Rows for the lines: day, time, function and the delete icon.
void FillScheduleListView(TMainForm& form, TListView* view, const TStringList& lines);
// Deletes line `index`, refills the list and saves.
void DeleteScheduleEntry(TMainForm& form, int index);
// "SchSet.ini" into ScheduleList and the list view, when the file exists.
void LoadScheduleSettings(TMainForm& form);
// kScheduleRegularDue in the entry's minute unless a run of its function began less than a minute
// before within the same clock minute; kScheduleSpecialDue from the entry's moment on; else
// kScheduleNotDue (also for an impossible date).
int ScheduleEntryDue(const std::u16string& line, const SYSTEMTIME& now);
// One pass over the entries, the last first, while the schedule launch option is on. A pass that
// the pumping re-enters is not started again, and a pass ends while a job or question runs.
void CheckSchedule(TMainForm& form);
// Records the run of the entry's function, asks through the schedule notice and, accepted, starts
// the backup on the Backup page.
void RunScheduledEntry(TMainForm& form, const std::u16string& line);
