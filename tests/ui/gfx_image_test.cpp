#include "tests/support/temp_folder.h"
#include "ui/gfx/image.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace ui::gfx;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bitmap TwoByTwo()
{
    Bitmap b(2, 2);
    b.Set(0, 0, MakePixel(255, 255, 0, 0));
    b.Set(1, 0, MakePixel(255, 0, 255, 0));
    b.Set(0, 1, MakePixel(128, 0, 0, 128));  // half-transparent blue, premultiplied
    b.Set(1, 1, 0);
    return b;
}

Bytes Png(const Bitmap& b)
{
    Bytes bytes;
    EXPECT_TRUE(EncodePng(b, bytes));
    return bytes;
}

// A GIF of 2 x 1 pixels through giflib's encoder; each frame is one pixel wide at the given left.
struct GifFrame {
    int left;
    int colorIndex;
    int delayHundredths;
    int disposal;
};

Bytes Gif(const std::vector<GifFrame>& frames)
{
    Bytes out;
    auto write = [](GifFileType* gif, const GifByteType* data, int n) {
        auto* v = static_cast<Bytes*>(gif->UserData);
        v->insert(v->end(), data, data + n);
        return n;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&out, write, &error);
    GifColorType colors[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 2, 1, 2, 0, map);
    for (const GifFrame& f : frames) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = f.disposal;
        gcb.DelayTime = f.delayHundredths;
        gcb.TransparentColor = 0;
        GifByteType ext[4];
        std::size_t len = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext);
        EGifPutImageDesc(gif, f.left, 0, 1, 1, false, nullptr);
        GifPixelType pixel = static_cast<GifPixelType>(f.colorIndex);
        EGifPutLine(gif, &pixel, 1);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

void Put16(Bytes& b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& b, std::uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A square BMP icon entry: bits 24 or 32, every pixel bgra; the AND mask marks the top-left pixel.
Bytes DibEntry(int size, int bits, std::uint32_t bgra)
{
    Bytes b;
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(size));
    Put32(b, static_cast<std::uint32_t>(size * 2));
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(bits));
    for (int i = 0; i < 6; ++i)
        Put32(b, 0);
    std::size_t stride = (static_cast<std::size_t>(size) * bits + 31) / 32 * 4;
    for (int y = 0; y < size; ++y) {
        Bytes row;
        for (int x = 0; x < size; ++x) {
            for (int k = 0; k < bits / 8; ++k)
                row.push_back(static_cast<std::uint8_t>(bgra >> (8 * k)));
        }
        row.resize(stride, 0);
        b.insert(b.end(), row.begin(), row.end());
    }
    std::size_t maskStride = (static_cast<std::size_t>(size) + 31) / 32 * 4;
    for (int y = 0; y < size; ++y) {
        Bytes row(maskStride, 0);
        if (y == size - 1)  // bottom-up: the last row stored is the top row
            row[0] = 0x80;
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

struct IcoEntry {
    int width;
    int bits;
    Bytes data;
};

Bytes Ico(const std::vector<IcoEntry>& entries)
{
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const IcoEntry& e : entries) {
        b.push_back(static_cast<std::uint8_t>(e.width == 256 ? 0 : e.width));
        b.push_back(static_cast<std::uint8_t>(e.width == 256 ? 0 : e.width));
        b.push_back(0);
        b.push_back(0);
        Put16(b, 1);
        Put16(b, static_cast<std::uint32_t>(e.bits));
        Put32(b, static_cast<std::uint32_t>(e.data.size()));
        Put32(b, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
    }
    for (const IcoEntry& e : entries)
        b.insert(b.end(), e.data.begin(), e.data.end());
    return b;
}

}  // namespace

TEST(GfxImage, PngRoundTripKeepsColoursAndAlpha)
{
    Image image;
    ASSERT_TRUE(DecodePng(Png(TwoByTwo()), image));
    ASSERT_EQ(image.frames.size(), 1u);
    EXPECT_TRUE(image.delaysMs.empty());
    EXPECT_EQ(image.frames[0], TwoByTwo());
}

TEST(GfxImage, WritePngCreatesAReadableFile)
{
    const testsupport::TempFolder folder("gfx_write");
    const auto path = std::filesystem::path(folder.Path()) / "two.png";
    ASSERT_TRUE(WritePng(TwoByTwo(), path.string()));
    Bytes bytes(std::filesystem::file_size(path));
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
    std::fclose(f);
    Image image;
    ASSERT_TRUE(DecodeImage(bytes, image));
    EXPECT_EQ(image.frames[0], TwoByTwo());
    EXPECT_FALSE(WritePng(TwoByTwo(), "/nonexistent-dir/x.png"));
}

TEST(GfxImage, GifFramesDelaysTransparencyAndDisposal)
{
    // Frame 1 paints red at x 0 and is disposed to background; frame 2 paints green at x 1 and is
    // kept; frame 3 is transparent at x 0 (index 0), so x 1 stays green and x 0 stays cleared.
    Bytes gif = Gif({{0, 1, 5, DISPOSE_BACKGROUND}, {1, 2, 20, DISPOSE_DO_NOT}, {0, 0, 0, DISPOSE_DO_NOT}});
    Image image;
    ASSERT_TRUE(DecodeGif(gif, image));
    ASSERT_EQ(image.frames.size(), 3u);
    EXPECT_EQ(image.delaysMs, (std::vector<int>{50, 200, 100}));
    Pixel red = MakePixel(255, 255, 0, 0);
    Pixel green = MakePixel(255, 0, 255, 0);
    EXPECT_EQ(image.frames[0].At(0, 0), red);
    EXPECT_EQ(image.frames[0].At(1, 0), 0u);
    EXPECT_EQ(image.frames[1].At(0, 0), 0u);
    EXPECT_EQ(image.frames[1].At(1, 0), green);
    EXPECT_EQ(image.frames[2].At(0, 0), 0u);
    EXPECT_EQ(image.frames[2].At(1, 0), green);
}

TEST(GfxImage, GifDisposeToPreviousRestoresTheCanvas)
{
    Bytes gif = Gif({{0, 1, 10, DISPOSE_DO_NOT}, {0, 3, 10, DISPOSE_PREVIOUS}, {1, 2, 10, DISPOSE_DO_NOT}});
    Image image;
    ASSERT_TRUE(DecodeGif(gif, image));
    ASSERT_EQ(image.frames.size(), 3u);
    EXPECT_EQ(image.frames[1].At(0, 0), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(image.frames[2].At(0, 0), MakePixel(255, 255, 0, 0));
}

TEST(GfxImage, IcoEntriesOfEachKind)
{
    Bitmap png16(16, 16, MakePixel(255, 1, 2, 3));
    struct Case {
        const char* name;
        std::vector<IcoEntry> entries;
        int wanted;
        int expectWidth;
        Pixel expectCentre;
        Pixel expectTopLeft;
    };
    const Pixel opaqueBlue = MakePixel(255, 0, 0, 200);
    const Case cases[] = {
        {"24-bit with AND mask", {{32, 24, DibEntry(32, 24, 0x0000C8)}}, 0, 32, opaqueBlue, 0},
        {"32-bit alpha wins over mask",
         {{32, 32, DibEntry(32, 32, 0x800000C8)}},
         0,
         32,
         MakePixel(128, 0, 0, 100),
         MakePixel(128, 0, 0, 100)},
        {"32-bit without alpha uses mask", {{32, 32, DibEntry(32, 32, 0x000000C8)}}, 0, 32, opaqueBlue, 0},
        {"png entry", {{16, 32, Png(png16)}}, 0, 16, MakePixel(255, 1, 2, 3), MakePixel(255, 1, 2, 3)},
        {"largest by default", {{16, 32, Png(png16)}, {32, 24, DibEntry(32, 24, 0x0000C8)}}, 0, 32, opaqueBlue, 0},
        {"wanted size",
         {{32, 24, DibEntry(32, 24, 0x0000C8)}, {16, 32, Png(png16)}},
         16,
         16,
         MakePixel(255, 1, 2, 3),
         MakePixel(255, 1, 2, 3)},
    };
    for (const Case& c : cases) {
        Image image;
        ASSERT_TRUE(DecodeIco(Ico(c.entries), image, c.wanted)) << c.name;
        ASSERT_EQ(image.Width(), c.expectWidth) << c.name;
        EXPECT_EQ(image.frames[0].At(5, 5), c.expectCentre) << c.name;
        EXPECT_EQ(image.frames[0].At(0, 0), c.expectTopLeft) << c.name;
    }
}

TEST(GfxImage, CorruptInputIsAnErrorNeverACrash)
{
    const Bytes valid[] = {
        Png(TwoByTwo()),
        Gif({{0, 1, 5, DISPOSE_BACKGROUND}, {1, 2, 20, DISPOSE_DO_NOT}}),
        Ico({{8, 24, DibEntry(8, 24, 0x112233)}}),
        Ico({{8, 32, Png(Bitmap(8, 8, 0xFF000000))}}),
    };
    for (const Bytes& file : valid) {
        Image image;
        ASSERT_TRUE(DecodeImage(file, image));
        // Every truncation decodes or fails cleanly; a decoded truncated file is never bigger.
        for (std::size_t n = 0; n < file.size(); ++n) {
            Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
            if (DecodeImage(cut, image)) {
                EXPECT_FALSE(image.IsEmpty());
            } else {
                EXPECT_TRUE(image.IsEmpty());
            }
        }
        // Deterministic byte changes everywhere.
        std::uint32_t seed = 12345;
        for (int round = 0; round < 300; ++round) {
            Bytes changed = file;
            for (int k = 0; k < 3; ++k) {
                seed = seed * 1103515245u + 12345u;
                changed[(seed >> 8) % changed.size()] ^= static_cast<std::uint8_t>(seed >> 24 | 1);
            }
            (void)DecodeImage(changed, image);
        }
    }
    Image image;
    EXPECT_FALSE(DecodeImage(Bytes{'n', 'o', 'p', 'e'}, image));
    Bytes hugeIcon = Ico({{8, 24, DibEntry(8, 24, 0)}});
    hugeIcon[6 + 12] = 0xFF;  // entry offset far past the end
    hugeIcon[6 + 13] = 0xFF;
    EXPECT_FALSE(DecodeIco(hugeIcon, image));
}
