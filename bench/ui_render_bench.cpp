// Painting speed: a full repaint of an 800 x 600 window with 300 labels and pictures, and one
// text measurement once its glyphs are cached.

#include "ui/gfx/font.h"
#include "ui/gfx/painter.h"

#include <benchmark/benchmark.h>

using namespace ui::gfx;

namespace {

Bitmap Icon()
{
    Bitmap icon(24, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            icon.Set(x, y, MakePixel(static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(x * 5), 0x20,
                                     static_cast<std::uint8_t>(y * 5)));
    return icon;
}

void FullRepaint(benchmark::State& state)
{
    Bitmap frame(800, 600);
    Bitmap icon = Icon();
    FontSpec font;
    font.color = 0x000000;
    for (auto _ : state) {
        Painter p(frame);
        p.FillRoundRect(frame.Bounds(), 15, 15, 0x480529);
        for (int i = 0; i < 300; ++i) {
            int x = (i % 10) * 80;
            int y = (i / 10) * 20;
            if (i % 3 == 0) {
                p.DrawImage(icon, ui::Rect{x, y, x + 18, y + 18}, icon.Bounds());
            } else {
                p.PushClip(ui::Rect{x, y, x + 80, y + 20});
                p.Translate(x, y);
                p.FillRect(ui::Rect{0, 0, 80, 20}, 0xF0F0F0);
                p.DrawText(ui::Rect{0, 0, 80, 20}, u"Label text", font, TextFlags::VCenter | TextFlags::Center);
                p.PopClip();
            }
        }
        benchmark::DoNotOptimize(frame.Row(0));
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);

void MeasureCachedText(benchmark::State& state)
{
    FontSpec font;
    MeasureText(font, u"Backup Settings");
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureText(font, u"Backup Settings"));
}
BENCHMARK(MeasureCachedText)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
