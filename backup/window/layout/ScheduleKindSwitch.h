#pragma once
// Makes one row of the schedule editor active and greys the other.

class TMainForm;

// Kind 1: the regular row is refilled (every day, "00", "00") and the special row emptied and
// greyed; any other kind the reverse (month "01", its days, "00", "00"). Reads only its argument.
void SelectScheduleKind(TMainForm& form, int kind);
