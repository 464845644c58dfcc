// The Hotkey tab's handlers, the Add button shared with the Schedule tab, the function selector
// and the application's hotkey hook.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/device/Hotkeys.h"
#include "backup/window/device/Schedule.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/SettingsTabs.h"

namespace {

constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;
constexpr int kHotkeyTab = 2;
constexpr std::array<int, 3> kAddHover = {24005, 24008, 24011};
constexpr std::array<int, 3> kAddPressed = {24003, 24006, 24009};
constexpr std::array<int, 3> kAddResting = {24004, 24007, 24010};

void ShowAddSkins(TMainForm& form, const std::array<int, 3>& skins)
{
    LoadPngResource(form.Add_BK_Left_Img, skins[0]);
    LoadPngResource(form.Add_BK_Center_Img, skins[1]);
    LoadPngResource(form.Add_BK_Right_Img, skins[2]);
}

BYTE ToggleCheck(TImage* check, BYTE flag)
{
    const BYTE now = flag == 1 ? 0 : 1;
    LoadPngResource(check, now == 1 ? kCheckTicked : kCheckClear);
    return now;
}

// The Add button serves the Hotkey and the Schedule tab alike.
void AddSettingEntry(TMainForm& form)
{
    if (form.BackupSettingsTab == kHotkeyTab) {
        AddHotkeyEntry(form);
    } else {
        AddScheduleEntry(form);
    }
}

}  // namespace

void TMainForm::Hotkey_EditKeyDown(TObject*, WORD& Key, TShiftState)
{
    SetHotkeyKey(*this, Key);
}

void TMainForm::Hotkey_Ctl_CheckImgClick(TObject*)
{
    HotkeyCtrl = ToggleCheck(Hotkey_Ctl_CheckImg, HotkeyCtrl);
}

void TMainForm::Hotkey_Alt_CheckImgClick(TObject*)
{
    HotkeyAlt = ToggleCheck(Hotkey_Alt_CheckImg, HotkeyAlt);
}

void TMainForm::Hotkey_Shift_CheckImgClick(TObject*)
{
    HotkeyShift = 0;
    LoadPngResource(Hotkey_Shift_CheckImg, kCheckClear);
}

void TMainForm::Add_Btn_LabClick(TObject*)
{
    AddSettingEntry(*this);
}

void TMainForm::Add_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (!Shift.LeftHeld()) {
        ShowAddSkins(*this, kAddHover);
    }
}

void TMainForm::Add_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowAddSkins(*this, kAddPressed);
}

void TMainForm::Add_Btn_LabMouseLeave(TObject*)
{
    ShowAddSkins(*this, kAddResting);
}

void TMainForm::Hotkey_ListViewMouseMove(TObject*, TShiftState, int X, int Y)
{
    Hotkey_ListView->SetCursor(DeleteIconRowUnder(Hotkey_ListView, X, Y) >= 0 ? ui::crHandPoint : ui::crDefault);
}

void TMainForm::Hotkey_ListViewMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    const int row = DeleteIconRowUnder(Hotkey_ListView, X, Y);
    if (row >= 0 && ConfirmDeleteRow(*this, Hotkey_ListView, row)) {
        DeleteHotkeyEntry(*this, row);
    }
}

void TMainForm::HotkeyMessageHook(ui::TMsg& Msg, bool&)
{
    HandleHotkeyMessage(*this, Msg);
}

void BindHotkeyTabHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    form.Hotkey_Edit->OnKeyDown = [f](TObject* s, WORD& key, TShiftState shift) {
        f->Hotkey_EditKeyDown(s, key, shift);
    };
    form.Hotkey_Ctl_CheckImg->OnClick = [f](TObject* s) { f->Hotkey_Ctl_CheckImgClick(s); };
    form.Hotkey_Alt_CheckImg->OnClick = [f](TObject* s) { f->Hotkey_Alt_CheckImgClick(s); };
    form.Hotkey_Shift_CheckImg->OnClick = [f](TObject* s) { f->Hotkey_Shift_CheckImgClick(s); };
    form.Add_Btn_Lab->OnClick = [f](TObject* s) { f->Add_Btn_LabClick(s); };
    form.Add_Btn_Lab->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) {
        f->Add_Btn_LabMouseMove(s, shift, x, y);
    };
    form.Add_Btn_Lab->OnMouseDown = [f](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        f->Add_Btn_LabMouseDown(s, b, shift, x, y);
    };
    form.Add_Btn_Lab->OnMouseLeave = [f](TObject* s) { f->Add_Btn_LabMouseLeave(s); };
    form.Hotkey_ListView->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) {
        f->Hotkey_ListViewMouseMove(s, shift, x, y);
    };
    form.Hotkey_ListView->OnMouseDown = [f](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        f->Hotkey_ListViewMouseDown(s, b, shift, x, y);
    };
}
