#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace platform {

namespace {

// FILETIME of 1970-01-01 UTC.
constexpr std::uint64_t kUnixEpochFileTime = 116444736000000000ull;
constexpr std::uint64_t kTicksPerMs = 10000;
constexpr std::uint64_t kTicksPerMinute = 600000000ull;

class RealClock final : public Clock {
public:
    std::uint64_t MonotonicMs() override
    {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    std::uint64_t UtcFileTime() override
    {
        using namespace std::chrono;
        const auto ns = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
        return kUnixEpochFileTime + static_cast<std::uint64_t>(ns / 100);
    }
    std::int32_t LocalOffsetMinutes(std::uint64_t utcFileTime) override
    {
        const auto seconds = static_cast<std::time_t>((utcFileTime - kUnixEpochFileTime) / 10000000ull);
        std::tm local{};
        localtime_r(&seconds, &local);
        return static_cast<std::int32_t>(local.tm_gmtoff / 60);
    }
    void Sleep(DWORD ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

RealClock realClock;
Clock* current = &realClock;

// Days from civil date, proleptic Gregorian (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

FakeClock::FakeClock(std::uint64_t utcFileTime, std::int32_t offsetMinutes, std::uint64_t monotonicMs)
    : utc_(utcFileTime), offset_(offsetMinutes), monotonic_(monotonicMs)
{
}

void FakeClock::Advance(std::uint64_t ms)
{
    monotonic_ += ms;
    utc_ += ms * kTicksPerMs;
}

void FakeClock::SetLocalTime(const SYSTEMTIME& local)
{
    FILETIME ft{};
    if (SystemTimeToFileTime(&local, &ft)) {
        utc_ = FileTimeToU64(ft) - static_cast<std::int64_t>(offset_) * static_cast<std::int64_t>(kTicksPerMinute);
    }
}

Clock& CurrentClock()
{
    return *current;
}

void SetClock(Clock* clock)
{
    current = clock != nullptr ? clock : &realClock;
}

ScopedFakeClock::ScopedFakeClock(std::uint64_t utcFileTime, std::int32_t offsetMinutes)
    : clock_(utcFileTime, offsetMinutes)
{
    SetClock(&clock_);
}

ScopedFakeClock::~ScopedFakeClock()
{
    SetClock(nullptr);
}

}  // namespace platform

using platform::CurrentClock;

DWORD GetTickCount()
{
    return static_cast<DWORD>(CurrentClock().MonotonicMs());
}

ULONGLONG GetTickCount64()
{
    return CurrentClock().MonotonicMs();
}

void Sleep(DWORD ms)
{
    CurrentClock().Sleep(ms);
}

void GetSystemTimeAsFileTime(FILETIME* time)
{
    *time = U64ToFileTime(CurrentClock().UtcFileTime());
}

void GetSystemTime(SYSTEMTIME* time)
{
    const FILETIME ft = U64ToFileTime(CurrentClock().UtcFileTime());
    FileTimeToSystemTime(&ft, time);
}

void GetLocalTime(SYSTEMTIME* time)
{
    FILETIME utc = U64ToFileTime(CurrentClock().UtcFileTime());
    FILETIME local{};
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, time);
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* st)
{
    const std::uint64_t v = FileTimeToU64(*fileTime);
    if (v >= 0x8000000000000000ull) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::uint64_t ms = v / platform::kTicksPerMs;
    std::int64_t days = static_cast<std::int64_t>(ms / 86400000ull);
    const std::uint64_t msOfDay = ms % 86400000ull;
    // 1601-01-01 is day -134774 relative to 1970-01-01.
    const std::int64_t z = days - 134774 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    st->wYear = static_cast<WORD>(y + (m <= 2));
    st->wMonth = static_cast<WORD>(m);
    st->wDay = static_cast<WORD>(d);
    st->wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
    st->wHour = static_cast<WORD>(msOfDay / 3600000);
    st->wMinute = static_cast<WORD>(msOfDay / 60000 % 60);
    st->wSecond = static_cast<WORD>(msOfDay / 1000 % 60);
    st->wMilliseconds = static_cast<WORD>(msOfDay % 1000);
    return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* st, FILETIME* fileTime)
{
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (st->wYear % 4 == 0 && st->wYear % 100 != 0) || st->wYear % 400 == 0;
    if (st->wYear < 1601 || st->wYear > 30827 || st->wMonth < 1 || st->wMonth > 12 || st->wDay < 1 ||
        st->wDay > kDays[st->wMonth - 1] + (st->wMonth == 2 && leap ? 1 : 0) || st->wHour > 23 || st->wMinute > 59 ||
        st->wSecond > 59 || st->wMilliseconds > 999) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::int64_t days =
        platform::DaysFromCivil(st->wYear, st->wMonth, st->wDay) - platform::DaysFromCivil(1601, 1, 1);
    const std::uint64_t ms = static_cast<std::uint64_t>(days) * 86400000ull + st->wHour * 3600000ull +
                             st->wMinute * 60000ull + st->wSecond * 1000ull + st->wMilliseconds;
    *fileTime = U64ToFileTime(ms * platform::kTicksPerMs);
    return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local)
{
    const std::uint64_t v = FileTimeToU64(*utc);
    const std::int64_t offset = CurrentClock().LocalOffsetMinutes(v);
    *local =
        U64ToFileTime(v + static_cast<std::uint64_t>(offset * static_cast<std::int64_t>(platform::kTicksPerMinute)));
    return TRUE;
}

BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc)
{
    const std::uint64_t v = FileTimeToU64(*local);
    const std::int64_t offset = CurrentClock().LocalOffsetMinutes(v);
    *utc = U64ToFileTime(v - static_cast<std::uint64_t>(offset * static_cast<std::int64_t>(platform::kTicksPerMinute)));
    return TRUE;
}
