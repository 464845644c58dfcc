#pragma once
// The fillers of the schedule's date and time pickers. Each clears the list, adds its entries,
// selects one and copies its text into the picker's edit.

#include "backup/window/frame/MainWin.h"

// "01" to "12"; the first chosen.
void FillMonthCombo(TComboBox* combo, TEdit* edit);
// The days of a month ("01" to "28" for February in every year, 30 or 31 for the others); the
// first chosen. A month outside 1..12 leaves the list empty and the edit as it was.
void FillDayOfMonthCombo(TComboBox* combo, TEdit* edit, int month);
// "00" to "23"; the first chosen.
void FillHourCombo(TComboBox* combo, TEdit* edit);
// "00" to "59"; the first chosen.
void FillMinuteCombo(TComboBox* combo, TEdit* edit);
// Sunday to Saturday, then "Every day" (the item index is a schedule entry's weekday digit); the
// last chosen.
void FillWeekdayCombo(const TMainForm& form, TComboBox* combo, TEdit* edit);
