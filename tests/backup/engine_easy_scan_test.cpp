#include "backup/window/jobs/WindowEntries.h"
#include "tests/support/file_tree.h"

#include "engine_easy_machine.h"
#include "ui/controls/label.h"
#include "ui/controls/timer.h"

namespace {

using easytest::EasyMachine;

class EasyScan : public EasyMachine {
protected:
    TMainForm& form() { return *MainForm; }
    ui::TLabel& pathLabel() { return *form().Progress_File_Path_Lab; }
    ui::TLabel& statusLabel() { return *form().Progress_Total_RemainTime_Lab; }
};

TEST_F(EasyScan, CountsEveryRootOnceAndTheSelectedCategories)
{
    Open(1033);
    struct Case {
        const char* name;
        PerEasyCategory<BYTE> categories;
        std::uint64_t selected;
    };
    // Document 10 + 20 + 60 + 80 + 1000 (the link's target, met once through its own folder);
    // Mail only from the local application data (100); the .doc there is not counted as a
    // Document.
    const Case cases[] = {
        {"document and mail", {1, 0, 0, 0, 1}, 1170 + 100},
        {"picture, audio, video", {0, 1, 1, 1, 0}, 30 + 5 + 40 + 50},
        {"nothing", {0, 0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        std::int64_t total = 0;
        std::uint64_t selected = 0;
        ScanEasySources(&statusLabel(), &pathLabel(), c.categories, total, selected);
        EXPECT_EQ(total, easytest::kJobTotal) << c.name;
        EXPECT_EQ(selected, c.selected) << c.name;
    }
    EXPECT_EQ(platform::ToUtf8(statusLabel().Caption()), "Scanning. . .");
    EXPECT_FALSE(platform::ToUtf8(pathLabel().Caption()).empty());
}

TEST_F(EasyScan, BeforeVersionSixThePictureMusicAndVideoFoldersAreNotRoots)
{
    UseWindowsVersion("5.1.2600");
    std::int64_t total = 0;
    std::uint64_t selected = 0;
    ScanEasySources(nullptr, nullptr, {1, 1, 1, 1, 1}, total, selected);
    EXPECT_EQ(total, easytest::kJobTotal - 30 - 40 - 50);
    EXPECT_EQ(selected, 10u + 5 + 20 + 60 + 80 + 1000 + 100);
}

// The scan lets messages run at every 50th entry of a folder; the cancel arrives there.
TEST_F(EasyScan, ACancelDuringALocalDiskLeavesTheSelectedSizeAsItCame)
{
    Open(1033);
    for (int i = 0; i < 60; ++i) {
        testsupport::WriteText(Host("c/Data/Many/f" + std::to_string(100 + i) + ".doc"), "\x01");
    }
    ui::TTimer cancel(nullptr);
    cancel.SetInterval(1000);
    cancel.OnTimer = [&](ui::TObject*) {
        cancel.SetEnabled(false);
        form().CancelRequested = 1;
    };
    ui_.Clock().Advance(1000);
    std::int64_t total = 0;
    std::uint64_t selected = 7;
    ScanEasySources(nullptr, nullptr, {1, 1, 1, 1, 1}, total, selected);
    EXPECT_EQ(selected, 7u);
    EXPECT_GT(total, 0);
    EXPECT_LT(total, easytest::kJobTotal + 60);
}

}  // namespace
