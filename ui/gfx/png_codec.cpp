#include "ui/gfx/image.h"
#include "ui/gfx/image_limits.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace ui::gfx {

namespace {

struct ImageReader {
    png_image image{};
    ImageReader() { image.version = PNG_IMAGE_VERSION; }
    ~ImageReader() { png_image_free(&image); }
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool DecodePng(std::span<const std::uint8_t> data, Image& out)
{
    out = Image{};
    ImageReader reader;
    if (!png_image_begin_read_from_memory(&reader.image, data.data(), data.size()))
        return false;
    if (!AcceptableImageSize(reader.image.width, reader.image.height))
        return false;
    reader.image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(reader.image));
    if (!png_image_finish_read(&reader.image, nullptr, rgba.data(), 0, nullptr))
        return false;
    Bitmap bitmap(static_cast<int>(reader.image.width), static_cast<int>(reader.image.height));
    const std::uint8_t* p = rgba.data();
    for (Pixel& px : bitmap.Pixels()) {
        px = Premultiply(p[3], p[0], p[1], p[2]);
        p += 4;
    }
    out.frames.push_back(std::move(bitmap));
    return true;
}

bool EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (bitmap.IsEmpty())
        return false;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(bitmap.Pixels().size() * 4);
    for (Pixel px : bitmap.Pixels()) {
        Color c = PixelToColor(px);
        rgba.insert(rgba.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                                 static_cast<std::uint8_t>(c >> 16), PixelA(px)});
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.Width());
    image.height = static_cast<png_uint_32>(bitmap.Height());
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr))
        return false;
    out.resize(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr)) {
        out.clear();
        return false;
    }
    out.resize(size);
    return true;
}

bool WritePng(const Bitmap& bitmap, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!EncodePng(bitmap, bytes))
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace ui::gfx
