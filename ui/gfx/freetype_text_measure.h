#pragma once
// Text through FreeType: faces chosen by fontconfig, glyphs rendered once per font and size and
// kept, so a measurement after the first only adds cached advances.

#include "ui/gfx/font.h"
#include "ui/gfx/font_resolver.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct FT_SizeRec_;

namespace ui::gfx {

class FreeTypeTextMeasure final : public TextMeasure {
public:
    FreeTypeTextMeasure();
    ~FreeTypeTextMeasure() override;
    FreeTypeTextMeasure(const FreeTypeTextMeasure&) = delete;
    FreeTypeTextMeasure& operator=(const FreeTypeTextMeasure&) = delete;

    // False when FreeType cannot start or no font at all is installed.
    bool Available();

    FontMetrics Metrics(const FontSpec& font) override;
    int Width(const FontSpec& font, std::u16string_view text) override;
    void DrawLine(Bitmap& target, const Rect& clip, int x, int baseline, const FontSpec& font, std::u16string_view text,
                  Pixel color) override;

    std::string FamilyFor(const FontSpec& font, char32_t ch);

private:
    struct Face {
        FT_FaceRec_* face = nullptr;
        std::string family;
        ~Face();
    };
    struct Glyph {
        Face* face = nullptr;
        int advance = 0;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> coverage;
    };
    struct SizedFont {
        FontSpec key;
        Face* primary = nullptr;
        long emSize26 = 0;  // the em in 26.6 pixels
        FontMetrics metrics;
        std::array<int, 128> asciiAdvance{};
        std::unordered_map<char32_t, Glyph> glyphs;
        std::unordered_map<char32_t, Face*> faceForChar;
        std::map<Face*, FT_SizeRec_*> sizes;
    };

    Face* OpenFace(const FaceFile& file);
    SizedFont& Sized(const FontSpec& font);
    Face* FaceFor(SizedFont& font, char32_t ch);
    bool Activate(SizedFont& font, Face* face);
    const Glyph& GlyphOf(SizedFont& font, char32_t ch);
    int Advance(SizedFont& font, char32_t ch);

    FT_LibraryRec_* library_ = nullptr;
    std::map<std::pair<std::string, int>, std::unique_ptr<Face>> faces_;
    std::vector<std::unique_ptr<SizedFont>> fonts_;
    SizedFont* last_ = nullptr;
    int available_ = -1;
};

}  // namespace ui::gfx
