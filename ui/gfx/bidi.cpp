#include "ui/gfx/text_layout.h"
#include "ui/gfx/utf16.h"

#include <algorithm>
#include <vector>

namespace ui::gfx {

namespace {

enum class Direction { Ltr, Rtl, Neutral };

Direction Classify(char32_t c)
{
    if ((c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF))
        return Direction::Rtl;
    bool asciiNeutral = (c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7F);
    if (asciiNeutral || (c >= 0x2000 && c <= 0x206F) || c == 0x3000)
        return Direction::Neutral;
    return Direction::Ltr;
}

char32_t Mirror(char32_t c)
{
    constexpr char32_t pairs[][2] = {{'(', ')'}, {'[', ']'}, {'{', '}'}, {'<', '>'}, {0xAB, 0xBB}};
    for (const auto& p : pairs) {
        if (c == p[0])
            return p[1];
        if (c == p[1])
            return p[0];
    }
    return c;
}

}  // namespace

std::u16string ToDisplayOrder(std::u16string_view line, bool rtlParagraph)
{
    std::u32string chars = DecodeUtf16(line);
    std::vector<Direction> dirs(chars.size());
    bool anyRtl = false;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        dirs[i] = Classify(chars[i]);
        anyRtl = anyRtl || dirs[i] == Direction::Rtl;
    }
    if (!anyRtl && !rtlParagraph)
        return std::u16string(line);

    Direction paragraph = rtlParagraph ? Direction::Rtl : Direction::Ltr;
    // A run of neutrals between two characters of one direction takes it; otherwise the paragraph's.
    for (std::size_t i = 0; i < chars.size();) {
        if (dirs[i] != Direction::Neutral) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < chars.size() && dirs[end] == Direction::Neutral)
            ++end;
        Direction before = i == 0 ? paragraph : dirs[i - 1];
        Direction after = end == chars.size() ? paragraph : dirs[end];
        std::fill(dirs.begin() + i, dirs.begin() + end, before == after ? before : paragraph);
        i = end;
    }

    std::vector<int> levels(chars.size());
    int base = rtlParagraph ? 1 : 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (dirs[i] == Direction::Rtl)
            levels[i] = 1;
        else
            levels[i] = base == 1 ? 2 : 0;
    }
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (levels[i] % 2 == 1)
            chars[i] = Mirror(chars[i]);
    }
    int highest = levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
    for (int level = highest; level >= 1; --level) {
        for (std::size_t i = 0; i < chars.size();) {
            if (levels[i] < level) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < chars.size() && levels[end] >= level)
                ++end;
            std::reverse(chars.begin() + i, chars.begin() + end);
            std::reverse(levels.begin() + i, levels.begin() + end);
            i = end;
        }
    }
    return EncodeUtf16(chars);
}

}  // namespace ui::gfx
