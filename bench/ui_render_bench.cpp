// Painting speed: a full repaint of an 800 x 600 window with 300 labels and pictures (with the
// painter alone, and through real controls on a form), one text measurement once its glyphs are
// cached, and the processor time a shown window takes while idle (SDL, when a display is set).

#include "ui/backends/sdl_backend.h"
#include "ui/gfx/font.h"
#include "ui/gfx/painter.h"
#include "ui/widgets.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <memory>

using namespace ui::gfx;

namespace {

Bitmap Icon()
{
    Bitmap icon(24, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            icon.Set(x, y,
                     MakePixel(static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(x * 5), 0x20,
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

// The form of FullRepaint built from controls: 100 images and 200 opaque labels.
ui::TForm* ControlsForm()
{
    ui::TForm* form = nullptr;
    ui::App().CreateForm(&form);
    form->SetBounds(0, 0, 800, 600);
    form->SetColor(0x480529);
    form->SetRoundRegion(15, 15);
    auto picture = std::make_shared<ui::gfx::Image>();
    picture->frames.push_back(Icon());
    for (int i = 0; i < 300; ++i) {
        int x = (i % 10) * 80;
        int y = (i / 10) * 20;
        if (i % 3 == 0) {
            auto* image = new ui::TImage(form);
            image->SetParent(form);
            image->SetBounds(x, y, 18, 18);
            image->SetStretch(true);
            image->Picture().Assign(picture);
        } else {
            auto* label = new ui::TLabel(form);
            label->SetParent(form);
            label->SetAutoSize(false);
            label->SetBounds(x, y, 80, 20);
            label->SetColor(0xF0F0F0);
            label->SetAlignment(ui::TAlignment::taCenter);
            label->SetLayout(ui::TTextLayout::tlCenter);
            label->SetCaption(u"Label text");
        }
    }
    return form;
}

void FormRepaint(benchmark::State& state)
{
    ui::TForm* form = ControlsForm();
    form->ShowForm();
    for (auto _ : state) {
        form->AddDirty(form->ClientRect());
        form->PaintNow();
        benchmark::DoNotOptimize(form->Frame());
    }
    delete form;
}
BENCHMARK(FormRepaint)->Unit(benchmark::kMillisecond);

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Two seconds of the application loop with a shown window and a hidden cursor: the processor
// time used, in per cent of one core.
void IdleWindowCpu(benchmark::State& state)
{
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no display (run under xvfb-run)");
        return;
    }
    std::unique_ptr<ui::Backend> sdl = ui::MakeSdlBackend();
    if (!sdl) {
        state.SkipWithError("no SDL display");
        return;
    }
    ui::SetBackend(std::move(sdl));
    ui::TForm* form = ControlsForm();
    auto* end = new ui::TTimer(form);
    end->SetInterval(2000);
    end->OnTimer = [](ui::TObject*) { ui::App().Terminate(); };
    ui::Screen->SetCursor(ui::crNone);
    double used = 0;
    for (auto _ : state) {
        ui::App().ClearTerminated();
        double before = CpuSeconds();
        ui::App().Run();
        used = CpuSeconds() - before;
    }
    state.counters["cpu_percent"] = used / 2.0 * 100.0;
    delete form;
}
BENCHMARK(IdleWindowCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
