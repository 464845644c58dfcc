#include "backup/engine/RunStamp.h"

#include <cstdio>

std::u16string FormatTimestampName(const SYSTEMTIME& time)
{
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%u%02u%02u_%02u%02u%02u", time.wYear, time.wMonth, time.wDay,
                                time.wHour, time.wMinute, time.wSecond);
    return std::u16string(text, text + n);
}
