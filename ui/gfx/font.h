#pragma once
// Fonts as the program describes them, and the one interface through which text is measured and
// drawn: FreeType with fontconfig normally, a fixed fake metric for layout tests.

#include "ui/gfx/bitmap.h"
#include "ui/gfx/color.h"
#include "ui/gfx/geometry.h"

#include <string>
#include <string_view>

namespace ui::gfx {

// Character sets that choose a face (the Windows numbers).
inline constexpr int kCharsetAnsi = 0;
inline constexpr int kCharsetDefault = 1;
inline constexpr int kCharsetShiftJis = 128;
inline constexpr int kCharsetGb2312 = 134;
inline constexpr int kCharsetBig5 = 136;
inline constexpr int kCharsetArabic = 178;

struct FontSpec {
    std::u16string name = u"Arial";
    // Font.Height: negative = character height (the em) in pixels; positive = cell height
    // (ascent + descent); 0 = the default height -11.
    int height = -11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = kCharsetDefault;
    Color color = clWindowText;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Font.Size (points at 96 dpi) and Font.Height convert as the class library does: Size 8 is Height
// -11 and back; a positive (cell) height gives a negative size.
int HeightFromPoints(int points);
int PointsFromHeight(int height);

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    // ascent + descent: the distance between two lines.
    int lineHeight = 0;
    int underlinePosition = 0;  // pixels below the baseline
    int underlineThickness = 1;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual FontMetrics Metrics(const FontSpec& font) = 0;
    // The advance width of one line; line breaks are not interpreted.
    virtual int Width(const FontSpec& font, std::u16string_view text) = 0;
    // Draws one line given in display order with its baseline at (x, baseline), in target pixels,
    // touching only pixels inside clip. Underline and strike-out are drawn here too.
    virtual void DrawLine(Bitmap& target, const Rect& clip, int x, int baseline, const FontSpec& font,
                          std::u16string_view text, Pixel color) = 0;
};

// The fixed fake metric: the cell height is -height * 13 / 11 for a negative height (rounded; 13
// for -11) or height itself when positive; every character (a UTF-16 unit) is cell * 7 / 13 pixels
// wide (rounded; 7 for -11), ascent is cell * 10 / 13. Style and face change nothing. Each
// character that is not a space is drawn as a filled box of its cell, inset by one pixel.
class FixedTextMeasure final : public TextMeasure {
public:
    FontMetrics Metrics(const FontSpec& font) override;
    int Width(const FontSpec& font, std::u16string_view text) override;
    void DrawLine(Bitmap& target, const Rect& clip, int x, int baseline, const FontSpec& font, std::u16string_view text,
                  Pixel color) override;
    static int CellHeight(const FontSpec& font);
    static int CharWidth(const FontSpec& font);
};

// The engine in use: FreeType unless UseFixedMetrics(true). Single-threaded, as the widgets are.
TextMeasure& CurrentTextMeasure();
void UseFixedMetrics(bool fixed);
bool UsingFixedMetrics();

// One line in the current engine: its width and the line height.
Size MeasureText(const FontSpec& font, std::u16string_view text);

// The family of the installed face that FreeType draws ch with for this font (after fontconfig's
// substitution and the per-character fallback); empty when no font is installed.
std::string ResolvedFamily(const FontSpec& font, char32_t ch);

}  // namespace ui::gfx
