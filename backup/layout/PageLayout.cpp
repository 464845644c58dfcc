#include "backup/layout/PageLayout.h"

#include "backup/frame/DebugInfo.h"
#include "backup/frame/Language.h"
#include "backup/frame/MainWin.h"

namespace {

constexpr int kMenuWidth = 182;
constexpr int kPanelTop = 46;
constexpr int kOuterMargin = 15;
constexpr int kLowerMargin = 30;
constexpr int kRuleHeight = 2;
constexpr int kTitleTop = 12;
constexpr int kTitleHeight = 18;
constexpr int kRuleTop = kTitleTop + kTitleHeight + 4;
constexpr int kDescriptionHeight = 30;
constexpr int kMemoLeft = 170;
constexpr int kMemoBottomGap = 60;
constexpr int kMemoCharset = 129;

// The menu panel and the work panel with its rules and titles: the part of the window frame that
// the overview page rests on.
void PlaceWorkArea(TMainForm& form, bool mirrored)
{
    const int width = form.Width();
    const int height = form.Height();
    form.Work_Pan->SetBounds(kOuterMargin, kPanelTop, width - 2 * kOuterMargin, height - kPanelTop - kOuterMargin);
    form.Work_Pan->SetRoundRegion(20, 20);
    const int menuLeft = mirrored ? width - kMenuWidth - kOuterMargin : kOuterMargin;
    form.MainMenu_Pan->SetBounds(menuLeft, kPanelTop, kMenuWidth, form.Work_Pan->Height());
    form.MainMenu_Pan->SetRoundRegion(20, 20);
    const int workWidth = form.Work_Pan->Width();
    const int workHeight = form.Work_Pan->Height();
    if (mirrored) {
        form.HorzLine_Up_Pan->SetBounds(16, kRuleTop, form.MainMenu_Pan->Left() - 16 - 115, kRuleHeight);
        form.HorzLine_Low_Pan->SetBounds(16, workHeight - kLowerMargin, form.MainMenu_Pan->Left() - 32, kRuleHeight);
    } else {
        form.HorzLine_Up_Pan->SetBounds(kMenuWidth + 100, kRuleTop, workWidth - kMenuWidth - 116, kRuleHeight);
        form.HorzLine_Low_Pan->SetBounds(kMenuWidth + 16, workHeight - kLowerMargin, workWidth - kMenuWidth - 31,
                                         kRuleHeight);
    }
    const int titleLeft = form.HorzLine_Up_Pan->Left();
    const int titleWidth = form.HorzLine_Up_Pan->Width();
    form.Work_Title_Lab->SetBounds(titleLeft, kTitleTop, titleWidth, kTitleHeight);
    form.Work_Title_Des_Lab->SetBounds(titleLeft, kRuleTop + kRuleHeight, titleWidth, kDescriptionHeight);
    form.MainMenu_Pan->BringToFront();
}

void PlaceOverviewPage(TMainForm& form, bool mirrored)
{
    TPanel* page = form.Sum_Pro_Pan;
    const int top = form.Work_Title_Des_Lab->Top() + form.Work_Title_Des_Lab->Height();
    const int left = mirrored ? form.HorzLine_Low_Pan->Left() : kMenuWidth + 16;
    const int right = mirrored ? form.MainMenu_Pan->Left() - kOuterMargin
                               : form.HorzLine_Up_Pan->Left() + form.HorzLine_Up_Pan->Width();
    page->SetBounds(left, top, right - left, form.Work_Pan->Height() - top);
    const int memoLeft = mirrored ? 0 : kMemoLeft;
    form.DebugInfo_Memo->SetBounds(memoLeft, 0, page->Width() - kMemoLeft, page->Height() - kMemoBottomGap);
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

void ApplyRtlLayout(TMainForm& form)
{
    PlaceWorkArea(form, true);
    PlaceOverviewPage(form, true);
}

void ApplyLanguage(TMainForm& form)
{
    form.FontCharset = CharsetOfLanguage(form.LangId);
    form.LabelBiDiMode = form.LangId == kRtlLangId ? 1 : 0;
    SetLabelLook(&form, form.FontCharset,
                 form.LabelBiDiMode != 0 ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    FillDebugInfo(form.DebugInfo_Memo, form.LangId);
    ApplyMenuCaptions(form);
    form.Main_Btn_Help_Img->SetHint(LookupText(*form.LangTable, 20204));
    form.Main_Btn_About_Img->SetHint(FormatText1(LookupText(*form.LangTable, 20010), u"Harbex Solo+"));
    form.RB_Btn_Lab->SetCaption(LookupText(*form.LangTable, 20004));
    form.LB_Btn_Lab->SetCaption(LookupText(*form.LangTable, 20005));
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
    caption(form.Menu_Sum_ProBtn_Lab, 20022);
    caption(form.Menu_Bac_EasyBtn_Lab, 20025);
    caption(form.Menu_Bac_ManualBtn_Lab, 20026);
    caption(form.Menu_Res_EasyBtn_Lab, 20028);
    caption(form.Menu_Res_ManualBtn_Lab, 20029);
    caption(form.Menu_Del_EasyBtn_Lab, 20025);
    caption(form.Menu_Del_ManualBtn_Lab, 20026);
    caption(form.Menu_App_FavBtn_Lab, 20033);
    caption(form.Menu_Set_GenBtn_Lab, 20035);
    caption(form.Menu_Set_BacBtn_Lab, 20036);
    std::u16string product = u"Harbex Solo+";
    if (!form.StartPath.empty()) {
        product += u"_" + form.StartPath.substr(0, 1);
    }
    form.Exit->SetCaption(FormatText1Sized(LookupText(table, 20007), product));
}

void RelayoutLtr(TMainForm& form)
{
    PlaceWorkArea(form, false);
    PlaceOverviewPage(form, false);
}

void RelayoutRtl(TMainForm& form)
{
    PlaceWorkArea(form, true);
    PlaceOverviewPage(form, true);
}

void LayoutOverviewPanel(TMainForm& form)
{
    PlaceWorkArea(form, false);
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
