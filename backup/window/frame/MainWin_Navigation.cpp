// Page navigation of the main window: the menu's click handlers, the page switch with its title and
// description, the group that unfolds in the menu and the work buttons the group offers.

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MenuGroups.h"
#include "backup/window/frame/Navigation.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/layout/BackupPage.h"
#include "backup/window/layout/DeletePage.h"
#include "backup/window/layout/PageLayout.h"
#include "backup/window/layout/RestorePage.h"
#include "backup/window/layout/WindowLayout.h"

namespace {

constexpr const char16_t* kProductTitle = u"Harbex Solo+";
constexpr int kMarkedWidth = 180;
constexpr int kSubWidth = 170;

struct PageInfo {
    TPanel* TMainForm::*Panel;
    int TitleIcon;
    int Description;
    bool NamesProduct;
};

// Pages 1 to 12, in order.
constexpr PageInfo kPages[kPageCount] = {
    {&TMainForm::Sum_Pro_Pan, 23031, 20045, true},  {&TMainForm::Sum_Dev_Pan, 23032, 20046, false},
    {&TMainForm::Bac_Pan, 23033, 20047, false},     {&TMainForm::Bac_Pan, 23034, 20048, false},
    {&TMainForm::Res_Pan, 23035, 20049, false},     {&TMainForm::Res_Pan, 23036, 20050, false},
    {&TMainForm::Del_Pan, 23037, 20051, false},     {&TMainForm::Del_Pan, 23038, 20051, false},
    {&TMainForm::App_Fav_Pan, 23039, 20052, false}, {&TMainForm::Set_Gen_Pan, 23041, 20053, true},
    {&TMainForm::Set_Bac_Pan, 23042, 20054, false}, {&TMainForm::Set_Upd_Pan, 23043, 20055, true},
};

constexpr TPanel* TMainForm::*kPanelsInOrder[] = {
    &TMainForm::Sum_Pro_Pan, &TMainForm::Sum_Dev_Pan, &TMainForm::Bac_Pan,
    &TMainForm::Res_Pan,     &TMainForm::Del_Pan,     &TMainForm::App_Fav_Pan,
    &TMainForm::Set_Gen_Pan, &TMainForm::Set_Bac_Pan, &TMainForm::Set_Upd_Pan,
};

bool IsPage(int page)
{
    return page >= 1 && page <= kPageCount;
}

// The right work button's caption of a group with a job, 0 for the groups without one.
int WorkButtonText(const TMainForm& form, int group)
{
    switch (group) {
    case 1:
        return 20024;
    case 2:
        return 20027;
    case 3:
        return 20014;
    case 4:
        return form.FavoritesRestoreTab != 0 ? 20027 : 20024;
    default:
        return 0;
    }
}

void MarkSubButtons(TMainForm& form, int page)
{
    const int group = GroupOfPage(page);
    const int groupLeft = form.Menu_SumIndex_BtnImg->Left();
    for (const MenuSubButton& sub : MenuGroups()[group].SubButtons) {
        TImage* image = form.*sub.Img;
        const bool marked = sub.Page == page;
        // A sub-button greyed for a running job keeps its grey caption until the job's page is enabled.
        if (image->Enabled()) {
            (form.*sub.Lab)->Font().SetColor(TMainForm::Palette[marked ? 4 : 3]);
        }
        const int left = marked && form.LangId == kRtlLangId ? 0 : groupLeft;
        image->SetBounds(left, image->Top(), marked ? kMarkedWidth : kSubWidth, image->Height());
    }
}

}  // namespace

void ShowPageTitle(TMainForm& form, int page)
{
    if (!IsPage(page)) {
        return;
    }
    const PageInfo& info = kPages[page - 1];
    form.Work_Title_Lab->SetCaption((form.*SubButtonOfPage(page)->Lab)->Caption());
    std::u16string description = LookupText(*form.LangTable, info.Description);
    if (info.NamesProduct) {
        description = FormatText1(description, kProductTitle);
    }
    SetPageDescription(form, description);
}

namespace {

void SwitchToPage(TMainForm& form, int page)
{
    const PageInfo& info = kPages[page - 1];
    LoadPngResource(form.Work_TitleIco_Img, info.TitleIcon);
    ShowPageTitle(form, page);
    for (TPanel* TMainForm::*panel : kPanelsInOrder) {
        (form.*panel)->SetVisible(panel == info.Panel);
    }
    MarkSubButtons(form, page);
    if (info.Panel == &TMainForm::Bac_Pan) {
        SwitchBackupPage(form, page);
    }
    if (info.Panel == &TMainForm::Res_Pan) {
        SwitchRestorePage(form, page);
    }
    if (info.Panel == &TMainForm::Del_Pan) {
        SwitchDeletePage(form, page);
    }
}

}  // namespace

void ShowProductInfoPage(TMainForm& form)
{
    SwitchToPage(form, 1);
}
void ShowDeviceInfoPage(TMainForm& form)
{
    SwitchToPage(form, 2);
}
void ShowEasyBackupPage(TMainForm& form)
{
    SwitchToPage(form, 3);
}
void ShowManualBackupPage(TMainForm& form)
{
    SwitchToPage(form, 4);
}
void ShowEasyRestorePage(TMainForm& form)
{
    SwitchToPage(form, 5);
}
void ShowManualRestorePage(TMainForm& form)
{
    SwitchToPage(form, 6);
}
void ShowEasyDeletePage(TMainForm& form)
{
    SwitchToPage(form, 7);
}
void ShowManualDeletePage(TMainForm& form)
{
    SwitchToPage(form, 8);
}
void ShowFavoritesPage(TMainForm& form)
{
    SwitchToPage(form, 9);
}
void ShowGeneralSettingsPage(TMainForm& form)
{
    SwitchToPage(form, 10);
}
void ShowBackupSettingsPage(TMainForm& form)
{
    SwitchToPage(form, 11);
}
void ShowUpdatePage(TMainForm& form)
{
    SwitchToPage(form, 12);
}

void RunPageSwitch(TMainForm& form, int page)
{
    using PageSwitch = void (*)(TMainForm&);
    static constexpr PageSwitch kSwitches[kPageCount] = {
        ShowProductInfoPage, ShowDeviceInfoPage,      ShowEasyBackupPage,     ShowManualBackupPage,
        ShowEasyRestorePage, ShowManualRestorePage,   ShowEasyDeletePage,     ShowManualDeletePage,
        ShowFavoritesPage,   ShowGeneralSettingsPage, ShowBackupSettingsPage, ShowUpdatePage,
    };
    if (IsPage(page)) {
        kSwitches[page - 1](form);
    }
}

void OpenGroup(TMainForm& form, int group)
{
    // A running job keeps its Cancel button whatever page is shown.
    const bool jobCancel = form.Idle == 0 && form.Work_Btn_Left_Pan->Visible();
    const int text = WorkButtonText(form, group);
    if (text != 0) {
        form.RB_Btn_Lab->SetCaption(LookupText(*form.LangTable, text));
        if (form.Progress_Pan->Visible()) {
            PlaceProgressButtons(form);
        } else if (form.LangId == kRtlLangId) {
            LayoutRtlWorkButtons(form);
        } else {
            LayoutWorkButtons(form);
        }
        form.Work_Btn_Right_Pan->Show();
    } else {
        form.Work_Btn_Right_Pan->Hide();
    }
    form.Work_Btn_Left_Pan->SetVisible(jobCancel);

    const TImage* summary = form.Menu_SumIndex_BtnImg;
    int below = summary->Top() + summary->Height() + 1;
    for (int index = 0; index < kMenuGroupCount; ++index) {
        const MenuGroup& menu = MenuGroups()[index];
        if (index > 0) {
            TImage* button = form.*menu.BtnImg;
            button->SetTop(below);
            (form.*menu.IcoImg)->SetTop(below + 5);
            (form.*menu.BtnLab)->SetTop(below);
            below = button->Top() + button->Height() + 1;
        }
        for (const MenuSubButton& sub : menu.SubButtons) {
            TImage* image = form.*sub.Img;
            TLabel* label = form.*sub.Lab;
            const bool open = index == group;
            if (open) {
                image->SetTop(below);
                label->SetTop(below);
                below = image->Top() + image->Height() + 1;
            }
            image->SetVisible(open);
            label->SetVisible(open);
        }
    }
}

namespace {

void HighlightGroupButton(TMainForm& form, int group)
{
    const auto& groups = MenuGroups();
    LoadPngResource(form.*groups[group].BtnImg, 22001);
    if (groups[group].IdleGated && form.Idle != 1) {
        // Back on the running job's page: a group shown meanwhile takes its greyed look again.
        for (int other = 0; other < kMenuGroupCount; ++other) {
            if (other != group && !(form.*groups[other].BtnImg)->Enabled()) {
                LoadPngResource(form.*groups[other].BtnImg, 22003);
            }
        }
        return;
    }
    for (int other = 0; other < kMenuGroupCount; ++other) {
        if (other != group) {
            LoadPngResource(form.*groups[other].BtnImg, 22002);
        }
    }
}

}  // namespace

void HighlightSummaryGroup(TMainForm& form)
{
    HighlightGroupButton(form, 0);
}
void HighlightBackupGroup(TMainForm& form)
{
    HighlightGroupButton(form, 1);
}
void HighlightRestoreGroup(TMainForm& form)
{
    HighlightGroupButton(form, 2);
}
void HighlightDeleteGroup(TMainForm& form)
{
    HighlightGroupButton(form, 3);
}
void HighlightApplicationGroup(TMainForm& form)
{
    HighlightGroupButton(form, 4);
}
void HighlightSettingsGroup(TMainForm& form)
{
    HighlightGroupButton(form, 5);
}

void HighlightGroup(TMainForm& form, int group)
{
    using GroupHighlight = void (*)(TMainForm&);
    static constexpr GroupHighlight kHighlights[kMenuGroupCount] = {
        HighlightSummaryGroup, HighlightBackupGroup,      HighlightRestoreGroup,
        HighlightDeleteGroup,  HighlightApplicationGroup, HighlightSettingsGroup,
    };
    kHighlights[group](form);
}

void ShowPage(TMainForm& form)
{
    const int group = GroupOfPage(form.CurrentPage);
    if (group >= 0) {
        RunPageSwitch(form, form.CurrentPage);
        OpenGroup(form, group);
    }
    ResetButtonSkins(form);
}

void TMainForm::SelectSubButtonPage(int page)
{
    const int group = GroupOfPage(page);
    // While a job runs, only its own page is open among the gated ones.
    if (MenuGroups()[group].IdleGated && Idle != 1 && page != JobPage) {
        return;
    }
    CurrentPage = page;
    LastPageOfGroup[group] = page;
    ShowPage(*this);
}

void TMainForm::SelectPageOfGroup(int group)
{
    if (Idle == 1) {
        CurrentPage = LastPageOfGroup[group];
    } else if (JobPage != WorkPage::None && GroupOfPage(JobPage) == group) {
        // The running job's group leads back to the job's page.
        CurrentPage = JobPage;
    } else {
        return;
    }
    ShowPage(*this);
}

void TMainForm::Menu_SumIndex_BtnImgClick(TObject*)
{
    SelectPageOfGroup(0);
}
void TMainForm::Menu_BacIndex_BtnImgClick(TObject*)
{
    SelectPageOfGroup(1);
}
void TMainForm::Menu_ResIndex_BtnImgClick(TObject*)
{
    SelectPageOfGroup(2);
}
void TMainForm::Menu_DelIndex_BtnImgClick(TObject*)
{
    SelectPageOfGroup(3);
}
void TMainForm::Menu_AppIndex_BtnImgClick(TObject*)
{
    SelectPageOfGroup(4);
}
void TMainForm::Menu_SetIndex_BtnImgClick(TObject*)
{
    SelectPageOfGroup(5);
}
void TMainForm::Menu_Sum_ProBtn_LabClick(TObject*)
{
    SelectSubButtonPage(1);
}
void TMainForm::Menu_Sum_DevBtn_LabClick(TObject*)
{
    SelectSubButtonPage(2);
}
void TMainForm::Menu_Bac_EasyBtn_LabClick(TObject*)
{
    SelectSubButtonPage(3);
}
void TMainForm::Menu_Bac_ManualBtn_LabClick(TObject*)
{
    SelectSubButtonPage(4);
}
void TMainForm::Menu_Res_EasyBtn_LabClick(TObject*)
{
    SelectSubButtonPage(5);
}
void TMainForm::Menu_Res_ManualBtn_LabClick(TObject*)
{
    SelectSubButtonPage(6);
}
void TMainForm::Menu_Del_EasyBtn_LabClick(TObject*)
{
    SelectSubButtonPage(7);
}
void TMainForm::Menu_Del_ManualBtn_LabClick(TObject*)
{
    SelectSubButtonPage(8);
}
void TMainForm::Menu_App_FavBtn_LabClick(TObject*)
{
    SelectSubButtonPage(9);
}
void TMainForm::Menu_Set_GenBtn_LabClick(TObject*)
{
    SelectSubButtonPage(10);
}
void TMainForm::Menu_Set_BacBtn_LabClick(TObject*)
{
    SelectSubButtonPage(11);
}
void TMainForm::Menu_Set_UpdBtn_LabClick(TObject*)
{
    SelectSubButtonPage(12);
}
