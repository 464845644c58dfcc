#include "ui/gfx/font.h"
#include "ui/gfx/freetype_text_measure.h"

#include <memory>

namespace ui::gfx {

namespace {

bool g_useFixed = false;

FreeTypeTextMeasure& FreeTypeEngine()
{
    static FreeTypeTextMeasure engine;
    return engine;
}

// Windows MulDiv: rounded half away from zero.
int MulDiv(int value, int num, int den)
{
    long long p = static_cast<long long>(value) * num;
    long long q = (p < 0 ? p - den / 2 : p + den / 2) / den;
    return static_cast<int>(q);
}

}  // namespace

int HeightFromPoints(int points)
{
    return -MulDiv(points, 96, 72);
}

int PointsFromHeight(int height)
{
    return -MulDiv(height, 72, 96);
}

TextMeasure& CurrentTextMeasure()
{
    static FixedTextMeasure fixed;
    if (g_useFixed || !FreeTypeEngine().Available())
        return fixed;
    return FreeTypeEngine();
}

void UseFixedMetrics(bool fixed)
{
    g_useFixed = fixed;
}

bool UsingFixedMetrics()
{
    return g_useFixed;
}

Size MeasureText(const FontSpec& font, std::u16string_view text)
{
    TextMeasure& engine = CurrentTextMeasure();
    return Size{engine.Width(font, text), engine.Metrics(font).lineHeight};
}

std::string ResolvedFamily(const FontSpec& font, char32_t ch)
{
    return FreeTypeEngine().FamilyFor(font, ch);
}

}  // namespace ui::gfx
