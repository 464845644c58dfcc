#pragma once
// Window regions: the rounded rectangle of CreateRoundRectRgn as per-row spans and as a mask.

#include "ui/gfx/geometry.h"

#include <cstdint>
#include <vector>

namespace ui::gfx {

struct Span {
    int begin = 0;  // first pixel inside
    int end = 0;  // one past the last
};

// Row y of a width x height rectangle with corner ellipses ellipseW x ellipseH (clamped to the
// size; 0 gives square corners).
Span RoundRectSpan(int width, int height, int ellipseW, int ellipseH, int y);

// Whether p lies in that region; ellipses of 0 x 0 leave the whole rectangle.
bool InRoundRect(int width, int height, int ellipseW, int ellipseH, Point p);

// width * height bytes, row by row: 1 inside the region, 0 outside.
std::vector<std::uint8_t> RoundRectMask(int width, int height, int ellipseW, int ellipseH);

}  // namespace ui::gfx
