// The resting pictures of the main window's buttons, put back after any hover or press.

#include "backup/frame/Language.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/MenuGroups.h"
#include "backup/frame/Navigation.h"
#include "backup/frame/ResourceLoaders.h"
#include "backup/layout/BackupPage.h"
#include "backup/layout/FavoritesPage.h"
#include "backup/layout/PageLayout.h"
#include "backup/layout/RestorePage.h"

namespace {

constexpr int kSubNormal = 22023;
constexpr int kSubSelected = 22022;
constexpr int kSubSelectedMirrored = 27010;
constexpr int kDropDown = 23010;

void RestThreePart(TImage* left, TImage* center, TImage* right)
{
    LoadPngResource(left, 24004);
    LoadPngResource(center, 24007);
    LoadPngResource(right, 24010);
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

    const int page = form.CurrentPage;
    const int group = GroupOfPage(page);
    if (group < 0) {
        return;
    }
    HighlightGroup(form, group);
    // The Summary and Settings groups run no jobs; the job groups' other sub-buttons keep the
    // disabled look while a job runs.
    const bool restOthers = !MenuGroups()[group].IdleGated || form.Idle == 1;
    for (const MenuSubButton& sub : MenuGroups()[group].SubButtons) {
        if (sub.Page == page) {
            LoadPngResource(form.*sub.Img, form.LangId == kRtlLangId ? kSubSelectedMirrored : kSubSelected);
        } else if (restOthers) {
            LoadPngResource(form.*sub.Img, kSubNormal);
        }
    }
    if ((page == 3 || page == 4) && form.Idle == 1) {
        RestBackupPageSkins(form, page);
    }
    if (page == 5 || page == 6) {
        RestRestorePageSkins(form);
    }
    if (page == 9 && form.Idle == 1) {
        RestFavoritesPageSkins(form);
    }
    if (page == 10) {
        LoadPngResource(form.Lang_Sel_Btn_Img, kDropDown);
    }
    if (page == 11) {
        LoadPngResource(form.AC_FuncSel_Btn_Img, kDropDown);
    }
}
