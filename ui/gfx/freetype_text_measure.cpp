#include "ui/gfx/freetype_text_measure.h"

#include "ui/gfx/blend.h"
#include "ui/gfx/utf16.h"

#include "platform/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ui::gfx {

namespace {

bool SameGlyphs(const FontSpec& a, const FontSpec& b)
{
    return a.height == b.height && a.bold == b.bold && a.italic == b.italic && a.charset == b.charset &&
           a.name == b.name;
}

// Windows places lines by the OS/2 "win" ascent and descent; fonts without them by hhea.
void DesignExtent(FT_Face face, long& ascent, long& descent)
{
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
        return;
    }
    ascent = face->ascender;
    descent = -face->descender;
}

int CeilScaled(long design, long em26, long unitsPerEm)
{
    return static_cast<int>(std::ceil(static_cast<double>(design) * em26 / 64.0 / unitsPerEm));
}

}  // namespace

FreeTypeTextMeasure::Face::~Face()
{
    if (face)
        FT_Done_Face(face);
}

FreeTypeTextMeasure::FreeTypeTextMeasure()
{
    if (FT_Init_FreeType(&library_) != 0)
        library_ = nullptr;
}

FreeTypeTextMeasure::~FreeTypeTextMeasure()
{
    fonts_.clear();
    faces_.clear();
    if (library_)
        FT_Done_FreeType(library_);
}

bool FreeTypeTextMeasure::Available()
{
    if (available_ < 0)
        available_ = library_ && Sized(FontSpec{}).primary ? 1 : 0;
    return available_ == 1;
}

FreeTypeTextMeasure::Face* FreeTypeTextMeasure::OpenFace(const FaceFile& file)
{
    auto key = std::make_pair(file.path, file.index);
    auto found = faces_.find(key);
    if (found != faces_.end())
        return found->second.get();
    auto face = std::make_unique<Face>();
    if (FT_New_Face(library_, file.path.c_str(), file.index, &face->face) != 0) {
        face->face = nullptr;
        return nullptr;
    }
    face->family = file.family;
    return faces_.emplace(key, std::move(face)).first->second.get();
}

FreeTypeTextMeasure::SizedFont& FreeTypeTextMeasure::Sized(const FontSpec& font)
{
    if (last_ && SameGlyphs(last_->key, font))
        return *last_;
    for (auto& f : fonts_) {
        if (SameGlyphs(f->key, font)) {
            last_ = f.get();
            return *last_;
        }
    }
    auto sized = std::make_unique<SizedFont>();
    sized->key = font;
    sized->asciiAdvance.fill(-1);
    std::optional<FaceFile> file = library_ ? ResolveFace(font) : std::nullopt;
    sized->primary = file ? OpenFace(*file) : nullptr;
    // A character set only chooses where the glyphs come from; the height is that of the named family,
    // so every language is drawn at one size (a Chinese face's taller design box would shrink it).
    Face* sizing = sized->primary;
    if (library_ && font.charset != kCharsetDefault) {
        FontSpec named = font;
        named.charset = kCharsetDefault;
        if (std::optional<FaceFile> namedFile = ResolveFace(named)) {
            if (Face* namedFace = OpenFace(*namedFile)) {
                sizing = namedFace;
            }
        }
    }
    if (sized->primary) {
        FT_Face face = sizing->face;
        long ascent = 0;
        long descent = 0;
        DesignExtent(face, ascent, descent);
        int height = font.height == 0 ? -11 : font.height;
        long unitsPerEm = std::max<long>(face->units_per_EM, 1);
        if (height < 0 || ascent + descent <= 0)
            sized->emSize26 = std::abs(height) * 64L;
        else
            sized->emSize26 = height * 64L * unitsPerEm / (ascent + descent);
        FontMetrics& m = sized->metrics;
        m.ascent = CeilScaled(ascent, sized->emSize26, unitsPerEm);
        m.descent = CeilScaled(descent, sized->emSize26, unitsPerEm);
        if (height > 0 && m.ascent < height) {
            // A cell height is the line height exactly, as the platform's fonts keep it.
            m.descent = height - m.ascent;
        }
        m.lineHeight = m.ascent + m.descent;
        m.underlinePosition =
            std::max(1, static_cast<int>(std::lround(-face->underline_position * sized->emSize26 / 64.0 / unitsPerEm)));
        m.underlineThickness =
            std::max(1, static_cast<int>(std::lround(face->underline_thickness * sized->emSize26 / 64.0 / unitsPerEm)));
    }
    fonts_.push_back(std::move(sized));
    last_ = fonts_.back().get();
    return *last_;
}

bool FreeTypeTextMeasure::Activate(SizedFont& font, Face* face)
{
    auto found = font.sizes.find(face);
    if (found != font.sizes.end())
        return FT_Activate_Size(found->second) == 0;
    FT_Size size = nullptr;
    if (FT_New_Size(face->face, &size) != 0)
        return false;
    font.sizes.emplace(face, size);
    return FT_Activate_Size(size) == 0 && FT_Set_Char_Size(face->face, 0, font.emSize26, 72, 72) == 0;
}

FreeTypeTextMeasure::Face* FreeTypeTextMeasure::FaceFor(SizedFont& font, char32_t ch)
{
    if (!font.primary || FT_Get_Char_Index(font.primary->face, ch) != 0)
        return font.primary;
    auto found = font.faceForChar.find(ch);
    if (found != font.faceForChar.end())
        return found->second;
    std::optional<FaceFile> file = ResolveFaceForChar(font.key, ch);
    Face* face = file ? OpenFace(*file) : nullptr;
    if (!face || FT_Get_Char_Index(face->face, ch) == 0)
        face = font.primary;
    font.faceForChar.emplace(ch, face);
    return face;
}

const FreeTypeTextMeasure::Glyph& FreeTypeTextMeasure::GlyphOf(SizedFont& font, char32_t ch)
{
    auto found = font.glyphs.find(ch);
    if (found != font.glyphs.end())
        return found->second;
    Glyph& glyph = font.glyphs[ch];
    if (ch < 0x20 || !font.primary)
        return glyph;
    // A file name's characters that Windows names cannot hold reach the window as private-use
    // characters, which fonts lack or draw as symbols: they are drawn as the characters they stand for.
    const char32_t reserved = platform::ReservedCharOfForm(ch);
    const char32_t drawn = reserved != 0 ? reserved : ch;
    glyph.face = FaceFor(font, drawn);
    FT_Face face = glyph.face->face;
    if (!Activate(font, glyph.face) || FT_Load_Glyph(face, FT_Get_Char_Index(face, drawn), FT_LOAD_DEFAULT) != 0)
        return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (font.key.bold && !(face->style_flags & FT_STYLE_FLAG_BOLD))
        FT_GlyphSlot_Embolden(slot);
    if (font.key.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC))
        FT_GlyphSlot_Oblique(slot);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return glyph;
    const FT_Bitmap& bm = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bm.width);
    glyph.height = static_cast<int>(bm.rows);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bm.pitch >= 0
                                       ? bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch
                                       : bm.buffer + static_cast<std::ptrdiff_t>(glyph.height - 1 - y) * -bm.pitch;
        std::copy(row, row + glyph.width, glyph.coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph.width);
    }
    return glyph;
}

int FreeTypeTextMeasure::Advance(SizedFont& font, char32_t ch)
{
    if (ch < 128) {
        int& cached = font.asciiAdvance[ch];
        if (cached < 0)
            cached = GlyphOf(font, ch).advance;
        return cached;
    }
    return GlyphOf(font, ch).advance;
}

FontMetrics FreeTypeTextMeasure::Metrics(const FontSpec& font)
{
    return Sized(font).metrics;
}

int FreeTypeTextMeasure::Width(const FontSpec& font, std::u16string_view text)
{
    SizedFont& sized = Sized(font);
    int width = 0;
    for (std::size_t i = 0; i < text.size();)
        width += Advance(sized, NextCodePoint(text, i));
    return width;
}

void FreeTypeTextMeasure::DrawLine(Bitmap& target, const Rect& clip, int x, int baseline, const FontSpec& font,
                                   std::u16string_view text, Pixel color)
{
    SizedFont& sized = Sized(font);
    Rect area = clip.Intersect(target.Bounds());
    if (area.IsEmpty())
        return;
    int startX = x;
    for (std::size_t i = 0; i < text.size();) {
        const Glyph& g = GlyphOf(sized, NextCodePoint(text, i));
        Rect box = Rect::FromSize(x + g.left, baseline - g.top, g.width, g.height);
        Rect visible = box.Intersect(area);
        for (int y = visible.top; y < visible.bottom; ++y) {
            const std::uint8_t* cov = g.coverage.data() + static_cast<std::ptrdiff_t>(y - box.top) * g.width;
            Pixel* out = target.Row(y);
            for (int px = visible.left; px < visible.right; ++px) {
                std::uint32_t c = cov[px - box.left];
                if (c == 255)
                    out[px] = color;
                else if (c != 0)
                    out[px] = ScalePixel(color, c) + ScalePixel(out[px], 255 - c);
            }
        }
        x += g.advance;
    }
    auto rule = [&](int top, int thickness) {
        Rect r = Rect{startX, top, x, top + thickness}.Intersect(area);
        if (r.IsEmpty())
            return;
        for (int y = r.top; y < r.bottom; ++y)
            std::fill(target.Row(y) + r.left, target.Row(y) + r.right, color);
    };
    const FontMetrics& m = sized.metrics;
    if (font.underline)
        rule(baseline + m.underlinePosition, m.underlineThickness);
    if (font.strikeOut)
        rule(baseline - m.ascent * 3 / 10, m.underlineThickness);
}

std::string FreeTypeTextMeasure::FamilyFor(const FontSpec& font, char32_t ch)
{
    if (!library_)
        return {};
    Face* face = FaceFor(Sized(font), ch);
    return face ? face->family : std::string();
}

}  // namespace ui::gfx
