#include "backup/window/layout/BackupPage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/EasyCategoryRows.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/layout/EasyBackupPage.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/ManualBackupTree.h"

namespace {

constexpr int kTableHeight = 265;
constexpr int kSelectorHeight = 36;
constexpr int kSelectorGap = 4;
constexpr int kDropDownWidth = 16;
constexpr int kArrowWidth = 26;
constexpr int kArrowHeight = 20;

void PlaceSelectorAndArrow(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int p = form.Bac_Pan->Width();
    const int lowerMargin = form.Work_Pan->Height() - form.HorzLine_Low_Pan->Top();
    TPanel* selector = form.Bac_Dest_Pan;
    const int dt = form.Bac_Pan->Height() - lowerMargin - kSelectorHeight - kSelectorGap;
    selector->SetBounds(selector->Left(), dt, p, selector->Height());
    TLabel* title = form.Bac_Dest_Title_Lab;
    title->SetWidth(selector->Width() - 1 - title->Left());
    TEdit* edit = form.Bac_Dest_Edit;
    TImage* opener = form.Bac_Dest_SelBtn_Img;
    if (mirrored) {
        edit->SetBounds(kDropDownWidth + 1, edit->Top(), title->Left() + title->Width() - kDropDownWidth - 1,
                        edit->Height());
        opener->SetLeft(1);
    } else {
        edit->SetBounds(title->Left(), edit->Top(), p - title->Left() - kDropDownWidth - 1, edit->Height());
        opener->SetBounds(edit->Left() + edit->Width(), edit->Top(), opener->Width(), opener->Height());
    }
    TComboBox* combo = form.Bac_Dest_CBox;
    combo->SetBounds(edit->Left(), dt + selector->Height() - combo->Height(), edit->Width(), combo->Height());
    TImage* arrow = form.Bac_ArrowIcon_Img;
    int top = dt - kArrowHeight;
    if (form.CurrentPage == WorkPage::EasyBackup) {
        const TLabel* others = form.BE_Cls_BK_Oth_Lab;
        top -= (dt - (others->Top() + others->Height()) - kArrowHeight) / 2;
    }
    arrow->SetBounds((selector->Width() - kArrowWidth) / 2 + selector->Left(), top, arrow->Width(), arrow->Height());
}

}  // namespace

void ShowEasyBackupControls(TMainForm& form, bool visible)
{
    for (TControl* c : std::initializer_list<TControl*>{
             form.BE_BK_Lab, form.Bac_HourGlass_Easy_Img, form.BE_TotalCap_Ico_Capacity_Img,
             form.BE_TotalCap_IcoDes_Lab, form.BE_TotalCap_Bar_BK_Deep_Lab, form.BE_TotalCap_Bar_BK_Light_Lab,
             form.BE_TotalCap_Show_Lab, form.BE_Renew_Btn_Pan}) {
        c->SetVisible(visible);
    }
    const auto& rows = EasyCategoryRows();
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        const EasyCategoryRow& r = rows[k];
        for (TControl* c :
             std::initializer_list<TControl*>{form.*r.Segment, form.*r.Ground, form.*r.Icon, form.*r.BarFrame,
                                              form.*r.BarGround, form.*r.Bar, form.*r.Name, form.*r.Size}) {
            c->SetVisible(visible);
        }
        (form.*r.Check)->SetVisible(visible && k < kEasyCategoryCount);
    }
    form.BE_BK_Lab->SetHeight(kTableHeight);
}

void ShowManualBackupControls(TMainForm& form, bool visible)
{
    form.Bac_HourGlass_Manual_Img->SetVisible(visible);
    form.BM_TreeBK_Lab->SetVisible(visible);
    form.BM_Tree->SetVisible(visible);
}

void RelayoutLtrBackupPage(TMainForm& form)
{
    RelayoutLtrEasyBackupRows(form);
    PlaceSelectorAndArrow(form, LayoutDirection::LeftToRight);
    PlaceBackupTree(form);
}

void RelayoutRtlBackupPage(TMainForm& form)
{
    RelayoutRtlEasyBackupRows(form);
    PlaceSelectorAndArrow(form, LayoutDirection::RightToLeft);
    PlaceBackupTree(form);
}

void SwitchBackupPage(TMainForm& form, int page)
{
    const bool easy = page == WorkPage::EasyBackup;
    form.Bac_Title_Head_Lab->SetCaption(LookupText(*form.LangTable, easy ? 20068 : 20063));
    ShowEasyBackupControls(form, easy);
    ShowManualBackupControls(form, !easy);
    if (form.LangId == kRtlLangId) {
        RelayoutRtlBackupPage(form);
    } else {
        RelayoutLtrBackupPage(form);
    }
}
