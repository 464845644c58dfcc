#include "ui/resource_pack.h"

#include <algorithm>

namespace ui::resource_pack {
namespace {

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

char16_t AsciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

bool TypeMatches(std::span<const std::uint8_t> stored, std::u16string_view type)
{
    if (type.size() > kTypeSize)
        return false;
    for (std::size_t i = 0; i < kTypeSize; ++i) {
        const char16_t expected = i < type.size() ? AsciiUpper(type[i]) : u'\0';
        if (AsciiUpper(char16_t(stored[i])) != expected)
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::span<const std::uint8_t>> Find(std::span<const std::uint8_t> pack, std::u16string_view type, int id)
{
    if (pack.size() < kHeaderSize || !std::equal(kMagic.begin(), kMagic.end(), pack.begin()))
        return std::nullopt;
    const std::size_t count = ReadU32(pack, 4);
    if (count > (pack.size() - kHeaderSize) / kEntrySize)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        const auto entry = pack.subspan(kHeaderSize + i * kEntrySize, kEntrySize);
        if (static_cast<int>(ReadU32(entry, kTypeSize)) != id || !TypeMatches(entry.first(kTypeSize), type))
            continue;
        const std::size_t offset = ReadU32(entry, kTypeSize + 4);
        const std::size_t size = ReadU32(entry, kTypeSize + 8);
        if (offset > pack.size() || size > pack.size() - offset)
            return std::nullopt;
        return pack.subspan(offset, size);
    }
    return std::nullopt;
}

}  // namespace ui::resource_pack
