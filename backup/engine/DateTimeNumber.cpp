#include "backup/engine/DateTimeNumber.h"

#include "platform/system.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// Days from 0001-01-01 to 1899-12-30 in the proleptic Gregorian calendar.
constexpr std::int64_t kEpochOffsetDays = 693593;
constexpr double kFirstDay = -kEpochOffsetDays;
constexpr double kLastDay = 2958466.0;  // 10000-01-01

// Days since 0001-01-01 (Howard Hinnant's civil algorithm, shifted).
std::int64_t DaysOfCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468 + 719162;
}

void CivilOfDays(std::int64_t days, SYSTEMTIME* time)
{
    const std::int64_t z = days - 719162 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    time->wYear = static_cast<WORD>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    time->wMonth = static_cast<WORD>(m);
    time->wDay = static_cast<WORD>(d);
    time->wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 0001-01-01 was a Monday
}

}  // namespace

double SystemTimeToDateTime(const SYSTEMTIME& time)
{
    const std::int64_t days = DaysOfCivil(time.wYear, time.wMonth, time.wDay) - kEpochOffsetDays;
    const std::int64_t ms = ((time.wHour * 60 + time.wMinute) * 60 + time.wSecond) * 1000 + time.wMilliseconds;
    return static_cast<double>(days) + static_cast<double>(ms) / kMsPerDay;
}

bool DateTimeToSystemTime(double value, SYSTEMTIME* time)
{
    if (!std::isfinite(value) || value < kFirstDay || value >= kLastDay) {
        return false;
    }
    const auto totalMs = static_cast<std::int64_t>(std::llround(value * kMsPerDay));
    std::int64_t days = totalMs / kMsPerDay;
    std::int64_t ms = totalMs % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    CivilOfDays(days + kEpochOffsetDays, time);
    time->wHour = static_cast<WORD>(ms / 3600000);
    time->wMinute = static_cast<WORD>(ms / 60000 % 60);
    time->wSecond = static_cast<WORD>(ms / 1000 % 60);
    time->wMilliseconds = static_cast<WORD>(ms % 1000);
    return time->wYear >= 1 && time->wYear <= 9999;
}

std::u16string FormatDateTimeNumber(double value)
{
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    const char16_t decimalSeparator = platform::CurrentSystemRecord().decimalSeparator;
    std::u16string text;
    for (int i = 0; i < n; ++i) {
        text.push_back(buffer[i] == '.' ? decimalSeparator : static_cast<char16_t>(buffer[i]));
    }
    return text;
}

bool ParseDateTimeNumber(std::u16string_view text, double* value)
{
    while (!text.empty() && text.front() == u' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == u' ') {
        text.remove_suffix(1);
    }
    std::string ascii;
    int separators = 0;
    for (char16_t c : text) {
        if (c == u'.' || c == u',') {
            ++separators;
            ascii.push_back('.');
        } else if ((c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'e' || c == u'E') {
            ascii.push_back(static_cast<char>(c));
        } else {
            return false;
        }
    }
    if (ascii.empty() || separators > 1) {
        return false;
    }
    const char* first = ascii.data() + (ascii.front() == '+' ? 1 : 0);
    double parsed = 0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), parsed);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(parsed)) {
        return false;
    }
    *value = parsed;
    return true;
}

double DateTimeDifference(double a, double b)
{
    return a - b;
}
