#include "ui/gfx/painter.h"
#include "ui/gfx/region.h"

#include <gtest/gtest.h>

using namespace ui::gfx;
using ui::Point;
using ui::Rect;

namespace {

constexpr Pixel kWhite = MakePixel(255, 255, 255, 255);
constexpr Pixel kRed = MakePixel(255, 255, 0, 0);

int CountDifferent(const Bitmap& b, const Rect& r, Pixel background)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += b.At(x, y) != background;
    return n;
}

}  // namespace

TEST(GfxPainter, FillsClipsAndTranslates)
{
    Bitmap b(10, 10, kWhite);
    Painter p(b);
    p.PushClip(Rect{2, 2, 8, 8});
    p.Translate(2, 2);
    p.FillRect(Rect{-5, -5, 3, 3}, 0x0000FF);  // TColor red, 0x00BBGGRR
    p.PopClip();
    p.FillRect(Rect{0, 0, 1, 1}, clNone);
    EXPECT_EQ(b.At(2, 2), kRed);
    EXPECT_EQ(b.At(4, 4), kRed);
    EXPECT_EQ(b.At(5, 5), kWhite);
    EXPECT_EQ(b.At(1, 1), kWhite);
    EXPECT_EQ(b.At(0, 0), kWhite);
    EXPECT_EQ(p.Origin(), (Point{0, 0}));
    EXPECT_EQ(CountDifferent(b, b.Bounds(), kWhite), 9);
}

TEST(GfxPainter, FrameLineAndSystemColour)
{
    Bitmap b(6, 6, kWhite);
    Painter p(b);
    p.FrameRect(Rect{0, 0, 6, 6}, clWindowText);
    EXPECT_EQ(b.At(0, 3), MakePixel(255, 0, 0, 0));
    EXPECT_EQ(b.At(5, 5), MakePixel(255, 0, 0, 0));
    EXPECT_EQ(b.At(1, 1), kWhite);
    p.Line(Point{1, 1}, Point{4, 4}, 0x0000FF);
    EXPECT_EQ(b.At(3, 3), kRed);
    EXPECT_EQ(b.At(4, 4), kWhite);  // the end point is not drawn
}

TEST(GfxPainter, ImagesBlendByAlphaAndOpacity)
{
    Bitmap target(4, 1, kWhite);
    Bitmap image(2, 1);
    image.Set(0, 0, MakePixel(128, 128, 0, 0));  // half-transparent red, premultiplied
    image.Set(1, 0, 0);  // transparent
    Painter p(target);
    p.DrawImage(image, Point{0, 0});
    EXPECT_EQ(target.At(0, 0), MakePixel(255, 255, 127, 127));
    EXPECT_EQ(target.At(1, 0), kWhite);
    Bitmap solid(1, 1, kRed);
    p.DrawImage(solid, Point{2, 0}, 128);
    EXPECT_EQ(target.At(2, 0), MakePixel(255, 255, 127, 127));
}

TEST(GfxPainter, StretchedImageCoversItsRectangle)
{
    Bitmap target(8, 8, kWhite);
    Bitmap image(2, 2, kRed);
    Painter p(target);
    p.DrawImage(image, Rect{2, 2, 6, 6}, image.Bounds());
    EXPECT_EQ(CountDifferent(target, Rect{2, 2, 6, 6}, kRed), 0);
    EXPECT_EQ(CountDifferent(target, target.Bounds(), kWhite), 16);
}

TEST(GfxPainter, RoundRectLeavesCornersAndMatchesTheRegion)
{
    Bitmap b(40, 30, kWhite);
    Painter p(b);
    p.FillRoundRect(b.Bounds(), 15, 15, 0x0000FF);
    EXPECT_EQ(b.At(0, 0), kWhite);
    EXPECT_EQ(b.At(39, 29), kWhite);
    EXPECT_EQ(b.At(20, 0), kRed);
    EXPECT_EQ(b.At(0, 15), kRed);
    std::vector<std::uint8_t> mask = RoundRectMask(40, 30, 15, 15);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(mask[y * 40 + x] != 0, b.At(x, y) == kRed) << x << "," << y;
}

TEST(GfxPainter, TextPixelsStayInsideTheRectangle)
{
    for (bool fixed : {true, false}) {
        UseFixedMetrics(fixed);
        Bitmap b(120, 40, kWhite);
        Painter p(b);
        FontSpec font;
        font.color = 0x000000;
        font.underline = true;
        Rect box{10, 10, 60, 30};
        p.DrawText(box, u"Hello wide world", font, TextFlags::VCenter | TextFlags::SingleLine);
        EXPECT_GT(CountDifferent(b, box, kWhite), 20) << fixed;
        EXPECT_EQ(CountDifferent(b, b.Bounds(), kWhite), CountDifferent(b, box, kWhite)) << fixed;
    }
    UseFixedMetrics(false);
}
