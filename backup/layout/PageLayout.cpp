#include "backup/layout/PageLayout.h"

#include "backup/frame/DebugInfo.h"
#include "backup/frame/Language.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/MsgWin.h"
#include "backup/frame/Navigation.h"
#include "backup/layout/EasyBackupPage.h"
#include "backup/layout/ProgressLayout.h"
#include "backup/layout/WindowLayout.h"

namespace {

constexpr int kMemoLeft = 170;
constexpr int kMemoBottomGap = 60;
constexpr int kMemoCharset = 129;
constexpr int kOneLineHeight = 21;
constexpr int kTwoLineHeight = 34;

// Every page panel lies on the overview page's rectangle.
void PlaceOverviewPage(TMainForm& form, bool mirrored)
{
    TPanel* page = form.Sum_Pro_Pan;
    const int top = form.Work_Title_Des_Lab->Top() + form.Work_Title_Des_Lab->Height();
    const int left = mirrored ? form.HorzLine_Low_Pan->Left() : form.MainMenu_Pan->Width() + 16;
    const int right = mirrored ? form.MainMenu_Pan->Left() - form.Work_Pan->Left()
                               : form.HorzLine_Up_Pan->Left() + form.HorzLine_Up_Pan->Width();
    page->SetBounds(left, top, right - left, form.Work_Pan->Height() - top);
    for (TPanel* other : {form.Sum_Dev_Pan, form.Bac_Pan, form.Res_Pan, form.Del_Pan, form.App_Fav_Pan,
                          form.Set_Gen_Pan, form.Set_Bac_Pan, form.Set_Upd_Pan}) {
        other->SetBounds(page->Left(), page->Top(), page->Width(), page->Height());
    }
    const int memoLeft = mirrored ? 0 : kMemoLeft;
    form.DebugInfo_Memo->SetBounds(memoLeft, 0, page->Width() - kMemoLeft, page->Height() - kMemoBottomGap);
}

void SetMenuButtonHeight(TImage* image, TLabel* label, int height, bool wordWrap)
{
    image->SetHeight(height);
    label->SetHeight(height);
    label->SetWordWrap(wordWrap);
}

void SetLabelLook(TControl* control, BYTE charset, ui::TBiDiMode mode)
{
    if (auto* label = dynamic_cast<TLabel*>(control)) {
        label->Font().SetCharset(charset);
        label->SetBiDiMode(mode);
    }
    if (auto* parent = dynamic_cast<TWinControl*>(control)) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            SetLabelLook(parent->Controls(i), charset, mode);
        }
    }
}

}  // namespace

void ApplyLanguage(TMainForm& form)
{
    form.FontCharset = CharsetOfLanguage(form.LangId);
    form.LabelBiDiMode = form.LangId == kRtlLangId ? 1 : 0;
    SetLabelLook(&form, form.FontCharset,
                 form.LabelBiDiMode != 0 ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    FillDebugInfo(form.DebugInfo_Memo, form.LangId);
    ApplyMenuCaptions(form);
    form.Main_Btn_Help_Hint_Lab->SetHint(LookupText(*form.LangTable, 20204));
    form.Main_Btn_About_Hint_Lab->SetHint(FormatText1(LookupText(*form.LangTable, 20010), u"Harbex Solo+"));
    form.RB_Btn_Lab->SetCaption(LookupText(*form.LangTable, 20004));
    form.LB_Btn_Lab->SetCaption(LookupText(*form.LangTable, 20005));
    ApplyProgressPanelLanguage(form);
    ApplyEasyBackupCaptions(form);
    if (form.LangId == kRtlLangId) {
        RelayoutRtl(form);
    } else {
        RelayoutLtr(form);
    }
}

void ApplyMenuCaptions(TMainForm& form)
{
    const ui::TStringList& table = *form.LangTable;
    const auto caption = [&table](TLabel* label, int id) { label->SetCaption(LookupText(table, id)); };
    caption(form.Menu_SumIndex_BtnLab, 20021);
    caption(form.Menu_BacIndex_BtnLab, 20024);
    caption(form.Menu_ResIndex_BtnLab, 20027);
    caption(form.Menu_DelIndex_BtnLab, 20014);
    caption(form.Menu_AppIndex_BtnLab, 20032);
    caption(form.Menu_SetIndex_BtnLab, 20034);
    const auto subCaption = [&form, &table](TImage* image, TLabel* label, int id) {
        label->SetCaption(LookupText(table, id));
        const bool wide = TextExceedsWidth(label, label->Caption(), label->Width());
        SetMenuButtonHeight(image, label, wide ? kTwoLineHeight : kOneLineHeight, wide);
    };
    subCaption(form.Menu_Sum_ProBtn_Img, form.Menu_Sum_ProBtn_Lab, 20022);
    subCaption(form.Menu_Sum_DevBtn_Img, form.Menu_Sum_DevBtn_Lab, 20023);
    subCaption(form.Menu_Bac_EasyBtn_Img, form.Menu_Bac_EasyBtn_Lab, 20025);
    subCaption(form.Menu_Bac_ManualBtn_Img, form.Menu_Bac_ManualBtn_Lab, 20026);
    subCaption(form.Menu_Res_EasyBtn_Img, form.Menu_Res_EasyBtn_Lab, 20028);
    subCaption(form.Menu_Res_ManualBtn_Img, form.Menu_Res_ManualBtn_Lab, 20029);
    subCaption(form.Menu_Del_EasyBtn_Img, form.Menu_Del_EasyBtn_Lab, 20025);
    subCaption(form.Menu_Del_ManualBtn_Img, form.Menu_Del_ManualBtn_Lab, 20026);
    subCaption(form.Menu_App_FavBtn_Img, form.Menu_App_FavBtn_Lab, 20033);
    subCaption(form.Menu_Set_GenBtn_Img, form.Menu_Set_GenBtn_Lab, 20035);
    subCaption(form.Menu_Set_BacBtn_Img, form.Menu_Set_BacBtn_Lab, 20036);
    std::u16string product = u"Harbex Solo+";
    if (!form.StartPath.empty()) {
        product += u"_" + form.StartPath.substr(0, 1);
    }
    form.Exit->SetCaption(FormatText1Sized(LookupText(table, 20007), product));
    ShowPageTitle(form, form.CurrentPage);
}



void RelayoutLtrOverviewPages(TMainForm& form)
{
    PlaceOverviewPage(form, false);
}

void RelayoutRtlOverviewPages(TMainForm& form)
{
    PlaceOverviewPage(form, true);
}

void LayoutOverviewPanel(TMainForm& form)
{
    TPanel* page = form.Sum_Pro_Pan;
    page->SetDoubleBuffered(true);
    page->SetColor(ui::clWhite);
    page->Show();
    TMemo* memo = form.DebugInfo_Memo;
    memo->SetColor(ui::clWhite);
    memo->SetReadOnly(true);
    memo->SetBorderStyle(ui::TBorderStyle::bsNone);
    memo->SetScrollBars(ui::TScrollStyle::ssNone);
    memo->SetDoubleBuffered(true);
    memo->Font().SetColor(TMainForm::Palette[9]);
    memo->Font().SetHeight(14);
    memo->Font().SetCharset(kMemoCharset);
    memo->Lines().Clear();
    memo->Show();
    PlaceOverviewPage(form, false);
}
