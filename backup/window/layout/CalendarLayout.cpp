#include "backup/window/layout/CalendarLayout.h"

#include "backup/base/Language.h"
#include "backup/skin/RtlStyle.h"
#include "backup/window/jobs/Calendar_Win.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/SkinnedButton.h"

#include <tuple>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 260;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 22;
constexpr int kNormalPieces[3] = {24004, 24007, 24010};
constexpr int kCalendarWidth = 235;
constexpr int kDayGap = 6;

ui::TColor PaletteColour(int index)
{
    return static_cast<ui::TColor>(TMainForm::Palette[index]);
}

void LayoutSelector(TPanel* pan, TImage* button, TEdit* edit, TComboBox* combo, BYTE charset)
{
    pan->SetDoubleBuffered(true);
    pan->SetColor(ui::clWhite);
    pan->SetBevelOuter(ui::TBevelCut::bvNone);
    button->SetBounds(pan->Width() - 16 + 1, 0, 16, 17);
    button->SetCursor(ui::crHandPoint);
    LoadPngResource(button, 23010);
    button->BringToFront();
    edit->SetBounds(0, 0, button->Left(), 19);
    edit->SetDoubleBuffered(true);
    edit->SetColor(PaletteColour(12));
    edit->SetImeMode(ui::TImeMode::imDontCare);
    edit->SetImeName(u"");
    edit->SetReadOnly(true);
    edit->SetText(u"");
    edit->Font().SetHeight(15);
    edit->Font().SetCharset(charset);
    edit->BringToFront();
    combo->SetBounds(0, BottomOf(edit) - 23, edit->Width(), 23);
    combo->Font().SetHeight(15);
    combo->Font().SetCharset(charset);
    combo->SetColor(edit->Color());
    combo->SetDropDownCount(12);
    combo->SetStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SendToBack();
}

void PlaceWeekRow(TCalendarForm& f, int sundayLeft)
{
    int left = sundayLeft;
    for (TLabel* day : {f.Week_Sun_Lab, f.Week_Mon_Lab, f.Week_Tue_Lab, f.Week_Wed_Lab, f.Week_Thu_Lab, f.Week_Fri_Lab,
                        f.Week_Sat_Lab}) {
        day->SetBounds(left, f.Week_Sun_Lab->Top(), f.Week_Sun_Lab->Width(), f.Week_Sun_Lab->Height());
        left += f.Week_Sun_Lab->Width() + kDayGap;
    }
    const int step = f.Week_Sun_Lab->Width() + kDayGap;
    for (int c = 0; c < TCalendarForm::kGridColumns; ++c) {
        for (TLabel* cell : f.DayGrid[c]) {
            SetLeftWidth(cell, sundayLeft + c * step, f.Week_Sun_Lab->Width());
        }
    }
}

void LayoutWeekHeader(TCalendarForm& f, BYTE charset)
{
    TLabel* sun = f.Week_Sun_Lab;
    sun->SetBounds(f.Time_Set_Month_BK_Lab->Left() + 2, BottomOf(f.Time_Set_Month_BK_Lab) + 16, 26, 16);
    const std::pair<TLabel*, const char16_t*> names[] = {
        {f.Week_Sun_Lab, u"Sun"}, {f.Week_Mon_Lab, u"Mon"}, {f.Week_Tue_Lab, u"Tue"}, {f.Week_Wed_Lab, u"Wed"},
        {f.Week_Thu_Lab, u"Thu"}, {f.Week_Fri_Lab, u"Fri"}, {f.Week_Sat_Lab, u"Sat"}};
    for (const auto& [label, caption] : names) {
        label->SetAlignment(ui::TAlignment::taCenter);
        label->SetLayout(ui::TTextLayout::tlCenter);
        label->SetTransparent(true);
        label->Font().SetHeight(15);
        label->Font().SetCharset(1);
        label->Font().SetStyle(ui::TFontStyle::fsBold);
        label->Font().SetColor(ui::clBlack);
        label->SetCaption(caption);
        label->BringToFront();
    }
    sun->Font().SetColor(0x231BEC);
    f.Week_Sat_Lab->Font().SetColor(0xBB751A);
    for (int c = 0; c < TCalendarForm::kGridColumns; ++c) {
        for (int r = 0; r < TCalendarForm::kGridRows; ++r) {
            TLabel* cell = f.DayGrid[c][r];
            cell->SetBounds(0, sun->Top() + (r + 1) * (sun->Height() + 2), sun->Width(), sun->Height());
            cell->SetAutoSize(false);
            cell->SetAlignment(ui::TAlignment::taCenter);
            cell->SetLayout(ui::TTextLayout::tlCenter);
            cell->SetTransparent(true);
            cell->Font().SetHeight(15);
            cell->Font().SetCharset(charset);
            cell->SetCaption(u"");
            cell->Show();
            cell->BringToFront();
        }
    }
    PlaceWeekRow(f, sun->Left());
}

void LayoutButton(TPanel* pan, TImage* left, TImage* center, TImage* right, TLabel* caption, int panelLeft, int top)
{
    LayoutSkinnedButton({pan, left, center, right, caption},
                        {panelLeft, top, panelLeft + kButtonWidth, top + kButtonHeight}, 6, kNormalPieces, ui::clWhite);
    pan->SetBevelOuter(ui::TBevelCut::bvNone);
    caption->SetAutoSize(false);
    caption->SetTransparent(true);
    caption->Font().SetHeight(15);
    caption->Font().SetCharset(MainForm->FontCharset);
    caption->BringToFront();
}

}  // namespace

void LayoutCalendarForm(TCalendarForm& f)
{
    const BYTE charset = MainForm->FontCharset;
    f.SetBorderStyle(ui::TFormBorderStyle::bsNone);
    f.SetPosition(ui::TPosition::poMainFormCenter);
    f.SetDoubleBuffered(true);
    f.SetColor(ui::clWhite);
    f.Font().SetName(u"Arial");
    f.SetBounds(0, 0, kWidth, kHeight);

    f.Main_BK_ColorEdge_Lab->SetBounds(2, 2, kWidth - 4, kHeight - 4);
    MakeGround(f.Main_BK_ColorEdge_Lab, PaletteColour(0));
    f.Main_BK_ColorEdge_Lab->SendToBack();
    TLabel* deep = f.Main_BK_Deep_Lab;
    deep->SetBounds(f.Main_BK_ColorEdge_Lab->Left() + 2, f.Main_BK_ColorEdge_Lab->Top() + 2,
                    f.Main_BK_ColorEdge_Lab->Width() - 4, f.Main_BK_ColorEdge_Lab->Height() - 4);
    MakeGround(deep, PaletteColour(11));
    TImage* head = f.Main_BK_Title_Head_Img;
    head->SetBounds(deep->Left() + 1, deep->Top() + 1, deep->Width() - 2, 21);
    LoadPngResource(head, 23062);

    TLabel* title = f.Main_Time_Title_Lab;
    title->SetAutoSize(true);
    title->SetLayout(ui::TTextLayout::tlCenter);
    title->SetTransparent(true);
    SetCaptionFont(title, ui::clBlack, 16, charset);
    title->Font().SetStyle(ui::TFontStyle::fsBold);
    title->SetLeft(head->Left() + 6);
    title->SetTop(head->Top() + 2);
    title->SetCaption(LookupText(*MainForm->LangTable, 20194));
    title->BringToFront();
    TLabel* show = f.Main_Time_Show_Lab;
    const int showLeft = RightOf(title) + 2;
    show->SetBounds(showLeft, head->Top(), RightOf(head) - showLeft, head->Height());
    show->SetLayout(ui::TTextLayout::tlCenter);
    show->SetTransparent(true);
    SetCaptionFont(show, ui::clBlack, 16, charset);
    show->Font().SetStyle(ui::TFontStyle::fsBold);
    show->SetCaption(u"");
    show->BringToFront();

    f.Btn_BK_Lab->SetBounds(head->Left(), BottomOf(deep) - 29 - 1, deep->Width() - 2, 29);
    MakeGround(f.Btn_BK_Lab, ui::clWhite);
    const int timeTop = BottomOf(head);
    f.Time_BK_Lab->SetBounds(head->Left(), timeTop, kCalendarWidth, f.Btn_BK_Lab->Top() - timeTop - 1);
    MakeGround(f.Time_BK_Lab, ui::clWhite);

    TLabel* monthBk = f.Time_Set_Month_BK_Lab;
    monthBk->SetBounds(f.Time_BK_Lab->Left() + 5, f.Time_BK_Lab->Top() + 15, 110, 19);
    MakeGround(monthBk, deep->Color());
    monthBk->BringToFront();
    f.Time_Set_Month_Pan->SetBounds(monthBk->Left() + 1, monthBk->Top() + 1, 108, 17);
    LayoutSelector(f.Time_Set_Month_Pan, f.Month_Sel_Btn_Img, f.Month_Show_Edit, f.Month_CBox, charset);
    TLabel* yearBk = f.Time_Set_Year_BK_Lab;
    yearBk->SetBounds(RightOf(monthBk) + 5, monthBk->Top(), monthBk->Width(), monthBk->Height());
    MakeGround(yearBk, monthBk->Color());
    yearBk->BringToFront();
    f.Time_Set_Year_Pan->SetBounds(yearBk->Left() + 1, yearBk->Top() + 1, 108, 17);
    LayoutSelector(f.Time_Set_Year_Pan, f.Year_Sel_Btn_Img, f.Year_Show_Edit, f.Year_CBox, charset);
    f.Time_Set_Month_Pan->BringToFront();
    f.Time_Set_Year_Pan->BringToFront();

    LayoutWeekHeader(f, charset);

    TListView* list = f.Files_ListView;
    list->SetBounds(RightOf(f.Time_BK_Lab) + 1, f.Time_BK_Lab->Top(), RightOf(deep) - RightOf(f.Time_BK_Lab) - 2,
                    f.Time_BK_Lab->Height());
    list->SetColor(f.Btn_BK_Lab->Color());
    list->SetViewStyle(ui::TViewStyle::vsReport);
    list->SetReadOnly(true);
    list->SetRowSelect(true);
    list->SetMultiSelect(false);
    list->SetShowColumnHeaders(false);
    list->SetDoubleBuffered(true);
    SetCaptionFont(list, PaletteColour(7), 15, charset);
    if (list->Columns().Count() == 0) {
        list->Columns().Add();
    }
    list->Columns().Items(0)->SetWidth(list->Width());
    list->Show();

    LayoutCalendarOkButton(f);
    LayoutCalendarCancelButton(f);
}

void LayoutCalendarOkButton(TCalendarForm& f)
{
    LayoutButton(f.Btn_Right_Pan, f.RB_BK_Left_Img, f.RB_BK_Center_Img, f.RB_BK_Right_Img, f.RB_Btn_Lab,
                 RightOf(f.Btn_BK_Lab) - kButtonWidth - 4, f.Btn_BK_Lab->Top() + 3);
    f.RB_Btn_Lab->Font().SetColor(PaletteColour(8));
    f.RB_Btn_Lab->SetCaption(LookupText(*MainForm->LangTable, 20004));
}

void LayoutCalendarCancelButton(TCalendarForm& f)
{
    LayoutButton(f.Btn_Left_Pan, f.LB_BK_Left_Img, f.LB_BK_Center_Img, f.LB_BK_Right_Img, f.LB_Btn_Lab,
                 f.Btn_Right_Pan->Left() - kButtonWidth - 4, f.Btn_Right_Pan->Top());
    f.Btn_Left_Pan->SetColor(f.Btn_Right_Pan->Color());
    f.LB_Btn_Lab->Font().SetColor(f.RB_Btn_Lab->Font().Color());
    f.LB_Btn_Lab->SetCaption(LookupText(*MainForm->LangTable, 20005));
}

void LayoutRtlCalendarForm(TCalendarForm& f)
{
    TImage* head = f.Main_BK_Title_Head_Img;
    TLabel* title = f.Main_Time_Title_Lab;
    title->SetLeft(RightOf(head) - title->Width() - 6);
    title->SetBiDiMode(ui::TBiDiMode::bdRightToLeft);
    TLabel* show = f.Main_Time_Show_Lab;
    SetLeftWidth(show, head->Left(), title->Left() - 2 - head->Left());
    show->SetAlignment(ui::TAlignment::taRightJustify);

    SetLeftWidth(f.Time_BK_Lab, RightOf(f.Main_BK_Deep_Lab) - kCalendarWidth - 1, kCalendarWidth);
    SetLeftWidth(f.Time_Set_Month_BK_Lab, f.Time_BK_Lab->Left() + 5, f.Time_Set_Month_BK_Lab->Width());
    SetLeftWidth(f.Time_Set_Month_Pan, f.Time_Set_Month_BK_Lab->Left() + 1, f.Time_Set_Month_Pan->Width());
    SetLeftWidth(f.Time_Set_Year_BK_Lab, RightOf(f.Time_Set_Month_BK_Lab) + 5, f.Time_Set_Year_BK_Lab->Width());
    SetLeftWidth(f.Time_Set_Year_Pan, f.Time_Set_Year_BK_Lab->Left() + 1, f.Time_Set_Year_Pan->Width());
    const std::tuple<TPanel*, TImage*, TEdit*, TComboBox*> selectors[] = {
        {f.Time_Set_Month_Pan, f.Month_Sel_Btn_Img, f.Month_Show_Edit, f.Month_CBox},
        {f.Time_Set_Year_Pan, f.Year_Sel_Btn_Img, f.Year_Show_Edit, f.Year_CBox}};
    for (const auto& [pan, button, edit, combo] : selectors) {
        SetLeftWidth(button, 0, button->Width());
        SetLeftWidth(edit, RightOf(button), pan->Width() - RightOf(button));
        SetLeftWidth(combo, edit->Left(), edit->Width());
        SetEditRightAligned(edit);
        SetComboRtlFull(combo);
    }
    PlaceWeekRow(f, f.Time_Set_Month_BK_Lab->Left() + 2);

    TListView* list = f.Files_ListView;
    SetLeftWidth(list, head->Left(), f.Time_BK_Lab->Left() - head->Left() - 1);
    list->Columns().Items(0)->SetWidth(list->Width());

    LayoutRtlCalendarOkButton(f);
    LayoutRtlCalendarCancelButton(f);
}

void LayoutRtlCalendarOkButton(TCalendarForm& f)
{
    SetLeftWidth(f.Btn_Right_Pan, f.Btn_BK_Lab->Left() + 4, f.Btn_Right_Pan->Width());
}

void LayoutRtlCalendarCancelButton(TCalendarForm& f)
{
    SetLeftWidth(f.Btn_Left_Pan, RightOf(f.Btn_Right_Pan) + 4, f.Btn_Left_Pan->Width());
}
