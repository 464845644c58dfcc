// The main window in real X windows, on an X server of the test's own: drop-down lists opened and
// closed fast while other threads wake the loop, and the X server ending under a running backup.

#include "backup/engine/StartersBackup.h"
#include "backup/frame/base/SettingsPaths.h"
#include "frame_fixture.h"
#include "platform/files.h"
#include "tests/core/engine_fixture.h"
#include "tests/ui/x_server.h"
#include "ui/backends/headless.h"
#include "ui/backends/sdl_backend.h"
#include "ui/controls/combo_box.h"
#include "ui/windows.h"

#include <atomic>
#include <fstream>
#include <thread>

namespace {

class RealWindow : public frametest::MainWindowMachine {
protected:
    void TearDown() override
    {
        Close();
        ui::SetBackend(ui::MakeHeadlessBackend());
        MainWindowMachine::TearDown();
    }

    // The main window, shown in real windows on the test's X server; false without a server.
    bool OpenOnOwnDisplay()
    {
        if (server_.Display().empty()) {
            return false;
        }
        setenv("DISPLAY", server_.Display().c_str(), 1);
        std::unique_ptr<ui::Backend> backend = ui::MakeSdlBackend();
        if (!backend) {
            return false;
        }
        ui::SetBackend(std::move(backend));
        SaveLanguageSetting(1033);
        ui::Application->CreateForm(&MainForm);
        MainForm->ShowForm();
        ui::Application->ProcessMessages();
        return true;
    }

    static void Collect(ui::TComponent& owner, std::vector<ui::TComboBox*>& found)
    {
        for (int i = 0; i < owner.ComponentCount(); ++i) {
            if (auto* combo = dynamic_cast<ui::TComboBox*>(owner.Components(i))) {
                found.push_back(combo);
            }
            Collect(*owner.Components(i), found);
        }
    }

    ui::testing::OwnXServer server_;
};

// Other threads (window identity, device notices) wake the loop at any moment; a wake-up must
// never name a list window that has just been destroyed, and no X error may end the program.
TEST_F(RealWindow, EveryDropDownListOpensAndClosesFiftyTimesWhileTheLoopIsWoken)
{
    if (!OpenOnOwnDisplay()) {
        GTEST_SKIP() << "no X server could be started";
    }
    std::vector<ui::TComboBox*> combos;
    Collect(*MainForm, combos);
    ASSERT_GE(combos.size(), 5u);

    std::atomic<bool> stop{false};
    std::thread waker([&stop] {
        while (!stop.load()) {
            ui::CurrentBackend().Wake();
        }
    });
    const auto pump = [] {
        std::vector<ui::BackendEvent> events;
        ui::CurrentBackend().WaitEvents(5, events);
        ui::Application->ProcessMessages();
    };
    int opened = 0;
    for (ui::TComboBox* combo : combos) {
        for (int round = 0; round < 50; ++round) {
            combo->SetDroppedDown(true);
            opened += combo->DroppedDown() ? 1 : 0;
            pump();
            combo->SetDroppedDown(false);
            pump();
        }
        EXPECT_FALSE(combo->DroppedDown()) << combo->Name();
    }
    stop = true;
    waker.join();
    EXPECT_EQ(opened, static_cast<int>(combos.size()) * 50);
    EXPECT_FALSE(ui::Application->Terminated());
}

// The X server ends during an Easy Backup: the program ends as a close would, the job stops
// (its run folders are removed) and the interrupted-job marker stays for the next start.
TEST_F(RealWindow, LostDisplayCancelsTheRunningJobKeepsItsMarkerAndEndsTheProgram)
{
    if (!OpenOnOwnDisplay()) {
        GTEST_SKIP() << "no X server could be started";
    }
    for (int i = 0; i < 40; ++i) {
        const auto path = Host("c/Data/file" + std::to_string(i) + ".txt");
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "contents " << i;
    }
    enginetest::TempDrive drive(u'E', 2);
    MainForm->StartPath = u"E:\\";
    const std::u16string marker = BacAbnorPath(false);
    // Posted again on every pass until the job has written its marker; then the server is killed.
    bool killed = false;
    const HWND target = MainForm->Handle();
    ui::Application->OnMessage = [&](ui::TMsg& msg, bool& handled) {
        if (msg.hwnd != target || msg.message != WM_USER + 77) {
            return;
        }
        handled = true;
        if (!killed && GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
            server_.Stop();
            killed = true;
        }
        if (!killed) {
            PostMessageW(target, WM_USER + 77, 0, 0);
        }
    };
    PostMessageW(target, WM_USER + 77, 0, 0);
    StartEasyBackup(*MainForm, u"E:\\", MainForm->Progress_File_Path_Lab, {1, 1, 1, 1, 1},
                    MainForm->Progress_File_Path_Lab);
    ui::Application->OnMessage = nullptr;

    ASSERT_TRUE(killed);
    EXPECT_TRUE(ui::Application->Terminated());
    EXPECT_EQ(MainForm->CancelRequested, 1);
    EXPECT_NE(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the marker stays";
    std::size_t copied = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(drive.Host(u""))) {
        copied += entry.is_regular_file() && entry.path().extension() == ".txt" ? 1 : 0;
    }
    EXPECT_EQ(copied, 0u) << "the cut-short run is removed";
}

}  // namespace
