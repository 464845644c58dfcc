#pragma once
// Layout of the packed resource data, shared by the build-time packer and the lookup.
// All numbers little-endian:
//   header: magic "HXRP", entry count (u32)
//   entry:  type (16 bytes, ASCII, NUL-padded), id (i32), offset from the pack start (u32), size (u32)
//   then the resource bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui::resource_pack {

inline constexpr std::string_view kMagic = "HXRP";
inline constexpr std::size_t kHeaderSize = 8;
inline constexpr std::size_t kTypeSize = 16;
inline constexpr std::size_t kEntrySize = kTypeSize + 12;

// The bytes of (type, id) inside one pack; nullopt when absent or when the pack is malformed.
std::optional<std::span<const std::uint8_t>> Find(std::span<const std::uint8_t> pack, std::u16string_view type, int id);

}  // namespace ui::resource_pack
