#pragma once
// FILETIME (100 ns since 1601-01-01 UTC) over the Linux nanosecond times.

#include "platform/win_types.h"

#include <ctime>
#include <linux/stat.h>

namespace platform {

inline constexpr std::int64_t kUnixEpochAsFileTimeSeconds = 11644473600;

inline FILETIME ToFileTime(std::int64_t seconds, std::uint32_t nanoseconds)
{
    const std::int64_t since1601 = seconds + kUnixEpochAsFileTimeSeconds;
    if (since1601 < 0) {
        return FILETIME{};
    }
    return U64ToFileTime(static_cast<ULONGLONG>(since1601) * 10'000'000u + nanoseconds / 100u);
}

inline FILETIME ToFileTime(const struct statx_timestamp& t)
{
    return ToFileTime(t.tv_sec, t.tv_nsec);
}

inline timespec ToTimespec(const FILETIME& t)
{
    const ULONGLONG value = FileTimeToU64(t);
    timespec result{};
    result.tv_sec = static_cast<time_t>(static_cast<std::int64_t>(value / 10'000'000u) - kUnixEpochAsFileTimeSeconds);
    result.tv_nsec = static_cast<long>(value % 10'000'000u) * 100;
    return result;
}

}  // namespace platform
