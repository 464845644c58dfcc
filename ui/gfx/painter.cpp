#include "ui/gfx/painter.h"

#include "ui/gfx/blend.h"
#include "ui/gfx/region.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace ui::gfx {

namespace {

void FillSpan(Pixel* row, int begin, int end, Pixel p)
{
    if (PixelA(p) == 255) {
        std::fill(row + begin, row + end, p);
        return;
    }
    for (int x = begin; x < end; ++x)
        row[x] = BlendOver(row[x], p);
}

Pixel PaintPixel(Color c, std::uint8_t opacity)
{
    Pixel p = ColorToPixel(c);
    return opacity == 255 ? p : ScalePixel(p, opacity);
}

// Bilinear sample of src at 16.16 fixed-point coordinates already clamped to the picture.
Pixel Sample(const Bitmap& src, std::int64_t fx, std::int64_t fy)
{
    int x0 = static_cast<int>(fx >> 16);
    int y0 = static_cast<int>(fy >> 16);
    int x1 = std::min(x0 + 1, src.Width() - 1);
    int y1 = std::min(y0 + 1, src.Height() - 1);
    std::uint32_t wx = static_cast<std::uint32_t>((fx >> 8) & 0xFF);
    std::uint32_t wy = static_cast<std::uint32_t>((fy >> 8) & 0xFF);
    auto mix = [](Pixel a, Pixel b, std::uint32_t w) { return w == 0 ? a : ScalePixel(a, 255 - w) + ScalePixel(b, w); };
    Pixel top = mix(src.At(x0, y0), src.At(x1, y0), wx);
    Pixel bottom = mix(src.At(x0, y1), src.At(x1, y1), wx);
    return mix(top, bottom, wy);
}

}  // namespace

Painter::Painter(Bitmap& target) : target_(target)
{
    state_.clip = target.Bounds();
}

void Painter::PushClip(const Rect& r)
{
    saved_.push_back(state_);
    state_.clip = state_.clip.Intersect(ToDevice(r));
}

void Painter::PopClip()
{
    assert(!saved_.empty());
    state_ = saved_.back();
    saved_.pop_back();
}

void Painter::Translate(int dx, int dy)
{
    state_.origin.x += dx;
    state_.origin.y += dy;
}

void Painter::FillRect(const Rect& r, Color c, std::uint8_t opacity)
{
    Rect d = ToDevice(r).Intersect(state_.clip);
    if (d.IsEmpty() || c == clNone || opacity == 0)
        return;
    Pixel p = PaintPixel(c, opacity);
    for (int y = d.top; y < d.bottom; ++y)
        FillSpan(target_.Row(y), d.left, d.right, p);
}

void Painter::FrameRect(const Rect& r, Color c, int thickness)
{
    if (r.IsEmpty() || thickness <= 0)
        return;
    int tv = std::min(thickness, r.Height());
    int th = std::min(thickness, r.Width());
    FillRect(Rect{r.left, r.top, r.right, r.top + tv}, c);
    FillRect(Rect{r.left, r.bottom - tv, r.right, r.bottom}, c);
    FillRect(Rect{r.left, r.top + tv, r.left + th, r.bottom - tv}, c);
    FillRect(Rect{r.right - th, r.top + tv, r.right, r.bottom - tv}, c);
}

void Painter::Line(Point a, Point b, Color c)
{
    if (c == clNone)
        return;
    Pixel p = ColorToPixel(c);
    int dx = std::abs(b.x - a.x);
    int dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1;
    int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    Point q = a;
    while (q != b) {
        Point d{q.x + state_.origin.x, q.y + state_.origin.y};
        if (state_.clip.Contains(d))
            target_.Set(d.x, d.y, p);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            q.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            q.y += sy;
        }
    }
}

void Painter::FillRoundRect(const Rect& r, int ellipseW, int ellipseH, Color c)
{
    Rect d = ToDevice(r);
    Rect visible = d.Intersect(state_.clip);
    if (visible.IsEmpty() || c == clNone)
        return;
    Pixel p = ColorToPixel(c);
    for (int y = visible.top; y < visible.bottom; ++y) {
        Span s = RoundRectSpan(d.Width(), d.Height(), ellipseW, ellipseH, y - d.top);
        int begin = std::max(d.left + s.begin, visible.left);
        int end = std::min(d.left + s.end, visible.right);
        if (begin < end)
            FillSpan(target_.Row(y), begin, end, p);
    }
}

void Painter::DrawImage(const Bitmap& image, Point at, std::uint8_t opacity)
{
    DrawImage(image, Rect::FromSize(at.x, at.y, image.Width(), image.Height()), image.Bounds(), opacity);
}

void Painter::DrawImage(const Bitmap& image, const Rect& dst, const Rect& srcRect, std::uint8_t opacity)
{
    Rect src = srcRect.Intersect(image.Bounds());
    Rect d = ToDevice(dst);
    Rect visible = d.Intersect(state_.clip);
    if (visible.IsEmpty() || src.IsEmpty() || opacity == 0 || srcRect != src)
        return;
    if (d.Width() == src.Width() && d.Height() == src.Height()) {
        for (int y = visible.top; y < visible.bottom; ++y) {
            const Pixel* in = image.Row(src.top + y - d.top) + src.left - d.left;
            Pixel* out = target_.Row(y);
            for (int x = visible.left; x < visible.right; ++x)
                out[x] = BlendOver(out[x], opacity == 255 ? in[x] : ScalePixel(in[x], opacity));
        }
        return;
    }
    // Pixel centres map onto pixel centres; 16.16 fixed point.
    std::int64_t stepX = (static_cast<std::int64_t>(src.Width()) << 16) / d.Width();
    std::int64_t stepY = (static_cast<std::int64_t>(src.Height()) << 16) / d.Height();
    std::int64_t maxX = static_cast<std::int64_t>(src.right - 1) << 16;
    std::int64_t maxY = static_cast<std::int64_t>(src.bottom - 1) << 16;
    std::int64_t minX = static_cast<std::int64_t>(src.left) << 16;
    std::int64_t minY = static_cast<std::int64_t>(src.top) << 16;
    for (int y = visible.top; y < visible.bottom; ++y) {
        std::int64_t fy = minY + (y - d.top) * stepY + stepY / 2 - 0x8000;
        fy = std::clamp(fy, minY, maxY);
        Pixel* out = target_.Row(y);
        for (int x = visible.left; x < visible.right; ++x) {
            std::int64_t fx = std::clamp(minX + (x - d.left) * stepX + stepX / 2 - 0x8000, minX, maxX);
            Pixel s = Sample(image, fx, fy);
            out[x] = BlendOver(out[x], opacity == 255 ? s : ScalePixel(s, opacity));
        }
    }
}

void Painter::DrawText(const Rect& r, std::u16string_view text, const FontSpec& font, TextFlags flags)
{
    if (r.IsEmpty() || text.empty() || font.color == clNone || !IsVisible(r))
        return;
    DrawTextBlock(r, LayOutText(font, text, r.Width(), r.Height(), flags), font);
}

void Painter::DrawTextBlock(const Rect& r, const TextBlock& block, const FontSpec& font)
{
    Rect d = ToDevice(r);
    Rect clip = d.Intersect(state_.clip);
    if (clip.IsEmpty() || font.color == clNone)
        return;
    TextMeasure& engine = CurrentTextMeasure();
    Pixel p = ColorToPixel(font.color);
    int top = d.top + block.top;
    for (const TextLine& line : block.lines) {
        if (top >= clip.bottom)
            break;
        if (top + block.metrics.lineHeight > clip.top)
            engine.DrawLine(target_, clip, d.left + line.x, top + block.metrics.ascent, font, line.text, p);
        top += block.metrics.lineHeight;
    }
}

}  // namespace ui::gfx
