#pragma once
// Code points of UTF-16 text; an unpaired surrogate stands for itself.

#include <string>
#include <string_view>

namespace ui::gfx {

// Reads the code point at text[i] and advances i past it.
inline char32_t NextCodePoint(std::u16string_view text, std::size_t& i)
{
    char32_t c = text[i++];
    if (c >= 0xD800 && c <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i++] - 0xDC00);
    return c;
}

std::u32string DecodeUtf16(std::u16string_view text);
std::u16string EncodeUtf16(std::u32string_view chars);

// Ideographs, kana, hangul and full-width forms: a line may break before and after each.
bool IsCjk(char32_t c);

}  // namespace ui::gfx
