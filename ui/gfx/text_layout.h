#pragma once
// Breaking a caption into lines and placing them in a rectangle, shared by drawing and measuring.

#include "ui/gfx/font.h"

#include <string>
#include <vector>

namespace ui::gfx {

enum class TextFlags : unsigned {
    Left = 0,
    Center = 1,
    Right = 2,
    Top = 0,
    VCenter = 4,
    Bottom = 8,
    WordWrap = 16,  // break at spaces and between CJK characters; explicit line breaks always count
    SingleLine = 32,  // line breaks are ignored
    EndEllipsis = 64,  // a line wider than the rectangle ends in "..."
    RtlReading = 128,  // right-to-left paragraph order for mixed-direction text
    PathEllipsis = 256,  // a path wider than the rectangle keeps its start and its last part around "..."
};
constexpr TextFlags operator|(TextFlags a, TextFlags b)
{
    return static_cast<TextFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasFlag(TextFlags set, TextFlags flag)
{
    return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

struct TextLine {
    std::u16string text;  // display order
    int width = 0;
    int x = 0;  // offset from the rectangle's left
};

struct TextBlock {
    std::vector<TextLine> lines;
    FontMetrics metrics;
    int top = 0;  // offset of the first line's top from the rectangle's top
    Size Extent() const;  // widest line x line count * line height
};

// maxWidth bounds word wrap and ellipsis; maxHeight places the block vertically. Pass the
// rectangle's size; a negative size is taken as 0.
TextBlock LayOutText(const FontSpec& font, std::u16string_view text, int maxWidth, int maxHeight, TextFlags flags);

// The size the text takes (DT_CALCRECT): with WordWrap, lines no wider than maxWidth where words
// allow it.
Size MeasureTextBlock(const FontSpec& font, std::u16string_view text, int maxWidth, TextFlags flags);

// Display order of one line by a simplified bidirectional algorithm: right-to-left runs (Hebrew,
// Arabic) are reversed; with rtlParagraph the order of the runs is reversed too.
std::u16string ToDisplayOrder(std::u16string_view line, bool rtlParagraph);

}  // namespace ui::gfx
