// The Manual Backup through its starter: the ticked folders land in one dated run folder on E:
// with their list files, and the page shows the tree.

#include "backup/window/frame/MsgWin.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "backup/window/jobs/StartersBackup.h"
#include "platform/clock.h"
#include "tests/support/click_path.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "tests/support/shot_path.h"
#include "trees_machine.h"

#include <cstdlib>
#include <iterator>

namespace {
using treetest::TreeMachine;

class ManualRun : public TreeMachine {
protected:
    std::vector<std::u16string> Start()
    {
        std::vector<std::u16string> messages;
        const std::function<void(ui::TForm&)> answer = [&](ui::TForm& box) {
            if (auto* msg = dynamic_cast<TMsgForm*>(&box)) {
                messages.push_back(msg->Msg_Lab->Caption());
            }
            box.Close();
            ui_.AnswerNextModal(answer);
        };
        ui_.AnswerNextModal(answer);
        StartManualBackup(*MainForm, u"E:\\");
        return messages;
    }
};

TEST_F(ManualRun, TickedFoldersLandInOneRunFolderWithTheirLists)
{
    OpenWithTree();
    const SYSTEMTIME at{2011, 3, 6, 5, 14, 7, 9, 0};
    ui_.Clock().SetLocalTime(at);
    CheckNodeOnPath(Tree(), nullptr, u"C:\\Data\\Docs");
    CheckNodeOnPath(Tree(), nullptr, u"C:\\Users\\Alice\\Desktop");
    EXPECT_TRUE(Start().empty());
    const std::string run = "e/Harbex_Solo+/HOMEPCAlice61/Manual/20110305_140709/";
    EXPECT_EQ(testsupport::ReadText(Host(run + "C/Users/Alice/Desktop/d.txt")), "desk");
    EXPECT_EQ(testsupport::ReadText(Host(run + "C/Data/Docs/x/a.doc")), "alpha");
    EXPECT_EQ(testsupport::ReadText(Host(run + "C/Data/Docs/b.txt")), "bravo!");
    EXPECT_FALSE(std::filesystem::exists(Host(run + "C/Data/Pics")));
    for (const char* list : {"OriSize.ini", "FileList_Repeat.ini", "Record.ini"}) {
        EXPECT_TRUE(std::filesystem::exists(Host(run + list))) << list;
    }
    EXPECT_EQ(MainForm->ManualSelection.Count, 2);
    EXPECT_EQ(MainForm->CompletedFiles->Count(), 3);
    EXPECT_EQ(MainForm->FailedFiles->Count(), 0);
    EXPECT_EQ(MainForm->JobTotalBytes, 4 + 5 + 6);
    EXPECT_FALSE(std::filesystem::exists(Host(testsupport::kInterruptMarker)));
}

TEST_F(ManualRun, NothingTickedIsRefusedAndThePageIsIdleAgain)
{
    OpenWithTree();
    ASSERT_EQ(Start().size(), 1u);
    EXPECT_EQ(MainForm->Idle, 1);
    EXPECT_FALSE(std::filesystem::exists(Host("e/Harbex_Solo+")));
}

TEST_F(ManualRun, PageFourShowsTheTreeFromTheHeaderBarDownToTheArrow)
{
    for (const int lang : {1033, 1025}) {
        OpenWithTree(lang);
        NodeOf(u"C:\\")->Expand(false);
        CheckNodeOnPath(Tree(), nullptr, u"C:\\Data\\Docs");
        testsupport::ClickPath(*MainForm, "Menu_BacIndex_BtnImg/Menu_Bac_ManualBtn_Lab");
        ASSERT_EQ(MainForm->CurrentPage, 4);
        EXPECT_TRUE(Tree()->Visible());
        EXPECT_FALSE(MainForm->BE_BK_Lab->Visible());
        const int arrowTop = MainForm->Bac_ArrowIcon_Img->Top();
        EXPECT_EQ(arrowTop, MainForm->Bac_Dest_Pan->Top() - 20);
        EXPECT_EQ(MainForm->BM_TreeBK_Lab->Height(), arrowTop);
        EXPECT_EQ(Tree()->Left(), 1);
        EXPECT_EQ(Tree()->Top(), 22);
        EXPECT_EQ(Tree()->Width(), MainForm->Bac_Pan->Width() - 2);
        EXPECT_EQ(Tree()->Height(), arrowTop - 1 - 22);
        const std::string name = "manual_backup_" + std::to_string(lang) + ".png";
        EXPECT_TRUE(ui::testing::RenderToPng(*MainForm, testsupport::ShotPath(name)));
        Close();
    }
}

}  // namespace
