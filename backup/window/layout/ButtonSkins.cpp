// The resting pictures of the main window's buttons, put back after any hover or press.

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MenuGroups.h"
#include "backup/window/frame/Navigation.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/layout/PageLayout.h"
#include "backup/window/layout/SchedulePickers.h"

#include <initializer_list>

namespace {

constexpr int kSubNormal = 22023;
constexpr int kDropDown = 23010;
constexpr int kCalendar = 23079;
constexpr int kBrowse = 23007;
constexpr int kDriveResting = 23022;

void RestThreePart(TImage* left, TImage* center, TImage* right)
{
    LoadPngResource(left, 24004);
    LoadPngResource(center, 24007);
    LoadPngResource(right, 24010);
}

void RestRenew(TImage* left, TImage* center, TImage* right)
{
    LoadPngResource(left, 25015);
    LoadPngResource(center, 25018);
    LoadPngResource(right, 25021);
}

void RestDropDowns(std::initializer_list<TImage*> openers)
{
    for (TImage* opener : openers) {
        LoadPngResource(opener, kDropDown);
    }
}

void RestMenuOfPage(TMainForm& form, int page, int group)
{
    HighlightGroup(form, group);
    // The job groups' other sub-buttons keep their disabled look while a job runs.
    const bool restOthers = !MenuGroups()[group].IdleGated || form.Idle == 1;
    for (const MenuSubButton& sub : MenuGroups()[group].SubButtons) {
        if (sub.Page == page) {
            LoadPngResource(form.*sub.Img, form.LangId == kRtlLangId ? kSubSelectedMirroredSkin : kSubSelectedSkin);
        } else if (restOthers) {
            LoadPngResource(form.*sub.Img, kSubNormal);
        }
    }
}

// The drive picture invites a click only while a drive is there to remove.
void RestDevicePicture(TMainForm& form)
{
    TImage* picture = form.Sum_Dev_MainIco_Img;
    if (form.ExternalDrives.Count > 0) {
        LoadPngResource(picture, kDriveResting);
        picture->SetCursor(ui::crHandPoint);
    } else {
        picture->SetCursor(ui::crDefault);
    }
}

// The Backup Settings page: both function selectors, the schedule pickers that can be opened and
// the Add button.
void RestBackupSettingsPage(TMainForm& form)
{
    RestDropDowns({form.AC_FuncSel_Btn_Img, form.SB_FuncSel_Btn_Img});
    for (const SchedulePicker& picker : SchedulePickers()) {
        TImage* opener = form.*picker.Opener;
        if (opener->Enabled()) {
            LoadPngResource(opener, kDropDown);
        }
    }
    RestThreePart(form.Add_BK_Left_Img, form.Add_BK_Center_Img, form.Add_BK_Right_Img);
}

// The drop-down, browse and Renew buttons of a job page; while a job runs they keep their
// disabled look.
void RestJobPage(TMainForm& form, int page)
{
    switch (static_cast<WorkPage>(page)) {
    case WorkPage::EasyBackup:
        RestRenew(form.BE_Renew_BK_Left_Img, form.BE_Renew_BK_Center_Img, form.BE_Renew_BK_Right_Img);
        RestDropDowns({form.Bac_Dest_SelBtn_Img});
        break;
    case WorkPage::ManualBackup:
        RestDropDowns({form.Bac_Dest_SelBtn_Img});
        break;
    case WorkPage::EasyRestore:
        RestRenew(form.RE_Renew_BK_Left_Img, form.RE_Renew_BK_Center_Img, form.RE_Renew_BK_Right_Img);
        [[fallthrough]];
    case WorkPage::ManualRestore:
        RestDropDowns({form.Res_PC_Sel_Btn_Img});
        LoadPngResource(form.Res_Time_Sel_Btn_Img, kCalendar);
        LoadPngResource(form.Res_BrowserBtn_Img, kBrowse);
        break;
    case WorkPage::EasyDelete:
    case WorkPage::ManualDelete:
        RestDropDowns({form.Del_PC_Sel_Btn_Img});
        break;
    case WorkPage::Favorites:
        RestDropDowns({form.AF_PC_Sel_Btn_Img, form.AF_Dest_SelBtn_Img});
        break;
    default:
        break;
    }
}

}  // namespace

void ResetButtonSkins(TMainForm& form)
{
    LoadPngResource(form.Main_ExitBtn_Img, 21002);
    LoadPngResource(form.Main_MaxBtn_Img, 21005);
    LoadPngResource(form.Main_MinBtn_Img, 21008);
    if (form.Idle == 1) {
        RestThreePart(form.RB_BK_Left_Img, form.RB_BK_Center_Img, form.RB_BK_Right_Img);
    }
    RestThreePart(form.LB_BK_Left_Img, form.LB_BK_Center_Img, form.LB_BK_Right_Img);
    if (form.Progress_Pan->Visible() && form.ProgressFinished == 1) {
        RestThreePart(form.PB_BK_Left_Img, form.PB_BK_Center_Img, form.PB_BK_Right_Img);
    }

    const int page = form.CurrentPage;
    const int group = GroupOfPage(page);
    if (group < 0) {
        return;
    }
    RestMenuOfPage(form, page, group);
    if (page == WorkPage::DeviceInfo) {
        RestDevicePicture(form);
    } else if (page == WorkPage::GeneralSettings) {
        RestDropDowns({form.Lang_Sel_Btn_Img});
    } else if (page == WorkPage::BackupSettings) {
        RestBackupSettingsPage(form);
    } else if (form.Idle == 1) {
        RestJobPage(form, page);
    }
}
