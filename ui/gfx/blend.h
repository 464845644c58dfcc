#pragma once
// Integer compositing of premultiplied pixels, two channels per multiply.

#include "ui/gfx/color.h"

namespace ui::gfx {

// Every channel of p times a / 255, rounded.
inline Pixel ScalePixel(Pixel p, std::uint32_t a)
{
    std::uint32_t rb = (p & 0x00FF00FFu) * a + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t ag = ((p >> 8) & 0x00FF00FFu) * a + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
    return rb | ag;
}

// Source over destination.
inline Pixel BlendOver(Pixel dst, Pixel src)
{
    std::uint32_t srcAlpha = src >> 24;
    if (srcAlpha == 255)
        return src;
    if (srcAlpha == 0)
        return dst;
    return src + ScalePixel(dst, 255 - srcAlpha);
}

}  // namespace ui::gfx
