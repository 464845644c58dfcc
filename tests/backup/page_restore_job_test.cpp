// The restore pages end to end: an Easy Backup made onto E:, then restored from page 5 to the
// original place and into a folder; a Manual run restored from page 6's tree.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/window/jobs/Calendar_Win.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersBackup.h"
#include "frame_fixture.h"
#include "platform/drive_job_lock.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/box_answers.h"
#include "tests/support/file_tree.h"
#include "tests/support/small_file_system.h"

#include <fstream>
#include <iterator>

namespace {

using testsupport::ReadText;
using testsupport::WriteText;

using frametest::MainWindowMachine;

class RestoreJob : public MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }

    // Runs the OK button of the page and returns the messages it showed, each answered with OK.
    // The answer stays armed between runs, so it writes into the fixture.
    std::vector<std::u16string> RunOk(int page)
    {
        boxes_.Answer(testsupport::BoxAnswers::Button::Close);
        form().CurrentPage = page;
        RunPageOperation(form());
        CloseProgressPanelIfShown();
        return boxes_.Messages();
    }

    void CloseProgressPanelIfShown()
    {
        if (form().Progress_Pan->Visible()) {
            form().PB_Btn_LabClick(nullptr);
        }
    }

    void ChooseSourcePc() { form().Res_PC_Show_Edit->SetText(u"E:  " + PcFolderName()); }

    // An Easy Backup of C:\Data\report.txt onto E:, chosen on the restore page with its date.
    void BackUpReportAndChooseThePc()
    {
        WriteText(Host("c/Data/report.txt"), "twelve bytes");
        StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
        CloseProgressPanelIfShown();
        ASSERT_EQ(form().Idle, 1);
        ChooseSourcePc();
        ShowLatestEasyBackupTime(*form().RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(form().Res_PC_Show_Edit->Text()));
    }

    std::u16string Text(int id) { return LookupText(*form().LangTable, id); }

    testsupport::BoxAnswers boxes_{ui_};
};

TEST_F(RestoreJob, EasyBackupComesBackToItsPlaceAndIntoAFolder)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    BackUpReportAndChooseThePc();
    ASSERT_FALSE(form().RE_Time_Sel_Show_Lab->Hint().empty());
    form().RE_Renew_Btn_LabClick(nullptr);
    EXPECT_NE(form().RE_Info_Time_Doc_Lab->Caption(), u"");
    EXPECT_EQ(form().RE_Info_Time_Oth_Lab->Caption(), u"");

    // A cancel stops after the category in hand and empties only the rows done so far.
    form().RE_Info_Time_Gra_Lab->SetCaption(u"kept");
    form().CancelRequested = 1;
    ShowEasyRestoreInfo(form());
    form().CancelRequested = 0;
    EXPECT_EQ(form().RE_Info_Time_Doc_Lab->Caption(), u"");
    EXPECT_EQ(form().RE_Info_Time_Gra_Lab->Caption(), u"kept");

    WriteText(Host("c/Data/report.txt"), "overwritten");
    form().RestoreToOriginal = 1;
    EXPECT_TRUE(RunOk(5).empty());
    EXPECT_EQ(ReadText(Host("c/Data/report.txt")), "twelve bytes");

    std::filesystem::create_directories(Host("c/Out"));
    form().RestoreToOriginal = 0;
    form().Res_Dest_Edit->SetText(u"C:\\Out");
    EXPECT_TRUE(RunOk(5).empty());
    bool found = false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Host("c/Out"))) {
        found = found || (entry.path().filename() == "report.txt" && ReadText(entry.path()) == "twelve bytes");
    }
    EXPECT_TRUE(found);
}

TEST_F(RestoreJob, ARestoreWaitsForNoOtherJobOnTheDrive)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    BackUpReportAndChooseThePc();
    WriteText(Host("c/Data/report.txt"), "overwritten");
    form().RestoreToOriginal = 1;
    {
        const platform::DriveJobLock other(u"E:\\");
        ASSERT_EQ(other.error(), 0u);
        for (const int page : {5, 6}) {
            boxes_.Forget();
            EXPECT_EQ(RunOk(page), std::vector<std::u16string>{Text(20210)}) << page;
            EXPECT_EQ(form().Idle, 1);
        }
        EXPECT_EQ(ReadText(Host("c/Data/report.txt")), "overwritten");
    }
    boxes_.Forget();
    EXPECT_TRUE(RunOk(5).empty());
    EXPECT_EQ(ReadText(Host("c/Data/report.txt")), "twelve bytes");
}

TEST_F(RestoreJob, StartersRefuseIncompleteChoices)
{
    Open(1033);
    form().RestoreToOriginal = 0;
    form().Res_Dest_Edit->SetText(u"C:\\Missing");
    EXPECT_EQ(RunOk(5), std::vector<std::u16string>{Text(20168)});
    EXPECT_EQ(RunOk(6), std::vector<std::u16string>{Text(20168)});
    form().RestoreToOriginal = 1;
    EXPECT_EQ(RunOk(5), std::vector<std::u16string>{Text(20120) + Text(20148)});
    EXPECT_EQ(RunOk(6), std::vector<std::u16string>{Text(20107)});
    form().EasyRestoreCategories = {0, 0, 0, 0, 0};
    EXPECT_EQ(RunOk(5), std::vector<std::u16string>{Text(20106)});
    EXPECT_EQ(form().Idle, 1);
}

TEST_F(RestoreJob, NewestManualRunIsTickedAndRestoredIntoAFolder)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    const std::u16string manual = u"Harbex_Solo+\\" + PcFolderName() + u"\\Manual\\";
    WriteText(drive.Host(manual + u"20240101_080000\\C\\Data\\old.txt"), "old");
    WriteText(drive.Host(manual + u"20240301_090000\\C\\Data\\notes.txt"), "notes");
    for (const char16_t* run : {u"20240101_080000", u"20240301_090000"}) {
        testsupport::WriteFinishedRunLists(drive.Host(manual + run));
    }
    WriteText(drive.Host(manual + u"not_a_run\\C\\x.txt"), "x");

    ChooseSourcePc();
    ShowLatestManualBackupTime(form(), *form().RM_Time_Sel_Show_Lab, *form().Res_PC_Show_Edit);
    EXPECT_EQ(form().RM_Time_Sel_Show_Lab->Hint(), u"20240301_090000");
    EXPECT_EQ(form().RM_Time_Sel_Show_Lab->Caption(), u"2024/03/01 09:00:00");

    BuildManualRestoreTree(form(), *form().RM_Tree, *form().Res_PC_Show_Edit, *form().RM_Time_Sel_Show_Lab);
    ASSERT_EQ(form().RM_Tree->Items().TopCount(), 1);
    ui::TTreeNode* run = form().RM_Tree->Items().Top(0);
    EXPECT_EQ(run->Text(), u"20240301_090000");
    ToggleNodeCheck(run);
    PropagateNodeCheck(run);

    std::filesystem::create_directories(Host("c/Out"));
    form().RestoreToOriginal = 0;
    form().Res_Dest_Edit->SetText(u"C:\\Out");
    EXPECT_TRUE(RunOk(6).empty());
    bool found = false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Host("c/Out"))) {
        found = found || (entry.path().filename() == "notes.txt" && ReadText(entry.path()) == "notes");
    }
    EXPECT_TRUE(found);
    EXPECT_FALSE(std::filesystem::exists(Host("c/Out/old.txt")));
}

// A chosen folder on a disk of its own (mounted in the home, reached through a link) is measured
// on that disk, not on the disk of its drive letter: too little room there is said before anything
// is copied, by both restore pages.
TEST_F(RestoreJob, AChosenFolderIsMeasuredOnItsOwnDisk)
{
    testsupport::SmallFileSystem disk(256 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("c/Data/big.doc"), std::string(64 * 1024, 'b'));
    BackUpReportAndChooseThePc();
    const std::u16string manual = u"Harbex_Solo+\\" + PcFolderName() + u"\\Manual\\20240301_090000";
    WriteText(drive.Host(manual + u"\\C\\Data\\big.doc"), std::string(64 * 1024, 'm'));
    testsupport::WriteFinishedRunLists(drive.Host(manual));
    ShowLatestManualBackupTime(form(), *form().RM_Time_Sel_Show_Lab, *form().Res_PC_Show_Edit);
    BuildManualRestoreTree(form(), *form().RM_Tree, *form().Res_PC_Show_Edit, *form().RM_Time_Sel_Show_Lab);
    ASSERT_EQ(form().RM_Tree->Items().TopCount(), 1);
    ToggleNodeCheck(form().RM_Tree->Items().Top(0));
    PropagateNodeCheck(form().RM_Tree->Items().Top(0));
    std::filesystem::create_directory_symlink(disk.Folder(), Host("c/Small"));
    disk.Fill("filler", 16 * 1024);
    const testsupport::FileTree before = testsupport::ReadTree(disk.Folder());

    form().RestoreToOriginal = 0;
    form().Res_Dest_Edit->SetText(u"C:\\Small");
    for (const int page : {5, 6}) {
        SCOPED_TRACE(page);
        EXPECT_EQ(RunOk(page), std::vector<std::u16string>{Text(20201)});
        EXPECT_EQ(form().CompletedFiles->Count() + form().FailedFiles->Count(), 0);
        EXPECT_TRUE(testsupport::HoldsTree(disk.Folder(), before));
        EXPECT_EQ(form().Idle, 1);
    }
}

// The category rows tell what the chosen date holds: picking an earlier run in the calendar shows
// that run's sizes and date, not those of the run shown before.
TEST_F(RestoreJob, ADatePickedInTheCalendarShowsThatRunInTheCategoryRows)
{
    Open(1033);
    enginetest::TempDrive drive(u'E', 2);
    ui_.Clock().SetLocalTime(SYSTEMTIME{2024, 3, 2, 5, 9, 0, 0, 0});
    BackUpReportAndChooseThePc();
    const std::u16string first = form().RE_Time_Sel_Show_Lab->Hint();
    ui_.Clock().SetLocalTime(SYSTEMTIME{2024, 3, 2, 5, 10, 0, 0, 0});
    WriteText(Host("c/Data/report.txt"), "a longer report of thirty bytes");
    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
    CloseProgressPanelIfShown();
    ChooseSourcePc();
    ShowLatestEasyBackupTime(*form().RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(form().Res_PC_Show_Edit->Text()));
    ASSERT_NE(form().RE_Time_Sel_Show_Lab->Hint(), first);
    ui::testing::Click(*form().Menu_ResIndex_BtnLab);
    ui::testing::Click(*form().Menu_Res_EasyBtn_Lab);
    form().RE_Renew_Btn_LabClick(nullptr);
    ASSERT_EQ(form().RE_Info_Size_Doc_Lab->Caption(), u"31.0 Bytes");

    ui_.AnswerNextModal([&](TForm& window) {
        auto& calendar = dynamic_cast<TCalendarForm&>(window);
        for (const auto& column : calendar.DayGrid) {
            for (TLabel* day : column) {
                if (day != nullptr && day->Caption() == u"5") {
                    ui::testing::Click(*day);
                }
            }
        }
        ui::TListView& runs = *calendar.Files_ListView;
        ASSERT_EQ(runs.Items().Count(), 2);
        runs.SetSelected(runs.Items().Item(runs.Items().Item(0)->Caption() == first ? 0 : 1));
        calendar.Files_ListViewClick(&runs);
        ui::testing::Click(*calendar.RB_Btn_Lab);
    });
    ui::testing::Click(*form().Res_Time_Sel_Btn_Img);

    EXPECT_EQ(form().RE_Time_Sel_Show_Lab->Hint(), first);
    EXPECT_EQ(form().RE_Info_Size_Doc_Lab->Caption(), u"12.0 Bytes");
    EXPECT_EQ(form().RE_Info_Time_Doc_Lab->Caption(), u"2024/03/05 09:00:00");
    EXPECT_EQ(form().Idle, 1);
}

}  // namespace
