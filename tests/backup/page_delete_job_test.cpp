// The delete pages end to end: two Easy Backups onto E:, the first run deleted from page 7 after
// its countdown, and the second run still restored in full.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersBackup.h"
#include "frame_fixture.h"
#include "platform/drive_job_lock.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/box_answers.h"
#include "tests/support/file_tree.h"

#include <fstream>
#include <iterator>

namespace {

using testsupport::ReadText;
using testsupport::WriteText;

using frametest::MainWindowMachine;

constexpr SYSTEMTIME kFirstRun{2024, 3, 5, 1, 9, 0, 0, 0};
constexpr SYSTEMTIME kSecondRun{2024, 3, 6, 2, 10, 0, 0, 0};
const std::u16string kFirstStamp = u"20240301_090000";
const std::u16string kSecondStamp = u"20240302_100000";

class DeleteJob : public MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }

    void EasyBackup(const SYSTEMTIME& time)
    {
        ui_.Clock().SetLocalTime(time);
        StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
        ClosePanelIfShown();
        ASSERT_EQ(form().Idle, 1);
    }

    void ClosePanelIfShown()
    {
        if (form().Progress_Pan->Visible()) {
            form().PB_Btn_LabClick(nullptr);
        }
    }

    // The OK button of the page; every box is answered with its left button (Yes) or its right
    // one (No) and its message recorded. The answer stays armed for the boxes of later calls.
    std::vector<std::u16string> RunOk(int page, bool yes = true)
    {
        boxes_.Answer(yes ? testsupport::BoxAnswers::Button::Left : testsupport::BoxAnswers::Button::Right);
        form().CurrentPage = page;
        RunPageOperation(form());
        ClosePanelIfShown();
        return boxes_.Messages();
    }

    std::u16string Text(int id) { return LookupText(*form().LangTable, id); }

    std::u16string PcEditText() { return u"E:  " + PcFolderName(); }

    std::filesystem::path DocumentRun(const enginetest::TempDrive& drive, const std::u16string& stamp)
    {
        return drive.Host(u"Harbex_Solo+\\" + PcFolderName() + u"\\Easy\\Document\\" + stamp);
    }

    void TickNode(ui::TTreeNode* node)
    {
        ToggleNodeCheck(node);
        PropagateNodeCheck(node);
    }

    testsupport::BoxAnswers boxes_{ui_};
};

TEST_F(DeleteJob, FirstEasyRunGoesAfterTheCountdownAndTheSecondStillRestores)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("c/Data/report.doc"), "first version");
    WriteText(Host("c/Data/plan.doc"), "unchanged");
    EasyBackup(kFirstRun);
    WriteText(Host("c/Data/report.doc"), "second version!");
    // The duplicate test compares modification times.
    const auto changed = Host("c/Data/report.doc");
    std::filesystem::last_write_time(changed, std::filesystem::last_write_time(changed) + std::chrono::hours(1));
    EasyBackup(kSecondRun);

    form().Del_PC_Show_Edit->SetText(PcEditText());
    BuildDeleteTree(form(), *form().DE_Tree, *form().Del_PC_Show_Edit, 1);
    ASSERT_EQ(form().DE_Tree->Items().TopCount(), 5);
    ui::TTreeNode* document = form().DE_Tree->Items().Top(0);
    ASSERT_EQ(document->Count(), 2);
    EXPECT_EQ(document->Item(0)->Text(), kFirstStamp);
    TickNode(document->Item(0));

    form().Menu_Del_EasyBtn_LabClick(nullptr);
    EXPECT_EQ(RunOk(7), std::vector<std::u16string>{Text(20102)});
    EXPECT_EQ(form().Idle, 0);
    EXPECT_EQ(form().MayClose, 0);
    EXPECT_TRUE(form().Del_HourGlass_Deleting_Img->Visible());
    EXPECT_EQ(ui::Screen->Cursor(), ui::crHourGlass);
    ui_.Advance(19000);
    EXPECT_TRUE(std::filesystem::exists(DocumentRun(drive, kFirstStamp)));
    EXPECT_EQ(form().EasyDeleteTreeFillStop, 1);
    ui_.Advance(1000);
    EXPECT_FALSE(std::filesystem::exists(DocumentRun(drive, kFirstStamp)));
    EXPECT_TRUE(std::filesystem::exists(DocumentRun(drive, kSecondStamp)));
    EXPECT_EQ(form().Idle, 1);
    EXPECT_EQ(form().MayClose, 1);
    EXPECT_FALSE(form().DE_Timer->Enabled());
    EXPECT_FALSE(form().Del_HourGlass_Deleting_Img->Visible());
    EXPECT_EQ(ui::Screen->Cursor(), ui::crDefault);
    ASSERT_EQ(document->Count(), 1);
    EXPECT_EQ(document->Item(0)->Text(), kSecondStamp);

    form().Res_PC_Show_Edit->SetText(PcEditText());
    form().RE_Time_Sel_Show_Lab->SetHint(kSecondStamp);
    std::filesystem::create_directories(Host("c/Out"));
    form().RestoreToOriginal = 0;
    form().Res_Dest_Edit->SetText(u"C:\\Out");
    EXPECT_TRUE(RunOk(5).empty());
    std::map<std::string, std::string> restored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Host("c/Out"))) {
        if (entry.is_regular_file()) {
            restored[entry.path().filename().string()] = ReadText(entry.path());
        }
    }
    EXPECT_EQ(restored["report.doc"], "second version!");
    EXPECT_EQ(restored["plan.doc"], "unchanged");
}

// A file and a folder deleted inside a run from page 7 leave that run's accounting true: a restore of
// it gives back every file left and names no failure; a list that names files the run no longer
// holds is still reported. Plain copies and containers alike.
TEST_F(DeleteJob, ARunTrimmedOnTheDeletePageRestoresWhatItHoldsWithoutFailures)
{
    Open(1033);
    for (const BYTE encrypt : {0, 1}) {
        SCOPED_TRACE(encrypt != 0 ? "encoded" : "plain");
        enginetest::TempDrive drive(u'E', 2);
        std::filesystem::remove_all(Host("c/Data"));
        std::filesystem::remove_all(Host("c/Out"));
        const testsupport::FileTree kept = {{"report.doc", "report"}, {"Keep/c.doc", "kept folder"}};
        testsupport::WriteTree(Host("c/Data"), kept);
        testsupport::WriteTree(Host("c/Data"), {{"plan.doc", "deleted file"}, {"Old/a.doc", "in a deleted folder"}});
        form().EncryptBackup = encrypt;
        EasyBackup(kFirstRun);
        form().EncryptBackup = 0;
        const std::filesystem::path oriSize = DocumentRun(drive, kFirstStamp) / "OriSize.ini";
        const std::string whole = ReadText(oriSize);

        form().Del_PC_Show_Edit->SetText(PcEditText());
        BuildDeleteTree(form(), *form().DE_Tree, *form().Del_PC_Show_Edit, 1);
        ui::TTreeNode* data = form().DE_Tree->Items().Top(0)->Item(0);
        for (const char16_t* caption : {u"C", u"Data"}) {
            data->Expand(false);
            data = data->getFirstChild();
            ASSERT_NE(data, nullptr);
            ASSERT_EQ(data->Text(), caption);
        }
        data->Expand(false);
        const std::u16string suffix = encrypt != 0 ? u".vemoen" : u"";
        for (int i = 0; i < data->Count(); ++i) {
            if (data->Item(i)->Text() == u"plan.doc" + suffix || data->Item(i)->Text() == u"Old") {
                TickNode(data->Item(i));
            }
        }
        form().Menu_Del_EasyBtn_LabClick(nullptr);
        EXPECT_EQ(RunOk(7), std::vector<std::u16string>{Text(20102)});
        ui_.Advance(20000);
        EXPECT_FALSE(std::filesystem::exists(DocumentRun(drive, kFirstStamp) / "C/Data/Old"));

        form().Res_PC_Show_Edit->SetText(PcEditText());
        form().RE_Time_Sel_Show_Lab->SetHint(kFirstStamp);
        std::filesystem::create_directories(Host("c/Out"));
        form().RestoreToOriginal = 0;
        form().Res_Dest_Edit->SetText(u"C:\\Out");
        EXPECT_TRUE(RunOk(5).empty());
        EXPECT_EQ(form().FailedFiles->Count(), 0);
        const std::string out = "c/Out/" + platform::ToUtf8(kFirstStamp) + "/C/Data";
        EXPECT_EQ(testsupport::ReadTree(Host(out)), kept);

        // The list as it was before the delete names two files the run no longer holds.
        testsupport::WriteText(oriSize, whole);
        std::filesystem::remove_all(Host("c/Out"));
        std::filesystem::create_directories(Host("c/Out"));
        EXPECT_TRUE(RunOk(5).empty());
        std::vector<std::u16string> failed = form().FailedFiles->Lines();
        std::sort(failed.begin(), failed.end());
        const std::u16string run = drive.Path(u"Harbex_Solo+\\" + PcFolderName() + u"\\Easy\\Document\\" + kFirstStamp);
        EXPECT_EQ(failed, (std::vector<std::u16string>{run + u"\\C\\Data\\Old\\a.doc" + suffix + u"     ErrorCode : 2",
                                                       run + u"\\C\\Data\\plan.doc" + suffix + u"     ErrorCode : 2"}));
        EXPECT_EQ(testsupport::ReadTree(Host(out)), kept);
    }
}

// Another instance's job holds E: when the countdown ends: the delete is refused with the busy
// message and the run stays.
TEST_F(DeleteJob, DeleteWaitsForNoOtherJobOnTheDrive)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("c/Data/report.doc"), "first version");
    EasyBackup(kFirstRun);
    form().Del_PC_Show_Edit->SetText(PcEditText());
    BuildDeleteTree(form(), *form().DE_Tree, *form().Del_PC_Show_Edit, 1);
    TickNode(form().DE_Tree->Items().Top(0)->Item(0));
    form().Menu_Del_EasyBtn_LabClick(nullptr);
    const platform::DriveJobLock other(u"E:\\");
    ASSERT_EQ(other.error(), 0u);
    EXPECT_EQ(RunOk(7), std::vector<std::u16string>{Text(20102)});
    boxes_.Forget();
    ui_.Advance(20000);
    EXPECT_EQ(boxes_.Messages(), std::vector<std::u16string>{Text(20210)});
    EXPECT_TRUE(std::filesystem::exists(DocumentRun(drive, kFirstStamp)));
    EXPECT_EQ(form().Idle, 1);
    EXPECT_EQ(form().MayClose, 1);
}

TEST_F(DeleteJob, RefusedOrDeclinedDeleteLeavesThePageAtOnce)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    const std::u16string manual = u"Harbex_Solo+\\" + PcFolderName() + u"\\Manual\\";
    WriteText(drive.Host(manual + kFirstStamp + u"\\C\\Data\\a.txt"), "a");
    testsupport::WriteFinishedRunLists(drive.Host(manual + kFirstStamp));
    form().Del_PC_Show_Edit->SetText(PcEditText());
    BuildDeleteTree(form(), *form().DM_Tree, *form().Del_PC_Show_Edit, 2);
    ASSERT_EQ(form().DM_Tree->Items().TopCount(), 1);
    form().Menu_Del_ManualBtn_LabClick(nullptr);

    EXPECT_EQ(RunOk(8), std::vector<std::u16string>{Text(20107)});
    EXPECT_EQ(form().Idle, 1);

    TickNode(form().DM_Tree->Items().Top(0)->Item(0));
    EXPECT_EQ(RunOk(8, false), std::vector<std::u16string>{Text(20102)});
    EXPECT_EQ(form().Idle, 1);
    EXPECT_FALSE(form().DM_Timer->Enabled());
    EXPECT_EQ(form().MayClose, 1);
    ui_.Advance(30000);
    EXPECT_TRUE(std::filesystem::exists(drive.Host(manual + kFirstStamp)));
}

TEST_F(DeleteJob, ChangingThePcRebuildsBothTreesOnceNoFillRuns)
{
    Open(1033);
    form().Del_PC_Sel_CBox->Items().Add(u"E:  " + PcFolderName());
    form().Del_PC_Sel_CBox->SetItemIndex(0);
    form().Del_PC_Sel_CBoxChange(nullptr);
    EXPECT_EQ(form().Del_PC_Show_Edit->Text(), PcEditText());
    EXPECT_EQ(form().EasyDeleteTreeFillStop, 1);
    EXPECT_EQ(form().ManualDeleteTreeFillStop, 1);

    form().ContentFillIdle = 0;
    ui_.Advance(3000);
    EXPECT_TRUE(form().TreeExpandTimer_DE->Enabled());
    EXPECT_TRUE(form().TreeExpandTimer_DM->Enabled());
    form().ContentFillIdle = 1;
    ui_.Advance(1000);
    EXPECT_FALSE(form().TreeExpandTimer_DE->Enabled());
    EXPECT_FALSE(form().TreeExpandTimer_DM->Enabled());
    EXPECT_EQ(form().DE_Tree->Items().TopCount(), 5);
    EXPECT_EQ(form().DM_Tree->Items().TopCount(), 1);
    EXPECT_EQ(form().EasyDeleteTreeFillStop, 0);
}

}  // namespace
