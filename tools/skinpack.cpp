// Assembles the skin pictures that are not plain PNG files from rendered PNG frames:
//   skinpack ico <out.ico> <frame.png>...                         an icon with one PNG entry per frame
//   skinpack gif <out.gif> <delay-cs> <matte-rrggbb> <frame.png>... a looping animation; pixels at least
//                                                                  half opaque are blended over the matte,
//                                                                  the others become transparent

#include <gif_lib.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgba {
    unsigned width = 0;
    unsigned height = 0;
    Bytes pixels;
};

std::optional<Bytes> ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t BigEndian32(const Bytes& bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 | std::uint32_t(bytes[at + 2]) << 8 |
           bytes[at + 3];
}

void AppendLittle(Bytes& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

int WriteIco(const char* outPath, char** frames, int count)
{
    std::vector<Bytes> images;
    for (int i = 0; i < count; ++i) {
        auto png = ReadFile(frames[i]);
        if (!png || png->size() < 24) {
            std::cerr << "cannot read " << frames[i] << "\n";
            return 1;
        }
        images.push_back(std::move(*png));
    }
    Bytes ico;
    AppendLittle(ico, 0, 2);
    AppendLittle(ico, 1, 2);
    AppendLittle(ico, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Bytes& png : images) {
        const std::uint32_t width = BigEndian32(png, 16);
        const std::uint32_t height = BigEndian32(png, 20);
        ico.push_back(static_cast<std::uint8_t>(width >= 256 ? 0 : width));
        ico.push_back(static_cast<std::uint8_t>(height >= 256 ? 0 : height));
        ico.push_back(0);
        ico.push_back(0);
        AppendLittle(ico, 1, 2);
        AppendLittle(ico, 32, 2);
        AppendLittle(ico, static_cast<std::uint32_t>(png.size()), 4);
        AppendLittle(ico, offset, 4);
        offset += static_cast<std::uint32_t>(png.size());
    }
    for (const Bytes& png : images)
        ico.insert(ico.end(), png.begin(), png.end());
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    return out ? 0 : 1;
}

std::optional<Rgba> ReadPng(const char* path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path))
        return std::nullopt;
    image.format = PNG_FORMAT_RGBA;
    Rgba rgba{image.width, image.height, Bytes(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, rgba.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return rgba;
}

struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

constexpr int kTransparentIndex = 255;

int WriteGif(const char* outPath, int delay, std::uint32_t matte, char** framePaths, int count)
{
    std::vector<Rgba> frames;
    for (int i = 0; i < count; ++i) {
        auto frame = ReadPng(framePaths[i]);
        if (!frame || (!frames.empty() && (frame->width != frames[0].width || frame->height != frames[0].height))) {
            std::cerr << "cannot use " << framePaths[i] << "\n";
            return 1;
        }
        frames.push_back(std::move(*frame));
    }
    // All frames are quantised together, stacked, so that they share one global colour map.
    const unsigned width = frames[0].width;
    const unsigned height = frames[0].height;
    const std::size_t frameSize = std::size_t(width) * height;
    Bytes red, green, blue, opaque;
    for (const Rgba& frame : frames) {
        for (std::size_t p = 0; p < frameSize; ++p) {
            const unsigned alpha = frame.pixels[4 * p + 3];
            const auto blend = [&](int channel, unsigned matteValue) {
                return static_cast<std::uint8_t>((frame.pixels[4 * p + channel] * alpha + matteValue * (255 - alpha)) /
                                                 255);
            };
            red.push_back(blend(0, matte >> 16 & 0xFF));
            green.push_back(blend(1, matte >> 8 & 0xFF));
            blue.push_back(blend(2, matte & 0xFF));
            opaque.push_back(alpha >= 128);
        }
    }
    int colours = kTransparentIndex;
    std::vector<GifColorType> map(256);
    Bytes indices(red.size());
    if (GifQuantizeBuffer(width, static_cast<unsigned>(height * frames.size()), &colours, red.data(), green.data(),
                          blue.data(), indices.data(), map.data()) == GIF_ERROR)
        return 1;
    for (std::size_t p = 0; p < indices.size(); ++p)
        if (!opaque[p])
            indices[p] = kTransparentIndex;

    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(outPath, false, &error));
    if (!gif)
        return 1;
    EGifSetGifVersion(gif.get(), true);
    ColorMapObject* colourMap = GifMakeMapObject(256, map.data());
    const bool written =
        EGifPutScreenDesc(gif.get(), int(width), int(height), 8, kTransparentIndex, colourMap) != GIF_ERROR;
    GifFreeMapObject(colourMap);
    if (!written)
        return 1;
    const char loopApp[] = "NETSCAPE2.0";
    const unsigned char loopForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif.get(), 11, loopApp) == GIF_ERROR ||
        EGifPutExtensionBlock(gif.get(), 3, loopForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif.get()) == GIF_ERROR)
        return 1;
    for (std::size_t f = 0; f < frames.size(); ++f) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = delay;
        control.TransparentColor = kTransparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR ||
            EGifPutImageDesc(gif.get(), 0, 0, int(width), int(height), false, nullptr) == GIF_ERROR)
            return 1;
        for (unsigned row = 0; row < height; ++row)
            if (EGifPutLine(gif.get(), indices.data() + f * frameSize + std::size_t(row) * width, int(width)) ==
                GIF_ERROR)
                return 1;
    }
    return EGifCloseFile(gif.release(), &error) == GIF_ERROR ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string kind = argc > 1 ? argv[1] : "";
    if (kind == "ico" && argc >= 4)
        return WriteIco(argv[2], argv + 3, argc - 3);
    if (kind == "gif" && argc >= 6)
        return WriteGif(argv[2], std::stoi(argv[3]), static_cast<std::uint32_t>(std::stoul(argv[4], nullptr, 16)),
                        argv + 5, argc - 5);
    std::cerr << "usage: skinpack ico <out> <png>... | skinpack gif <out> <delay-cs> <matte-rrggbb> <png>...\n";
    return 2;
}
