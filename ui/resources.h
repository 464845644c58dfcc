#pragma once
// Resources packed into the running program at build time (skin pictures, language tables,
// licence texts), looked up by type and numeric id as the program's own module resources.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

// The resource type that carries every skin picture and text table.
inline constexpr std::u16string_view kBinResType = u"BINRES";

// The bytes of resource (type, id) of the linked program, exactly as they were packed (a whole
// PNG/GIF/ICO file or a UTF-16 text with its byte-order mark). The type compares case-insensitively,
// as resource type names do. nullopt when the program carries no such resource (or none at all).
// The span stays valid for the life of the program.
std::optional<std::span<const std::uint8_t>> FindResource(std::u16string_view type, int id);

}  // namespace ui
