#include "ui/gfx/image.h"
#include "ui/gfx/image_limits.h"

#include <algorithm>

namespace ui::gfx {

namespace {

// Little-endian reads that fail instead of reading past the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) { }
    bool Has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= data_.size() && length <= data_.size() - offset;
    }
    std::uint32_t U8(std::size_t at) const { return data_[at]; }
    std::uint32_t U16(std::size_t at) const { return data_[at] | (data_[at + 1] << 8); }
    std::uint32_t U32(std::size_t at) const { return U16(at) | (U16(at + 2) << 16); }
    std::span<const std::uint8_t> Slice(std::size_t at, std::size_t length) const { return data_.subspan(at, length); }

private:
    std::span<const std::uint8_t> data_;
};

struct Entry {
    int width = 0;
    int bitCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

std::size_t Stride(std::uint64_t width, std::uint32_t bits)
{
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

// A BITMAPINFOHEADER picture: colours (1, 4, 8, 24 or 32 bits) bottom-up, then the AND mask.
bool DecodeDib(std::span<const std::uint8_t> data, Bitmap& out)
{
    ByteReader in(data);
    if (!in.Has(0, 40))
        return false;
    std::uint32_t headerSize = in.U32(0);
    auto width = static_cast<std::int32_t>(in.U32(4));
    auto doubleHeight = static_cast<std::int32_t>(in.U32(8));
    std::uint32_t bits = in.U16(14);
    std::uint32_t compression = in.U32(16);
    std::uint32_t colorsUsed = in.U32(32);
    int height = doubleHeight / 2;
    if (headerSize < 40 || compression != 0 || width <= 0 || height <= 0 || !AcceptableImageSize(width, height))
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;

    std::uint64_t paletteCount = bits <= 8 ? (colorsUsed != 0 ? colorsUsed : 1u << bits) : 0;
    if (paletteCount > 256)
        return false;
    std::uint64_t paletteAt = headerSize;
    std::uint64_t colorsAt = paletteAt + paletteCount * 4;
    std::size_t colorStride = Stride(width, bits);
    std::size_t maskStride = Stride(width, 1);
    std::uint64_t maskAt = colorsAt + static_cast<std::uint64_t>(colorStride) * height;
    if (!in.Has(paletteAt, paletteCount * 4) || !in.Has(colorsAt, static_cast<std::uint64_t>(colorStride) * height))
        return false;
    // Some 32-bit icons carry no mask; everything else must have it.
    bool hasMask = in.Has(maskAt, static_cast<std::uint64_t>(maskStride) * height);
    if (!hasMask && bits != 32)
        return false;

    out.Resize(width, height);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        std::size_t row = static_cast<std::size_t>(colorsAt) + static_cast<std::size_t>(height - 1 - y) * colorStride;
        for (int x = 0; x < width; ++x) {
            std::uint32_t b = 0, g = 0, r = 0, a = 255;
            if (bits == 32 || bits == 24) {
                std::size_t at = row + static_cast<std::size_t>(x) * (bits / 8);
                b = in.U8(at);
                g = in.U8(at + 1);
                r = in.U8(at + 2);
                if (bits == 32) {
                    a = in.U8(at + 3);
                    anyAlpha = anyAlpha || a != 0;
                }
            } else {
                std::size_t bitPos = static_cast<std::size_t>(x) * bits;
                std::uint32_t byte = in.U8(row + bitPos / 8);
                std::uint32_t index = (byte >> (8 - bits - bitPos % 8)) & ((1u << bits) - 1);
                if (index >= paletteCount)
                    return false;
                std::size_t at = static_cast<std::size_t>(paletteAt) + index * 4;
                b = in.U8(at);
                g = in.U8(at + 1);
                r = in.U8(at + 2);
            }
            out.Set(x, y,
                    MakePixel(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(b)));
        }
    }
    // The AND mask decides transparency unless 32-bit colours bring their own alpha.
    bool useMask = bits != 32 || !anyAlpha;
    for (int y = 0; y < height; ++y) {
        std::size_t maskRow = static_cast<std::size_t>(maskAt) + static_cast<std::size_t>(height - 1 - y) * maskStride;
        for (int x = 0; x < width; ++x) {
            Pixel p = out.At(x, y);
            std::uint8_t a = PixelA(p);
            if (useMask)
                a = hasMask && (in.U8(maskRow + x / 8) >> (7 - x % 8) & 1) ? 0 : 255;
            out.Set(x, y, Premultiply(a, PixelR(p), PixelG(p), PixelB(p)));
        }
    }
    return true;
}

}  // namespace

bool DecodeIco(std::span<const std::uint8_t> data, Image& out, int wantedSize)
{
    out = Image{};
    ByteReader in(data);
    if (!in.Has(0, 6) || in.U16(0) != 0 || (in.U16(2) != 1 && in.U16(2) != 2))
        return false;
    std::uint32_t count = in.U16(4);
    if (count == 0 || !in.Has(6, count * 16ull))
        return false;

    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t at = 6 + i * 16;
        Entry e;
        e.width = in.U8(at) == 0 ? 256 : static_cast<int>(in.U8(at));
        e.bitCount = static_cast<int>(in.U16(at + 6));
        e.size = in.U32(at + 8);
        e.offset = in.U32(at + 12);
        if (in.Has(e.offset, e.size) && e.size > 0)
            entries.push_back(e);
    }
    auto better = [wantedSize](const Entry& a, const Entry& b) {
        bool aWanted = a.width == wantedSize;
        bool bWanted = b.width == wantedSize;
        if (aWanted != bWanted)
            return aWanted;
        if (a.width != b.width)
            return a.width > b.width;
        return a.bitCount > b.bitCount;
    };
    std::stable_sort(entries.begin(), entries.end(), better);

    for (const Entry& e : entries) {
        std::span<const std::uint8_t> picture = in.Slice(e.offset, e.size);
        if (SniffImageFormat(picture) == ImageFormat::Png) {
            if (DecodePng(picture, out))
                return true;
            continue;
        }
        Bitmap bitmap;
        if (DecodeDib(picture, bitmap)) {
            out.frames.push_back(std::move(bitmap));
            return true;
        }
    }
    out = Image{};
    return false;
}

}  // namespace ui::gfx
