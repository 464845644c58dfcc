#include "backup/window/layout/RestorePage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/RestoreControls.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/RestoreTreePanel.h"
#include "backup/window/layout/SkinnedButton.h"

namespace {

constexpr int kFontHeight = 15;
constexpr int kBandHeight = 26;
constexpr int kHourGlassWidth = 20;
constexpr int kRenewWidth = 90;
constexpr int kRenewHeight = 22;
constexpr int kRenewCapWidth = 3;
constexpr int kDropDownWidth = 16;
constexpr int kRowsTop = 54;
constexpr int kRowPitch = 41;
constexpr int kRowHeight = 40;
constexpr int kRowsFrameHeight = 206;
constexpr int kCheckSize = 18;
constexpr int kIconWidth = 48;
constexpr int kIconHeight = 34;
constexpr int kNameWidth = 150;
constexpr int kDestHeight = 36;
constexpr int kArrowWidth = 26;
constexpr int kArrowHeight = 20;
constexpr int kCheckTicked = 23019;

// The lower margin D: the work panel's height below the lower rule.
int LowerMargin(const TMainForm& form)
{
    return form.Work_Pan->Height() - form.HorzLine_Low_Pan->Top();
}

int DestinationTop(const TMainForm& form)
{
    return form.Res_Pan->Height() - LowerMargin(form) - kDestHeight - 4;
}

void PageFont(const TMainForm& form, TControl* control, ui::TColor color)
{
    SetCaptionFont(control, color, kFontHeight, form.FontCharset);
}

void TextLabel(const TMainForm& form, TLabel* label, const char16_t* caption)
{
    PageFont(form, label, TMainForm::Palette[7]);
    label->SetLayout(ui::TTextLayout::tlCenter);
    label->SetCaption(caption);
}

// Where the arrow stands: in the gap between the rows and the destination line, or just above that
// line.
enum class ArrowTop { Centred, AboveDestination };

// Positions and sizes of everything on the page.
void PlaceControls(TMainForm& form, LayoutDirection direction, ArrowTop arrowTop)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int w = form.Res_Pan->Width();
    const auto at = [&](TControl* c, int ltrLeft, int width) {
        SetLeftWidth(c, mirrored ? w - ltrLeft - width : ltrLeft, width);
    };
    SetLeftWidth(form.Res_PC_Sel_BK_Deep_Lab, 0, w);
    SetLeftWidth(form.Res_PC_Sel_BK_Light_Lab, 1, w - 2);
    SetLeftWidth(form.Res_Time_Sel_BK_Deep_Lab, 0, w);
    SetLeftWidth(form.Res_Time_Sel_BK_Light_Lab, 1, w - 2);
    at(form.Res_HourGlass_Easy_Img, w - kHourGlassWidth - 2, kHourGlassWidth);
    at(form.Res_HourGlass_Manual_Img, w - kHourGlassWidth - 2, kHourGlassWidth);
    if (mirrored) {
        LayoutRtlRestoreRenewButton(form);
    } else {
        form.RE_Renew_Btn_Pan->SetLeft(form.Res_HourGlass_Easy_Img->Left() - kRenewWidth);
    }

    const int tW = form.Res_PC_Sel_Title_Lab->Width();
    at(form.Res_PC_Sel_Title_Lab, 4, tW);
    // Mirrored, the source box keeps 3 px to the title as well as to the Renew button.
    if (mirrored) {
        SetLeftWidth(form.Res_PC_Sel_Pan_BK_Lab, RightOf(form.RE_Renew_Btn_Pan) + 3, w - 122 - tW);
        SetLeftWidth(form.Res_PC_Sel_Pan, RightOf(form.RE_Renew_Btn_Pan) + 4, w - 124 - tW);
    } else {
        SetLeftWidth(form.Res_PC_Sel_Pan_BK_Lab, 4 + tW, w - 119 - tW);
        SetLeftWidth(form.Res_PC_Sel_Pan, 5 + tW, w - 121 - tW);
    }
    const int pw = form.Res_PC_Sel_Pan->Width();
    form.Res_PC_Sel_Btn_Img->SetLeft(mirrored ? 0 : pw - kDropDownWidth);
    SetLeftWidth(form.Res_PC_Show_Edit, mirrored ? kDropDownWidth : 0, pw - kDropDownWidth);
    SetLeftWidth(form.Res_PC_Sel_CBox, form.Res_PC_Show_Edit->Left(), form.Res_PC_Show_Edit->Width());

    const int ttW = form.Res_Time_Sel_Title_Lab->Width();
    at(form.Res_Time_Sel_Title_Lab, 4, ttW);
    at(form.Res_Time_Sel_Btn_Img, w - 23, 18);
    at(form.RE_Time_Sel_Show_Lab, 4 + ttW, w - 27 - ttW);
    at(form.RM_Time_Sel_Show_Lab, 4 + ttW, w - 27 - ttW);

    SetLeftWidth(form.RE_BK_Lab, 0, w);
    for (const RestoreCategoryRow& row : RestoreCategoryRows()) {
        SetLeftWidth(form.*row.Ground, 1, w - 2);
        at(form.*row.Check, 16, kCheckSize);
        at(form.*row.Icon, w - kIconWidth - 6, kIconWidth);
        at(form.*row.Name, 44, kNameWidth);
        at(form.*row.Size, 195, w - 249);
        at(form.*row.Time, 195, w - 249);
    }

    const int dt = DestinationTop(form);
    form.Res_DestBK_Lab->SetBounds(0, dt, w, kDestHeight);
    form.Res_Dest_Title_Lab->SetBounds(1, dt + 1, w - 2, 16);
    form.Res_Dest_Edit->SetBounds(mirrored ? 17 : 1, dt + 18, w - 18, 17);
    form.Res_BrowserBtn_Img->SetBounds(mirrored ? 1 : w - 17, dt + 18, 16, 17);
    const int arrowY = arrowTop == ArrowTop::Centred ? 260 + (dt - 280) / 2 : dt - kArrowHeight - 4;
    form.Res_ArrowIcon_Img->SetBounds((w - kArrowWidth) / 2, arrowY, kArrowWidth, kArrowHeight);
    PlaceRestoreTree(form);
}

void CopyPanelRect(TMainForm& form)
{
    const TPanel* overview = form.Sum_Pro_Pan;
    form.Res_Pan->SetBounds(overview->Left(), form.Res_Pan->Top(), overview->Width(), overview->Height());
}

void Relayout(TMainForm& form, LayoutDirection direction)
{
    CopyPanelRect(form);
    PlaceControls(form, direction,
                  form.CurrentPage == WorkPage::EasyRestore ? ArrowTop::Centred : ArrowTop::AboveDestination);
}

void LayoutBands(TMainForm& form, int w)
{
    form.Res_PC_Sel_BK_Deep_Lab->SetBounds(0, 0, w, kBandHeight);
    MakeGround(form.Res_PC_Sel_BK_Deep_Lab, TMainForm::Palette[11]);
    form.Res_PC_Sel_BK_Light_Lab->SetBounds(1, 1, w - 2, kBandHeight - 2);
    MakeGround(form.Res_PC_Sel_BK_Light_Lab, ui::clWhite);
    for (TImage* glass : {form.Res_HourGlass_Easy_Img, form.Res_HourGlass_Manual_Img}) {
        glass->SetBounds(w - kHourGlassWidth - 2, 4, kHourGlassWidth, 18);
        LoadPngResource(glass, 23076);
    }
    LayoutRestoreRenewButton(form);
    TLabel* title = form.Res_PC_Sel_Title_Lab;
    title->SetBounds(4, 4, 0, 0);
    title->SetAutoSize(true);
    TextLabel(form, title, u"Source : ");
    MakeGround(form.Res_PC_Sel_Pan_BK_Lab, TMainForm::Palette[11]);
    form.Res_PC_Sel_Pan_BK_Lab->SetBounds(0, 3, 0, 19);
    TPanel* box = form.Res_PC_Sel_Pan;
    box->SetBounds(0, 4, 0, 17);
    box->SetColor(TMainForm::Palette[11]);
    box->SetDoubleBuffered(true);
    TImage* opener = form.Res_PC_Sel_Btn_Img;
    opener->SetBounds(0, 0, kDropDownWidth, 17);
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, 23010);
    TEdit* edit = form.Res_PC_Show_Edit;
    edit->SetBounds(0, 0, 0, 17);
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    PageFont(form, edit, ui::clBlack);
    edit->SetDoubleBuffered(true);
    TComboBox* combo = form.Res_PC_Sel_CBox;
    combo->SetColor(edit->Color());
    PageFont(form, combo, ui::clBlack);
    combo->SetDropDownCount(15);
    combo->SetTop(17 - combo->Height());

    form.Res_Time_Sel_BK_Deep_Lab->SetBounds(0, kBandHeight - 1, w, kBandHeight);
    MakeGround(form.Res_Time_Sel_BK_Deep_Lab, TMainForm::Palette[11]);
    form.Res_Time_Sel_BK_Light_Lab->SetBounds(1, kBandHeight, w - 2, kBandHeight - 2);
    MakeGround(form.Res_Time_Sel_BK_Light_Lab, ui::clWhite);
    TLabel* timeTitle = form.Res_Time_Sel_Title_Lab;
    timeTitle->SetBounds(4, 30, 0, 0);
    timeTitle->SetAutoSize(true);
    TextLabel(form, timeTitle, u"Time : ");
    TImage* calendar = form.Res_Time_Sel_Btn_Img;
    calendar->SetBounds(0, 30, 18, 17);
    calendar->SetCursor(ui::crHandPoint);
    LoadPngResource(calendar, 23079);
    for (TLabel* time : {form.RE_Time_Sel_Show_Lab, form.RM_Time_Sel_Show_Lab}) {
        time->SetBounds(0, 30, 0, timeTitle->Height());
        TextLabel(form, time, u"");
        time->SetHint(u"");
        time->SetShowHint(false);
    }
}

void LayoutRows(TMainForm& form, int w)
{
    form.RE_BK_Lab->SetBounds(0, kRowsTop, w, kRowsFrameHeight);
    MakeGround(form.RE_BK_Lab, TMainForm::Palette[11]);
    const auto& rows = RestoreCategoryRows();
    for (int r = 0; r < kRestoreRowCount; ++r) {
        const RestoreCategoryRow& row = rows[r];
        const int top = kRowsTop + 1 + kRowPitch * r;
        TLabel* ground = form.*row.Ground;
        ground->SetBounds(1, top, w - 2, kRowHeight);
        MakeGround(ground, ui::clWhite);
        TImage* check = form.*row.Check;
        check->SetBounds(0, top + 10, kCheckSize, kCheckSize);
        check->SetCursor(ui::crHandPoint);
        LoadPngResource(check, kCheckTicked);
        TImage* icon = form.*row.Icon;
        icon->SetBounds(0, top + 3, kIconWidth, kIconHeight);
        LoadPngResource(icon, row.IconSkin);
        TLabel* name = form.*row.Name;
        name->SetBounds(0, top + 10, kNameWidth, 18);
        TextLabel(form, name, row.CreationCaption);
        TLabel* size = form.*row.Size;
        size->SetBounds(0, top + 4, 0, 16);
        TextLabel(form, size, u"");
        TLabel* time = form.*row.Time;
        time->SetBounds(0, top + 20, 0, 16);
        TextLabel(form, time, u"");
    }
    form.RE_BK_Oth_Lab->Hide();
}

void LayoutDestination(TMainForm& form)
{
    MakeGround(form.Res_DestBK_Lab, TMainForm::Palette[11]);
    TLabel* title = form.Res_Dest_Title_Lab;
    title->SetTransparent(false);
    title->SetColor(ui::clWhite);
    TextLabel(form, title, u"Destination");
    TEdit* edit = form.Res_Dest_Edit;
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    PageFont(form, edit, ui::clWindowText);
    edit->SetDoubleBuffered(true);
    edit->SetText(u"Restore to the original location.");
    form.Res_BrowserBtn_Img->SetCursor(ui::crHandPoint);
    LoadPngResource(form.Res_BrowserBtn_Img, 23007);
    LoadPngResource(form.Res_ArrowIcon_Img, 23002);
}

// The grey frames at the bottom; the other controls keep their creation order above them.
void Stack(TMainForm& form)
{
    form.Res_PC_Sel_CBox->SendToBack();
    for (TLabel* frame :
         {form.Res_PC_Sel_BK_Deep_Lab, form.Res_Time_Sel_BK_Deep_Lab, form.RE_BK_Lab, form.Res_DestBK_Lab}) {
        frame->SendToBack();
    }
}

}  // namespace

void LayoutRestorePage(TMainForm& form)
{
    TPanel* page = form.Res_Pan;
    const TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), overview->Top(), overview->Width(), overview->Height());
    page->SetColor(overview->Color());
    page->SetDoubleBuffered(true);
    page->Hide();
    const int w = page->Width();
    LayoutBands(form, w);
    LayoutRows(form, w);
    LayoutDestination(form);
    Stack(form);
    PlaceControls(form, LayoutDirection::LeftToRight, ArrowTop::Centred);
}

void LayoutRestoreRenewButton(TMainForm& form)
{
    const SkinnedButtonParts button{form.RE_Renew_Btn_Pan, form.RE_Renew_BK_Left_Img, form.RE_Renew_BK_Center_Img,
                                    form.RE_Renew_BK_Right_Img, form.RE_Renew_Btn_Lab};
    const int left = form.Res_HourGlass_Easy_Img->Left() - kRenewWidth;
    LayoutSkinnedButton(button,
                        ui::Rect::FromSize(left, form.Res_PC_Sel_BK_Light_Lab->Top() + 1, kRenewWidth, kRenewHeight),
                        kRenewCapWidth, {25015, 25018, 25021}, TMainForm::Palette[11]);
    TLabel* caption = form.RE_Renew_Btn_Lab;
    caption->SetTransparent(true);
    PageFont(form, caption, TMainForm::Palette[8]);
    caption->SetCaption(u"Renew");
    caption->BringToFront();
}

void RelayoutLtrRestorePage(TMainForm& form)
{
    Relayout(form, LayoutDirection::LeftToRight);
}

void LayoutRtlRestorePage(TMainForm& form)
{
    const TPanel* overview = form.Sum_Pro_Pan;
    form.Res_Pan->SetBounds(overview->Left(), overview->Top(), overview->Width(), form.Res_Pan->Height());
    PlaceControls(form, LayoutDirection::RightToLeft, ArrowTop::Centred);
    LayoutRtlRestoreRenewButton(form);
}

void LayoutRtlRestoreRenewButton(TMainForm& form)
{
    form.RE_Renew_Btn_Pan->SetLeft(RightOf(form.Res_HourGlass_Easy_Img));
}

void RelayoutRtlRestorePage(TMainForm& form)
{
    Relayout(form, LayoutDirection::RightToLeft);
}

void SwitchRestorePage(TMainForm& form, int page)
{
    const bool easy = page == WorkPage::EasyRestore;
    ShowEasyRestoreControls(form, easy);
    ShowManualRestoreControls(form, !easy);
    if (form.LangId == kRtlLangId) {
        RelayoutRtlRestorePage(form);
    } else {
        RelayoutLtrRestorePage(form);
    }
}

void ApplyRestoreCaptions(TMainForm& form)
{
    const TStringList& table = *form.LangTable;
    form.Res_PC_Sel_Title_Lab->SetCaption(LookupText(table, 20066));
    form.Res_Time_Sel_Title_Lab->SetCaption(LookupText(table, 20194));
    const auto& rows = RestoreCategoryRows();
    for (int r = 0; r < kRestoreRowCount; ++r) {
        (form.*rows[r].Name)->SetCaption(LookupText(table, 20056 + r));
    }
    form.Res_Dest_Title_Lab->SetCaption(LookupText(table, 20062));
    form.RE_Renew_Btn_Lab->SetCaption(LookupText(table, 20018));
    if (form.RestoreToOriginal != 0) {
        form.Res_Dest_Edit->SetText(LookupText(table, 20064));
    }
}
