#pragma once
// Shared by the decoders: the largest picture they accept, so that a corrupt header cannot ask
// for gigabytes.

#include "ui/gfx/color.h"

#include <cstdint>

namespace ui::gfx {

inline constexpr int kMaxImageSide = 16384;
inline constexpr std::uint64_t kMaxImagePixels = 64ull * 1024 * 1024;

inline bool AcceptableImageSize(std::uint64_t width, std::uint64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

// Straight-alpha colour to a premultiplied pixel.
inline Pixel Premultiply(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    if (a == 255)
        return MakePixel(255, r, g, b);
    auto mul = [a](std::uint8_t v) { return static_cast<std::uint8_t>((v * a + 127) / 255); };
    return MakePixel(a, mul(r), mul(g), mul(b));
}

}  // namespace ui::gfx
