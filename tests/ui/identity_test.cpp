#include "platform/ipc.h"
#include "ui/testing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace ui;
using ui::testing::UiTest;

TEST(WindowIdentity, AnotherProcessFindsTheTitleAndItsCloseGoesThroughTheCloseQuery)
{
    std::string folder = ::testing::TempDir() + "/ui-identity";
    std::filesystem::create_directories(folder);
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    std::string saved = old != nullptr ? old : "";
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    {
        UiTest ui;
        TForm* main = nullptr;
        App().CreateForm(&main);
        int queries = 0;
        main->OnCloseQuery = [&](TObject*, bool& canClose) {
            ++queries;
            canClose = false;
        };
        App().SetTitle(u"Harbex Solo +_E");
        HWND found = FindWindowA("TApplication", "Harbex Solo +_E");
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(FindWindowA("TApplication", "Harbex Solo +"), nullptr);
        ASSERT_TRUE(platform::PostWindowRequest(found, platform::WindowRequest::Close));
        App().ProcessMessages();
        App().ProcessMessages();
        EXPECT_EQ(queries, 1);
        App().SetTitle(u"");
    }
    if (old != nullptr) {
        setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
}
