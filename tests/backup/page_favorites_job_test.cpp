// The Favorites job and tree: the local Favorites folder backed up to the drive E: as a plain copy
// below the PC's folder, and restored from there, started with the OK button of page 9.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/window/frame/MsgWin.h"
#include "frame_fixture.h"
#include "platform/drive_job_lock.h"
#include "platform/drives.h"
#include "platform/text.h"
#include "tests/support/click_path.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "tests/support/small_file_system.h"

#include <fstream>
#include <iterator>

namespace {
namespace uit = ui::testing;

class FavoritesJob : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        for (const char* dir : {"c/Users/Alice/Favorites", "e"}) {
            std::filesystem::create_directories(Host(dir));
        }
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Drive('E', "type = removable\n")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("favorites", "C:\\Users\\Alice\\Favorites")));
    }

    void OpenPageWithDriveE()
    {
        Open(1033);
        MainForm->ExternalDrives.Count = 1;
        MainForm->ExternalDrives.Roots[0] = u"E:\\";
        testsupport::ClickPath(*MainForm, "Menu_AppIndex_BtnImg/Menu_App_FavBtn_Lab");
        ASSERT_EQ(MainForm->CurrentPage, 9);
    }

    // The OK button; returns the messages shown, each answered with OK; the result panel is closed.
    std::vector<std::u16string> PressOk()
    {
        std::vector<std::u16string> messages;
        ui_.AnswerNextModal([&](ui::TForm& box) {
            messages.push_back(dynamic_cast<TMsgForm&>(box).Msg_Lab->Caption());
            box.Close();
        });
        uit::Click(*MainForm->RB_Btn_Lab);
        if (MainForm->Idle == 0) {
            uit::Click(*MainForm->PB_Btn_Lab);
        }
        return messages;
    }

    static std::string DriveCopy() { return "e/Harbex_Solo+/" + platform::ToUtf8(PcFolderName()) + "/Favorites/"; }
};

TEST_F(FavoritesJob, BackupToTheDriveThenRestoreFromIt)
{
    const testsupport::FileTree favorites = {{"News.url", "news"}, {"Links/Maps.url", "maps"}};
    testsupport::WriteTree(Host("c/Users/Alice/Favorites"), favorites);
    OpenPageWithDriveE();
    MainForm->StartPath = u"E:\\";
    MainForm->AF_Dest_Edit->SetText(u"E:\\");

    EXPECT_TRUE(PressOk().empty());
    EXPECT_TRUE(testsupport::HoldsTree(Host(DriveCopy()), favorites));
    EXPECT_EQ(MainForm->AF_PC_Show_Edit->Text(), u"E:  " + PcFolderName());
    EXPECT_TRUE(std::filesystem::exists(Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/FilesList_Complete_E.txt")));
    EXPECT_EQ(MainForm->Idle, 1);

    std::filesystem::remove(Host("c/Users/Alice/Favorites/News.url"));
    std::filesystem::remove_all(Host("c/Users/Alice/Favorites/Links"));
    uit::Click(*MainForm->AFT_Res_Lab);
    EXPECT_EQ(MainForm->RB_Btn_Lab->Caption(), u"Restore");
    // The tree shows the drive's copy: its subfolder lists the drive's entries.
    ui::TTreeNode* top = MainForm->AF_Tree->Items().Top(0);
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->Count(), 2);
    ui::TTreeNode* links = top->Item(0)->Text() == u"Links" ? top->Item(0) : top->Item(1);
    ASSERT_EQ(links->Count(), 1);
    EXPECT_EQ(links->Item(0)->Text(), u"Maps.url");

    EXPECT_TRUE(PressOk().empty());
    EXPECT_TRUE(testsupport::HoldsTree(Host("c/Users/Alice/Favorites"), favorites));
}

TEST_F(FavoritesJob, BothWaysWaitForNoOtherJobOnTheDrive)
{
    testsupport::WriteText(Host("c/Users/Alice/Favorites/News.url"), "news");
    OpenPageWithDriveE();
    MainForm->AF_Dest_Edit->SetText(u"E:\\");
    MainForm->AF_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    const std::u16string busy = LookupText(*MainForm->LangTable, 20210);
    const platform::DriveJobLock other(u"E:\\");
    ASSERT_EQ(other.error(), 0u);

    EXPECT_EQ(PressOk(), std::vector<std::u16string>{busy});
    EXPECT_TRUE(std::filesystem::is_empty(Host("e"))) << "not even a folder is made";
    testsupport::WriteText(Host(DriveCopy() + "Old.url"), "old");
    uit::Click(*MainForm->AFT_Res_Lab);
    EXPECT_EQ(PressOk(), std::vector<std::u16string>{busy});
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Alice/Favorites/Old.url")));
    EXPECT_EQ(MainForm->Idle, 1);
}

TEST_F(FavoritesJob, LinksInTheDrivesCopyAreShownButNeitherEnteredNorRestored)
{
    testsupport::WriteText(Host("secret/inner.url"), "inner");
    testsupport::WriteText(Host("secret.url"), "secret");
    testsupport::WriteText(Host(DriveCopy() + "News.url"), "news");
    std::filesystem::create_symlink(Host("secret"), Host(DriveCopy() + "Linked"));
    std::filesystem::create_symlink(Host("secret.url"), Host(DriveCopy() + "leak.url"));
    OpenPageWithDriveE();
    MainForm->AF_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    uit::Click(*MainForm->AFT_Res_Lab);
    ui::TTreeNode* top = MainForm->AF_Tree->Items().Top(0);
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->Count(), 3);
    bool expand = true;
    MainForm->AF_TreeExpanding(nullptr, top, expand);
    for (int i = 0; i < top->Count(); ++i) {
        EXPECT_EQ(top->Item(i)->Count(), 0) << platform::ToUtf8(top->Item(i)->Text());
    }

    EXPECT_TRUE(PressOk().empty());
    EXPECT_EQ(testsupport::ReadText(Host("c/Users/Alice/Favorites/News.url")), "news");
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Alice/Favorites/leak.url")));
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Alice/Favorites/Linked")));
    ASSERT_EQ(MainForm->FailedFiles->Count(), 2);
    for (const std::u16string& line : MainForm->FailedFiles->Lines()) {
        EXPECT_TRUE(line.ends_with(u"ErrorCode : 1920")) << platform::ToUtf8(line);
    }
}

TEST_F(FavoritesJob, RefusalsLeaveThePageIdle)
{
    OpenPageWithDriveE();
    struct Case {
        const char* name;
        bool restoreTab;
        std::vector<std::u16string> messages;
    };
    const Case cases[] = {
        {"backup without a drive", false, {LookupText(*MainForm->LangTable, 20114)}},
        {"restore without a PC", true, {}},
    };
    for (const Case& c : cases) {
        uit::Click(c.restoreTab ? *MainForm->AFT_Res_Lab : *MainForm->AFT_Bac_Lab);
        MainForm->AF_Dest_Edit->SetText(u"");
        MainForm->AF_PC_Show_Edit->SetText(u"");
        EXPECT_EQ(PressOk(), c.messages) << c.name;
        EXPECT_EQ(MainForm->Idle, 1) << c.name;
        EXPECT_TRUE(MainForm->AF_Dest_SelBtn_Img->Enabled()) << c.name;
        EXPECT_FALSE(MainForm->Progress_Pan->Visible()) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(Host("e/Harbex_Solo+")));
}

// A home on a disk of its own is measured on that disk: a restore that cannot fit there is refused
// before anything is copied, though the disk of the drive letter C: has room.
TEST_F(FavoritesJob, ARestoreIsMeasuredOnTheDiskOfTheFavoritesFolder)
{
    testsupport::SmallFileSystem disk(256 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    std::filesystem::remove_all(Host("c/Users/Alice"));
    std::filesystem::create_directories(std::filesystem::path(disk.Folder()) / "Favorites");
    std::filesystem::create_directory_symlink(disk.Folder(), Host("c/Users/Alice"));
    testsupport::WriteText(Host(DriveCopy() + "Big.url"), std::string(64 * 1024, 'b'));
    OpenPageWithDriveE();
    MainForm->AF_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    uit::Click(*MainForm->AFT_Res_Lab);
    disk.Fill("filler", 16 * 1024);

    EXPECT_EQ(PressOk(), std::vector<std::u16string>{LookupText(*MainForm->LangTable, 20201)});
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Alice/Favorites/Big.url")));
    EXPECT_EQ(MainForm->CompletedFiles->Count() + MainForm->FailedFiles->Count(), 0);
    EXPECT_EQ(MainForm->Idle, 1);
    EXPECT_FALSE(MainForm->Progress_Pan->Visible());
}

// The drive pulled before the backup begins, while the window still lists it: the job ends as a
// removal, without the full-disk box and without making anything.
TEST_F(FavoritesJob, ABackupToAPulledDriveIsARemovalNotAFullDisk)
{
    testsupport::WriteText(Host("c/Users/Alice/Favorites/News.url"), "news");
    OpenPageWithDriveE();
    MainForm->AF_Dest_Edit->SetText(u"E:\\");
    const std::optional<platform::Drive> drive = platform::FindDrive(u'E');
    ASSERT_TRUE(drive);
    platform::UnmountDrive(u'E');

    const std::vector<std::u16string> messages = PressOk();
    platform::MountDrive(*drive);
    for (const std::u16string& message : messages) {
        EXPECT_NE(message, LookupText(*MainForm->LangTable, 20134));
    }
    EXPECT_EQ(MainForm->BackupDriveRemoved, 1);
    EXPECT_TRUE(std::filesystem::is_empty(Host("e")));
    EXPECT_EQ(MainForm->CompletedFiles->Count(), 0);
}

// A double click opens a file with the shell; a folder, or a file gone meanwhile, opens nothing.
TEST_F(FavoritesJob, DoubleClickOpensFilesOnly)
{
    testsupport::WriteText(Host("c/Users/Alice/Favorites/News.url"), "news");
    testsupport::WriteText(Host("c/Users/Alice/Favorites/Links/Maps.url"), "maps");
    OpenPageWithDriveE();
    uit::Click(*MainForm->AFT_Res_Lab);
    uit::Click(*MainForm->AFT_Bac_Lab);
    ui::TTreeNode* top = MainForm->AF_Tree->Items().Top(0);
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->Count(), 2);
    ui::TTreeNode* news = nullptr;
    for (int i = 0; i < top->Count(); ++i) {
        MainForm->AF_Tree->SetSelected(top->Item(i));
        MainForm->AF_TreeDblClick(nullptr);
        if (top->Item(i)->Text() == u"News.url") {
            news = top->Item(i);
        }
    }
    ASSERT_NE(news, nullptr);
    std::filesystem::remove(Host("c/Users/Alice/Favorites/News.url"));
    MainForm->AF_Tree->SetSelected(news);
    MainForm->AF_TreeDblClick(nullptr);
    std::ifstream log(Host("shell.log"));
    const std::string shell(std::istreambuf_iterator<char>(log), {});
    EXPECT_EQ(shell, "open\tC:\\Users\\Alice\\Favorites\\News.url\t\t\t5\n");
}

// A file on the drive is opened, never run: one with execute bits that would leave a mark when run
// is only handed to the opener.
TEST_F(FavoritesJob, AnExecutableFileOnTheDriveIsOpenedNotRun)
{
    const std::string marker = Host("ran");
    testsupport::WriteText(Host(DriveCopy() + "Bank.url"), "#!/bin/sh\nid > '" + marker + "'\n");
    std::filesystem::permissions(Host(DriveCopy() + "Bank.url"), std::filesystem::perms::all);
    OpenPageWithDriveE();
    MainForm->AF_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
    uit::Click(*MainForm->AFT_Res_Lab);
    ui::TTreeNode* top = MainForm->AF_Tree->Items().Top(0);
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->Item(0)->Text(), u"Bank.url");
    MainForm->AF_Tree->SetSelected(top->Item(0));
    MainForm->AF_Tree->OnDblClick(MainForm->AF_Tree);

    std::ifstream log(Host("shell.log"));
    const std::string shell(std::istreambuf_iterator<char>(log), {});
    EXPECT_EQ(shell, "open\tE:\\Harbex_Solo+\\" + platform::ToUtf8(PcFolderName()) + "\\Favorites\\Bank.url\t\t\t5\n");
    EXPECT_FALSE(std::filesystem::exists(marker));
}

}  // namespace
