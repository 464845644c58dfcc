#include "backup/window/layout/EnableStates.h"

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MenuGroups.h"
#include "backup/window/frame/WorkPage.h"

#include <span>

namespace {

constexpr int kGroupEnabled = 22002;
constexpr int kGroupDisabled = 22003;
constexpr int kSubEnabled = 22023;
constexpr int kSubDisabled = 22024;
constexpr int kMenuCaptionEnabled = 6;
constexpr int kButtonCaptionEnabled = 8;
constexpr int kCaptionDisabled = 10;

constexpr int kBackupGroup = 1;
constexpr int kRestoreGroup = 2;
constexpr int kDeleteGroup = 3;
constexpr int kApplicationGroup = 4;

using ImageField = TImage* TMainForm::*;
using LabelField = TLabel* TMainForm::*;

struct ThreePartButton {
    ImageField Left, Center, Right;
    LabelField Caption;
    int EnabledSkins[3];
    int DisabledSkins[3];
};

struct Selector {
    ImageField Image;
    int EnabledSkin;
    int DisabledSkin;
    bool SwitchCursor;
};

// What one page family switches beyond the menu.
struct JobPageFamily {
    int Group;
    std::span<const ThreePartButton> Buttons;
    std::span<const Selector> Selectors;
    std::span<const ImageField> Checks;
};

constexpr ThreePartButton kWorkButton{&TMainForm::RB_BK_Left_Img,  &TMainForm::RB_BK_Center_Img,
                                      &TMainForm::RB_BK_Right_Img, &TMainForm::RB_Btn_Lab,
                                      {24004, 24007, 24010},       {24003, 24006, 24009}};
constexpr ThreePartButton kProgressButton{&TMainForm::PB_BK_Left_Img,  &TMainForm::PB_BK_Center_Img,
                                          &TMainForm::PB_BK_Right_Img, &TMainForm::PB_Btn_Lab,
                                          {24004, 24007, 24010},       {24003, 24006, 24009}};
constexpr ThreePartButton kEasyBackupRenew{&TMainForm::BE_Renew_BK_Left_Img,
                                           &TMainForm::BE_Renew_BK_Center_Img,
                                           &TMainForm::BE_Renew_BK_Right_Img,
                                           &TMainForm::BE_Renew_Btn_Lab,
                                           {25015, 25018, 25021},
                                           {25014, 25017, 25020}};

constexpr ThreePartButton kBackupButtons[] = {kEasyBackupRenew, kWorkButton, kProgressButton};
constexpr ThreePartButton kPlainButtons[] = {kWorkButton, kProgressButton};

constexpr Selector kBackupSelectors[] = {{&TMainForm::Bac_Dest_SelBtn_Img, 23010, 23009, false}};
constexpr ImageField kBackupChecks[] = {&TMainForm::BE_Cls_Check_Doc_Img, &TMainForm::BE_Cls_Check_Gra_Img,
                                        &TMainForm::BE_Cls_Check_Aud_Img, &TMainForm::BE_Cls_Check_Vid_Img,
                                        &TMainForm::BE_Cls_Check_Mai_Img, &TMainForm::BE_Cls_Check_Oth_Img};

const JobPageFamily kBackupFamily{kBackupGroup, kBackupButtons, kBackupSelectors, kBackupChecks};
constexpr ThreePartButton kEasyRestoreRenew{&TMainForm::RE_Renew_BK_Left_Img,
                                            &TMainForm::RE_Renew_BK_Center_Img,
                                            &TMainForm::RE_Renew_BK_Right_Img,
                                            &TMainForm::RE_Renew_Btn_Lab,
                                            {25015, 25018, 25021},
                                            {25014, 25017, 25020}};
constexpr ThreePartButton kRestoreButtons[] = {kEasyRestoreRenew, kWorkButton, kProgressButton};
constexpr Selector kRestoreSelectors[] = {{&TMainForm::Res_PC_Sel_Btn_Img, 23010, 23009, true},
                                          {&TMainForm::Res_BrowserBtn_Img, 23007, 23006, true}};
constexpr ImageField kRestoreChecks[] = {&TMainForm::RE_Check_Doc_Img, &TMainForm::RE_Check_Gra_Img,
                                         &TMainForm::RE_Check_Aud_Img, &TMainForm::RE_Check_Vid_Img,
                                         &TMainForm::RE_Check_Mai_Img, &TMainForm::RE_Check_Oth_Img};
const JobPageFamily kRestoreFamily{kRestoreGroup, kRestoreButtons, kRestoreSelectors, kRestoreChecks};
constexpr Selector kDeleteSelectors[] = {{&TMainForm::Del_PC_Sel_Btn_Img, 23010, 23009, true}};
const JobPageFamily kDeleteFamily{kDeleteGroup, kPlainButtons, kDeleteSelectors, {}};
constexpr Selector kFavoritesSelectors[] = {{&TMainForm::AF_PC_Sel_Btn_Img, 23010, 23009, true},
                                            {&TMainForm::AF_Dest_SelBtn_Img, 23010, 23009, true}};
const JobPageFamily kFavoritesFamily{kApplicationGroup, kPlainButtons, kFavoritesSelectors, {}};

ui::TColor CaptionColor(bool enable, int enabledEntry)
{
    return TMainForm::Palette[enable ? enabledEntry : kCaptionDisabled];
}

ui::TCursor SwitchedCursor(bool enable)
{
    return enable ? ui::crHandPoint : ui::crDefault;
}

void SwitchOtherGroups(TMainForm& form, int runningGroup, bool enable)
{
    for (int group = 0; group < kMenuGroupCount; ++group) {
        if (group == runningGroup) {
            continue;
        }
        const MenuGroup& g = MenuGroups()[group];
        LoadPngResource(form.*g.BtnImg, enable ? kGroupEnabled : kGroupDisabled);
        (form.*g.BtnLab)->Font().SetColor(CaptionColor(enable, kMenuCaptionEnabled));
        (form.*g.BtnLab)->SetCursor(SwitchedCursor(enable));
        (form.*g.BtnImg)->SetEnabled(enable);
        (form.*g.IcoImg)->SetEnabled(enable);
    }
}

void SwitchButtons(TMainForm& form, std::span<const ThreePartButton> buttons, bool enable)
{
    for (const ThreePartButton& b : buttons) {
        const int* skins = enable ? b.EnabledSkins : b.DisabledSkins;
        LoadPngResource(form.*b.Left, skins[0]);
        LoadPngResource(form.*b.Center, skins[1]);
        LoadPngResource(form.*b.Right, skins[2]);
        (form.*b.Caption)->Font().SetColor(CaptionColor(enable, kButtonCaptionEnabled));
        (form.*b.Caption)->SetCursor(SwitchedCursor(enable));
    }
}

void SwitchSelectors(TMainForm& form, std::span<const Selector> selectors, bool enable)
{
    for (const Selector& s : selectors) {
        TImage* image = form.*s.Image;
        LoadPngResource(image, enable ? s.EnabledSkin : s.DisabledSkin);
        if (s.SwitchCursor) {
            image->SetCursor(SwitchedCursor(enable));
        }
        image->SetEnabled(enable);
    }
}

// The group's sub-buttons other than the running page's.
void SwitchOtherSubButtons(TMainForm& form, int group, int runningPage, bool enable)
{
    for (const MenuSubButton& sub : MenuGroups()[group].SubButtons) {
        if (sub.Page == runningPage) {
            continue;
        }
        (form.*sub.Lab)->Font().SetColor(CaptionColor(enable, kMenuCaptionEnabled));
        (form.*sub.Lab)->SetCursor(SwitchedCursor(enable));
        LoadPngResource(form.*sub.Img, enable ? kSubEnabled : kSubDisabled);
        (form.*sub.Img)->SetEnabled(enable);
    }
}

void SetFamilyEnabled(TMainForm& form, const JobPageFamily& family, int kind, bool enable)
{
    const auto subButtons = MenuGroups()[family.Group].SubButtons;
    const int runningPage = subButtons[kind == 1 || subButtons.size() == 1 ? 0 : 1].Page;
    SwitchOtherGroups(form, family.Group, enable);
    SwitchButtons(form, family.Buttons, enable);
    SwitchSelectors(form, family.Selectors, enable);
    for (const ImageField check : family.Checks) {
        (form.*check)->SetEnabled(enable);
    }
    SwitchOtherSubButtons(form, family.Group, runningPage, enable);
    form.JobPage = enable ? 0 : runningPage;
}

}  // namespace

void SetBackupPageEnabled(TMainForm& form, int kind, bool enable)
{
    SetFamilyEnabled(form, kBackupFamily, kind, enable);
}

void SetRestorePageEnabled(TMainForm& form, int kind, bool enable)
{
    SetFamilyEnabled(form, kRestoreFamily, kind, enable);
}

void SetDeletePageEnabled(TMainForm& form, int kind, bool enable)
{
    SetFamilyEnabled(form, kDeleteFamily, kind, enable);
}

void SetFavoritesPageEnabled(TMainForm& form, bool enable)
{
    SetFamilyEnabled(form, kFavoritesFamily, 1, enable);
}

void EnableFinishedJobPage(TMainForm& form)
{
    if (form.AutoStartShowing != 0) {
        SetBackupPageEnabled(form, 1, true);
        return;
    }
    // The job's own page, even when another page came up while it ran.
    const int page = form.JobPage != WorkPage::None ? form.JobPage : form.CurrentPage;
    switch (static_cast<WorkPage>(page)) {
    case WorkPage::EasyBackup:
    case WorkPage::ManualBackup:
        SetBackupPageEnabled(form, page - 2, true);
        break;
    case WorkPage::EasyRestore:
    case WorkPage::ManualRestore:
        SetRestorePageEnabled(form, page - 4, true);
        break;
    case WorkPage::EasyDelete:
    case WorkPage::ManualDelete:
        SetDeletePageEnabled(form, page - 6, true);
        break;
    case WorkPage::Favorites:
        SetFavoritesPageEnabled(form, true);
        break;
    default:
        break;
    }
}
