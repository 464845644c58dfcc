#pragma once
// The progress and result panel that every backup, restore and Favorites job
// shows over its page: the start state of a job, the progress view, the result
// view with its counters, and closing.

#include "platform/win_types.h"

#include <string>

class TMainForm;

// Empties the error list and both job lists, clears the cancel flags and the
// progress counters, puts both bars at 0 and renews ProgressNotify (cancelled
// flag clear).
void ResetProgressPanel(TMainForm& form);
// Reset, progress view, the panel in front of the page and the cancel work
// button shown.
void ShowProgressPanel(TMainForm& form);
// The narrow right work button and the cancel button beside it, as the panel
// keeps them while it is up.
void PlaceProgressButtons(TMainForm& form);
// Progress view (true: records the start tick) or result view (false: records
// the end tick and fills total, completed, failed and elapsed time).
void SwitchProgressView(TMainForm& form, bool showProgress);
// The result view with the panel's OK button enabled; Idle stays 0 until the
// panel is closed.
void ShowProgressResults(TMainForm& form);
// Hides the panel and the cancel button, lays the work buttons out again, sets
// Idle and gives the job's page back to the user.
void CloseProgressPanel(TMainForm& form);
// Closes the panel when it shows a finished job and lets the messages that follow run, so that a
// job started now by the schedule or the countdown is not refused behind an old result.
void CloseFinishedProgressPanel(TMainForm& form);
// Whole hours, minutes and seconds joined by ":" (65000 gives "0:1:5"); hours
// are not wrapped.
std::u16string FormatElapsedTime(DWORD milliseconds);
// Every column header item of the error list is drawn by the program.
void MakeHeaderOwnerDrawn(TMainForm& form);
