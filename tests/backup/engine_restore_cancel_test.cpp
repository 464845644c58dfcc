#include "backup/engine/Restore.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/WindowEntries.h"
#include "backup/window/jobs/WindowJob.h"
#include "frame_fixture.h"
#include "tests/core/restore_fixture.h"
#include "ui/controls/tree_view.h"

#include <memory>

namespace {

using enginetest::RunDrive;
using enginetest::Text;

const std::u16string kFirst = u"20240101_100000";
const std::u16string kSecond = u"20240102_100000";

// The job flags live in the main window, so these runs have one open.
class RestoreCancel : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        Open(1033);
        drive = std::make_unique<RunDrive>();
        drive->AddCopy(RunDrive::kManual, kFirst, u"D\\Work\\a.txt", Text("alpha"));
        for (const std::u16string name : {u"b1.txt", u"b2.txt", u"b3.txt"}) {
            drive->AddCopy(RunDrive::kManual, kSecond, u"D\\Work\\" + name, Text("beta"));
        }
        drive->AddReference(RunDrive::kManual, kSecond, u"D\\Work\\a.txt", kFirst, 5);
        drive->SaveLists();
    }
    void TearDown() override
    {
        drive.reset();
        MainWindowMachine::TearDown();
    }

    std::unique_ptr<RunDrive> drive;
};

TEST_F(RestoreCancel, CancelStopsTheRestoreAndKeepsWhatWasRestored)
{
    TMainForm& form = *MainForm;
    form.CompletedFiles->Clear();
    form.FailedFiles->Clear();
    form.CompletedFiles->OnChange = [&form] { form.CancelRequested = 1; };
    BACKUP_SELECTION selection;
    selection.Count = 1;
    selection.SourcePaths = {drive->Run(RunDrive::kManual, kSecond) + u"\\D\\Work"};
    selection.ItemNames = {u"Work"};

    EXPECT_FALSE(RunManualRestore(WindowJob::OfWindow(), RestoreJobOf(form, u""), selection,
                                  drive->backup.Path(RunDrive::kManual), u"", true));

    EXPECT_EQ(form.CompletedFiles->Count(), 1);
    EXPECT_TRUE(drive->pc.Exists(u"Work\\b1.txt"));
    EXPECT_FALSE(drive->pc.Exists(u"Work\\b2.txt"));
    EXPECT_FALSE(drive->pc.Exists(u"Work\\a.txt"));
    form.CompletedFiles->OnChange = nullptr;
}

TEST_F(RestoreCancel, DeleteIgnoresAndClearsALeftOverCancel)
{
    MainForm->CancelRequested = 1;
    MainForm->CancelAsking = 1;
    ui::TTreeView tree(nullptr);
    ui::TTreeNode* top = tree.Items().Add(nullptr, u"Manual Backup");
    tree.Items().AddChild(top, kFirst)->SetStateIndex(3);
    DELETE_SELECTION selection;
    const std::u16string base = drive->backup.Path(RunDrive::kManual);
    CollectCheckedDeletePaths(tree, nullptr, selection, base);

    EXPECT_TRUE(DeleteSelectedItems(tree, top, selection, base, nullptr));

    EXPECT_EQ(MainForm->CancelRequested, 0);
    EXPECT_EQ(MainForm->CancelAsking, 0);
    EXPECT_FALSE(drive->backup.Exists(std::u16string(RunDrive::kManual) + u"\\" + kFirst));
    EXPECT_EQ(drive->backup.ReadText(std::u16string(RunDrive::kManual) + u"\\" + kSecond + u"\\D\\Work\\a.txt"),
              "alpha");
}

}  // namespace
