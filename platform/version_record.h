#pragma once
// The version record a program of this system carries in place of a Windows version resource:
// 16 marker bytes, the four version parts (major, minor, build, revision) as little-endian 16-bit
// numbers, and those 8 bytes again with every bit inverted, so that the marker alone (as the
// reader's own constant) is never taken for a record. HARBEX_VERSION_RECORD places one in a
// program; GetFileVersionInfoW (platform/version_info.h) finds the first one in a file.

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

inline constexpr std::size_t kVersionMarkerSize = 16;
inline constexpr std::size_t kVersionPartsSize = 8;
inline constexpr std::size_t kVersionRecordSize = kVersionMarkerSize + 2 * kVersionPartsSize;
inline constexpr std::array<std::uint8_t, kVersionMarkerSize> kVersionMarker = {
    'H', 'X', '-', 'V', 'E', 'R', 'S', 'I', 'O', 'N', '-', 'R', 'E', 'C', 0x1E, 0x01};

constexpr std::array<std::uint8_t, kVersionRecordSize> MakeVersionRecord(std::uint16_t major, std::uint16_t minor,
                                                                         std::uint16_t build, std::uint16_t revision)
{
    std::array<std::uint8_t, kVersionRecordSize> record{};
    for (std::size_t i = 0; i < kVersionMarkerSize; ++i) {
        record[i] = kVersionMarker[i];
    }
    const std::uint16_t parts[4] = {major, minor, build, revision};
    for (std::size_t i = 0; i < 4; ++i) {
        record[kVersionMarkerSize + 2 * i] = static_cast<std::uint8_t>(parts[i] & 0xFF);
        record[kVersionMarkerSize + 2 * i + 1] = static_cast<std::uint8_t>(parts[i] >> 8);
    }
    for (std::size_t i = 0; i < kVersionPartsSize; ++i) {
        record[kVersionMarkerSize + kVersionPartsSize + i] = static_cast<std::uint8_t>(~record[kVersionMarkerSize + i]);
    }
    return record;
}

}  // namespace platform

// Defines the program's version record; "used" keeps the linker from dropping it.
#define HARBEX_VERSION_RECORD(major, minor, build, revision)                                                           \
    extern "C" __attribute__((used, section(".rodata.harbex_version")))                                                \
    const std::array<std::uint8_t, platform::kVersionRecordSize>                                                       \
        harbex_version_record = platform::MakeVersionRecord(major, minor, build, revision);
