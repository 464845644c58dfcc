#include "ui/font.h"

namespace ui {

void TFont::SetName(std::u16string name)
{
    if (name != name_) {
        name_ = std::move(name);
        Changed();
    }
}

void TFont::SetHeight(int height)
{
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

int TFont::Size() const
{
    return gfx::PointsFromHeight(height_);
}

void TFont::SetSize(int points)
{
    SetHeight(gfx::HeightFromPoints(points));
}

void TFont::SetColor(TColor color)
{
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

void TFont::SetCharset(int charset)
{
    if (charset != charset_) {
        charset_ = charset;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style)
{
    if (!(style == style_)) {
        style_ = style;
        Changed();
    }
}

void TFont::Assign(const TFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    charset_ = other.charset_;
    style_ = other.style_;
    Changed();
}

gfx::FontSpec TFont::Spec() const
{
    gfx::FontSpec fontSpec;
    fontSpec.name = name_;
    fontSpec.height = height_;
    fontSpec.bold = style_.Contains(TFontStyle::fsBold);
    fontSpec.italic = style_.Contains(TFontStyle::fsItalic);
    fontSpec.underline = style_.Contains(TFontStyle::fsUnderline);
    fontSpec.strikeOut = style_.Contains(TFontStyle::fsStrikeOut);
    fontSpec.charset = charset_;
    fontSpec.color = color_;
    return fontSpec;
}

int TFont::TextWidth(std::u16string_view text) const
{
    return gfx::MeasureText(Spec(), text).cx;
}

int TFont::TextHeight(std::u16string_view text) const
{
    return gfx::MeasureText(Spec(), text).cy;
}

void TFont::Changed()
{
    if (OnChange) {
        OnChange();
    }
}

}  // namespace ui
