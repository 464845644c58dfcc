#include "ui/gfx/bitmap.h"

#include <algorithm>

namespace ui::gfx {

Bitmap::Bitmap(int width, int height, Pixel fill)
{
    Resize(width, height, fill);
}

void Bitmap::Resize(int width, int height, Pixel fill)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

void Bitmap::Fill(Pixel p)
{
    std::fill(pixels_.begin(), pixels_.end(), p);
}

}  // namespace ui::gfx
