#include "backup/window/layout/GeneralSettingsPage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/LayoutHelpers.h"

namespace {

constexpr int kLanguageBlockHeight = 63;
constexpr int kStripHeight = 21;
constexpr int kStripSkin = 23062;
constexpr int kTitleInset = 5;
constexpr int kSelectorGround = 40;
constexpr int kSelectorTopInGround = 14;
constexpr int kSelectorFrameHeight = 19;
constexpr int kSelectorRightGap = 13;
constexpr int kSelectorMirroredLeft = 13;
constexpr int kOpenerWidth = 16;
constexpr int kOpenerSkin = 23010;
constexpr int kComboHeight = 23;
constexpr int kComboCharset = 129;
constexpr int kOptionsGap = 9;
constexpr int kCheckSize = 18;
constexpr int kCheckTopInFrame = 13;
constexpr int kCheckGap = 5;
constexpr int kMirroredLabelLeft = 18;
constexpr int kFontHeight = 15;
constexpr int kComboFontHeight = 14;
constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;

void PlaceCheckRow(TImage* check, TLabel* label, int checkLeft, int top, int labelLeft, int labelWidth)
{
    check->SetBounds(checkLeft, top, kCheckSize, kCheckSize);
    label->SetBounds(labelLeft, top, labelWidth, 2 * kCheckSize);
}

void BuildCheckRow(TMainForm& form, TImage* check, TLabel* label, int top, int skin, const char16_t* caption)
{
    const int w = form.Set_Gen_Pan->Width();
    const int left = form.Lang_Sel_Title_Lab->Left();
    PlaceCheckRow(check, label, left, top, left + kCheckSize + kCheckGap, w - left - kCheckSize);
    check->SetCursor(ui::crHandPoint);
    LoadPngResource(check, skin);
    check->BringToFront();
    label->SetWordWrap(true);
    SetCaptionFont(label, form.Lang_Sel_Title_Lab->Font().Color(), kFontHeight, form.FontCharset);
    label->SetCaption(caption);
    label->BringToFront();
}

void BuildLanguageBlock(TMainForm& form)
{
    const int w = form.Set_Gen_Pan->Width();
    TLabel* frame = form.Lang_Set_BK_Lab;
    frame->SetBounds(0, 0, w, kLanguageBlockHeight);
    MakeGround(frame, TMainForm::Palette[11]);
    frame->SendToBack();
    TImage* strip = form.Lang_Sel_Title_Head_Img;
    strip->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, kStripHeight);
    LoadPngResource(strip, kStripSkin);
    TLabel* title = form.Lang_Sel_Title_Lab;
    title->SetBounds(strip->Left() + kTitleInset, strip->Top(), strip->Width(), strip->Height());
    title->SetLayout(ui::TTextLayout::tlCenter);
    title->SetTransparent(true);
    SetCaptionFont(title, TMainForm::Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Language Settings");
    title->BringToFront();
    TLabel* ground = form.Lang_Sel_BK_Lab;
    ground->SetBounds(strip->Left(), BottomOf(strip), strip->Width(), kSelectorGround);
    MakeGround(ground, ui::clWhite);
    ground->BringToFront();

    TLabel* selectorFrame = form.Lang_Sel_Pan_BK_Lab;
    selectorFrame->SetBounds(title->Left(), ground->Top() + kSelectorTopInGround,
                             w - form.Lang_Sel_Pan->Left() - kSelectorRightGap, kSelectorFrameHeight);
    MakeGround(selectorFrame, TMainForm::Palette[11]);
    selectorFrame->BringToFront();
    TPanel* selector = form.Lang_Sel_Pan;
    selector->SetBounds(selectorFrame->Left() + 1, selectorFrame->Top() + 1, selectorFrame->Width() - 2,
                        kSelectorFrameHeight - 2);
    selector->SetColor(TMainForm::Palette[12]);
    selector->SetDoubleBuffered(true);
    selector->BringToFront();
    TImage* opener = form.Lang_Sel_Btn_Img;
    opener->SetBounds(selector->Width() - kOpenerWidth, 0, kOpenerWidth, selector->Height());
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, kOpenerSkin);
    opener->BringToFront();
    TEdit* edit = form.Lang_Show_Edit;
    edit->SetBounds(0, opener->Top(), opener->Left(), selector->Height());
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    edit->SetImeMode(ui::TImeMode::imDontCare);
    edit->SetImeName(u"");
    edit->SetText(u"English");
    edit->Font().SetHeight(kFontHeight);
    edit->SetDoubleBuffered(true);
    edit->BringToFront();
    TComboBox* combo = form.Lang_Sel_CBox;
    combo->SetBounds(edit->Left(), BottomOf(edit) - kComboHeight, edit->Width(), kComboHeight);
    combo->SetColor(edit->Color());
    combo->Font().SetHeight(kComboFontHeight);
    combo->Font().SetCharset(kComboCharset);
    combo->SetDropDownCount(15);
    combo->SendToBack();
}

void BuildOptionsBlock(TMainForm& form)
{
    TLabel* frame = form.Gen_Set_BK_Deep_Lab;
    const int top = BottomOf(form.Lang_Sel_BK_Lab) + kOptionsGap;
    frame->SetBounds(form.Lang_Set_BK_Lab->Left(), top, form.Lang_Set_BK_Lab->Width(),
                     LowerRuleY(form, form.Set_Gen_Pan) - 4 - top);
    MakeGround(frame, TMainForm::Palette[11]);
    frame->SendToBack();
    TLabel* light = form.Gen_Set_BK_Light_Lab;
    light->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, frame->Height() - 2);
    MakeGround(light, ui::clWhite);
    light->BringToFront();

    BuildCheckRow(form, form.Start_Win_CheckImg, form.Start_Win_Lab, frame->Top() + kCheckTopInFrame, kCheckTicked,
                  u"After logged in Windows,starts Harbex2.");
    form.Start_Win_CheckImg->Show();
    form.Start_Win_Lab->Show();
    BuildCheckRow(form, form.Minimize_CheckImg, form.Minimize_Lab, BottomOf(form.Start_Win_Lab),
                  form.LaunchOptions[1] != 0 ? kCheckTicked : kCheckClear, u"When start Harbex2,Minimize the window.");
    BuildCheckRow(form, form.HideBacFolder_Check_Img, form.HideBacFolder_Lab, BottomOf(form.Minimize_Lab), kCheckTicked,
                  u"Hide backeup folder.");
}

// The steps both directions share: page size, frame widths and the options frame's height.
void PlaceFrames(TMainForm& form)
{
    TPanel* page = form.Set_Gen_Pan;
    TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), page->Top(), overview->Width(), overview->Height());
    const int w = page->Width();
    form.Lang_Set_BK_Lab->SetWidth(w);
    const int inner = form.Lang_Set_BK_Lab->Width() - 2;
    form.Lang_Sel_Title_Head_Img->SetWidth(inner);
    form.Lang_Sel_Title_Lab->SetWidth(inner);
    form.Lang_Sel_BK_Lab->SetWidth(inner);
    TLabel* frame = form.Gen_Set_BK_Deep_Lab;
    frame->SetBounds(frame->Left(), frame->Top(), form.Lang_Set_BK_Lab->Width(),
                     LowerRuleY(form, page) - 4 - frame->Top());
    form.Gen_Set_BK_Light_Lab->SetBounds(form.Gen_Set_BK_Light_Lab->Left(), form.Gen_Set_BK_Light_Lab->Top(),
                                         frame->Width() - 2, frame->Height() - 2);
}

void PlaceSelectorFrame(TMainForm& form, int left, int width)
{
    SetLeftWidth(form.Lang_Sel_Pan_BK_Lab, left, width);
    SetLeftWidth(form.Lang_Sel_Pan, left + 1, width - 2);
}

void PlaceCheckRows(TMainForm& form, int checkLeft, int labelLeft, int labelWidth)
{
    PlaceCheckRow(form.Start_Win_CheckImg, form.Start_Win_Lab, checkLeft, form.Start_Win_CheckImg->Top(), labelLeft,
                  labelWidth);
    PlaceCheckRow(form.Minimize_CheckImg, form.Minimize_Lab, checkLeft, form.Minimize_CheckImg->Top(), labelLeft,
                  labelWidth);
    PlaceCheckRow(form.HideBacFolder_Check_Img, form.HideBacFolder_Lab, checkLeft, form.HideBacFolder_Check_Img->Top(),
                  labelLeft, labelWidth);
}

}  // namespace

void LayoutGeneralSettingsPage(TMainForm& form)
{
    TPanel* page = form.Set_Gen_Pan;
    TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), overview->Top(), overview->Width(), overview->Height());
    page->SetColor(overview->Color());
    page->SetDoubleBuffered(true);
    page->Hide();
    BuildLanguageBlock(form);
    BuildOptionsBlock(form);
}

void RelayoutLtrGeneralSettingsPage(TMainForm& form)
{
    PlaceFrames(form);
    const int w = form.Set_Gen_Pan->Width();
    const int titleLeft = form.Lang_Sel_Title_Lab->Left();
    TPanel* selector = form.Lang_Sel_Pan;
    // The selector is back inside its frame before its Left is read, also after leaving the
    // mirrored order, where it stood elsewhere.
    SetLeftWidth(selector, titleLeft + 1, selector->Width());
    PlaceSelectorFrame(form, titleLeft, w - selector->Left() - kSelectorRightGap);
    TImage* opener = form.Lang_Sel_Btn_Img;
    opener->SetLeft(selector->Width() - opener->Width());
    SetLeftWidth(form.Lang_Show_Edit, 0, opener->Left());
    SetLeftWidth(form.Lang_Sel_CBox, form.Lang_Show_Edit->Left(), form.Lang_Show_Edit->Width());
    PlaceCheckRows(form, titleLeft, titleLeft + kCheckSize + kCheckGap, w - titleLeft - kCheckSize);
}

void LayoutRtlGeneralSettingsPage(TMainForm& form)
{
    PlaceFrames(form);
    TImage* strip = form.Lang_Sel_Title_Head_Img;
    TLabel* title = form.Lang_Sel_Title_Lab;
    title->SetWidth(RightOf(strip) - kTitleInset - title->Left());
    PlaceSelectorFrame(form, kSelectorMirroredLeft, RightOf(title) - kSelectorMirroredLeft);
    TPanel* selector = form.Lang_Sel_Pan;
    form.Lang_Sel_Btn_Img->SetLeft(0);
    TEdit* edit = form.Lang_Show_Edit;
    SetLeftWidth(edit, RightOf(form.Lang_Sel_Btn_Img), selector->Width() - kOpenerWidth);
    TComboBox* combo = form.Lang_Sel_CBox;
    combo->SetBounds(edit->Left(), BottomOf(edit) - combo->Height(), edit->Width(), combo->Height());
    const int checkLeft = RightOf(strip) - kCheckSize - kCheckGap;
    PlaceCheckRows(form, checkLeft, kMirroredLabelLeft, checkLeft - kMirroredLabelLeft - kCheckGap);
}

void ApplyGeneralSettingsCaptions(TMainForm& form)
{
    const lists::TStringList& table = *form.LangTable;
    form.Lang_Sel_Title_Lab->SetCaption(LookupText(table, 20069));
    form.Start_Win_Lab->SetCaption(FormatText1(LookupText(table, 20070), u"Harbex Solo+"));
    form.Minimize_Lab->SetCaption(FormatText1(LookupText(table, 20071), u"Harbex Solo+"));
    form.HideBacFolder_Lab->SetCaption(LookupText(table, 20176));
}
