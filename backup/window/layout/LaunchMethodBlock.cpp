#include "backup/window/layout/LaunchMethodBlock.h"

#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/ButtonFunctionSelector.h"
#include "backup/window/layout/LayoutHelpers.h"

namespace {

constexpr int kMargin = 16;
constexpr int kCheckSize = 18;
constexpr int kGap = 5;
constexpr int kSecondsWidth = 50;
constexpr int kSecondsHeight = 19;
constexpr int kFontHeight = 15;
constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;

struct OptionRow {
    TImage* Check;
    TLabel* Label;
};

// The rows after the first, in the order the relayout places them.
std::array<OptionRow, 4> LaterRows(TMainForm& form)
{
    return {{{form.Auto_ClickBtn_CheckImg, form.Auto_ClickBtn_Lab},
             {form.Auto_Hotkey_CheckImg, form.Auto_Hotkey_Lab},
             {form.Auto_Sch_CheckImg, form.Auto_Sch_Lab},
             {form.Aes_Check_Img, form.Aes_Check_Lab}}};
}

void BuildRow(TMainForm& form, const OptionRow& row, int top, int skin, const char16_t* caption)
{
    TImage* first = form.Auto_Plugin_CheckImg;
    TLabel* firstLabel = form.Auto_Plugin_Lab;
    row.Check->SetBounds(first->Left(), top, first->Width(), first->Height());
    row.Check->SetCursor(ui::crHandPoint);
    LoadPngResource(row.Check, skin);
    row.Check->BringToFront();
    row.Label->SetBounds(firstLabel->Left(), top, firstLabel->Width(), firstLabel->Height());
    row.Label->SetWordWrap(firstLabel->WordWrap());
    SetCaptionFont(row.Label, firstLabel->Font().Color(), firstLabel->Font().Height(), form.FontCharset);
    row.Label->SetCaption(caption);
    row.Label->BringToFront();
}

void BuildFrame(TMainForm& form)
{
    TPanel* block = form.Set_Bac_Startup_Pan;
    TPanel* tab = form.SB_Tag_Startup_Pan;
    const int top = BottomOf(tab) - 1;
    block->SetBounds(0, top, form.Sum_Pro_Pan->Width(), form.Sum_Pro_Pan->Height() - top);
    block->SetDoubleBuffered(true);
    block->SetColor(ui::clWhite);
    block->Show();
    TLabel* deep = form.Startup_BK_Deep_Lab;
    deep->SetBounds(0, 0, block->Width(), LowerRuleY(form, block) - 4);
    MakeGround(deep, TMainForm::Palette[11]);
    deep->SendToBack();
    TLabel* light = form.Startup_BK_Light_Lab;
    light->SetBounds(deep->Left() + 1, deep->Top() + 1, deep->Width() - 2, deep->Height() - 2);
    MakeGround(light, ui::clWhite);
    light->BringToFront();
}

void BuildConnectionRow(TMainForm& form)
{
    const int w = form.Set_Bac_Startup_Pan->Width();
    TImage* check = form.Auto_Plugin_CheckImg;
    check->SetBounds(kMargin, kMargin, kCheckSize, kCheckSize);
    check->SetCursor(ui::crHandPoint);
    LoadPngResource(check, kCheckTicked);
    check->BringToFront();
    TLabel* label = form.Auto_Plugin_Lab;
    label->SetBounds(RightOf(check) + kGap, check->Top(), w - RightOf(check), 2 * check->Height());
    label->SetWordWrap(true);
    SetCaptionFont(label, TMainForm::Palette[7], kFontHeight, form.FontCharset);
    label->SetCaption(u"When plug-in USB device,start to backup.");
    label->BringToFront();

    TLabel* frame = form.Auto_Plugin_Time_BK_Lab;
    frame->SetBounds(label->Left(), BottomOf(label), kSecondsWidth, kSecondsHeight);
    MakeGround(frame, TMainForm::Palette[11]);
    frame->BringToFront();
    TEdit* edit = form.Auto_Plugin_Time_Set_Edit;
    edit->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, frame->Height() - 2);
    edit->SetDoubleBuffered(true);
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetText(DecimalText(form.AutoStartSeconds));
    edit->SetReadOnly(false);
    edit->SetImeMode(ui::TImeMode::imDontCare);
    edit->SetImeName(u"");
    edit->Font().SetHeight(kFontHeight);
    edit->Font().SetCharset(form.FontCharset);
    edit->BringToFront();
    TLabel* unit = form.Auto_Plugin_Time_Sec_Lab;
    TLabel* light = form.Startup_BK_Light_Lab;
    unit->SetBounds(RightOf(frame) + 2, frame->Top(), RightOf(light) - RightOf(frame) - 2, frame->Height());
    unit->SetLayout(ui::TTextLayout::tlBottom);
    unit->SetTransparent(true);
    unit->Font().SetHeight(kFontHeight);
    unit->Font().SetCharset(form.FontCharset);
    unit->SetCaption(u"Sec");
    unit->BringToFront();
}

// Check images at checkLeft, every option label at labelLeft with labelWidth.
void PlaceRows(TMainForm& form, int checkLeft, int labelLeft, int labelWidth)
{
    SetLeftWidth(form.Auto_Plugin_Lab, labelLeft, labelWidth);
    for (const OptionRow& row : LaterRows(form)) {
        row.Check->SetLeft(checkLeft);
        SetLeftWidth(row.Label, labelLeft, labelWidth);
    }
}

void PlaceFrame(TMainForm& form)
{
    TPanel* block = form.Set_Bac_Startup_Pan;
    block->SetBounds(0, block->Top(), form.Sum_Pro_Pan->Width(), form.Sum_Pro_Pan->Height() - block->Top());
    TLabel* deep = form.Startup_BK_Deep_Lab;
    deep->SetBounds(deep->Left(), deep->Top(), block->Width(), LowerRuleY(form, block) - 4 - deep->Top());
    TLabel* light = form.Startup_BK_Light_Lab;
    light->SetBounds(light->Left(), light->Top(), deep->Width() - 2, deep->Height() - 2);
}

void PlaceSecondsEdit(TMainForm& form)
{
    TLabel* frame = form.Auto_Plugin_Time_BK_Lab;
    SetLeftWidth(form.Auto_Plugin_Time_Set_Edit, frame->Left() + 1, frame->Width() - 2);
}

}  // namespace

void LayoutLaunchMethodsPanel(TMainForm& form)
{
    BuildFrame(form);
    BuildConnectionRow(form);
    const auto rows = LaterRows(form);
    BuildRow(form, rows[0], BottomOf(form.Auto_Plugin_Time_BK_Lab) + kGap, kCheckTicked,
             u"When click the button on the device,start to backup.");
    LayoutButtonFunctionSelector(form);
    BuildRow(form, rows[1], BottomOf(form.Auto_ClickBtn_FuncSel_Pan) + kGap, kCheckTicked,
             u"When press hotkey,start to backup.");
    BuildRow(form, rows[2], BottomOf(form.Auto_Hotkey_Lab), kCheckTicked, u"When it is on schedule,start to backup.");
    BuildRow(form, rows[3], BottomOf(form.Auto_Sch_Lab), kCheckClear, u"Encrypt files when backing up.");
    form.Aes_Check_Img->Hide();
    form.Aes_Check_Lab->Hide();
}

void RelayoutLtrLaunchMethods(TMainForm& form)
{
    PlaceFrame(form);
    const int wp = form.Set_Bac_Startup_Pan->Width();
    TImage* check = form.Auto_Plugin_CheckImg;
    check->SetLeft(kMargin);
    PlaceRows(form, check->Left(), RightOf(check) + kGap, wp - RightOf(check));
    form.Auto_Plugin_Time_BK_Lab->SetLeft(form.Auto_Plugin_Lab->Left());
    PlaceSecondsEdit(form);
    TLabel* frame = form.Auto_Plugin_Time_BK_Lab;
    TLabel* unit = form.Auto_Plugin_Time_Sec_Lab;
    SetLeftWidth(unit, RightOf(frame) + 2, RightOf(form.Startup_BK_Light_Lab) - RightOf(frame) - 2);
    RelayoutButtonFunctionSelector(form);
}

void LayoutRtlStartupSettings(TMainForm& form)
{
    PlaceFrame(form);
    const int wp = form.Set_Bac_Startup_Pan->Width();
    TImage* check = form.Auto_Plugin_CheckImg;
    check->SetLeft(wp - check->Width() - kMargin);
    PlaceRows(form, check->Left(), kMargin, check->Left() - kMargin - kGap);
    TLabel* frame = form.Auto_Plugin_Time_BK_Lab;
    frame->SetLeft(check->Left() - frame->Width() - kGap);
    PlaceSecondsEdit(form);
    TLabel* unit = form.Auto_Plugin_Time_Sec_Lab;
    const int unitLeft = form.Startup_BK_Light_Lab->Left();
    SetLeftWidth(unit, unitLeft, frame->Left() - unitLeft - 2);
}

void ApplyLaunchMethodCaptions(TMainForm& form)
{
    const lists::TStringList& table = *form.LangTable;
    form.Auto_Plugin_Lab->SetCaption(LookupText(table, 20075));
    form.Auto_Plugin_Time_Sec_Lab->SetCaption(LookupText(table, 20127));
    form.Auto_ClickBtn_Lab->SetCaption(LookupText(table, 20076));
    form.Auto_Hotkey_Lab->SetCaption(LookupText(table, 20077));
    form.Auto_Sch_Lab->SetCaption(LookupText(table, 20078));
    form.Aes_Check_Lab->SetCaption(LookupText(table, 20079));
    form.AC_FuncSel_Title_Lab->SetCaption(LookupText(table, 20080));
}
