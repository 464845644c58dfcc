#pragma once
// Colours as the program gives them (TColor, 0x00BBGGRR, with the class library's system colours)
// and the 32-bit pixels of a Bitmap (premultiplied alpha, 0xAARRGGBB in one uint32_t).

#include <cstdint>

namespace ui::gfx {

using Color = std::uint32_t;

// System colours: 0xFF000000 | the Windows COLOR_* index.
inline constexpr Color clSystemColor = 0xFF000000;
inline constexpr Color clWindow = clSystemColor | 5;
inline constexpr Color clWindowText = clSystemColor | 8;
inline constexpr Color clHighlight = clSystemColor | 13;
inline constexpr Color clHighlightText = clSystemColor | 14;
inline constexpr Color clBtnFace = clSystemColor | 15;
inline constexpr Color clBtnShadow = clSystemColor | 16;
inline constexpr Color clGrayText = clSystemColor | 17;
inline constexpr Color clBtnText = clSystemColor | 18;
inline constexpr Color clInfoText = clSystemColor | 23;
inline constexpr Color clInfoBk = clSystemColor | 24;
// Nothing is painted in this colour.
inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clDefault = 0x20000000;

using Pixel = std::uint32_t;

constexpr Pixel MakePixel(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return (Pixel{a} << 24) | (Pixel{r} << 16) | (Pixel{g} << 8) | b;
}
constexpr std::uint8_t PixelA(Pixel p)
{
    return static_cast<std::uint8_t>(p >> 24);
}
constexpr std::uint8_t PixelR(Pixel p)
{
    return static_cast<std::uint8_t>(p >> 16);
}
constexpr std::uint8_t PixelG(Pixel p)
{
    return static_cast<std::uint8_t>(p >> 8);
}
constexpr std::uint8_t PixelB(Pixel p)
{
    return static_cast<std::uint8_t>(p);
}

// A system colour becomes its classic Windows value; clNone and clDefault come back as black.
Color ResolveColor(Color c);
// The opaque pixel of a colour.
Pixel ColorToPixel(Color c);
// The colour of a pixel, ignoring its alpha (un-premultiplied).
Color PixelToColor(Pixel p);

}  // namespace ui::gfx
