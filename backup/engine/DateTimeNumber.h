#pragma once
// Date-time numbers: a local date and time as days since 1899-12-30 00:00, the fraction the time
// of day. Written in the general float format (at most 15 significant digits) with the user's
// decimal separator; read with either '.' or ',' so that a file written under another locale
// setting still parses.

#include "platform/win_types.h"

#include <string>
#include <string_view>

double SystemTimeToDateTime(const SYSTEMTIME& time);
// Rounds to the nearest millisecond; false for a value outside the years 1 to 9999 or not finite.
bool DateTimeToSystemTime(double value, SYSTEMTIME* time);

std::u16string FormatDateTimeNumber(double value);
// The whole text (blanks around it allowed) must be one number; false otherwise.
bool ParseDateTimeNumber(std::u16string_view text, double* value);

// The difference a − b in days.
double DateTimeDifference(double a, double b);
