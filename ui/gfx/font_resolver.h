#pragma once
// Choosing installed font files through fontconfig.

#include "ui/gfx/font.h"

#include <optional>
#include <string>

namespace ui::gfx {

struct FaceFile {
    std::string path;
    int index = 0;
    std::string family;
    friend bool operator==(const FaceFile&, const FaceFile&) = default;
};

// The face for a font: the family by name (Arial gives its metric twin Liberation Sans), a CJK
// face when the character set is GB2312, BIG5 or SHIFTJIS and the family cannot write it. A
// family that is not installed is replaced by fontconfig's choice, reported once per name on
// standard error.
std::optional<FaceFile> ResolveFace(const FontSpec& font);

// An installed face that has ch, preferring the font's family and language.
std::optional<FaceFile> ResolveFaceForChar(const FontSpec& font, char32_t ch);

}  // namespace ui::gfx
