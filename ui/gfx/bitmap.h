#pragma once
// A 32-bit picture in memory: premultiplied alpha, 0xAARRGGBB per pixel, rows top to bottom
// without padding. Copyable; a default-constructed bitmap is empty (0 x 0).

#include "ui/gfx/color.h"
#include "ui/gfx/geometry.h"

#include <span>
#include <vector>

namespace ui::gfx {

class Bitmap {
public:
    Bitmap() = default;
    // A negative size is taken as 0.
    Bitmap(int width, int height, Pixel fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    Rect Bounds() const { return Rect{0, 0, width_, height_}; }

    Pixel* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Pixel* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    // Unchecked: x and y must lie inside the bitmap.
    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }

    std::span<Pixel> Pixels() { return pixels_; }
    std::span<const Pixel> Pixels() const { return pixels_; }

    // Drops the content; every pixel becomes fill.
    void Resize(int width, int height, Pixel fill = 0);
    void Fill(Pixel p);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace ui::gfx
