// The launch options, encryption, hiding and the device button's function: set by clicks, kept in
// "CheckSet.ini" and the folders' attributes, restored at the next start; launch at logon is the
// Startup shortcut.

#include "backup/base/Filelistwin.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/SpecialFolders.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/MainWin.h"
#include "frame_fixture.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "tests/platform/machine_fixture.h"
#include "tests/support/click_path.h"
#include "tests/support/machine_profile.h"
#include "ui/testing.h"

#include <fstream>

namespace {

namespace uit = ui::testing;

int SkinOf(const TImage* image)
{
    return image->Picture().ResourceId();
}

// C: with the all-users Startup folder and Program Files, and two USB disks E: and F:.
class LaunchOptionsTest : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        for (const char* dir : {"e", "f", "c/ProgramData/Startup", "c/Program Files"}) {
            std::filesystem::create_directories(Host(dir));
        }
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Drive('E', "type = fixed\nbus = usb\n")
                                                           .Drive('F', "type = fixed\nbus = usb\n")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("commonstartup", "C:\\ProgramData\\Startup")
                                                           .Folder("programfiles", "C:\\Program Files")
                                                           .Folder("programfilesx86", "C:\\Program Files")));
    }

    void Restart()
    {
        Close();
        Open(1033);
    }

    // Opens a settings page (10 general, 11 backup) as the menu does.
    void ShowSettingsPage(const char* subButton)
    {
        testsupport::ClickPath(*MainForm, std::string("Menu_SetIndex_BtnImg/") + subButton);
    }

    std::u16string StoredLine()
    {
        TStringList lines;
        if (!lines.LoadFromFile(CheckSetPath(false)) || lines.Count() == 0) {
            return u"<none>";
        }
        return lines.Strings(0);
    }

    void WriteLine(const std::u16string& line)
    {
        TStringList lines;
        lines.Add(line);
        ASSERT_TRUE(lines.SaveToFile(CheckSetPath(true)));
    }

    // Every message box that opens from now on is noted and closed.
    void AnswerEveryBox(std::shared_ptr<std::vector<std::u16string>> seen)
    {
        ui_.AnswerNextModal([this, seen](ui::TForm& form) {
            seen->push_back(uit::FindAs<TLabel>(form, "Msg_Lab")->Caption());
            form.Close();
            AnswerEveryBox(seen);
        });
    }

    std::filesystem::path Shortcut() const { return Host("c/ProgramData/Startup/Harbex Solo+.lnk"); }

    std::array<TImage*, 6> LaunchImages()
    {
        TMainForm& f = *MainForm;
        return {f.Start_Win_CheckImg,     f.Minimize_CheckImg,    f.Auto_Plugin_CheckImg,
                f.Auto_ClickBtn_CheckImg, f.Auto_Hotkey_CheckImg, f.Auto_Sch_CheckImg};
    }
};

TEST_F(LaunchOptionsTest, FirstStartShowsDefaultsAndOneClickWritesTheLine)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowSettingsPage("Menu_Set_BacBtn_Lab");
    EXPECT_EQ(f.LaunchOptions, (std::array<BYTE, 6>{0, 1, 1, 1, 1, 1}));
    const std::array<int, 6> shown = {23017, 23019, 23019, 23019, 23019, 23019};
    for (std::size_t k = 0; k < shown.size(); ++k) {
        EXPECT_EQ(SkinOf(LaunchImages()[k]), shown[k]) << k;
    }
    EXPECT_EQ(SkinOf(f.Aes_Check_Img), 23017);
    EXPECT_FALSE(f.Aes_Check_Img->Visible());
    EXPECT_EQ(f.AC_FuncSel_Edit->Text(), u"Manual Backup");
    EXPECT_EQ(StoredLine(), u"<none>");

    uit::Click(*f.Auto_Hotkey_CheckImg);
    EXPECT_EQ(f.LaunchOptions[4], 0);
    EXPECT_EQ(SkinOf(f.Auto_Hotkey_CheckImg), 23017);
    EXPECT_EQ(StoredLine(), u"01110101");
}

TEST_F(LaunchOptionsTest, StoredLinesComeBackAtTheNextStart)
{
    struct Case {
        const char16_t* line;
        std::array<BYTE, 6> options;
        int function;
        const char16_t* shown;
    };
    const Case cases[] = {
        {u"01111110", {0, 1, 1, 1, 1, 1}, 0, u"Easy Backup"}, {u"10100001", {0, 0, 1, 0, 0, 0}, 1, u"Manual Backup"},
        {u"011111", {0, 1, 1, 1, 1, 1}, 1, u"Manual Backup"}, {u"0101010x", {0, 1, 0, 1, 0, 1}, 1, u"Manual Backup"},
        {u"0000", {0, 1, 1, 1, 1, 1}, 1, u"Manual Backup"},   {u"01a00000", {0, 1, 1, 1, 1, 1}, 1, u"Manual Backup"},
    };
    for (const Case& c : cases) {
        WriteLine(c.line);
        Restart();
        TMainForm& f = *MainForm;
        const std::string name(c.line, c.line + std::char_traits<char16_t>::length(c.line));
        EXPECT_EQ(f.LaunchOptions, c.options) << name;
        EXPECT_EQ(f.EncryptBackup, 0) << name;
        EXPECT_EQ(SkinOf(f.Aes_Check_Img), 23017) << name;
        EXPECT_EQ(f.ButtonFunction, c.function) << name;
        EXPECT_EQ(f.AC_FuncSel_Edit->Text(), c.shown) << name;
        for (std::size_t k = 1; k < 6; ++k) {
            EXPECT_EQ(SkinOf(LaunchImages()[k]), c.options[k] != 0 ? 23019 : 23017) << name << " " << k;
        }
    }
}

TEST_F(LaunchOptionsTest, ButtonFunctionAndEncryptionAreSavedAndFunctionSurvivesALanguageChange)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowSettingsPage("Menu_Set_BacBtn_Lab");
    uit::Click(*f.AC_FuncSel_Btn_Img);
    ASSERT_TRUE(f.AC_FuncSel_CBox->DroppedDown());
    f.AC_FuncSel_CBox->PickItem(0);
    EXPECT_EQ(f.ButtonFunction, 0);
    EXPECT_EQ(f.AC_FuncSel_Edit->Text(), u"Easy Backup");
    f.Aes_Check_ImgClick(nullptr);
    EXPECT_EQ(StoredLine(), u"01111110");

    f.Lang_Sel_CBox->PickItem(1);
    EXPECT_EQ(f.AC_FuncSel_CBox->ItemIndex(), 0);
    EXPECT_EQ(f.AC_FuncSel_Edit->Text(), f.Menu_Bac_EasyBtn_Lab->Caption());
    EXPECT_NE(f.AC_FuncSel_Edit->Text(), u"Easy Backup");
}

TEST_F(LaunchOptionsTest, LaunchAtLogonCreatesAndRemovesTheStartupShortcut)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowSettingsPage("Menu_Set_GenBtn_Lab");
    uit::Click(*f.Start_Win_CheckImg);
    EXPECT_TRUE(std::filesystem::exists(Shortcut()));
    EXPECT_TRUE(std::filesystem::is_directory(Host("c/Program Files/Harbex Solo+")));
    EXPECT_EQ(f.LaunchOptions[0], 1);
    EXPECT_EQ(SkinOf(f.Start_Win_CheckImg), 23019);
    EXPECT_EQ(StoredLine(), u"11111101");

    Restart();
    EXPECT_EQ(MainForm->LaunchOptions[0], 1) << "the option follows the shortcut";
    ShowSettingsPage("Menu_Set_GenBtn_Lab");
    uit::Click(*MainForm->Start_Win_CheckImg);
    EXPECT_FALSE(std::filesystem::exists(Shortcut()));
    EXPECT_EQ(MainForm->LaunchOptions[0], 0);
    EXPECT_EQ(StoredLine(), u"01111101");
    DeleteStartupShortcut();
    EXPECT_FALSE(StartupShortcutExists());
}

TEST_F(LaunchOptionsTest, LaunchAtLogonShowsWhatTheStartupFolderHolds)
{
    std::filesystem::remove_all(Host("c/ProgramData/Startup"));
    Open(1033);
    ShowSettingsPage("Menu_Set_GenBtn_Lab");
    uit::Click(*MainForm->Start_Win_CheckImg);
    EXPECT_EQ(MainForm->LaunchOptions[0], 0) << "the shortcut could not be written";
    EXPECT_EQ(SkinOf(MainForm->Start_Win_CheckImg), 23017);
}

TEST_F(LaunchOptionsTest, LaunchAtLogonOnTheRealMachineIsAnXdgAutostartEntry)
{
    const std::string home = folder_ + "/home";
    std::filesystem::create_directories(home);
    const ScopedEnv noProfile("HARBEX_MACHINE", nullptr);
    const ScopedEnv homeFolder("HOME", home.c_str());
    const ScopedEnv config("XDG_CONFIG_HOME", (home + "/settings").c_str());
    const ScopedEnv data("XDG_DATA_HOME", nullptr);
    std::string error;
    ASSERT_TRUE(platform::InitMachine(error)) << error;
    const std::filesystem::path entry = home + "/settings/autostart/Harbex Solo+.desktop";

    Open(1033);
    ShowSettingsPage("Menu_Set_GenBtn_Lab");
    uit::Click(*MainForm->Start_Win_CheckImg);
    ASSERT_TRUE(std::filesystem::exists(entry));
    std::ifstream in(entry);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\nName=Harbex Solo+\n", 0), 0u) << text;
    const std::string program = home + "/.local/share/harbex-machine/Program Files (x86)/Harbex Solo+/Harbex_Solo+.exe";
    EXPECT_NE(text.find("\nExec=\"" + program + "\"\n"), std::string::npos) << text;
    EXPECT_EQ(MainForm->LaunchOptions[0], 1);
    platform::ShellLink link;
    ASSERT_TRUE(platform::LoadShellLink((CommonStartupFolder() + u"\\Harbex Solo+.lnk").c_str(), link));
    EXPECT_EQ(link.target, u"C:\\.local\\share\\harbex-machine\\Program Files (x86)\\Harbex Solo+\\Harbex_Solo+.exe");

    Restart();
    EXPECT_EQ(MainForm->LaunchOptions[0], 1) << "the option is read back from the entry";
    ShowSettingsPage("Menu_Set_GenBtn_Lab");
    uit::Click(*MainForm->Start_Win_CheckImg);
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_EQ(MainForm->LaunchOptions[0], 0);
}

TEST_F(LaunchOptionsTest, HidingFollowsTheFirstDriveAtStartAndEveryClick)
{
    const auto hidden = [](const char16_t* folder) {
        const DWORD attributes = GetFileAttributesW(folder);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    };
    ASSERT_TRUE(CreateDirectoryW(u"E:\\Harbex_Solo+", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"F:\\Harbex_Solo+", nullptr));
    ASSERT_TRUE(SetFileAttributesW(u"E:\\Harbex_Solo+", FILE_ATTRIBUTE_HIDDEN));
    Open(1033);
    TMainForm& f = *MainForm;
    EXPECT_EQ(f.HideBackupFolder, 1);
    EXPECT_EQ(SkinOf(f.HideBacFolder_Check_Img), 23019);
    EXPECT_TRUE(hidden(u"F:\\Harbex_Solo+")) << "the second drive follows the first";
    ShowSettingsPage("Menu_Set_GenBtn_Lab");

    uit::Click(*f.HideBacFolder_Check_Img);
    EXPECT_EQ(f.HideBackupFolder, 0);
    EXPECT_EQ(SkinOf(f.HideBacFolder_Check_Img), 23017);
    EXPECT_FALSE(hidden(u"E:\\Harbex_Solo+"));
    EXPECT_FALSE(hidden(u"F:\\Harbex_Solo+"));
    EXPECT_EQ(StoredLine(), u"<none>") << "hiding is not part of the settings file";
}

// The countdown edit keeps what is typed, from 0 to 30, in "CountDown.ini"; what is not a number is
// answered with 20195 and changes nothing.
TEST_F(LaunchOptionsTest, CountdownSecondsAreKeptAsTypedFromZeroToThirty)
{
    Open(1033);
    TMainForm& f = *MainForm;
    ShowSettingsPage("Menu_Set_BacBtn_Lab");
    TEdit* edit = f.Auto_Plugin_Time_Set_Edit;
    edit->SetFocus();
    const auto boxes = std::make_shared<std::vector<std::u16string>>();
    AnswerEveryBox(boxes);
    struct Case {
        const char16_t* before;
        int vk;
        char16_t ch;
        const char16_t* shown;
        int seconds;
        const char16_t* box;
    };
    const Case cases[] = {
        {u"1", '2', u'2', u"12", 12, nullptr},
        {u"4", '5', u'5', u"30", 30, nullptr},
        {u"", '0', u'0', u"0", 0, nullptr},
        {u"-", '7', u'7', u"0", 0, nullptr},
        {u"1", 'X', u'x', u"0", 0, u"Please enter the number."},
        {u"2", VK_BACK, u'\b', u"", 0, u"Please enter the number."},
        {u"", '9', u'9', u"9", 9, nullptr},
    };
    for (const Case& c : cases) {
        const std::string name = platform::ToUtf8(c.before) + static_cast<char>(c.ch);
        edit->SetText(c.before);
        boxes->clear();
        uit::PressKey(f, c.vk, 0, c.ch);
        EXPECT_EQ(edit->Text(), c.shown) << name;
        EXPECT_EQ(f.AutoStartSeconds, c.seconds) << name;
        EXPECT_EQ(*boxes, c.box ? std::vector<std::u16string>{c.box} : std::vector<std::u16string>{}) << name;
        TStringList stored;
        ASSERT_TRUE(stored.LoadFromFile(CountDownPath(false))) << name;
        EXPECT_EQ(stored.Strings(0), platform::FromUtf8(std::to_string(c.seconds))) << name;
    }
    Restart();
    EXPECT_EQ(MainForm->AutoStartSeconds, 9);
    EXPECT_EQ(MainForm->Auto_Plugin_Time_Set_Edit->Text(), u"9");
}

// Reading the saved settings makes no folder.
TEST_F(LaunchOptionsTest, LoadingTheSelectorSettingsCreatesNoIniFolder)
{
    Open(1033);
    const auto ini = Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/Ini");
    std::filesystem::remove_all(ini);
    LoadCountDownSetting(*MainForm);
    LoadBacTypeSetting(*MainForm);
    LoadBacDestSetting(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit);
    LoadRestoreDestSetting(*MainForm, MainForm->Res_Dest_Edit);
    EXPECT_FALSE(std::filesystem::exists(ini));
}

}  // namespace
