#pragma once
// The one clock of the program: the UTC and local wall clock, the 32-bit tick count and Sleep.
// Tests install a FakeClock; nothing else reads the time.

#include "platform/win_types.h"

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes back.
    virtual std::uint64_t MonotonicMs() = 0;
    // FILETIME units (100 ns since 1601-01-01 UTC).
    virtual std::uint64_t UtcFileTime() = 0;
    // Local time minus UTC, in minutes, at the given UTC FILETIME.
    virtual std::int32_t LocalOffsetMinutes(std::uint64_t utcFileTime) = 0;
    virtual void Sleep(DWORD ms) = 0;
};

// A clock that moves only when told to. Sleep advances it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(std::uint64_t utcFileTime = 133000000000000000ull, std::int32_t offsetMinutes = 0,
                       std::uint64_t monotonicMs = 0);
    std::uint64_t MonotonicMs() override { return monotonic_; }
    std::uint64_t UtcFileTime() override { return utc_; }
    std::int32_t LocalOffsetMinutes(std::uint64_t) override { return offset_; }
    void Sleep(DWORD ms) override { Advance(ms); }
    void Advance(std::uint64_t ms);
    void SetLocalTime(const SYSTEMTIME& local);

private:
    std::uint64_t utc_;
    std::int32_t offset_;
    std::uint64_t monotonic_;
};

Clock& CurrentClock();
// Installs a clock for the process (tests); nullptr restores the real clock.
void SetClock(Clock* clock);

// Installs a FakeClock for the lifetime of the object.
class ScopedFakeClock {
public:
    explicit ScopedFakeClock(std::uint64_t utcFileTime = 133000000000000000ull, std::int32_t offsetMinutes = 0);
    ~ScopedFakeClock();
    ScopedFakeClock(const ScopedFakeClock&) = delete;
    ScopedFakeClock& operator=(const ScopedFakeClock&) = delete;
    FakeClock& clock() { return clock_; }

private:
    FakeClock clock_;
};

}  // namespace platform

// The Windows time functions, over CurrentClock().
DWORD GetTickCount();
ULONGLONG GetTickCount64();
void Sleep(DWORD ms);
void GetLocalTime(SYSTEMTIME* time);
void GetSystemTime(SYSTEMTIME* time);
void GetSystemTimeAsFileTime(FILETIME* time);
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, FILETIME* fileTime);
BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);
BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc);
