#pragma once
// TFont: the font of a control. Changes reach the owning control through OnChange.

#include "ui/gfx/font.h"
#include "ui/types.h"

#include <functional>
#include <string>

namespace ui {

enum class TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFontStyles {
    unsigned bits = 0;
    TFontStyles() = default;
    TFontStyles(TFontStyle s) : bits(static_cast<unsigned>(s)) { }
    bool Contains(TFontStyle s) const { return (bits & static_cast<unsigned>(s)) != 0; }
    TFontStyles operator|(TFontStyle s) const
    {
        TFontStyles r = *this;
        r.bits |= static_cast<unsigned>(s);
        return r;
    }
    bool operator==(const TFontStyles&) const = default;
};

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int ANSI_CHARSET = 0;

class TFont {
public:
    const std::u16string& Name() const { return name_; }
    void SetName(std::u16string name);
    // Pixels; negative = character height without internal leading, as the program gives it.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 dpi.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    void Assign(const TFont& other);

    gfx::FontSpec Spec() const;
    // Width and height of a text in this font, by the process text measure.
    int TextWidth(std::u16string_view text) const;
    int TextHeight(std::u16string_view text) const;

    std::function<void()> OnChange;

private:
    void Changed();

    std::u16string name_ = u"Arial";
    int height_ = -11;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    TFontStyles style_;
};

}  // namespace ui
