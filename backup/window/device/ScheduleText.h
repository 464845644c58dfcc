#pragma once
// The texts of a schedule entry line: its day, its time and the kind of backup it starts.

#include <string>

class TMainForm;

// Empty for an empty line; "1" + weekday digit gives the weekday's name (7 every day); any other
// line gives "YYYY / MM / DD" from its characters 2 to 9.
std::u16string FormatScheduleDay(const TMainForm& form, const std::u16string& line);
// "HH:MM" from the four characters before the last; empty for an empty line.
std::u16string FormatScheduleTime(const TMainForm& form, const std::u16string& line);
// "0" Easy Backup, "1" Manual Backup (the menu captions); empty otherwise.
std::u16string FormatEntryFunction(const TMainForm& form, const std::u16string& function);
