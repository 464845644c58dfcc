#include "backup/base/SettingsPaths.h"
#include "backup/engine/Container.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/StartersBackup.h"
#include "backup/window/jobs/WindowJob.h"

#include "engine_easy_machine.h"
#include "platform/clock.h"
#include "platform/sim/sim_state.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/box_answers.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"
#include "ui/controls/label.h"
#include "ui/controls/list_view.h"
#include "ui/controls/timer.h"

#include <functional>

namespace {

using easytest::EasyMachine;
using easytest::kRunStamp;

const std::string kEasyOnE = "E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy\\";
using testsupport::kInterruptMarker;
const std::string kHistory = "e/Harbex_Solo+/HOMEPCAlice61/Easy/BacTimeRec.ini";
using enginetest::kEveryCategory;

class EasyRun : public EasyMachine {
protected:
    void SetUp() override
    {
        EasyMachine::SetUp();
        Open(1033);
        ui_.Clock().SetLocalTime(easytest::kRunTime);
    }

    TMainForm& form() { return *MainForm; }

    // The program's entry for an Easy Backup to E:, then the result panel closed.
    void Run(const PerEasyCategory<BYTE>& categories, BYTE encrypt = 0)
    {
        form().EncryptBackup = encrypt;
        StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, categories, form().Progress_File_Path_Lab);
        CloseProgressPanel(form());
    }

    std::vector<std::string> Lines(const lists::TStringList& list)
    {
        std::vector<std::string> lines;
        for (const auto& line : list.Lines()) {
            lines.push_back(platform::ToUtf8(line));
        }
        return lines;
    }
};

TEST_F(EasyRun, CopiesTheSelectedCategoriesIntoRunFoldersNamedByTheClock)
{
    Run(kEveryCategory);

    const std::string doc = kEasyOnE + "Document\\" + kRunStamp + "\\C\\";
    EXPECT_EQ(
        ReadFile(RunFolder("e", "Document") + "/OriSize.ini"),
        ListFileBytes({doc + "Users\\Alice\\Desktop\\report.doc   10", doc + "Users\\Alice\\Documents\\letter.txt   20",
                       doc + "Data\\Old\\program files\\e.doc   80", doc + "Data\\plan.doc   60",
                       doc + "Elsewhere\\linked.doc   1000"}));
    EXPECT_EQ(ReadFile(RunFolder("e", "Audio") + "/OriSize.ini"),
              ListFileBytes({kEasyOnE + "Audio\\" + kRunStamp + "\\C\\Users\\Alice\\Desktop\\song.mp3   5",
                             kEasyOnE + "Audio\\" + kRunStamp + "\\C\\Users\\Alice\\Music\\tune.mp3   40"}));
    EXPECT_EQ(
        ReadFile(RunFolder("e", "Mail") + "/OriSize.ini"),
        ListFileBytes({kEasyOnE + "Mail\\" + kRunStamp + "\\C\\Users\\Alice\\AppData\\Local\\Mail\\box.pst   100"}));
    for (const char* category : {"Document", "Graphic", "Audio", "Video", "Mail"}) {
        EXPECT_EQ(ReadFile(RunFolder("e", category) + "/FileList_Repeat.ini"), ListFileBytes({})) << category;
    }
    EXPECT_EQ(ReadFile(RunFolder("e", "Document") + "/C/Data/plan.doc"), std::string(60, 'x'));
    EXPECT_EQ(ReadFile(RunFolder("e", "Video") + "/C/Users/Alice/Videos/clip.avi"), std::string(50, 'x'));
    // Passed over: the local application data's documents, other files, system entries, excluded
    // folders and the link.
    for (const char* absent : {"C/Users/Alice/AppData/Local/cache.doc", "C/Data/sys.doc", "C/Data/setup.exe",
                               "C/Data/link", "C/Windows", "C/Data/WINDOWS", "C/Data/Program Files"}) {
        EXPECT_FALSE(std::filesystem::exists(Host(RunFolder("e", "Document") + "/" + absent))) << absent;
    }
    EXPECT_EQ(form().CompletedFiles->Count(), 10);
    EXPECT_EQ(form().FailedFiles->Count(), 0);
    EXPECT_EQ(form().JobDoneBytes, form().JobTotalBytes);
    EXPECT_EQ(ReadFile(kHistory), ListFileBytes({"40607.5882986111"}));
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
}

// The category walk's folders on the drive take the modes of the folders they stand for, and its
// files their own bits; the drive's own folders stay as they are made for every run.
TEST_F(EasyRun, FoldersAndFilesOnTheDriveKeepTheModesOfWhatTheyStandFor)
{
    const auto modeOf = [](const std::filesystem::path& path) {
        return static_cast<unsigned>(std::filesystem::status(path).permissions()) & 07777;
    };
    std::filesystem::permissions(Host("c/Users/Alice/Documents/letter.txt"), std::filesystem::perms(0600));
    std::filesystem::permissions(Host("c/Users/Alice/Documents"), std::filesystem::perms(0700));
    std::filesystem::permissions(Host("c/Data"), std::filesystem::perms(0750));
    // A folder made with the default mode, as the drive's own folders are.
    const unsigned runMode = [&] {
        std::filesystem::create_directories(Host("e/other"));
        return modeOf(Host("e/other"));
    }();
    Run(kEveryCategory);
    const std::string run = RunFolder("e", "Document");
    EXPECT_EQ(modeOf(Host(run + "/C/Users/Alice/Documents/letter.txt")), 0600u);
    EXPECT_EQ(modeOf(Host(run + "/C/Users/Alice/Documents")), 0700u);
    EXPECT_EQ(modeOf(Host(run + "/C/Data")), 0750u);
    EXPECT_EQ(modeOf(Host(run)), runMode);
}

TEST_F(EasyRun, OnlyThePictureFolderIsMadeWhenOnlyPicturesAreSelected)
{
    Run({0, 1, 0, 0, 0});
    std::vector<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(Host("e/Harbex_Solo+/HOMEPCAlice61/Easy"))) {
        made.push_back(entry.path().filename().string());
    }
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::string>{"BacTimeRec.ini", "Graphic"}));
    EXPECT_EQ(Lines(*form().CompletedFiles), std::vector<std::string>{"C:\\Users\\Alice\\Pictures\\cat.jpg"});
    EXPECT_EQ(form().JobDoneBytes, form().JobTotalBytes) << "files passed over still move the bar";
}

TEST_F(EasyRun, ASecondRunRefersToUnchangedFilesAndCopiesChangedOnes)
{
    Run({1, 0, 0, 0, 0});
    ASSERT_TRUE(SetFileAttributesW(u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy\\BacTimeRec.ini", FILE_ATTRIBUTE_READONLY));
    ui_.Clock().Advance(3600 * 1000);
    testsupport::WriteText(Host("c/Data/plan.doc"), std::string(61, 'y'));
    FILETIME later;
    GetSystemTimeAsFileTime(&later);
    HANDLE file = CreateFileW(u"C:\\Data\\plan.doc", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &later);
    CloseHandle(file);

    Run({1, 0, 0, 0, 0});
    const std::string second = "20110305_150709";
    const std::string first = kEasyOnE.substr(3) + "Document\\" + kRunStamp + "\\C\\";
    EXPECT_EQ(ReadFile(RunFolder("e", "Document", second) + "/FileList_Repeat.ini"),
              ListFileBytes({first + "Users\\Alice\\Desktop\\report.doc", first + "Users\\Alice\\Documents\\letter.txt",
                             first + "Data\\Old\\program files\\e.doc", first + "Elsewhere\\linked.doc"}));
    const std::string doc = kEasyOnE + "Document\\" + second + "\\C\\";
    EXPECT_EQ(
        ReadFile(RunFolder("e", "Document", second) + "/OriSize.ini"),
        ListFileBytes({doc + "Users\\Alice\\Desktop\\report.doc   10", doc + "Users\\Alice\\Documents\\letter.txt   20",
                       doc + "Data\\Old\\program files\\e.doc   80", doc + "Data\\plan.doc   61",
                       doc + "Elsewhere\\linked.doc   1000"}));
    const std::string secondRun = RunFolder("e", "Document", second);
    EXPECT_FALSE(std::filesystem::exists(Host(secondRun + "/C/Users/Alice/Desktop/report.doc")));
    EXPECT_TRUE(std::filesystem::is_directory(Host(RunFolder("e", "Document", second) + "/C/Users/Alice/Desktop")));
    EXPECT_EQ(ReadFile(RunFolder("e", "Document", second) + "/C/Data/plan.doc"), std::string(61, 'y'));
    EXPECT_EQ(form().CompletedFiles->Count(), 5);
    // The read-only history lost its read-only bit and gained the second run.
    EXPECT_EQ(ReadFile(kHistory), ListFileBytes({"40607.5882986111", "40607.6299652778"}));
    EXPECT_EQ(GetFileAttributesW(u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy\\BacTimeRec.ini") & FILE_ATTRIBUTE_READONLY,
              0u);
}

// A second run started in the same second as the first gets folders of its own, a second later, in
// every category, so that its cancel or clean-up never reaches the first run.
TEST_F(EasyRun, ARunInTheSameSecondAsTheLastOneLeavesItWhole)
{
    Run({1, 0, 0, 0, 0});
    const std::string first = ReadFile(RunFolder("e", "Document") + "/C/Data/plan.doc");
    testsupport::WriteText(Host("c/Data/plan.doc"), std::string(61, 'y'));

    Run({1, 1, 0, 0, 0});

    const std::string second = "20110305_140710";
    EXPECT_EQ(ReadFile(RunFolder("e", "Document") + "/C/Data/plan.doc"), first);
    EXPECT_EQ(ReadFile(RunFolder("e", "Document", second) + "/C/Data/plan.doc"), std::string(61, 'y'));
    EXPECT_TRUE(std::filesystem::exists(Host(RunFolder("e", "Graphic", second))));
    EXPECT_FALSE(std::filesystem::exists(Host(RunFolder("e", "Graphic"))));
    EXPECT_EQ(ReadFile(kHistory), ListFileBytes({"40607.5882986111", "40607.5883101852"}));
}

TEST_F(EasyRun, EncryptionWritesContainersThatDecodeToTheSource)
{
    Run({0, 0, 0, 0, 1}, 1);
    const std::string container = RunFolder("e", "Mail") + "/C/Users/Alice/AppData/Local/Mail/box.pst.vemoen";
    EXPECT_EQ(ReadFile(RunFolder("e", "Mail") + "/OriSize.ini"),
              ListFileBytes(
                  {kEasyOnE + "Mail\\" + kRunStamp + "\\C\\Users\\Alice\\AppData\\Local\\Mail\\box.pst.vemoen   100"}));
    ASSERT_TRUE(std::filesystem::exists(Host(container)));
    EXPECT_NE(ReadFile(container), std::string(100, 'x'));
    const std::u16string copy = u"E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy\\Mail\\" + platform::FromUtf8(kRunStamp) +
                                u"\\C\\Users\\Alice\\AppData\\Local\\Mail\\box.pst";
    const std::string pass = platform::ToAnsi(CONTAINER_PASS);
    ASSERT_EQ(DecodeContainerFile(WindowJob::OfWindow(), copy + u".vemoen", u"E:\\decoded.pst", pass, nullptr), 0u);
    EXPECT_EQ(ReadFile("e/decoded.pst"), std::string(100, 'x'));
}

// Cancelled with the Cancel button after the first copied file: no run folder, list file, history
// line or marker, and the files copied before the cancel are reported as cancelled because their
// copies are gone.
TEST_F(EasyRun, ACancelledRunLeavesNothingBehind)
{
    bool markerSeen = false;
    testsupport::BoxAnswers boxes(ui_);
    boxes.Answer(testsupport::BoxAnswers::Button::Left);
    DuringRun([&] {
        if (form().CompletedFiles->Count() < 1) {
            return false;
        }
        markerSeen = std::filesystem::exists(Host(kInterruptMarker));
        ui::testing::Click(*form().LB_Btn_Lab);
        return true;
    });
    Run(kEveryCategory);
    EXPECT_TRUE(markerSeen);
    EXPECT_EQ(boxes.Messages(), std::vector<std::u16string>{u"Do you want to cancel back up?"});
    for (const char* category : {"Document", "Graphic", "Audio", "Video", "Mail"}) {
        EXPECT_FALSE(std::filesystem::exists(Host(RunFolder("e", category)))) << category;
    }
    EXPECT_FALSE(std::filesystem::exists(Host(kHistory)));
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
    EXPECT_EQ(form().CompletedFiles->Count(), 0);
    ASSERT_GE(form().FailedFiles->Count(), 1);
    EXPECT_EQ(platform::ToUtf8(form().FailedFiles->Strings(0)),
              "C:\\Users\\Alice\\Desktop\\report.doc     ErrorCode : 1235");
    EXPECT_EQ(form().Progress_List->Items().Count(), form().FailedFiles->Count());
}

// A drive unplugged during the run leaves the marker for the next start; that removal does not
// count against the next run, made with the drive plugged in again.
TEST_F(EasyRun, TheMarkerStaysOnlyWhenTheDriveWentAwayDuringTheRun)
{
    const std::string states = platform::sim::StateFolder(folder_);
    // The clock goes on after the unplug, so that the drive watch sees it.
    bool unplugged = false;
    DuringRun([&] {
        if (!unplugged && form().CompletedFiles->Count() >= 1) {
            unplugged = platform::sim::WriteDeviceState(states, u'E', {false, false}) == 0;
        }
        return false;
    });
    Run({1, 0, 0, 0, 0});
    EXPECT_EQ(form().BackupDriveRemoved, 1);
    lists::TStringList marker;
    ASSERT_TRUE(marker.LoadFromFile(BacAbnorPath(false)));
    EXPECT_EQ(Lines(marker), (std::vector<std::string>{"0", "40607.5883101852", "E:\\"}));

    watch_.SetEnabled(false);
    ASSERT_EQ(platform::sim::WriteDeviceState(states, u'E', {true, false}), 0u);
    ui_.Advance(500);
    Run({1, 0, 0, 0, 0});
    EXPECT_EQ(form().FailedFiles->Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
}

TEST_F(EasyRun, AHistoryThatCannotBeWrittenIsReportedAsFailed)
{
    std::filesystem::create_directories(Host(kHistory));
    Run({1, 0, 0, 0, 0});
    ASSERT_EQ(form().FailedFiles->Count(), 1);
    EXPECT_EQ(platform::ToUtf8(form().FailedFiles->Strings(0))
                  .rfind("E:\\Harbex_Solo+\\HOMEPCAlice61\\Easy\\BacTimeRec.ini     ErrorCode : ", 0),
              0u);
    EXPECT_EQ(form().Progress_List->Items().Count(), 1);
}

}  // namespace
