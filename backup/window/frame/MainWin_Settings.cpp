// The settings pages' handlers: the option ticks, the device button's function and the tabs.

#include "backup/base/Filelistwin.h"
#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/device/LaunchOptions.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/BackupSettingsPage.h"

#include <algorithm>

namespace {

constexpr int kMaxCountdownSeconds = 30;
constexpr int kTextNotANumber = 20195;

void FlipOption(TMainForm& form, BYTE& option, TImage* image)
{
    option = option == 0 ? 1 : 0;
    ShowCheckImage(image, option);
    SaveCheckSettings(form);
}

void ChooseTab(TMainForm& form, int tab)
{
    form.BackupSettingsTab = tab;
    SelectSettingsTab(form);
}

}  // namespace

void TMainForm::Start_Win_CheckImgClick(TObject*)
{
    if (LaunchOptions[0] == 0) {
        CreateStartupShortcut();
    } else {
        DeleteStartupShortcut();
    }
    // The option shows what the Startup folder holds, also when the shell refused the change.
    LaunchOptions[0] = StartupShortcutExists() ? 1 : 0;
    ShowCheckImage(Start_Win_CheckImg, LaunchOptions[0]);
    SaveCheckSettings(*this);
}

void TMainForm::Minimize_CheckImgClick(TObject*)
{
    FlipOption(*this, LaunchOptions[1], Minimize_CheckImg);
}
void TMainForm::Auto_Plugin_CheckImgClick(TObject*)
{
    FlipOption(*this, LaunchOptions[2], Auto_Plugin_CheckImg);
}
void TMainForm::Auto_ClickBtn_CheckImgClick(TObject*)
{
    FlipOption(*this, LaunchOptions[3], Auto_ClickBtn_CheckImg);
}
void TMainForm::Auto_Hotkey_CheckImgClick(TObject*)
{
    FlipOption(*this, LaunchOptions[4], Auto_Hotkey_CheckImg);
}
void TMainForm::Auto_Sch_CheckImgClick(TObject*)
{
    FlipOption(*this, LaunchOptions[5], Auto_Sch_CheckImg);
}
void TMainForm::Aes_Check_ImgClick(TObject*)
{
    FlipOption(*this, EncryptBackup, Aes_Check_Img);
}

void TMainForm::HideBacFolder_Check_ImgClick(TObject*)
{
    HideBackupFolder = HideBackupFolder == 0 ? 1 : 0;
    ApplyHideBackupFolder(*this, HideBackupFolder);
}

void TMainForm::AC_FuncSel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(AC_FuncSel_CBox);
}

void TMainForm::AC_FuncSel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, AC_FuncSel_Btn_Img, Shift);
}

void TMainForm::AC_FuncSel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(AC_FuncSel_Btn_Img);
}

void TMainForm::AC_FuncSel_CBoxChange(TObject*)
{
    ButtonFunction = AC_FuncSel_CBox->ItemIndex();
    CopySelectorChoice(AC_FuncSel_CBox, AC_FuncSel_Edit);
    SaveCheckSettings(*this);
}

void TMainForm::AC_FuncSel_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, AC_FuncSel_Edit);
}

// The seconds of the countdown before an automatic start, 0 to 30, kept as they are typed.
void TMainForm::Auto_Plugin_Time_Set_EditKeyUp(TObject*, WORD&, TShiftState)
{
    const std::u16string text = Auto_Plugin_Time_Set_Edit->Text();
    const auto typed = ParseDecimal(text);
    if (!typed) {
        if (!text.empty()) {
            Auto_Plugin_Time_Set_Edit->SetText(DecimalText(AutoStartSeconds));
        }
        ShowErrorBox(LookupText(*LangTable, kTextNotANumber));
        return;
    }
    int seconds = static_cast<int>(std::min<std::int64_t>(*typed, kMaxCountdownSeconds));
    if (*typed < 0) {
        seconds = AutoStartSeconds;
        Auto_Plugin_Time_Set_Edit->SetText(DecimalText(seconds));
    } else if (*typed > kMaxCountdownSeconds) {
        Auto_Plugin_Time_Set_Edit->SetText(DecimalText(seconds));
    }
    AutoStartSeconds = seconds;
    SaveCountDownSetting(seconds);
}

void TMainForm::SBT_Startup_LabClick(TObject*)
{
    ChooseTab(*this, 1);
}
void TMainForm::SBT_Hotkey_LabClick(TObject*)
{
    ChooseTab(*this, 2);
}
void TMainForm::SBT_Time_LabClick(TObject*)
{
    ChooseTab(*this, 3);
}
