// System-wide hotkeys: the key editor, adding and replacing bindings, the settings file, the
// registrations and a press that starts the bound backup.

#include "backup/base/SettingsPaths.h"
#include "backup/window/device/Hotkeys.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/WorkPage.h"
#include "startup_fixture.h"
#include "ui/windows.h"

namespace {

using startuptest::StartupMachine;

class HotkeyMachine : public StartupMachine {
protected:
    // Answers the next message box with Yes or No and remembers its text.
    void Answer(bool yes)
    {
        ui_.AnswerNextModal([this, yes](ui::TForm& box) {
            auto& msg = dynamic_cast<TMsgForm&>(box);
            shown_.push_back(msg.Msg_Lab->Caption());
            yes ? msg.LB_Btn_LabClick(nullptr) : msg.RB_Btn_LabClick(nullptr);
        });
    }

    void Edit(bool ctrl, bool alt, WORD key, int function)
    {
        form().HotkeyCtrl = ctrl ? 1 : 0;
        form().HotkeyAlt = alt ? 1 : 0;
        SetHotkeyKey(form(), key);
        form().SB_FuncSel_CBox->SetItemIndex(function);
    }

    std::vector<std::u16string> SavedLines()
    {
        TStringList lines;
        EXPECT_TRUE(lines.LoadFromFile(HotkeySetPath(false)));
        return lines.Lines();
    }

    std::vector<std::u16string> shown_;
};

TEST_F(HotkeyMachine, KeyEditorNamesOnlyDigitsLettersSpaceAndKeypad)
{
    Open(1033);
    const struct {
        WORD key;
        const char16_t* name;
        WORD kept;
    } cases[] = {
        {'B', u"B", 'B'}, {'7', u"7", '7'}, {0x20, u"Space", 0x20}, {0x67, u"Num 7", 0x67},
        {0x08, u"", 0},   {0x70, u"", 0},   {0x25, u"", 0},
    };
    for (const auto& c : cases) {
        WORD key = c.key;
        form().Hotkey_Edit->OnKeyDown(form().Hotkey_Edit, key, {});
        EXPECT_EQ(form().Hotkey_Edit->Text(), c.name) << c.key;
        EXPECT_EQ(form().HotkeyKey, c.kept) << c.key;
        EXPECT_EQ(key, c.kept) << "a key without a name is swallowed: " << c.key;
    }
}

TEST_F(HotkeyMachine, AddNeedsAModifierAndAKey)
{
    Open(1033);
    form().BackupSettingsTab = 2;
    Edit(false, false, 'B', 0);
    Answer(true);
    form().Add_Btn_LabClick(nullptr);
    Edit(true, false, 0x70, 0);
    Answer(true);
    form().Add_Btn_LabClick(nullptr);
    EXPECT_EQ(shown_, std::vector<std::u16string>(2, u"Select either Ctrl key or Alt key, and any letter key."));
    EXPECT_EQ(form().HotkeyList->Count(), 0);
}

TEST_F(HotkeyMachine, AddedHotkeyIsSavedRegisteredAndStartsEasyBackup)
{
    Open(1033);
    form().BackupSettingsTab = 2;
    Edit(true, true, 'B', 0);
    form().Add_Btn_LabClick(nullptr);
    EXPECT_EQ(SavedLines(), std::vector<std::u16string>{u"110660"});
    ASSERT_EQ(form().Hotkey_ListView->Items().Count(), 1);
    EXPECT_EQ(form().Hotkey_ListView->Items().Item(0)->Caption(), u"Ctrl + Alt + B");
    EXPECT_EQ(form().Hotkey_ListView->Items().Item(0)->SubItems().Strings(0), u"Easy Backup");

    form().Menu_Set_BacBtn_LabClick(nullptr);
    ASSERT_TRUE(ui::DeliverHotkey(MOD_CONTROL | MOD_ALT, 'B'));
    ui::Application->ProcessMessages();
    EXPECT_EQ(form().CurrentPage, WorkPage::EasyBackup);
    EXPECT_TRUE(BackupDriveHasFiles());
}

TEST_F(HotkeyMachine, HotkeyWithTheOptionOffStartsNothingButStaysRegistered)
{
    Open(1033);
    form().BackupSettingsTab = 2;
    form().LaunchOptions[4] = 0;
    Edit(true, false, 'E', 0);
    form().Add_Btn_LabClick(nullptr);
    form().Menu_Set_BacBtn_LabClick(nullptr);
    ASSERT_TRUE(ui::DeliverHotkey(MOD_CONTROL, 'E'));
    ui::Application->ProcessMessages();
    EXPECT_EQ(form().CurrentPage, WorkPage::BackupSettings);
    EXPECT_FALSE(BackupDriveHasFiles());
}

TEST_F(HotkeyMachine, SameFunctionAsksAndReplacesInPlace)
{
    Open(1033);
    form().BackupSettingsTab = 2;
    Edit(true, false, 'A', 0);
    form().Add_Btn_LabClick(nullptr);
    Edit(true, false, 'M', 1);
    form().Add_Btn_LabClick(nullptr);

    Edit(false, true, 'A', 0);
    Answer(false);
    form().Add_Btn_LabClick(nullptr);
    EXPECT_EQ(SavedLines(), (std::vector<std::u16string>{u"100650", u"100771"}));

    // Ctrl + M for Easy Backup matches the Easy line first (replaced) and then the Manual one (deleted).
    Edit(true, false, 'M', 0);
    Answer(true);
    form().Add_Btn_LabClick(nullptr);
    EXPECT_EQ(shown_, std::vector<std::u16string>(2, u"The setting already exists. Do you want to replace it?"));
    EXPECT_EQ(SavedLines(), std::vector<std::u16string>{u"100770"});
    EXPECT_FALSE(ui::DeliverHotkey(MOD_CONTROL, 'A'));
    EXPECT_TRUE(ui::DeliverHotkey(MOD_CONTROL, 'M'));
}

TEST_F(HotkeyMachine, FileLinesAreCheckedAndShiftIsRegistered)
{
    TStringList file;
    for (const char16_t* line : {u"001660", u"garbage", u"1x0661", u"0", u"010771"}) {
        file.Add(line);
    }
    ASSERT_TRUE(file.SaveToFile(HotkeySetPath(true)));
    Open(1033);
    ASSERT_EQ(form().HotkeyList->Count(), 2);
    EXPECT_EQ(form().Hotkey_ListView->Items().Item(0)->Caption(), u"Shift + B");
    EXPECT_EQ(form().Hotkey_ListView->Items().Item(1)->Caption(), u"Alt + M");
    EXPECT_TRUE(ui::DeliverHotkey(MOD_SHIFT, 'B'));
    EXPECT_TRUE(ui::DeliverHotkey(MOD_ALT, 'M'));
}

TEST_F(HotkeyMachine, DeletingTheFirstLineMovesTheSecondToIdZero)
{
    TStringList file;
    file.Add(u"100650");
    file.Add(u"100771");
    ASSERT_TRUE(file.SaveToFile(HotkeySetPath(true)));
    Open(1033);
    DeleteHotkeyEntry(form(), 0);
    EXPECT_EQ(SavedLines(), std::vector<std::u16string>{u"100771"});
    EXPECT_FALSE(ui::DeliverHotkey(MOD_CONTROL, 'A'));

    form().Bac_Dest_Edit->SetText(u"");
    Answer(true);
    ASSERT_TRUE(ui::DeliverHotkey(MOD_CONTROL, 'M'));
    ui::Application->ProcessMessages();
    EXPECT_EQ(form().CurrentPage, WorkPage::ManualBackup);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], u"Backup was canceled.  External hard drive could not be found.");
}

}  // namespace
