// The main window in real X windows, on an X server of the test's own: drop-down lists opened and
// closed fast while other threads wake the loop, the X server ending under a running backup, and
// the window moved by its title buttons and its title strip.

#include "backup/base/SettingsPaths.h"
#include "backup/window/jobs/StartersBackup.h"
#include "frame_fixture.h"
#include "platform/files.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/file_tree.h"
#include "tests/ui/x_server.h"
#include "ui/backends/headless.h"
#include "ui/backends/sdl_backend.h"
#include "ui/controls/combo_box.h"
#include "ui/windows.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
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

    // Handles what the X server sends until done() holds; false after five seconds without.
    static bool PumpUntil(const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done() && std::chrono::steady_clock::now() < end) {
            ui::Application->ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return done();
    }

    static ui::Point CentreOnScreen(const ui::TControl& control)
    {
        return control.ClientToScreen(ui::Point{control.Width() / 2, control.Height() / 2});
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

    // What an Easy Backup of files to E: left when it ran in a program of its own on the test's X
    // server (a display lost cannot be let go of in the process that had it), started from the
    // program's loop as a click starts it. `interrupt` runs once the job has written its marker.
    struct BackupInOwnProgram {
        std::size_t files = 40;
        int exitCode = -1;  // 0 once the program ended by itself after the interruption; -1 killed
        bool markerStays = false;
        std::size_t copies = 0;

        std::string What() const
        {
            const char* const what[] = {"", "the window did not open on the test's X server",
                                        "the job wrote no marker"};
            return exitCode < 0 ? "the program did not end" : exitCode < 3 ? what[exitCode] : "the program failed";
        }
    };
    BackupInOwnProgram BackUpInOwnProgram(const std::function<void()>& interrupt)
    {
        BackupInOwnProgram backup;
        testsupport::FileTree data;
        for (std::size_t i = 0; i < backup.files; ++i) {
            data["file" + std::to_string(i) + ".txt"] = "contents " + std::to_string(i);
        }
        testsupport::WriteTree(Host("c/Data"), data);
        enginetest::TempDrive drive(u'E', 2);
        const std::u16string marker = BacAbnorPath(false);
        const pid_t child = fork();
        if (child == 0) {
            alarm(60);  // a program that never ends fails the test instead of holding it
            if (!OpenOnOwnDisplay()) {
                std::_Exit(1);
            }
            MainForm->StartPath = u"E:\\";
            constexpr UINT kStartJob = WM_USER + 78;
            constexpr UINT kLookForMarker = WM_USER + 77;
            bool interrupted = false;
            const HWND target = MainForm->Handle();
            ui::Application->OnMessage = [&](ui::TMsg& msg, bool& handled) {
                if (msg.hwnd != target || (msg.message != kStartJob && msg.message != kLookForMarker)) {
                    return;
                }
                handled = true;
                if (msg.message == kStartJob) {
                    PostMessageW(target, kLookForMarker, 0, 0);
                    StartEasyBackup(*MainForm, u"E:\\", MainForm->Progress_File_Path_Lab, {1, 1, 1, 1, 1},
                                    MainForm->Progress_File_Path_Lab);
                    return;
                }
                // Posted again on every pass until the job has written its marker.
                if (!interrupted && GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
                    interrupt();
                    interrupted = true;
                }
                if (!interrupted) {
                    PostMessageW(target, kLookForMarker, 0, 0);
                }
            };
            PostMessageW(target, kStartJob, 0, 0);
            ui::Application->Run();
            std::_Exit(interrupted ? 0 : 2);
        }
        int status = 0;
        if (waitpid(child, &status, 0) == child && WIFEXITED(status)) {
            backup.exitCode = WEXITSTATUS(status);
        }
        backup.markerStays = GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(drive.Host(u""))) {
            backup.copies += entry.is_regular_file() && entry.path().extension() == ".txt" ? 1 : 0;
        }
        return backup;
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

// Max fills the screen (no panel takes part of it here) with the title buttons on it, Max again
// puts the window back, and a drag of the title strip moves it and is where Max returns to.
TEST_F(RealWindow, MaxRestoreAndATitleDragEndWhereTheServerShowsThem)
{
    if (!OpenOnOwnDisplay()) {
        GTEST_SKIP() << "no X server could be started";
    }
    ui::testing::XUser user(server_.Display());
    ASSERT_TRUE(user.Ok()) << "XTest is not available";
    using Box = ui::testing::XUser::Box;
    const Box start{MainForm->Left(), MainForm->Top(), 640, 480};
    const Box screen{0, 0, 800, 600};
    const auto shownAs = [&](const Box& box) {
        return PumpUntil([&] {
            return user.WindowAt(box.x + 100, box.y + 100) == box && MainForm->Left() == box.x &&
                   MainForm->Top() == box.y;
        });
    };
    ASSERT_TRUE(shownAs(start));

    ui::Point max = CentreOnScreen(*MainForm->Main_MaxBtn_Img);
    user.Click(max.x, max.y);
    EXPECT_TRUE(shownAs(screen)) << "maximised at " << user.WindowAt(400, 300).x << "," << user.WindowAt(400, 300).y;
    max = CentreOnScreen(*MainForm->Main_MaxBtn_Img);
    EXPECT_LT(max.x, screen.width) << "the title buttons are on the screen";
    user.Click(max.x, max.y);
    EXPECT_TRUE(shownAs(start)) << "restored at " << user.WindowAt(400, 300).x << "," << user.WindowAt(400, 300).y;

    const ui::Point grip = MainForm->DragDrop_Lab->ClientToScreen(ui::Point{200, 20});
    user.MoveTo(grip.x, grip.y);
    user.Press();
    int passes = 20;  // the press reaches the strip, which starts the move
    PumpUntil([&] { return --passes == 0; });
    const Box dragged{start.x + 50, start.y - 40, 640, 480};
    user.MoveTo(grip.x + 25, grip.y - 20);
    user.MoveTo(grip.x + 50, grip.y - 40);
    EXPECT_TRUE(shownAs(dragged)) << "dragged to " << user.WindowAt(400, 300).x << "," << user.WindowAt(400, 300).y;
    user.Release();

    max = CentreOnScreen(*MainForm->Main_MaxBtn_Img);
    user.Click(max.x, max.y);
    ASSERT_TRUE(shownAs(screen));
    max = CentreOnScreen(*MainForm->Main_MaxBtn_Img);
    user.Click(max.x, max.y);
    EXPECT_TRUE(shownAs(dragged)) << "restored to the dragged place";
}

// A notice closed by its key gives the keyboard back to the main window: the next key typed
// reaches the hotkey edit without a click.
TEST_F(RealWindow, TheKeyboardComesBackToTheMainWindowWhenABoxCloses)
{
    if (!OpenOnOwnDisplay()) {
        GTEST_SKIP() << "no X server could be started";
    }
    ui::testing::XUser user(server_.Display());
    ASSERT_TRUE(user.Ok()) << "XTest is not available";
    MainForm->Menu_Set_BacBtn_LabClick(nullptr);
    MainForm->SBT_Hotkey_LabClick(nullptr);
    ASSERT_TRUE(PumpUntil([] { return MainForm->Hotkey_Edit->Showing(); }));
    const ui::Point edit = CentreOnScreen(*MainForm->Hotkey_Edit);
    user.Click(edit.x, edit.y);
    user.Key("b");
    ASSERT_TRUE(PumpUntil([] { return MainForm->Hotkey_Edit->Text() == u"B"; })) << "the edit has the keyboard";

    bool boxClosedByKey = false;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        int passes = 20;  // the box is mapped and takes the keyboard
        PumpUntil([&] { return --passes == 0; });
        user.Key("Return");
        boxClosedByKey = PumpUntil([&] { return box.ModalResult() != ui::mrNone; });
    });
    const ui::Point add = CentreOnScreen(*MainForm->Add_Btn_Lab);
    user.Click(add.x, add.y);
    ASSERT_TRUE(PumpUntil([&] { return ui_.ModalCount() == 1; })) << "Add without Ctrl or Alt shows a notice";
    EXPECT_TRUE(boxClosedByKey);
    user.Key("c");
    EXPECT_TRUE(PumpUntil([] { return MainForm->Hotkey_Edit->Text() == u"C"; })) << "the key after the box";
}

// A second start brings the main window forward while a box is open: the box stays above it, so
// the window that waits for its answer is never left covering it.
TEST_F(RealWindow, AMessageBoxStaysAboveTheMainWindow)
{
    if (!OpenOnOwnDisplay()) {
        GTEST_SKIP() << "no X server could be started";
    }
    ui::testing::XUser user(server_.Display());
    ASSERT_TRUE(user.Ok()) << "XTest is not available";
    using Box = ui::testing::XUser::Box;
    bool boxOnTop = false;
    ui_.AnswerNextModal([&](ui::TForm& box) {
        const Box shown{box.Left(), box.Top(), box.Width(), box.Height()};
        const ui::Point centre{shown.x + shown.width / 2, shown.y + shown.height / 2};
        ASSERT_TRUE(PumpUntil([&] { return user.WindowAt(centre.x, centre.y) == shown; })) << "the box is shown";
        SetForegroundWindow(MainForm->Handle());
        int passes = 20;  // the restacking reaches the server
        PumpUntil([&] { return --passes == 0; });
        boxOnTop = user.WindowAt(centre.x, centre.y) == shown;
        box.Close();
    });
    MainForm->ShowErrorBox(u"A question");
    EXPECT_EQ(ui_.ModalCount(), 1);
    EXPECT_TRUE(boxOnTop);
}

// The X server ends during an Easy Backup: the program ends as a close would, the job stops
// (its run folders are removed) and the interrupted-job marker stays for the next start.
TEST_F(RealWindow, LostDisplayCancelsTheRunningJobKeepsItsMarkerAndEndsTheProgram)
{
    if (server_.Display().empty()) {
        GTEST_SKIP() << "no X server could be started";
    }
    const BackupInOwnProgram backup = BackUpInOwnProgram([this] { server_.Stop(); });
    ASSERT_EQ(backup.exitCode, 0) << backup.What();
    EXPECT_TRUE(backup.markerStays);
    EXPECT_EQ(backup.copies, 0u) << "the cut-short run is removed";
}

// The session ends the program by a signal while an Easy Backup runs: the job is not cut short,
// and the program ends once it has, instead of running on with the request forgotten.
TEST_F(RealWindow, ATerminationSignalDuringABackupEndsTheProgramOnceTheJobHasEnded)
{
    if (server_.Display().empty()) {
        GTEST_SKIP() << "no X server could be started";
    }
    const BackupInOwnProgram backup = BackUpInOwnProgram([] { kill(getpid(), SIGTERM); });
    ASSERT_EQ(backup.exitCode, 0) << backup.What();
    EXPECT_FALSE(backup.markerStays) << "the finished job leaves no marker";
    EXPECT_EQ(backup.copies, backup.files) << "the run is whole";
}

}  // namespace
