#include "ui/gfx/color.h"

#include <iterator>

namespace ui::gfx {

Color ResolveColor(Color c)
{
    if ((c & 0xFF000000u) != clSystemColor)
        return (c == clNone || c == clDefault) ? 0 : (c & 0xFFFFFF);
    // The classic Windows palette, by COLOR_* index.
    static constexpr Color system[] = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xC8D0D4,
        0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040,
        0xC8D0D4, 0x000000, 0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xF0F0F0,
    };
    Color index = c & 0xFF;
    return index < std::size(system) ? system[index] : 0;
}

Pixel ColorToPixel(Color c)
{
    Color rgb = ResolveColor(c);
    return MakePixel(255, static_cast<std::uint8_t>(rgb), static_cast<std::uint8_t>(rgb >> 8),
                     static_cast<std::uint8_t>(rgb >> 16));
}

Color PixelToColor(Pixel p)
{
    std::uint32_t a = PixelA(p);
    if (a == 0)
        return 0;
    auto straight = [a](std::uint32_t v) { return (v * 255 + a / 2) / a; };
    return straight(PixelR(p)) | (straight(PixelG(p)) << 8) | (straight(PixelB(p)) << 16);
}

}  // namespace ui::gfx
