// The Manual Backup source tree: what it lists, how ticks spread and persist, and folder changes.

#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/engine/DestRelativePath.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "trees_machine.h"

namespace {

using treetest::TreeMachine;

class SourceTree : public TreeMachine {
protected:
    // Presses the mouse on the node's check image, as a user ticks it.
    void ClickCheck(ui::TTreeNode* node)
    {
        if (MainForm->CurrentPage != WorkPage::ManualBackup) {
            ui::testing::Click(*ui::testing::Find(*MainForm, "Menu_BacIndex_BtnImg"));
            ui::testing::Click(*ui::testing::Find(*MainForm, "Menu_Bac_ManualBtn_Lab"));
        }
        const ui::Rect row = Tree()->NodeRect(node);
        for (int x = row.left; x < row.right; ++x) {
            const int y = row.top + 2;
            if (Tree()->GetHitTestInfoAt(x, y).Contains(ui::htOnStateIcon)) {
                ui::testing::MouseDown(*Tree(), x, y);
                ui::testing::MouseUp(*Tree(), x, y);
                return;
            }
        }
        FAIL() << "no check image";
    }
};

TEST_F(SourceTree, ListsTheDesktopAndInternalDrivesWithTheirFoldersOneLevelAhead)
{
    OpenWithTree();
    ui::TTreeNode* root = Tree()->Items().Top(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->Text(), u"Computer");
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(ChildTexts(root), u"Desktop,Local Disk (C:)");
    EXPECT_EQ(NodePath(root->Item(0)), u"C:\\Users\\Alice\\Desktop");
    ui::TTreeNode* drive = root->Item(1);
    EXPECT_EQ(NodePath(drive), u"C:\\");
    // Neither the Windows folder, nor a WINNT name, a system folder or a link; hidden folders are.
    EXPECT_EQ(ChildTexts(drive), u"Data,Elsewhere,Users");
    drive->Expand(false);
    EXPECT_EQ(ChildTexts(NodeOf(u"C:\\Data")), u"Dat,Docs,Hidden,Pics");
    EXPECT_EQ(GetNodeCheck(drive), NODE_UNCHECKED);
}

TEST_F(SourceTree, TicksSpreadDownAndUntickingSpreadsUpAndPersists)
{
    OpenWithTree();
    Tree()->Items().Top(0)->Item(1)->Expand(false);
    ClickCheck(NodeOf(u"C:\\"));
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Docs")), NODE_CHECKED);
    NodeOf(u"C:\\Data")->Expand(false);
    ClickCheck(NodeOf(u"C:\\Data\\Pics"));
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Pics")), NODE_UNCHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data")), NODE_UNCHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\")), NODE_UNCHECKED);
    EXPECT_EQ(GetNodeCheck(Tree()->Items().Top(0)), NODE_UNCHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Docs")), NODE_CHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Users")), NODE_CHECKED);

    BACKUP_SELECTION selection;
    CollectCheckedItems(Tree(), nullptr, selection);
    ASSERT_EQ(selection.Count, 5);
    EXPECT_EQ(selection.SourcePaths[0], u"C:\\Data\\Dat");
    EXPECT_EQ(selection.ItemNames[0], u"Dat");
    EXPECT_EQ(selection.RelativePaths[0], u"C\\Data\\Dat");

    // A new start: the same ticks come back from CheckedRecord.ini, with their branches open.
    Close();
    OpenWithTree();
    RestoreCheckedPaths(Tree(), *MainForm->CheckedPaths);
    EXPECT_EQ(MainForm->CheckedPaths->Count(), 5);
    ASSERT_NE(NodeOf(u"C:\\Data\\Docs"), nullptr);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Docs")), NODE_CHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Pics")), NODE_UNCHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data")), NODE_UNCHECKED);
    EXPECT_TRUE(NodeOf(u"C:\\Data")->Expanded());
}

TEST_F(SourceTree, TickedRootSelectsItsChildrenAndComesBackAsOneEmptyLine)
{
    OpenWithTree();
    ClickCheck(Tree()->Items().Top(0));
    int count = 0;
    CountCheckedItems(Tree(), nullptr, count);
    EXPECT_EQ(count, 2);
    BACKUP_SELECTION selection;
    CollectCheckedItems(Tree(), nullptr, selection);
    ASSERT_EQ(selection.Count, 2);
    EXPECT_EQ(selection.SourcePaths[1], u"C:\\");
    EXPECT_EQ(selection.ItemNames[1], u"C:\\");
    EXPECT_EQ(selection.RelativePaths[1], u"C");

    Close();
    OpenWithTree();
    RestoreCheckedPaths(Tree(), *MainForm->CheckedPaths);
    ASSERT_EQ(MainForm->CheckedPaths->Count(), 1);
    EXPECT_EQ(MainForm->CheckedPaths->Strings(0), u"");
    EXPECT_EQ(GetNodeCheck(Tree()->Items().Top(0)), NODE_CHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data")), NODE_CHECKED);
}

TEST_F(SourceTree, ClickOnALabelOrDuringAJobTicksNothing)
{
    OpenWithTree();
    ui::TTreeNode* drive = NodeOf(u"C:\\");
    const ui::Rect row = Tree()->NodeRect(drive);
    ui::testing::MouseDown(*Tree(), row.right - 5, row.top + 2);
    EXPECT_EQ(GetNodeCheck(drive), NODE_UNCHECKED);
    MainForm->Idle = 0;
    ClickCheck(drive);
    EXPECT_EQ(GetNodeCheck(drive), NODE_UNCHECKED);
    EXPECT_FALSE(PathExists(CheckedRecordPath(false)));
}

TEST_F(SourceTree, ExactPathOnlyIsTickedAndVanishedFoldersAreDropped)
{
    OpenWithTree();
    ui::TTreeView* tree = Tree();
    EXPECT_FALSE(CheckNodeOnPath(tree, nullptr, u"C:\\Data\\Dat"));  // the top-level search answers false
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Dat")), NODE_CHECKED);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\Docs")), NODE_UNCHECKED);
    SaveCheckedPaths(tree, *MainForm->CheckedPaths);

    std::filesystem::remove(Host("c/Data/Dat"));
    Rebuild();
    RestoreCheckedPaths(tree, *MainForm->CheckedPaths);
    EXPECT_EQ(NodeOf(u"C:\\Data\\Dat"), nullptr);
    int count = 0;
    CountCheckedItems(tree, nullptr, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(MainForm->CheckedPaths->Count(), 1);
}

TEST_F(SourceTree, OpenBranchesSurviveARebuildAndTheListFileIsGone)
{
    OpenWithTree();
    NodeOf(u"C:\\")->Expand(false);
    NodeOf(u"C:\\Data")->Expand(false);
    NodeOf(u"C:\\Data\\Docs")->Expand(false);
    SaveTreeExpansion(Tree());
    Rebuild();
    EXPECT_FALSE(NodeOf(u"C:\\")->Expanded());
    RestoreTreeExpansion(Tree());
    EXPECT_TRUE(NodeOf(u"C:\\Data\\Docs")->Expanded());
    EXPECT_EQ(ChildTexts(NodeOf(u"C:\\Data\\Docs")), u"x");
    EXPECT_FALSE(PathExists(TreeExpansionPath(false)));
}

TEST_F(SourceTree, FolderChangesApplyUnderEveryMatchingNode)
{
    OpenWithTree();
    NodeOf(u"C:\\")->Expand(false);
    SetNodeCheck(NodeOf(u"C:\\Data"), NODE_CHECKED);
    PropagateNodeCheck(NodeOf(u"C:\\Data"));
    std::filesystem::create_directories(Host("c/Data/New"));
    ApplyFolderChangeToTree(Tree(), nullptr, u"C:\\Data\\New", u"C:\\Data", u"", u"New", FOLDER_CREATED);
    ASSERT_NE(NodeOf(u"C:\\Data\\New"), nullptr);
    EXPECT_EQ(GetNodeCheck(NodeOf(u"C:\\Data\\New")), NODE_CHECKED);
    EXPECT_TRUE(NodeOf(u"C:\\Data")->Expanded());

    // Below a node whose children were never listed, the node is listed in full.
    std::filesystem::create_directories(Host("c/Data/Docs/x/deep"));
    std::filesystem::create_directories(Host("c/Data/Docs/x/deeper"));
    ApplyFolderChangeToTree(Tree(), nullptr, u"C:\\Data\\Docs\\x\\deeper", u"C:\\Data\\Docs\\x", u"", u"deeper",
                            FOLDER_CREATED);
    EXPECT_EQ(ChildTexts(NodeOf(u"C:\\Data\\Docs\\x")), u"deep,deeper");

    ApplyFolderChangeToTree(Tree(), nullptr, u"C:\\Data\\Pics", u"C:\\Data", u"Pics", u"Photos", FOLDER_RENAMED);
    EXPECT_NE(NodeOf(u"C:\\Data\\Photos"), nullptr);
    ApplyFolderChangeToTree(Tree(), nullptr, u"C:\\Data\\Dat", u"C:\\Data", u"", u"Dat", FOLDER_REMOVED);
    EXPECT_EQ(NodeOf(u"C:\\Data\\Dat"), nullptr);

    // The desktop shows under two branches; a change there reaches both.
    NodeOf(u"C:\\Users")->Expand(false);
    NodeOf(u"C:\\Users\\Alice")->Expand(false);
    ApplyFolderChangeToTree(Tree(), nullptr, u"C:\\Users\\Alice\\Desktop\\notes", u"C:\\Users\\Alice\\Desktop",
                            u"notes", u"memo", FOLDER_RENAMED);
    EXPECT_EQ(ChildTexts(Tree()->Items().Top(0)->Item(0)), u"memo");
}

TEST_F(SourceTree, NameAndDestinationOfSelectionItems)
{
    struct Case {
        std::u16string path, name, relative;
    };
    const Case cases[] = {{u"D:\\", u"D:\\", u"D"}, {u"D:\\Users\\a", u"a", u"D\\Users\\a"}, {u"plain", u"", u"plain"}};
    for (const Case& c : cases) {
        EXPECT_EQ(NameOrDriveRoot(c.path), c.name);
        EXPECT_EQ(DestRelativePath(c.path), c.relative);
    }
}

}  // namespace
