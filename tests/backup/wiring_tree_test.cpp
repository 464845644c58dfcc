// The Manual Backup source tree kept in step with the disk: built and ticked at start-up, changed
// in place by folder notices, rebuilt after a job that saw a change.

#include "backup/window/device/ShellChanges.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "backup/window/jobs/StartersCommon.h"
#include "trees_machine.h"

namespace {

class WiredTree : public treetest::TreeMachine {
protected:
    void OpenListening()
    {
        Open(1033);
        StartShellNotify(*MainForm);
        ASSERT_EQ(MainForm->ShellNotifyRegistered, 1);
        NodeOf(u"C:\\")->Expand(false);
        NodeOf(u"C:\\Data")->Expand(false);
    }
};

TEST_F(WiredTree, StartUpBuildsTheTreeAndBringsBackTheTicks)
{
    Open(1033);
    ASSERT_NE(NodeOf(u"C:\\Data"), nullptr);
    NodeOf(u"C:\\")->Expand(false);
    SetNodeCheck(NodeOf(u"C:\\Data"), NODE_CHECKED);
    SaveCheckedPaths(Tree(), *MainForm->CheckedPaths);

    Close();
    Open(1033);
    ASSERT_NE(NodeOf(u"C:\\Data"), nullptr);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data")), NODE_CHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Users")), NODE_UNCHECKED);
}

TEST_F(WiredTree, FolderChangesOnDiskShowInTheTree)
{
    OpenListening();
    const ULONG id = MainForm->ShellNotifyId;
    StartShellNotify(*MainForm);
    EXPECT_EQ(MainForm->ShellNotifyId, id) << "registered once";

    std::filesystem::create_directory(Host("c/Data/New"));
    std::filesystem::rename(Host("c/Data/Pics"), Host("c/Data/Photos"));
    std::filesystem::remove(Host("c/Data/Dat"));
    ui_.Advance(10);
    EXPECT_NE(NodeOf(u"C:\\Data\\New"), nullptr);
    EXPECT_NE(NodeOf(u"C:\\Data\\Photos"), nullptr);
    EXPECT_EQ(NodeOf(u"C:\\Data\\Pics"), nullptr);
    EXPECT_EQ(NodeOf(u"C:\\Data\\Dat"), nullptr);

    StopShellNotify(*MainForm);
    std::filesystem::create_directory(Host("c/Data/Later"));
    ui_.Advance(10);
    EXPECT_EQ(NodeOf(u"C:\\Data\\Later"), nullptr);
}

TEST_F(WiredTree, ChangeDuringAJobRebuildsTheTreeAfterItWithTicksAndBranchesKept)
{
    OpenListening();
    SetNodeCheck(NodeOf(u"C:\\Data\\Docs"), NODE_CHECKED);
    SaveCheckedPaths(Tree(), *MainForm->CheckedPaths);
    MainForm->Idle = 0;
    std::filesystem::create_directory(Host("c/Data/New"));
    ui_.Advance(10);
    EXPECT_EQ(MainForm->TreeRefreshPending, 1);
    EXPECT_EQ(NodeOf(u"C:\\Data\\New"), nullptr) << "the tree is left alone while the job runs";

    MainForm->Idle = 1;
    RenewTreeAfterJob(*MainForm);
    EXPECT_EQ(MainForm->TreeRefreshPending, 0);
    ui_.Advance(5000);
    EXPECT_FALSE(MainForm->Renew_BM_Tree_Timer->Enabled());
    ASSERT_NE(NodeOf(u"C:\\Data\\New"), nullptr);
    EXPECT_TRUE(NodeOf(u"C:\\Data")->Expanded());
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Docs")), NODE_CHECKED);
}

}  // namespace
