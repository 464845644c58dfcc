// The Easy Backup starter, through the same entry the OK button and the
// automatic starts use.

#include "backup/base/Language.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/jobs/StartersBackup.h"
#include "frame_fixture.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/file_tree.h"
#include "ui/windows.h"

#include <iterator>
#include <set>

namespace {

using frametest::MainWindowMachine;

using enginetest::kEveryCategory;
constexpr PerEasyCategory<BYTE> kNoCategory = {0, 0, 0, 0, 0};

class StartersEasy : public MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }
    std::u16string text(int id) { return LookupText(*form().LangTable, id); }

    // Runs the starter and returns the messages it showed, each box answered with
    // OK.
    std::vector<std::u16string> Start(const std::u16string& destination, const PerEasyCategory<BYTE>& categories)
    {
        std::vector<std::u16string> messages;
        const std::function<void(ui::TForm&)> answer = [&](ui::TForm& box) {
            messages.push_back(dynamic_cast<TMsgForm&>(box).Msg_Lab->Caption());
            box.Close();
            ui_.AnswerNextModal(answer);
        };
        ui_.AnswerNextModal(answer);
        StartEasyBackup(form(), destination, form().Progress_File_Path_Lab, categories, form().Progress_File_Path_Lab);
        return messages;
    }

    std::filesystem::path DataFile(const std::string& name) const
    {
        return Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/" + name);
    }

    static std::u16string DataPath(const std::u16string& name)
    {
        return u"C:\\Users\\Alice\\AppData\\Roaming\\Harbex_Solo+\\" + name;
    }
};

TEST_F(StartersEasy, GuardsRefuseWithOneMessageAndLeaveTheWindowIdle)
{
    Open(1033);
    struct Case {
        const char* name;
        std::u16string destination;
        PerEasyCategory<BYTE> categories;
        int message;
    };
    const Case cases[] = {
        {"no category and no drive", u"", kNoCategory, 20106},
        {"no drive", u"", kEveryCategory, 20114},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Start(c.destination, c.categories), std::vector<std::u16string>{text(c.message)}) << c.name;
        EXPECT_EQ(form().Idle, 1) << c.name;
        EXPECT_EQ(form().MayClose, 1) << c.name;
        EXPECT_FALSE(form().Progress_Pan->Visible()) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(DataFile("FilesList_Complete.txt")));
}

TEST_F(StartersEasy, OkButtonStartsTheEasyBackupOfTheBackupPageOnly)
{
    Open(1033);
    std::vector<std::u16string> messages;
    const std::function<void(ui::TForm&)> answer = [&](ui::TForm& box) {
        messages.push_back(dynamic_cast<TMsgForm&>(box).Msg_Lab->Caption());
        box.Close();
    };
    form().CurrentPage = 1;
    RunPageOperation(form());
    EXPECT_EQ(ui_.ModalCount(), 0);
    form().CurrentPage = 3;
    form().Bac_Dest_Edit->SetText(u"");
    ui_.AnswerNextModal(answer);
    RunPageOperation(form());
    EXPECT_EQ(messages, std::vector<std::u16string>{text(20114)});
}

TEST_F(StartersEasy, BusyWindowStartsNothing)
{
    Open(1033);
    form().Idle = 0;
    EXPECT_TRUE(Start(u"", kNoCategory).empty());
    EXPECT_FALSE(form().Progress_Pan->Visible());
}

TEST_F(StartersEasy, UnreadableDestinationIsRefusedForSpaceAfterTheScan)
{
    Open(1033);
    testsupport::WriteText(Host("c/Data/report.txt"), "twelve bytes");
    EXPECT_EQ(Start(u"Q:\\", kEveryCategory), std::vector<std::u16string>{text(20134)});
    EXPECT_FALSE(form().Progress_Pan->Visible());
    EXPECT_EQ(form().Idle, 1);
    EXPECT_EQ(form().MayClose, 1);
    EXPECT_FALSE(form().TrayIcon_Animate_Timer->Enabled());
    EXPECT_FALSE(std::filesystem::exists(DataFile("FilesList_Complete.txt")));
    EXPECT_FALSE(std::filesystem::exists(DataFile("Ini/BacDest.ini")));
}

TEST_F(StartersEasy, FinishedBackupShowsResultsAndSavesTheLists)
{
    Open(1033);
    testsupport::WriteText(Host("c/Data/report.txt"), "twelve bytes");
    enginetest::TempDrive drive(u'E', 2);
    form().StartPath = u"E:\\";
    EXPECT_TRUE(Start(u"E:\\", kEveryCategory).empty());

    EXPECT_TRUE(form().Progress_Pan->Visible());
    EXPECT_EQ(form().ProgressFinished, 1);
    EXPECT_EQ(form().MayClose, 1);
    EXPECT_EQ(form().Idle, 0) << "the result panel holds the window until it is closed";
    EXPECT_EQ(form().FileInfo_Complete_Num_Lab->Caption(), u"1");
    EXPECT_EQ(form().FileInfo_Fail_Num_Lab->Caption(), u"0");
    EXPECT_EQ(form().Progress_Total_RemainTime_Lab->Caption(), u"");

    lists::TStringList completed;
    ASSERT_TRUE(completed.LoadFromFile(DataPath(u"FilesList_Complete_E.txt")));
    ASSERT_EQ(completed.Count(), 1);
    EXPECT_NE(completed[0].find(u"report.txt"), std::u16string::npos);
    EXPECT_TRUE(std::filesystem::exists(DataFile("FilesList_Failed_E.txt")));
    lists::TStringList destination;
    ASSERT_TRUE(destination.LoadFromFile(DataPath(u"Ini\\BacDest.ini")));
    EXPECT_EQ(destination.Count(), 1);
    EXPECT_EQ(destination[0], u"E:\\");
}

// While a job runs the tray icon cycles through its frames and its Exit is refused; once the job
// has ended the icon rests on its first frame and Exit ends the program.
TEST_F(StartersEasy, TrayIconAnimatesDuringAJobAndRefusesExitUntilItEnds)
{
    Open(1033);
    for (int i = 0; i < 12; ++i) {
        testsupport::WriteText(Host("c/Data/file" + std::to_string(i) + ".txt"), "contents");
    }
    enginetest::TempDrive drive(u'E', 2);
    form().StartPath = u"E:\\";
    std::set<int> frames;
    bool exitRefused = true;
    const HWND target = form().Handle();
    constexpr UINT kTick = WM_USER + 78;
    ui::Application->OnMessage = [&](ui::TMsg& msg, bool& handled) {
        if (msg.hwnd != target || msg.message != kTick) {
            return;
        }
        handled = true;
        if (form().MayClose == 0) {
            frames.insert(form().TrayIcon->IconIndex());
            form().Exit->Click();
            exitRefused = exitRefused && form().Visible() && !ui::Application->Terminated();
            ui_.Clock().Advance(800);
        }
        PostMessageW(target, kTick, 0, 0);
    };
    PostMessageW(target, kTick, 0, 0);
    form().ShowForm();
    EXPECT_TRUE(Start(u"E:\\", kEveryCategory).empty());
    ui::Application->OnMessage = nullptr;

    EXPECT_GE(frames.size(), 3u) << "the icon moved through its frames";
    EXPECT_TRUE(exitRefused);
    EXPECT_EQ(form().TrayIcon->IconIndex(), 0);
    EXPECT_FALSE(form().TrayIcon_Animate_Timer->Enabled());
    form().Exit->Click();
    EXPECT_FALSE(form().Visible());
    EXPECT_FALSE(form().TrayIcon->Visible());
}

}  // namespace
