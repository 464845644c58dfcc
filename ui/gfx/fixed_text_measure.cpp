#include "ui/gfx/font.h"

#include <algorithm>

namespace ui::gfx {

namespace {

int RoundedRatio(int value, int num, int den)
{
    return (value * num + den / 2) / den;
}

}  // namespace

int FixedTextMeasure::CellHeight(const FontSpec& font)
{
    int height = font.height == 0 ? -11 : font.height;
    return height < 0 ? RoundedRatio(-height, 13, 11) : height;
}

int FixedTextMeasure::CharWidth(const FontSpec& font)
{
    return std::max(1, RoundedRatio(CellHeight(font), 7, 13));
}

FontMetrics FixedTextMeasure::Metrics(const FontSpec& font)
{
    FontMetrics m;
    m.lineHeight = CellHeight(font);
    m.ascent = RoundedRatio(m.lineHeight, 10, 13);
    m.descent = m.lineHeight - m.ascent;
    m.underlinePosition = 1;
    m.underlineThickness = 1;
    return m;
}

int FixedTextMeasure::Width(const FontSpec& font, std::u16string_view text)
{
    return static_cast<int>(text.size()) * CharWidth(font);
}

void FixedTextMeasure::DrawLine(Bitmap& target, const Rect& clip, int x, int baseline, const FontSpec& font,
                                std::u16string_view text, Pixel color)
{
    FontMetrics m = Metrics(font);
    int w = CharWidth(font);
    Rect area = clip.Intersect(target.Bounds());
    for (char16_t c : text) {
        Rect box = Rect{x + 1, baseline - m.ascent + 1, x + w - 1, baseline + m.descent - 1}.Intersect(area);
        if (c != u' ' && !box.IsEmpty()) {
            for (int y = box.top; y < box.bottom; ++y)
                std::fill(target.Row(y) + box.left, target.Row(y) + box.right, color);
        }
        x += w;
    }
}

}  // namespace ui::gfx
