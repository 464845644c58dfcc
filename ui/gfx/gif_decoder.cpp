#include "ui/gfx/image.h"
#include "ui/gfx/image_limits.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace ui::gfx {

namespace {

struct MemoryInput {
    std::span<const std::uint8_t> data;
    std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(length, 0)), in->data.size() - in->position);
    std::memcpy(buffer, in->data.data() + in->position, n);
    in->position += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Browsers and the class library show a delay of 0 or 1 hundredths as 100 ms.
int DelayMs(int hundredths)
{
    return hundredths <= 1 ? 100 : hundredths * 10;
}

void ClearRect(Bitmap& canvas, const Rect& r)
{
    Rect visible = r.Intersect(canvas.Bounds());
    for (int y = visible.top; y < visible.bottom; ++y)
        std::fill(canvas.Row(y) + visible.left, canvas.Row(y) + std::max(visible.left, visible.right), 0);
}

// Draws one frame's pixels; indexes outside the colour map are treated as transparent.
void DrawFrame(Bitmap& canvas, const SavedImage& frame, const ColorMapObject* map, int transparentIndex)
{
    const GifImageDesc& d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
        int cy = d.Top + y;
        if (cy < 0 || cy >= canvas.Height())
            continue;
        const GifByteType* row = frame.RasterBits + static_cast<std::ptrdiff_t>(y) * d.Width;
        for (int x = 0; x < d.Width; ++x) {
            int cx = d.Left + x;
            int index = row[x];
            if (cx < 0 || cx >= canvas.Width() || index == transparentIndex || index >= map->ColorCount)
                continue;
            const GifColorType& c = map->Colors[index];
            canvas.Set(cx, cy, MakePixel(255, c.Red, c.Green, c.Blue));
        }
    }
}

}  // namespace

bool DecodeGif(std::span<const std::uint8_t> data, Image& out)
{
    out = Image{};
    MemoryInput input{data};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&input, ReadFromMemory, &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1)
        return false;
    if (!AcceptableImageSize(static_cast<std::uint64_t>(std::max(gif->SWidth, 0)),
                             static_cast<std::uint64_t>(std::max(gif->SHeight, 0))))
        return false;

    Bitmap canvas(gif->SWidth, gif->SHeight);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& frame = gif->SavedImages[i];
        const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
        if (!map || !frame.RasterBits || frame.ImageDesc.Width <= 0 || frame.ImageDesc.Height <= 0) {
            out = Image{};
            return false;
        }
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        DGifSavedExtensionToGCB(gif.get(), i, &control);

        Bitmap before = control.DisposalMode == DISPOSE_PREVIOUS ? canvas : Bitmap{};
        DrawFrame(canvas, frame, map, control.TransparentColor);
        out.frames.push_back(canvas);
        out.delaysMs.push_back(DelayMs(control.DelayTime));

        const GifImageDesc& d = frame.ImageDesc;
        if (control.DisposalMode == DISPOSE_BACKGROUND)
            ClearRect(canvas, Rect::FromSize(d.Left, d.Top, d.Width, d.Height));
        else if (control.DisposalMode == DISPOSE_PREVIOUS)
            canvas = std::move(before);
    }
    if (out.frames.size() == 1)
        out.delaysMs.clear();
    return true;
}

}  // namespace ui::gfx
