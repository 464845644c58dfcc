#include "backup/window/layout/DeletePage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/LayoutHelpers.h"

namespace {

constexpr int kBandHeight = 26;
constexpr int kHourglassWidth = 20;
constexpr int kHourglassHeight = 18;
constexpr int kHourglassTop = 4;
constexpr int kStillHourglass = 23076;
constexpr int kDropDownWidth = 16;
constexpr int kSelectorHeight = 17;
constexpr int kFrameTop = 29;
constexpr int kFontHeight = 15;
constexpr FileTreeLook kDeleteTreeLook = {ui::clWhite, u"MS Sans Serif", true};

int BandWidth(const TMainForm& form)
{
    return form.Del_Pan->Width();
}

// Height of the tree frame: from its top to 4 px above the lower separator line.
int FrameHeight(const TMainForm& form)
{
    const int d = form.Work_Pan->Height() - form.HorzLine_Low_Pan->Top();
    return form.Del_Pan->Height() - d - 33;
}

void FollowOverviewPanel(TMainForm& form)
{
    const TPanel* reference = form.Sum_Pro_Pan;
    form.Del_Pan->SetBounds(reference->Left(), form.Del_Pan->Top(), reference->Width(), reference->Height());
}

// Positions and sizes of everything on the page; the mirrored order for the right-to-left language.
void PlaceDeletePage(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int w = BandWidth(form);
    const int tw = form.Del_PC_Title_Lab->Width();
    SetLeftWidth(form.Del_PC_Sel_BK_Deep_Lab, 0, w);
    SetLeftWidth(form.Del_PC_Sel_BK_Light_Lab, 1, w - 2);
    const int hourglassLeft = mirrored ? 2 : w - 22;
    for (TImage* hourglass :
         {form.DE_HourGlass_Renew_Img, form.Del_HourGlass_Deleting_Img, form.DM_HourGlass_Renew_Img}) {
        SetLeftWidth(hourglass, hourglassLeft, kHourglassWidth);
    }
    form.Del_PC_Title_Lab->SetLeft(mirrored ? w - 4 - tw : 4);
    // Mirrored, the source box keeps 3 px to the hourglass and 2 px to the title.
    SetLeftWidth(form.Del_PC_Sel_Pan_BK_Lab, mirrored ? 25 : 4 + tw, mirrored ? w - 31 - tw : w - 29 - tw);
    SetLeftWidth(form.Del_PC_Sel_Pan, mirrored ? 26 : 5 + tw, mirrored ? w - 33 - tw : w - 31 - tw);
    const int pw = form.Del_PC_Sel_Pan->Width();
    SetLeftWidth(form.Del_PC_Sel_Btn_Img, mirrored ? 0 : pw - kDropDownWidth, kDropDownWidth);
    const int editLeft = mirrored ? kDropDownWidth : 0;
    SetLeftWidth(form.Del_PC_Show_Edit, editLeft, pw - kDropDownWidth);
    TComboBox* combo = form.Del_PC_Sel_CBox;
    combo->SetBounds(editLeft, kSelectorHeight - combo->Height(), pw - kDropDownWidth, combo->Height());
    const int frameHeight = FrameHeight(form);
    form.Del_Tree_BK_Lab->SetBounds(0, kFrameTop, w, frameHeight);
    for (TTreeView* tree : {form.DE_Tree, form.DM_Tree}) {
        tree->SetBounds(1, kFrameTop + 1, w - 2, frameHeight - 2);
    }
}

void StyleLabel(TMainForm& form, TLabel* label)
{
    label->Font().SetName(u"Arial");
    label->Font().SetCharset(form.FontCharset);
}

void StyleHourglass(TImage* hourglass)
{
    hourglass->SetBounds(hourglass->Left(), kHourglassTop, kHourglassWidth, kHourglassHeight);
    LoadPngResource(hourglass, kStillHourglass);
    hourglass->BringToFront();
}

void BuildDeletePage(TMainForm& form)
{
    TPanel* page = form.Del_Pan;
    const TPanel* reference = form.Sum_Pro_Pan;
    page->SetBounds(reference->Left(), reference->Top(), reference->Width(), reference->Height());
    page->SetColor(reference->Color());
    page->SetDoubleBuffered(true);
    page->Hide();

    TLabel* deep = form.Del_PC_Sel_BK_Deep_Lab;
    deep->SetBounds(0, 0, 0, kBandHeight);
    MakeGround(deep, TMainForm::Palette[11]);
    deep->SendToBack();
    TLabel* light = form.Del_PC_Sel_BK_Light_Lab;
    light->SetBounds(1, 1, 0, kBandHeight - 2);
    MakeGround(light, ui::clWhite);
    StyleHourglass(form.DE_HourGlass_Renew_Img);
    StyleHourglass(form.Del_HourGlass_Deleting_Img);
    form.Del_HourGlass_Deleting_Img->Hide();

    TLabel* title = form.Del_PC_Title_Lab;
    title->SetBounds(4, 4, title->Width(), title->Height());
    title->SetAutoSize(true);
    title->SetLayout(ui::TTextLayout::tlCenter);
    title->SetTransparent(true);
    StyleLabel(form, title);
    SetCaptionFont(title, TMainForm::Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Source : ");

    TLabel* box = form.Del_PC_Sel_Pan_BK_Lab;
    box->SetBounds(0, 3, 0, 19);
    MakeGround(box, TMainForm::Palette[11]);
    TPanel* selector = form.Del_PC_Sel_Pan;
    selector->SetBounds(0, 4, 0, kSelectorHeight);
    selector->SetColor(TMainForm::Palette[11]);
    selector->SetDoubleBuffered(true);
    TImage* opener = form.Del_PC_Sel_Btn_Img;
    opener->SetBounds(0, 0, kDropDownWidth, kSelectorHeight);
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, 23010);
    TEdit* edit = form.Del_PC_Show_Edit;
    edit->SetBounds(0, 0, 0, kSelectorHeight);
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    SetCaptionFont(edit, ui::clBlack, kFontHeight, form.FontCharset);
    edit->SetDoubleBuffered(true);
    edit->SetText(u"");
    TComboBox* combo = form.Del_PC_Sel_CBox;
    combo->SetColor(edit->Color());
    SetCaptionFont(combo, ui::clBlack, kFontHeight, form.FontCharset);
    combo->SetStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SetDropDownCount(15);
    combo->SendToBack();

    TLabel* frame = form.Del_Tree_BK_Lab;
    MakeGround(frame, deep->Color());
    frame->SendToBack();
    StyleFileTree(form, form.DE_Tree, kDeleteTreeLook);
}

void BuildManualDeleteTree(TMainForm& form)
{
    StyleHourglass(form.DM_HourGlass_Renew_Img);
    form.Del_HourGlass_Deleting_Img->BringToFront();
    StyleFileTree(form, form.DM_Tree, kDeleteTreeLook);
}

}  // namespace

void LayoutDeletePage(TMainForm& form)
{
    BuildDeletePage(form);
    PlaceDeletePage(form, LayoutDirection::LeftToRight);
}

void LayoutManualDeleteTree(TMainForm& form)
{
    BuildManualDeleteTree(form);
    PlaceDeletePage(form, LayoutDirection::LeftToRight);
}

void RelayoutLtrDeletePage(TMainForm& form)
{
    FollowOverviewPanel(form);
    PlaceDeletePage(form, LayoutDirection::LeftToRight);
}

void LayoutRtlDeletePage(TMainForm& form)
{
    BuildDeletePage(form);
    PlaceDeletePage(form, LayoutDirection::RightToLeft);
}

void LayoutRtlManualDeleteTree(TMainForm& form)
{
    BuildManualDeleteTree(form);
    PlaceDeletePage(form, LayoutDirection::RightToLeft);
}

void RelayoutRtlDeletePage(TMainForm& form)
{
    FollowOverviewPanel(form);
    PlaceDeletePage(form, LayoutDirection::RightToLeft);
}

void ShowEasyDeleteControls(TMainForm& form, bool visible)
{
    form.DE_HourGlass_Renew_Img->SetVisible(visible);
    form.DE_Tree->SetVisible(visible);
}

void ShowManualDeleteControls(TMainForm& form, bool visible)
{
    form.DM_HourGlass_Renew_Img->SetVisible(visible);
    form.DM_Tree->SetVisible(visible);
}

void SwitchDeletePage(TMainForm& form, int page)
{
    ShowEasyDeleteControls(form, page == WorkPage::EasyDelete);
    ShowManualDeleteControls(form, page == WorkPage::ManualDelete);
    if (form.LangId == kRtlLangId) {
        RelayoutRtlDeletePage(form);
    } else {
        RelayoutLtrDeletePage(form);
    }
}

void ApplyDeleteCaptions(TMainForm& form)
{
    form.Del_PC_Title_Lab->SetCaption(LookupText(*form.LangTable, 20066));
    SetDeleteTreeCaptions(form, *form.DE_Tree, 1);
    SetDeleteTreeCaptions(form, *form.DM_Tree, 2);
}
