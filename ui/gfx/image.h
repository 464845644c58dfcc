#pragma once
// Pictures from files: PNG (libpng), GIF with its frames (giflib), ICO (BMP and PNG entries), and
// PNG writing. Decoders return false for data they cannot read, leaving the output empty; they
// never read outside the given bytes.

#include "ui/gfx/bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ui::gfx {

// A still picture has one frame and no delays. An animated GIF has one full-size frame per
// picture (disposal already applied) and one delay per frame in milliseconds.
struct Image {
    std::vector<Bitmap> frames;
    std::vector<int> delaysMs;

    bool IsEmpty() const { return frames.empty(); }
    int Width() const { return frames.empty() ? 0 : frames.front().Width(); }
    int Height() const { return frames.empty() ? 0 : frames.front().Height(); }
};

enum class ImageFormat { Unknown, Png, Gif, Ico };

// From the first bytes of the data.
ImageFormat SniffImageFormat(std::span<const std::uint8_t> data);

[[nodiscard]] bool DecodePng(std::span<const std::uint8_t> data, Image& out);
[[nodiscard]] bool DecodeGif(std::span<const std::uint8_t> data, Image& out);
// The entry whose width is wantedSize, else the largest (then the deepest colour).
[[nodiscard]] bool DecodeIco(std::span<const std::uint8_t> data, Image& out, int wantedSize = 0);
// Any of the three, chosen by SniffImageFormat.
[[nodiscard]] bool DecodeImage(std::span<const std::uint8_t> data, Image& out);

// 8-bit RGBA PNG with straight alpha.
[[nodiscard]] bool EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& out);
[[nodiscard]] bool WritePng(const Bitmap& bitmap, const std::string& path);

}  // namespace ui::gfx
