// A backup drive that was written by someone else: repeat-list lines that try to climb out of the
// place they restore to, links inside run folders, names that no Windows folder holds, and PC file
// names that are not UTF-8. Every job is started from its page as the user starts it.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersBackup.h"
#include "frame_fixture.h"
#include "lists/string_list.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/box_answers.h"
#include "tests/support/file_tree.h"

#include <fstream>
#include <iterator>
#include <map>

namespace {

using testsupport::ReadText;
using testsupport::WriteText;

using frametest::MainWindowMachine;

const std::u16string kOld = u"20240101_080000";
const std::u16string kNew = u"20240301_090000";

class HostileDrive : public MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        Open(1033);
    }

    TMainForm& form() { return *MainForm; }

    static std::u16string Manual() { return u"Harbex_Solo+\\" + PcFolderName() + u"\\Manual\\"; }

    void WriteRepeatList(const std::u16string& stamp, const std::vector<std::u16string>& lines)
    {
        lists::TStringList list;
        for (const auto& line : lines) {
            list.Add(line);
        }
        const std::u16string run = u"E:\\" + Manual() + stamp + u"\\";
        ASSERT_EQ(SaveListFile(list, run + RepeatListFileName()), 0u);
        // The run reached its end: its other list files are there too.
        for (const std::u16string& name : {OriSizeFileName(), RecordFileName()}) {
            ASSERT_EQ(SaveListFile(lists::TStringList(), run + name), 0u);
        }
    }

    // The OK button of the page; every box is answered with its left button (Yes, or OK) and its
    // message recorded. The result panel is closed afterwards.
    std::vector<std::u16string> RunOk(int page)
    {
        boxes_.Answer(testsupport::BoxAnswers::Button::Left);
        form().CurrentPage = page;
        RunPageOperation(form());
        ClosePanel();
        return boxes_.Messages();
    }

    void ClosePanel()
    {
        if (form().Progress_Pan->Visible()) {
            form().PB_Btn_LabClick(nullptr);
        }
    }

    // Page 6 with the newest Manual run ticked as a whole.
    void TickNewestManualRun()
    {
        form().Res_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
        ShowLatestManualBackupTime(form(), *form().RM_Time_Sel_Show_Lab, *form().Res_PC_Show_Edit);
        BuildManualRestoreTree(form(), *form().RM_Tree, *form().Res_PC_Show_Edit, *form().RM_Time_Sel_Show_Lab);
        ASSERT_EQ(form().RM_Tree->Items().TopCount(), 1);
        ui::TTreeNode* run = form().RM_Tree->Items().Top(0);
        ToggleNodeCheck(run);
        PropagateNodeCheck(run);
    }

    void RestoreManualRunTo(const std::u16string& folder)
    {
        form().RestoreToOriginal = folder.empty() ? 1 : 0;
        form().Res_Dest_Edit->SetText(folder);
        EXPECT_TRUE(RunOk(6).empty());
    }

    // The failed lines of the last job by their error code.
    std::map<std::u16string, int> FailedByCode()
    {
        std::map<std::u16string, int> codes;
        for (const std::u16string& line : form().FailedFiles->Lines()) {
            ++codes[line.substr(line.rfind(u' ') + 1)];
        }
        return codes;
    }

    testsupport::BoxAnswers boxes_{ui_};
};

TEST_F(HostileDrive, RepeatLinesThatClimbOutAreRefusedWhateverTheirSeparator)
{
    enginetest::TempDrive drive(u'E', 2);
    WriteText(drive.Host(Manual() + kOld + u"\\C\\Data\\old.txt"), "old");
    WriteText(drive.Host(Manual() + kNew + u"\\C\\Data\\notes.txt"), "notes");
    // What the climbing lines would name on the drive once their ".." were folded.
    WriteText(drive.Host(u"escaped.txt"), "planted");
    WriteText(Host("c/Users/victim.doc"), "mine");
    const std::u16string earlier = Manual() + kOld + u"\\C\\Data";
    WriteRepeatList(kNew, {
                              earlier + u"\\old.txt",
                              earlier + u"/../../../../../../escaped.txt",
                              earlier + u"\\..\\..\\..\\..\\..\\..\\escaped.txt",
                              earlier + u"/./old.txt",
                              earlier + u"\\C:\\escaped.txt",
                              earlier + u"\\bad|name.txt",
                              u"\\\\server\\share\\" + earlier + u"\\escaped.txt",
                              Manual() + u"not_a_run\\C\\Data\\old.txt",
                          });
    TickNewestManualRun();
    std::filesystem::create_directories(Host("c/Out"));

    for (const std::u16string& destination : {std::u16string(u"C:\\Out"), std::u16string()}) {
        SCOPED_TRACE(platform::ToUtf8(destination));
        RestoreManualRunTo(destination);
        EXPECT_EQ(FailedByCode(), (std::map<std::u16string, int>{{u"161", 7}}));
        EXPECT_EQ(form().CompletedFiles->Count(), 2);
    }
    const std::string run = "Out/" + platform::ToUtf8(kNew) + "/C/Data/";
    testsupport::FileTree onC = testsupport::ReadTree(Host("c"));
    std::erase_if(onC, [](const auto& file) { return file.first.starts_with("Users/Alice/"); });
    EXPECT_EQ(onC, (std::map<std::string, std::string>{{"Data/notes.txt", "notes"},
                                                       {"Data/old.txt", "old"},
                                                       {run + "notes.txt", "notes"},
                                                       {run + "old.txt", "old"},
                                                       {"Users/victim.doc", "mine"}}));
}

TEST_F(HostileDrive, LinksInsideRunsAreReportedAndNeverFollowed)
{
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("secret/inner.txt"), "inner secret");
    WriteText(Host("secret.txt"), "secret");
    WriteText(drive.Host(Manual() + kNew + u"\\C\\Data\\notes.txt"), "notes");
    std::filesystem::create_symlink(Host("secret.txt"), drive.Host(Manual() + kNew + u"\\C\\Data\\leak.txt"));
    std::filesystem::create_symlink(Host("secret"), drive.Host(Manual() + kNew + u"\\C\\Data\\Linked"));
    // An earlier run whose folder is a link: the reference to a file "in" it is refused too.
    std::filesystem::create_directories(drive.Host(Manual() + kOld + u"\\C"));
    std::filesystem::create_symlink(Host("secret"), drive.Host(Manual() + kOld + u"\\C\\Data"));
    WriteRepeatList(kNew, {Manual() + kOld + u"\\C\\Data\\inner.txt"});
    TickNewestManualRun();
    std::filesystem::create_directories(Host("c/Out"));

    RestoreManualRunTo(u"C:\\Out");

    EXPECT_EQ(form().JobTotalBytes, 5 + 2) << "notes.txt and the run's Record.ini, an empty list";
    EXPECT_EQ(FailedByCode(), (std::map<std::u16string, int>{{u"1920", 3}}));
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Out"), {{platform::ToUtf8(kNew) + "/C/Data/notes.txt", "notes"}}));
    EXPECT_FALSE(std::filesystem::exists(Host("c/Out/" + platform::ToUtf8(kNew) + "/C/Data/Linked")));
}

// The folders of a reference's path that it shares with the reference before it are not looked at
// again: a linked folder beside a link-free one is still found.
TEST_F(HostileDrive, AReferenceIntoALinkedFolderIsRefusedAfterOneIntoItsLinkFreeNeighbour)
{
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("secret/inner.txt"), "inner secret");
    WriteText(drive.Host(Manual() + kNew + u"\\C\\Data\\notes.txt"), "notes");
    WriteText(drive.Host(Manual() + kOld + u"\\C\\Data\\old.txt"), "old");
    std::filesystem::create_symlink(Host("secret"), drive.Host(Manual() + kOld + u"\\C\\Linked"));
    WriteRepeatList(kNew, {Manual() + kOld + u"\\C\\Data\\old.txt", Manual() + kOld + u"\\C\\Linked\\inner.txt"});
    TickNewestManualRun();
    std::filesystem::create_directories(Host("c/Out"));

    RestoreManualRunTo(u"C:\\Out");

    EXPECT_EQ(FailedByCode(), (std::map<std::u16string, int>{{u"1920", 1}}));
    const std::string run = platform::ToUtf8(kNew) + "/C/";
    EXPECT_TRUE(
        testsupport::HoldsTree(Host("c/Out"), {{run + "Data/notes.txt", "notes"}, {run + "Data/old.txt", "old"}}));
}

TEST_F(HostileDrive, DeleteRemovesLinksAsLinksAndNeverJoinsANameThatHoldsABackslash)
{
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("secret.txt"), "secret");
    const std::u16string oldData = Manual() + kOld + u"\\C\\Data\\";
    const std::u16string newData = Manual() + kNew + u"\\C\\Data\\";
    WriteText(drive.Host(oldData + u"a.txt"), "alpha");
    std::filesystem::create_symlink(Host("secret.txt"), drive.Host(oldData + u"link.txt"));
    // One Linux name; joined as a Windows path it would name the later run's b.txt.
    const std::u16string climbing = u"..\\..\\..\\" + kNew + u"\\C\\Data\\b.txt";
    WriteText(drive.Host(oldData).string() + "/" + platform::ToUtf8(climbing), "odd");
    WriteText(drive.Host(newData + u"b.txt"), "beta");
    WriteRepeatList(kNew, {oldData + u"a.txt", oldData + u"link.txt"});
    // The earlier run reached its end: it has its list files.
    testsupport::WriteFinishedRunLists(drive.Host(Manual() + kOld));

    form().Del_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    BuildDeleteTree(form(), *form().DM_Tree, *form().Del_PC_Show_Edit, 2);
    ASSERT_EQ(form().DM_Tree->Items().TopCount(), 1);
    ui::TTreeNode* oldRun = form().DM_Tree->Items().Top(0)->Item(0);
    ASSERT_EQ(oldRun->Text(), kOld);
    ToggleNodeCheck(oldRun);
    PropagateNodeCheck(oldRun);
    form().Menu_Del_ManualBtn_LabClick(nullptr);
    RunOk(8);
    ui_.Advance(20000);

    // The odd name is one name: it goes with its run, and the later run's b.txt stays.
    EXPECT_EQ(boxes_.Messages(), (std::vector<std::u16string>{LookupText(*form().LangTable, 20102)}));
    EXPECT_FALSE(std::filesystem::exists(drive.Host(Manual() + kOld)));
    EXPECT_EQ(ReadText(drive.Host(newData + u"b.txt")), "beta");
    EXPECT_EQ(ReadText(drive.Host(newData + u"a.txt")), "alpha");
    EXPECT_FALSE(std::filesystem::exists(drive.Host(newData + u"link.txt")));
    EXPECT_FALSE(std::filesystem::is_symlink(drive.Host(oldData + u"link.txt")));
    EXPECT_EQ(ReadText(Host("secret.txt")), "secret");
}

TEST_F(HostileDrive, DeleteNeverReHomesIntoALinkedFolderOfALaterRun)
{
    enginetest::TempDrive drive(u'E', 2);
    std::filesystem::create_directories(Host("secret"));
    const std::u16string oldData = Manual() + kOld + u"\\C\\Data\\";
    const std::u16string newData = Manual() + kNew + u"\\C\\Data\\";
    WriteText(drive.Host(oldData + u"a.txt"), "alpha");
    WriteText(drive.Host(oldData + u"Sub\\b.txt"), "beta");
    WriteText(drive.Host(newData + u"c.txt"), "gamma");
    // a.txt goes to a folder of the later run first; the linked folder beside it is checked all the same.
    std::filesystem::create_symlink(Host("secret"), drive.Host(newData + u"Sub"));
    WriteRepeatList(kNew, {oldData + u"a.txt", oldData + u"Sub\\b.txt"});
    testsupport::WriteFinishedRunLists(drive.Host(Manual() + kOld));

    form().Del_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    BuildDeleteTree(form(), *form().DM_Tree, *form().Del_PC_Show_Edit, 2);
    ASSERT_EQ(form().DM_Tree->Items().TopCount(), 1);
    ui::TTreeNode* oldRun = form().DM_Tree->Items().Top(0)->Item(0);
    ASSERT_EQ(oldRun->Text(), kOld);
    ToggleNodeCheck(oldRun);
    PropagateNodeCheck(oldRun);
    form().Menu_Del_ManualBtn_LabClick(nullptr);
    RunOk(8);
    ui_.Advance(20000);

    EXPECT_TRUE(std::filesystem::is_empty(Host("secret")));
    EXPECT_EQ(ReadText(drive.Host(oldData + u"Sub\\b.txt")), "beta");
    EXPECT_EQ(ReadText(drive.Host(newData + u"a.txt")), "alpha");
    EXPECT_EQ(ReadText(drive.Host(newData + u"c.txt")), "gamma");
}

TEST_F(HostileDrive, NamesThatAreNotUtf8BackUpAndRestoreUnderTheirOwnBytes)
{
    enginetest::TempDrive drive(u'E', 2);
    const std::map<std::string, std::string> originals = {
        {"report\xfe.doc", "first"}, {"report\xff.doc", "second"}, {"caf\xc3\xa9.doc", "third"}};
    for (const auto& [name, content] : originals) {
        WriteText(Host("c/Data/" + name), content);
    }
    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
    ClosePanel();
    ASSERT_EQ(form().Idle, 1);
    EXPECT_EQ(form().CompletedFiles->Count(), 3);
    EXPECT_EQ(form().FailedFiles->Count(), 0);

    form().Res_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    ShowLatestEasyBackupTime(*form().RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(form().Res_PC_Show_Edit->Text()));
    std::filesystem::remove_all(Host("c/Data"));
    std::filesystem::create_directories(Host("c/Out"));
    form().RestoreToOriginal = 0;
    form().Res_Dest_Edit->SetText(u"C:\\Out");
    EXPECT_TRUE(RunOk(5).empty());
    form().RestoreToOriginal = 1;
    EXPECT_TRUE(RunOk(5).empty());

    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Data"), originals));
    std::map<std::string, std::string> restored;
    for (const auto& [path, content] : testsupport::ReadTree(Host("c/Out"))) {
        restored[std::filesystem::path(path).filename().string()] = content;
    }
    EXPECT_EQ(restored, originals);
}

TEST_F(HostileDrive, ALinkInAnEarlierRunIsNeverTakenForTheCopyOfAFile)
{
    enginetest::TempDrive drive(u'E', 2);
    WriteText(Host("c/Data/report.doc"), "mine");
    WriteText(Host("secret.doc"), "secret");
    const std::u16string earlier = u"Harbex_Solo+\\" + PcFolderName() + u"\\Easy\\Document\\" + kOld;
    std::filesystem::create_directories(drive.Host(earlier + u"\\C\\Data"));
    std::filesystem::create_symlink(Host("secret.doc"), drive.Host(earlier + u"\\C\\Data\\report.doc"));
    lists::TStringList sizes;
    AddOriSizeLine(sizes, u"E:\\" + earlier + u"\\C\\Data\\report.doc", 4);
    ASSERT_EQ(SaveListFile(sizes, u"E:\\" + earlier + u"\\" + OriSizeFileName()), 0u);
    ASSERT_EQ(SaveListFile(lists::TStringList(), u"E:\\" + earlier + u"\\" + RepeatListFileName()), 0u);

    ui_.Clock().SetLocalTime(SYSTEMTIME{2024, 3, 5, 1, 9, 0, 0, 0});
    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
    ClosePanel();

    const auto runs = drive.Host(u"Harbex_Solo+\\" + PcFolderName() + u"\\Easy\\Document");
    EXPECT_EQ(ReadText(runs / "20240301_090000/C/Data/report.doc"), "mine");
    lists::TStringList repeats;
    (void)repeats.LoadFromFile(u"E:\\Harbex_Solo+\\" + PcFolderName() + u"\\Easy\\Document\\" + kNew + u"\\" +
                               RepeatListFileName());
    EXPECT_EQ(repeats.Count(), 0);
}

TEST_F(HostileDrive, APcNameHoldingABackslashIsCopiedUnderItsOwnNameBesideItsNeighbour)
{
    enginetest::TempDrive drive(u'E', 2);
    // One Linux file whose name holds a backslash, beside the folder that the name seems to name.
    WriteText(Host("c/Data/a\\b.doc"), "odd");
    WriteText(Host("c/Data/a/b.doc"), "neighbour");

    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
    ClosePanel();

    EXPECT_EQ(form().FailedFiles->Count(), 0);
    EXPECT_EQ(form().CompletedFiles->Count(), 2);
    std::map<std::string, std::string> onDrive;
    for (const auto& [path, content] : testsupport::ReadTree(drive.Host(u""))) {
        if (path.ends_with(".doc")) {
            onDrive[std::filesystem::path(path).filename().string()] = content;
        }
    }
    EXPECT_EQ(onDrive, (std::map<std::string, std::string>{{"a\\b.doc", "odd"}, {"b.doc", "neighbour"}}));
}

}  // namespace
