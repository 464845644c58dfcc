#include "ui/gfx/region.h"

#include <algorithm>
#include <cmath>

namespace ui::gfx {

Span RoundRectSpan(int width, int height, int ellipseW, int ellipseH, int y)
{
    if (width <= 0 || height <= 0 || y < 0 || y >= height)
        return Span{};
    double rx = std::clamp(ellipseW, 0, width) / 2.0;
    double ry = std::clamp(ellipseH, 0, height) / 2.0;
    if (rx <= 0 || ry <= 0)
        return Span{0, width};
    double centre = y + 0.5;
    double dy = 0;
    if (centre < ry)
        dy = ry - centre;
    else if (centre > height - ry)
        dy = centre - (height - ry);
    double inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (ry * ry)));
    int begin = static_cast<int>(std::lround(inset));
    return Span{begin, std::max(begin, width - begin)};
}

std::vector<std::uint8_t> RoundRectMask(int width, int height, int ellipseW, int ellipseH)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        Span s = RoundRectSpan(width, height, ellipseW, ellipseH, y);
        std::fill(mask.begin() + static_cast<std::ptrdiff_t>(y) * width + s.begin,
                  mask.begin() + static_cast<std::ptrdiff_t>(y) * width + s.end, 1);
    }
    return mask;
}

bool InRoundRect(int width, int height, int ellipseW, int ellipseH, Point p)
{
    if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) {
        return false;
    }
    if (ellipseW <= 0 && ellipseH <= 0) {
        return true;
    }
    Span span = RoundRectSpan(width, height, ellipseW, ellipseH, p.y);
    return p.x >= span.begin && p.x < span.end;
}

}  // namespace ui::gfx
