#include "tests/ui/x_server.h"
#include "ui/backends/sdl_backend.h"
#include "ui/backends/sdl_keys.h"
#include "ui/gfx/bitmap.h"
#include "ui/types.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace ui;

TEST(SdlKeys, VirtualKeyCodes)
{
    struct Case {
        SDL_Keycode sdl;
        int vk;
    };
    const Case cases[] = {{SDLK_RETURN, 0x0D}, {SDLK_ESCAPE, 0x1B}, {SDLK_a, 'A'},    {SDLK_z, 'Z'},
                          {SDLK_5, '5'},       {SDLK_F1, 0x70},     {SDLK_F12, 0x7B}, {SDLK_DELETE, 0x2E},
                          {SDLK_LEFT, 0x25},   {SDLK_CAPSLOCK, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromSdl(c.sdl), c.vk) << c.sdl;
    EXPECT_EQ(ShiftStateFromSdl(KMOD_LSHIFT | KMOD_RCTRL, SDL_BUTTON_LMASK), kShiftKey | kCtrlKey | kLeftButton);
}

TEST(SdlBackend, WindowOpensDrawsTakesAClickAndCloses)
{
    ui::testing::OwnXServer server;
    if (server.Display().empty())
        GTEST_SKIP() << "no X server could be started";
    setenv("DISPLAY", server.Display().c_str(), 1);
    std::unique_ptr<Backend> backend = MakeSdlBackend();
    ASSERT_NE(backend, nullptr);
    EXPECT_EQ(backend->ScreenRect(), (Rect{0, 0, 800, 600}));

    int id = backend->CreateWindow(Rect{100, 100, 300, 250}, false);
    ASSERT_GT(id, 0);
    backend->SetRoundRegion(id, 200, 150, 15, 15);
    backend->SetTitle(id, u"Test");
    backend->Show(id, true);
    gfx::Bitmap frame(200, 150, gfx::MakePixel(255, 0x29, 0x05, 0x48));
    backend->Present(id, frame, frame.Bounds());
    backend->SetCursor(crHandPoint);

    std::vector<BackendEvent> events;
    backend->WaitEvents(0, events);
    events.clear();
    if (!ui::testing::XTestClick(server.Display(), 150, 130)) {
        SDL_Event press{};
        press.type = SDL_MOUSEBUTTONDOWN;
        for (Uint32 sdlId = 1; sdlId < 16; ++sdlId) {
            SDL_Window* w = SDL_GetWindowFromID(sdlId);
            if (w && std::string(SDL_GetWindowTitle(w)) == "Test")
                press.button.windowID = sdlId;
        }
        press.button.button = SDL_BUTTON_LEFT;
        press.button.x = 50;
        press.button.y = 30;
        press.button.clicks = 1;
        SDL_PushEvent(&press);
    }
    // The server answers within a few round trips; give it a bounded number of waits.
    std::optional<BackendEvent> down;
    for (int round = 0; round < 50 && !down; ++round) {
        events.clear();
        backend->WaitEvents(100, events);
        for (const BackendEvent& e : events) {
            if (e.kind == BackendEvent::Kind::MouseDown)
                down = e;
        }
    }
    ASSERT_TRUE(down.has_value());
    EXPECT_EQ(down->window, id);
    EXPECT_EQ(down->button, kButtonLeft);
    EXPECT_EQ(down->x, 50);
    EXPECT_EQ(down->y, 30);

    backend->Wake();
    events.clear();
    backend->WaitEvents(-1, events);  // returns for the wake-up
    backend->DestroyWindow(id);
    backend.reset();
}
