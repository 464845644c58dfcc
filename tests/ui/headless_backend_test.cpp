#include "tests/support/temp_folder.h"
#include "ui/backends/headless.h"
#include "ui/gfx/image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace ui;

TEST(HeadlessBackend, KeepsWindowStateAndTheLastFrame)
{
    HeadlessBackend backend;
    int id = backend.CreateWindow(Rect{10, 20, 50, 40}, false);
    backend.Show(id, true);
    backend.Minimize(id);
    backend.SetTitle(id, u"Main");
    gfx::Bitmap frame(40, 20, gfx::MakePixel(255, 1, 1, 1));
    backend.Present(id, frame, frame.Bounds());
    gfx::Bitmap next(40, 20, gfx::MakePixel(255, 9, 9, 9));
    backend.Present(id, next, Rect{0, 0, 5, 5});  // only the dirty part is taken
    const HeadlessBackend::WindowState* w = backend.Window(id);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible);
    EXPECT_TRUE(w->minimized);
    EXPECT_EQ(w->title, u"Main");
    EXPECT_EQ(w->frame.At(4, 4), gfx::MakePixel(255, 9, 9, 9));
    EXPECT_EQ(w->frame.At(5, 5), gfx::MakePixel(255, 1, 1, 1));
    backend.DestroyWindow(id);
    EXPECT_EQ(backend.Window(id), nullptr);
}

TEST(HeadlessBackend, DeliversOnlyInjectedEvents)
{
    HeadlessBackend backend;
    std::vector<BackendEvent> events;
    backend.WaitEvents(-1, events);
    EXPECT_TRUE(events.empty());
    BackendEvent click;
    click.kind = BackendEvent::Kind::MouseDown;
    click.x = 3;
    backend.InjectEvent(click);
    backend.WaitEvents(0, events);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].x, 3);
}

TEST(HeadlessBackend, WritesTheFrameWithTheRegionOutsideTransparent)
{
    HeadlessBackend backend;
    int id = backend.CreateWindow(Rect{0, 0, 30, 30}, false);
    backend.SetRoundRegion(id, 30, 30, 15, 15);
    gfx::Bitmap frame(30, 30, gfx::MakePixel(255, 200, 0, 0));
    backend.Present(id, frame, frame.Bounds());
    const testsupport::TempFolder folder("headless");
    const auto path = std::filesystem::path(folder.Path()) / "frame.png";
    ASSERT_TRUE(backend.WriteFramePng(id, path.string()));
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    gfx::Image image;
    ASSERT_TRUE(gfx::DecodePng(bytes, image));
    EXPECT_EQ(image.frames[0].At(0, 0), 0u);
    EXPECT_EQ(image.frames[0].At(15, 15), gfx::MakePixel(255, 200, 0, 0));
    EXPECT_FALSE(backend.WriteFramePng(id + 1, path.string()));
}
