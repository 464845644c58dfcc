#include "backup/window/layout/EasyBackupPage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/EasyCategoryRows.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/Capacity.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/SkinnedButton.h"

namespace {

constexpr int kTableHeight = 265;
constexpr int kHeadHeight = 21;
constexpr int kCaptionLeft = 39;
constexpr int kCaptionWidth = 170;
constexpr int kCheckSize = 18;
constexpr int kIconWidth = 48;
constexpr int kIconHeight = 34;
constexpr int kIconInset = 5;
constexpr int kHourGlassWidth = 20;
constexpr int kRowTop = 67;
constexpr int kRowPitch = 33;
constexpr int kRowHeight = 32;
constexpr int kBarHeight = 20;
constexpr int kFontHeight = 15;
constexpr int kRenewWidth = 90;
constexpr int kRenewCapWidth = 3;
constexpr int kSelectorHeight = 36;
constexpr int kSelectorGap = 4;
constexpr int kDropDownWidth = 16;
constexpr int kArrowWidth = 26;
constexpr int kArrowHeight = 20;
constexpr int kTableBottom = 264;
constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;
constexpr int kCreationCharset = 129;

int Right(const TControl* c)
{
    return c->Left() + c->Width();
}

void SetLeftWidth(TControl* c, int left, int width)
{
    c->SetBounds(left, c->Top(), width, c->Height());
}

void Ground(TLabel* label, ui::TColor color)
{
    label->SetTransparent(false);
    label->SetColor(color);
    label->SetCaption(u"");
}

void Caption(TMainForm& form, TLabel* label, ui::TColor color, const std::u16string& text)
{
    label->Font().SetHeight(kFontHeight);
    label->Font().SetColor(color);
    label->Font().SetCharset(form.FontCharset);
    label->SetCaption(text);
}

// The lower margin G: the work panel's height below the lower rule.
int LowerMargin(const TMainForm& form)
{
    return form.Work_Pan->Height() - form.HorzLine_Low_Pan->Top();
}

void PlaceSelectorTops(TMainForm& form)
{
    const int p = form.Bac_Pan->Width();
    const int dt = form.Bac_Pan->Height() - LowerMargin(form) - kSelectorHeight - kSelectorGap;
    form.Bac_Dest_Pan->SetTop(dt);
    form.Bac_Dest_CBox->SetTop(dt + kSelectorHeight - form.Bac_Dest_CBox->Height());
    TImage* arrow = form.Bac_ArrowIcon_Img;
    arrow->SetBounds((p - kArrowWidth) / 2, dt - kArrowHeight - (dt - kTableBottom - kArrowHeight) / 2, kArrowWidth,
                     kArrowHeight);
}

void CopyPanelRect(TMainForm& form)
{
    const TPanel* page = form.Sum_Pro_Pan;
    form.Bac_Pan->SetBounds(page->Left(), form.Bac_Pan->Top(), page->Width(), page->Height());
}

// Header, capacity row and its bar: steps shared by the relayouts and the mirrored creation pass.
void PlaceHeaderAndCapacity(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    CopyPanelRect(form);
    const int p = form.Bac_Pan->Width();
    form.BE_BK_Lab->SetWidth(p);
    TImage* head = form.Bac_Title_Head_Img;
    head->SetWidth(p - 2);
    TLabel* headLab = form.Bac_Title_Head_Lab;
    if (mirrored) {
        headLab->SetWidth(Right(head) - 7 - headLab->Left());
    } else {
        SetLeftWidth(headLab, head->Left() + 7, Right(head) - head->Left() - 7);
    }
    const int glassLeft = mirrored ? head->Left() + 1 : Right(head) - kHourGlassWidth - 1;
    form.Bac_HourGlass_Easy_Img->SetLeft(glassLeft);
    form.Bac_HourGlass_Manual_Img->SetLeft(glassLeft);
    if (mirrored) {
        LayoutRtlEasyRenewButton(form);
    } else {
        form.BE_Renew_Btn_Pan->SetLeft(glassLeft - form.BE_Renew_Btn_Pan->Width());
    }

    TLabel* row = form.BE_TotalCap_BK_Lab;
    row->SetWidth(head->Width());
    TImage* check = form.BE_TotalCap_Check_Img;
    TImage* icon = form.BE_TotalCap_Ico_Capacity_Img;
    TLabel* caption = form.BE_TotalCap_IcoDes_Lab;
    TLabel* frame = form.BE_TotalCap_Bar_BK_Deep_Lab;
    if (mirrored) {
        check->SetLeft(Right(row) - 10 - check->Width());
        icon->SetLeft(kIconInset);
        caption->SetLeft(check->Left() - 10 - caption->Width());
        SetLeftWidth(frame, Right(icon), caption->Left() - Right(icon));
    } else {
        check->SetLeft(row->Left() + 10);
        icon->SetLeft(Right(row) - kIconInset - icon->Width());
        caption->SetLeft(Right(check) + 10);
        SetLeftWidth(frame, Right(caption), icon->Left() - Right(caption));
    }
    SetLeftWidth(form.BE_TotalCap_Show_Lab, caption->Left(), caption->Width());
    SetLeftWidth(form.BE_TotalCap_Bar_BK_Light_Lab, frame->Left() + 1, frame->Width() - 2);
}

// The segments abut in row order from the ground's left end, in both directions.
void ChainSegments(TMainForm& form)
{
    int left = form.BE_TotalCap_Bar_BK_Light_Lab->Left();
    for (const EasyCategoryRow& r : EasyCategoryRows()) {
        TImage* segment = form.*r.Segment;
        segment->SetLeft(left);
        left = Right(segment);
    }
}

void PlaceCategoryRows(TMainForm& form)
{
    const TLabel* row = form.BE_TotalCap_BK_Lab;
    const TLabel* caption = form.BE_TotalCap_IcoDes_Lab;
    const TLabel* frame = form.BE_TotalCap_Bar_BK_Deep_Lab;
    const TLabel* ground = form.BE_TotalCap_Bar_BK_Light_Lab;
    for (const EasyCategoryRow& r : EasyCategoryRows()) {
        SetLeftWidth(form.*r.Ground, row->Left(), row->Width());
        (form.*r.Check)->SetLeft(form.BE_TotalCap_Check_Img->Left());
        (form.*r.Icon)->SetLeft(form.BE_TotalCap_Ico_Capacity_Img->Left());
        SetLeftWidth(form.*r.Name, caption->Left(), caption->Width());
        SetLeftWidth(form.*r.Size, caption->Left(), caption->Width());
        SetLeftWidth(form.*r.BarFrame, frame->Left(), frame->Width());
        SetLeftWidth(form.*r.BarGround, ground->Left(), ground->Width());
        (form.*r.Bar)->SetLeft(form.BE_Cls_Bar_BK_Light_Doc_Lab->Left());
    }
}

void RelayoutRows(TMainForm& form, LayoutDirection direction)
{
    PlaceHeaderAndCapacity(form, direction);
    ShowLocalDiskCapacity(form);
    ChainSegments(form);
    PlaceCategoryRows(form);
    ShowCategorySizes(form);
}

void LayoutHeader(TMainForm& form, int p)
{
    TLabel* frame = form.BE_BK_Lab;
    frame->SetBounds(0, 0, p, kTableHeight);
    Ground(frame, TMainForm::Palette[11]);
    frame->SendToBack();
    form.Bac_Title_Head_Img->SetBounds(1, 1, p - 2, kHeadHeight);
    LoadPngResource(form.Bac_Title_Head_Img, 23062);
    TLabel* head = form.Bac_Title_Head_Lab;
    head->SetBounds(8, 1, p - 9, kHeadHeight);
    head->SetLayout(ui::TTextLayout::tlCenter);
    Caption(form, head, TMainForm::Palette[7], u"Type");
    for (TImage* glass : {form.Bac_HourGlass_Easy_Img, form.Bac_HourGlass_Manual_Img}) {
        glass->SetBounds(p - kHourGlassWidth - 2, 2, kHourGlassWidth, 18);
        LoadPngResource(glass, 23076);
    }
}

void LayoutCapacityRow(TMainForm& form, int p)
{
    TLabel* row = form.BE_TotalCap_BK_Lab;
    row->SetBounds(1, 22, p - 2, 44);
    Ground(row, ui::clWhite);
    TImage* check = form.BE_TotalCap_Check_Img;
    check->SetBounds(11, 32, kCheckSize, kCheckSize);
    check->SetCursor(ui::crHandPoint);
    LoadPngResource(check, kCheckTicked);
    check->Hide();
    TImage* icon = form.BE_TotalCap_Ico_Capacity_Img;
    icon->SetBounds(p - kIconWidth - 6, 27, kIconWidth, kIconHeight);
    icon->BringToFront();
    LoadPngResource(icon, 25007);
    TLabel* caption = form.BE_TotalCap_IcoDes_Lab;
    caption->SetBounds(kCaptionLeft, 22, kCaptionWidth, 28);
    caption->SetLayout(ui::TTextLayout::tlCenter);
    caption->SetWordWrap(true);
    Caption(form, caption, TMainForm::Palette[7], u"Capacity :");
    caption->BringToFront();
    TLabel* show = form.BE_TotalCap_Show_Lab;
    show->SetBounds(kCaptionLeft, 50, kCaptionWidth, 16);
    Caption(form, show, TMainForm::Palette[7], u"");
    show->BringToFront();
    TLabel* frame = form.BE_TotalCap_Bar_BK_Deep_Lab;
    frame->SetBounds(kCaptionLeft + kCaptionWidth, 33, p - 263, 22);
    Ground(frame, TMainForm::Palette[11]);
    frame->BringToFront();
    TLabel* ground = form.BE_TotalCap_Bar_BK_Light_Lab;
    ground->SetBounds(kCaptionLeft + kCaptionWidth + 1, 34, p - 265, kBarHeight);
    Ground(ground, TMainForm::Palette[12]);
    ground->BringToFront();
    int left = ground->Left();
    for (const EasyCategoryRow& r : EasyCategoryRows()) {
        TImage* segment = form.*r.Segment;
        segment->SetBounds(left, 34, 0, kBarHeight);
        segment->BringToFront();
        LoadPngResource(segment, r.BarSkin);
        left = Right(segment);
    }
}

void LayoutCategoryRows(TMainForm& form, int p)
{
    const auto& rows = EasyCategoryRows();
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TLabel* ground = form.*rows[k].Ground;
        ground->SetBounds(1, kRowTop + kRowPitch * k, p - 2, kRowHeight);
        Ground(ground, ui::clWhite);
        ground->BringToFront();
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TImage* check = form.*rows[k].Check;
        check->SetBounds(11, 74 + kRowPitch * k, kCheckSize, kCheckSize);
        check->SetCursor(ui::crHandPoint);
        check->BringToFront();
        const bool choosable = k < kEasyCategoryCount;
        LoadPngResource(check, choosable ? kCheckTicked : kCheckClear);
        check->SetVisible(choosable);
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TImage* icon = form.*rows[k].Icon;
        icon->SetBounds(p - kIconWidth - 6, 66 + kRowPitch * k, kIconWidth, kIconHeight);
        icon->BringToFront();
        LoadPngResource(icon, rows[k].IconSkin);
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TLabel* name = form.*rows[k].Name;
        name->SetBounds(kCaptionLeft, 68 + kRowPitch * k, kCaptionWidth, 16);
        Caption(form, name, TMainForm::Palette[7], rows[k].CreationCaption);
        name->BringToFront();
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TLabel* size = form.*rows[k].Size;
        size->SetBounds(kCaptionLeft, 84 + kRowPitch * k, kCaptionWidth, 16);
        Caption(form, size, TMainForm::Palette[7], u"");
        size->BringToFront();
        size->Show();
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TLabel* frame = form.*rows[k].BarFrame;
        frame->SetBounds(kCaptionLeft + kCaptionWidth, 72 + kRowPitch * k, p - 263, 22);
        Ground(frame, TMainForm::Palette[11]);
        frame->BringToFront();
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TLabel* ground = form.*rows[k].BarGround;
        ground->SetBounds(kCaptionLeft + kCaptionWidth + 1, 73 + kRowPitch * k, p - 265, kBarHeight);
        Ground(ground, TMainForm::Palette[12]);
        ground->BringToFront();
    }
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        TImage* bar = form.*rows[k].Bar;
        bar->SetBounds(kCaptionLeft + kCaptionWidth + 1, 73 + kRowPitch * k, 0, kBarHeight);
        bar->BringToFront();
        LoadPngResource(bar, rows[k].BarSkin);
    }
}

void LayoutSelector(TMainForm& form, int p)
{
    TPanel* selector = form.Bac_Dest_Pan;
    const int dt = form.Bac_Pan->Height() - LowerMargin(form) - kSelectorHeight - kSelectorGap;
    selector->SetBounds(0, dt, p, kSelectorHeight);
    selector->SetColor(TMainForm::Palette[11]);
    selector->SetDoubleBuffered(true);
    selector->BringToFront();
    TLabel* title = form.Bac_Dest_Title_Lab;
    title->SetBounds(1, 1, p - 2, 16);
    title->SetTransparent(false);
    title->SetColor(ui::clWhite);
    title->SetLayout(ui::TTextLayout::tlCenter);
    Caption(form, title, TMainForm::Palette[7], u"Destination");
    TEdit* edit = form.Bac_Dest_Edit;
    edit->SetBounds(1, 18, p - kDropDownWidth - 2, 17);
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    edit->SetImeMode(ui::TImeMode::imDontCare);
    edit->SetImeName(u"");
    edit->Font().SetHeight(kFontHeight);
    edit->Font().SetColor(ui::clWindowText);
    edit->Font().SetCharset(form.FontCharset);
    edit->SetDoubleBuffered(true);
    edit->BringToFront();
    edit->SetText(u"C:\\");
    TImage* opener = form.Bac_Dest_SelBtn_Img;
    opener->SetBounds(p - kDropDownWidth - 1, 18, kDropDownWidth, 17);
    opener->SetCursor(ui::crHandPoint);
    opener->BringToFront();
    LoadPngResource(opener, 23010);
    TComboBox* combo = form.Bac_Dest_CBox;
    combo->Font().SetHeight(kFontHeight);
    combo->Font().SetCharset(kCreationCharset);
    combo->SetColor(edit->Color());
    combo->SetDropDownCount(15);
    combo->SetBounds(1, dt + kSelectorHeight - combo->Height(), edit->Width(), combo->Height());
    combo->SendToBack();
    LoadPngResource(form.Bac_ArrowIcon_Img, 23002);
    PlaceSelectorTops(form);
}

}  // namespace

void LayoutEasyBackupPage(TMainForm& form)
{
    TPanel* page = form.Bac_Pan;
    const TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), overview->Top(), overview->Width(), overview->Height());
    page->SetColor(overview->Color());
    page->SetDoubleBuffered(true);
    page->Hide();
    const int p = page->Width();
    LayoutHeader(form, p);
    LayoutCapacityRow(form, p);
    LayoutCategoryRows(form, p);
    LayoutSelector(form, p);
    LayoutEasyRenewButton(form);
}

void LayoutEasyRenewButton(TMainForm& form)
{
    const SkinnedButtonParts button{form.BE_Renew_Btn_Pan, form.BE_Renew_BK_Left_Img, form.BE_Renew_BK_Center_Img,
                                    form.BE_Renew_BK_Right_Img, form.BE_Renew_Btn_Lab};
    const int left = form.Bac_HourGlass_Easy_Img->Left() - kRenewWidth;
    LayoutSkinnedButton(button, ui::Rect::FromSize(left, form.Bac_Title_Head_Img->Top(), kRenewWidth, kHeadHeight),
                        kRenewCapWidth, {25015, 25018, 25021}, TMainForm::Palette[11]);
    TLabel* caption = form.BE_Renew_Btn_Lab;
    Caption(form, caption, TMainForm::Palette[8], u"Renew");
    caption->BringToFront();
}

void LayoutRtlEasyBackupPage(TMainForm& form)
{
    CopyPanelRect(form);
    const int p = form.Bac_Pan->Width();
    SetLeftWidth(form.BE_BK_Lab, 0, p);
    SetLeftWidth(form.Bac_Title_Head_Img, 1, p - 2);
    SetLeftWidth(form.BE_TotalCap_BK_Lab, 1, p - 2);
    PlaceHeaderAndCapacity(form, LayoutDirection::RightToLeft);
    for (const EasyCategoryRow& r : EasyCategoryRows()) {
        (form.*r.Segment)->SetWidth(0);
        (form.*r.Bar)->SetWidth(0);
    }
    ChainSegments(form);
    PlaceCategoryRows(form);
    SetLeftWidth(form.Bac_Dest_Pan, 0, p);
    SetLeftWidth(form.Bac_Dest_Title_Lab, 1, p - 2);
    SetLeftWidth(form.Bac_Dest_Edit, kDropDownWidth + 1, p - kDropDownWidth - 2);
    SetLeftWidth(form.Bac_Dest_CBox, form.Bac_Dest_Edit->Left(), form.Bac_Dest_Edit->Width());
    form.Bac_Dest_SelBtn_Img->SetLeft(1);
    PlaceSelectorTops(form);
}

void LayoutRtlEasyRenewButton(TMainForm& form)
{
    form.BE_Renew_Btn_Pan->SetLeft(Right(form.Bac_HourGlass_Easy_Img));
}

void RelayoutLtrEasyBackupRows(TMainForm& form)
{
    RelayoutRows(form, LayoutDirection::LeftToRight);
}

void RelayoutRtlEasyBackupRows(TMainForm& form)
{
    RelayoutRows(form, LayoutDirection::RightToLeft);
}

void RelayoutEasyBackupRows(TMainForm& form)
{
    RelayoutRows(form, LayoutDirectionOf(form.LangId));
}

void ApplyEasyBackupCaptions(TMainForm& form)
{
    const TStringList& table = *form.LangTable;
    for (const EasyCategoryRow& r : EasyCategoryRows()) {
        (form.*r.Name)->SetCaption(LookupText(table, r.TextId));
    }
    form.Bac_Dest_Title_Lab->SetCaption(LookupText(table, 20062));
    form.BE_Renew_Btn_Lab->SetCaption(LookupText(table, 20018));
    ShowLocalDiskCapacity(form);
}
