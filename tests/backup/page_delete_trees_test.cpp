// The content trees of a backup drive, shown on DM_Tree: run folders without their list files, the
// entries a run holds by reference, the stop flag, and the ticked selection.

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/ListFiles.h"
#include "backup/window/jobs/ContentTrees.h"
#include "backup/window/jobs/SourceTrees.h"
#include "frame_fixture.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/file_tree.h"

namespace {

const std::u16string kOld = u"20240101_080000";
const std::u16string kNew = u"20240301_090000";

class ContentTrees : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        Open(1033);
        drive_ = std::make_unique<enginetest::TempDrive>(u'E', 2);
        drive_->Write(Manual() + kOld + u"\\C\\Docs\\old.txt", {'o'});
        drive_->Write(Manual() + kNew + u"\\C\\Docs\\new.txt", {'n'});
        std::filesystem::create_directory_symlink(drive_->Host(Manual() + kOld + u"\\C\\Docs"),
                                                  drive_->Host(Manual() + kNew + u"\\C\\Link"));
        lists::TStringList repeat;
        repeat.Add(Manual() + kOld + u"\\C\\Docs\\old.txt");
        repeat.Add(Manual() + kOld + u"\\C\\Gone\\lost.txt");
        repeat.Add(Manual() + kOld + u"\\C\\Docs\\..\\..\\..\\..\\..\\escape.txt");
        ASSERT_EQ(SaveListFile(repeat, drive_->Path(Manual() + kNew + u"\\FileList_Repeat.ini")), 0u);
        testsupport::WriteFinishedRunLists(drive_->Host(Manual() + kNew));
    }

    std::u16string Manual() const { return u"Harbex_Solo+\\PC1\\Manual\\"; }
    std::u16string Base() const { return drive_->Path(u"Harbex_Solo+\\PC1\\Manual"); }
    ui::TTreeView* Tree() { return MainForm->DM_Tree; }

    // The run kNew as the one top node, as the Manual Restore tree shows a run.
    ui::TTreeNode* ShowNewRun()
    {
        FillRunFolders(Tree(), nullptr, Base(), kNew);
        return Tree()->Items().TopCount() == 1 ? Tree()->Items().Top(0) : nullptr;
    }

    static std::vector<std::u16string> Captions(const ui::TTreeNode* node)
    {
        std::vector<std::u16string> captions;
        for (int i = 0; i < node->Count(); ++i) {
            captions.push_back(node->Item(i)->Text());
        }
        return captions;
    }

    std::unique_ptr<enginetest::TempDrive> drive_;
};

TEST_F(ContentTrees, RunShowsItsFoldersAndReferencedFilesOnce)
{
    ui::TTreeNode* run = ShowNewRun();
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->Text(), kNew);
    EXPECT_EQ(Captions(run), std::vector<std::u16string>{u"C"});

    FillExpandedContentNodes(Tree(), run, Base());
    ui::TTreeNode* drive = run->Item(0);
    ASSERT_EQ(Captions(drive), (std::vector<std::u16string>{u"Docs", u"Link"}));
    FillExpandedContentNodes(Tree(), drive, Base());
    EXPECT_EQ(Captions(drive->Item(0)), (std::vector<std::u16string>{u"new.txt", u"old.txt"}));
    EXPECT_EQ(drive->Item(1)->Count(), 0);
    FillExpandedContentNodes(Tree(), drive, Base());
    EXPECT_EQ(drive->Item(0)->Count(), 2);
    EXPECT_EQ(MainForm->ContentFillIdle, 1);
    EXPECT_EQ(MainForm->ManualDeleteTreeRepeatPasses, 0);
}

TEST_F(ContentTrees, RaisedStopFlagLeavesChildrenEmptyUntilExpandedAgain)
{
    ui::TTreeNode* run = ShowNewRun();
    ASSERT_NE(run, nullptr);
    MainForm->ManualDeleteTreeFillStop = 1;
    FillExpandedContentNodes(Tree(), run, Base());
    EXPECT_EQ(run->Item(0)->Count(), 0);

    FillRunFolders(Tree(), nullptr, Base(), u"");
    EXPECT_EQ(Tree()->Items().TopCount(), 0);
}

TEST_F(ContentTrees, TickedNodesAreCountedBelowTheTopAndCollectedWithTheirPaths)
{
    ui::TTreeNode* run = ShowNewRun();
    ASSERT_NE(run, nullptr);
    ToggleNodeCheck(run);
    PropagateNodeCheck(run);
    int count = 0;
    CountTickedNodes(Tree(), nullptr, count);
    EXPECT_EQ(count, 1);

    BACKUP_SELECTION selection;
    CollectTickedPaths(Tree(), nullptr, selection, Base());
    ASSERT_EQ(selection.Count, 1);
    EXPECT_EQ(selection.SourcePaths[0], Base() + u"\\" + kNew);
    EXPECT_EQ(selection.ItemNames[0], kNew);
}

TEST_F(ContentTrees, PathTextHelpers)
{
    struct Case {
        std::u16string text;
        int firstBackslash;
        std::u16string parent;
    };
    const Case cases[] = {
        {u"C\\Docs\\a.txt", 2, u"C\\Docs"},
        {u"a.txt", -1, u""},
        {u"\\a", 1, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstBackslashPos(c.text), c.firstBackslash) << platform::ToUtf8(c.text);
        EXPECT_EQ(ParentPathOf(c.text), c.parent) << platform::ToUtf8(c.text);
    }
}

}  // namespace
