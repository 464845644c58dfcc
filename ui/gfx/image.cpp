#include "ui/gfx/image.h"

#include <algorithm>

namespace ui::gfx {

ImageFormat SniffImageFormat(std::span<const std::uint8_t> data)
{
    auto startsWith = [data](std::initializer_list<std::uint8_t> prefix) {
        return data.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin());
    };
    if (startsWith({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return ImageFormat::Png;
    if (startsWith({'G', 'I', 'F', '8'}))
        return ImageFormat::Gif;
    if (startsWith({0, 0, 1, 0}) || startsWith({0, 0, 2, 0}))
        return ImageFormat::Ico;
    return ImageFormat::Unknown;
}

bool DecodeImage(std::span<const std::uint8_t> data, Image& out)
{
    switch (SniffImageFormat(data)) {
    case ImageFormat::Png:
        return DecodePng(data, out);
    case ImageFormat::Gif:
        return DecodeGif(data, out);
    case ImageFormat::Ico:
        return DecodeIco(data, out);
    case ImageFormat::Unknown:
        break;
    }
    out = Image{};
    return false;
}

}  // namespace ui::gfx
