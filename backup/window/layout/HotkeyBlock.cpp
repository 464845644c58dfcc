#include "backup/window/layout/HotkeyBlock.h"

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/BlockControls.h"
#include "backup/window/layout/LayoutHelpers.h"

#include <algorithm>

namespace {

constexpr int kCheckClear = 23017;
constexpr int kListTitleBar = 23062;
constexpr int kOpener = 23010;
constexpr int kAddLeft = 24004;
constexpr int kAddCenter = 24007;
constexpr int kAddRight = 24010;
constexpr int kFontHeight = 15;
constexpr int kListFontHeight = 16;
constexpr int kEditorHeight = 63;
constexpr int kModifierCaptionWidth = 25;
constexpr int kCaptionGap = 3;
constexpr int kModifierInset = 10;
constexpr int kShiftCaptionWidth = 40;
constexpr int kKeyFrameWidth = 42;
constexpr int kTitleBarHeight = 21;
constexpr int kDeleteColumnWidth = 50;
constexpr int kAddWidth = 80;
constexpr int kAddHeight = 22;
constexpr int kAddCapWidth = 6;
constexpr int kAddMargin = 6;
constexpr int kSelectorGap = 40;
constexpr int kSelectorHeight = 19;
constexpr int kOpenerWidth = 16;
constexpr int kComboHeight = 23;
constexpr int kCreationCharset = 129;
constexpr int kRtlRowRightInset = 142;
constexpr int kRtlTitleInset = 10;
constexpr ui::TColor kWhite = 0xFFFFFF;

int AltCaptionWidth(const TMainForm& form)
{
    const TLabel* alt = form.Hotkey_Alt_Lab;
    return std::max(kModifierCaptionWidth, alt->Font().TextWidth(alt->Caption()));
}

int AltGap(const TMainForm& form)
{
    return AltCaptionWidth(form) > kModifierCaptionWidth ? kCaptionGap : 0;
}

}  // namespace

void PlaceModifierRow(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int widening = AltCaptionWidth(form) + AltGap(form) - kModifierCaptionWidth;
    const int left = mirrored ? form.Set_Bac_Hotkey_Pan->Width() - kRtlRowRightInset - widening
                              : form.Hotkey_SetBK_Lab->Left() + kModifierInset;
    const int top = form.Hotkey_Ctl_CheckImg->Top();
    const int size = form.Hotkey_Ctl_CheckImg->Width();
    form.Hotkey_Ctl_CheckImg->SetLeft(left);
    form.Hotkey_Ctl_Lab->SetBounds(RightOf(form.Hotkey_Ctl_CheckImg) + 2, top, kModifierCaptionWidth, size);
    form.Hotkey_Alt_CheckImg->SetBounds(RightOf(form.Hotkey_Ctl_Lab), top, size, size);
    // "Alt + " is wider than its 25 px in most faces; the key edit follows the whole caption, a few
    // pixels apart, whichever end of the label the text is drawn at.
    TLabel* alt = form.Hotkey_Alt_Lab;
    alt->SetBounds(RightOf(form.Hotkey_Alt_CheckImg) + 2, top, AltCaptionWidth(form), size);
    form.Hotkey_Shift_CheckImg->SetBounds(RightOf(form.Hotkey_Alt_Lab), top, size, size);
    form.Hotkey_Shift_Lab->SetBounds(RightOf(form.Hotkey_Shift_CheckImg) + 2, top, kShiftCaptionWidth, size);
    form.Hotkey_Edit_BK_Lab->SetBounds(RightOf(form.Hotkey_Alt_Lab) + AltGap(form), top, kKeyFrameWidth, size);
    TLabel* frame = form.Hotkey_Edit_BK_Lab;
    form.Hotkey_Edit->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, frame->Height() - 2);
}

void PlaceHotkeyBlockFrame(TMainForm& form)
{
    const TPanel* startup = form.Set_Bac_Startup_Pan;
    TPanel* block = form.Set_Bac_Hotkey_Pan;
    block->SetBounds(startup->Left(), startup->Top(), startup->Width(), startup->Height());
    const int deepHeight = LowerRuleY(form, block) - 4;
    form.Hotkey_BK_Deep_Lab->SetBounds(0, 0, block->Width(), deepHeight);
    TLabel* deep = form.Hotkey_BK_Deep_Lab;
    form.Hotkey_SetBK_Lab->SetBounds(1, 1, deep->Width() - 2, kEditorHeight);
    TLabel* editor = form.Hotkey_SetBK_Lab;
    form.Hotkey_List_Title_BK_Img->SetBounds(editor->Left(), BottomOf(editor) + 1, editor->Width(), kTitleBarHeight);
    TImage* bar = form.Hotkey_List_Title_BK_Img;
    form.Hotkey_List_Title_Lab->SetBounds(bar->Left() + 9, bar->Top(), bar->Width() - 18, bar->Height());
    const int listTop = BottomOf(bar);
    form.Hotkey_ListView->SetBounds(editor->Left(), listTop, editor->Width(), BottomOf(deep) - listTop - 1);
    SetDeleteListColumns(form.Hotkey_ListView, kDeleteColumnWidth);
}

void CreateHotkeyBlock(TMainForm& form)
{
    TPanel* block = NewBlockPanel(form, "Set_Bac_Hotkey_Pan", form.Set_Bac_Pan);
    form.Set_Bac_Hotkey_Pan = block;
    form.Hotkey_BK_Deep_Lab = NewBlockLabel(form, "Hotkey_BK_Deep_Lab", block);
    form.Hotkey_SetBK_Lab = NewBlockLabel(form, "Hotkey_SetBK_Lab", block);
    form.Hotkey_Ctl_CheckImg = NewBlockImage(form, "Hotkey_Ctl_CheckImg", block);
    form.Hotkey_Ctl_Lab = NewBlockLabel(form, "Hotkey_Ctl_Lab", block);
    form.Hotkey_Alt_CheckImg = NewBlockImage(form, "Hotkey_Alt_CheckImg", block);
    form.Hotkey_Alt_Lab = NewBlockLabel(form, "Hotkey_Alt_Lab", block);
    form.Hotkey_Shift_CheckImg = NewBlockImage(form, "Hotkey_Shift_CheckImg", block);
    form.Hotkey_Shift_Lab = NewBlockLabel(form, "Hotkey_Shift_Lab", block);
    form.Hotkey_Edit_BK_Lab = NewBlockLabel(form, "Hotkey_Edit_BK_Lab", block);
    form.Hotkey_Edit = NewShownEdit(form, "Hotkey_Edit", block);
    form.Hotkey_List_Title_BK_Img = NewBlockImage(form, "Hotkey_List_Title_BK_Img", block);
    form.Hotkey_List_Title_Lab = NewBlockLabel(form, "Hotkey_List_Title_Lab", block);
    for (TLabel* arial :
         {form.Hotkey_Ctl_Lab, form.Hotkey_Alt_Lab, form.Hotkey_Shift_Lab, form.Hotkey_List_Title_Lab}) {
        arial->Font().SetName(u"Arial");
    }
    form.Hotkey_ListView = NewDeleteIconList(form, "Hotkey_ListView", block, {u"Hotkey", u"Function", u"DeleteIcon"});

    TPanel* add = NewBlockPanel(form, "SB_Btn_Add_Pan", form.Set_Bac_Pan);
    form.SB_Btn_Add_Pan = add;
    form.Add_BK_Left_Img = NewBlockImage(form, "Add_BK_Left_Img", add);
    form.Add_BK_Center_Img = NewBlockImage(form, "Add_BK_Center_Img", add);
    form.Add_BK_Right_Img = NewBlockImage(form, "Add_BK_Right_Img", add);
    form.Add_Btn_Lab = NewBlockLabel(form, "Add_Btn_Lab", add);
    form.Add_Btn_Lab->Font().SetName(u"Arial");

    TPanel* selector = NewBlockPanel(form, "SB_FuncSel_Pan", form.Set_Bac_Pan);
    form.SB_FuncSel_Pan = selector;
    form.SB_FuncSel_Title_Lab = NewBlockLabel(form, "SB_FuncSel_Title_Lab", selector);
    form.SB_FuncSel_Edit_BK_Lab = NewBlockLabel(form, "SB_FuncSel_Edit_BK_Lab", selector);
    form.SB_FuncSel_Edit_Pan = NewBlockPanel(form, "SB_FuncSel_Edit_Pan", selector);
    form.SB_FuncSel_CBox = NewControl<TComboBox>(&form, "SB_FuncSel_CBox", form.SB_FuncSel_Edit_Pan);
    form.SB_FuncSel_CBox->SetStyle(ui::TComboBoxStyle::csDropDownList);
    form.SB_FuncSel_CBox->SetBevelKind(ui::TBevelKind::bkFlat);
    form.SB_FuncSel_CBox->Font().SetName(u"Arial");
    form.SB_FuncSel_CBox->Font().SetHeight(12);
    form.SB_FuncSel_CBox->SetItemHeight(12);
    form.SB_FuncSel_Btn_Img = NewBlockImage(form, "SB_FuncSel_Btn_Img", form.SB_FuncSel_Edit_Pan);
    form.SB_FuncSel_Edit = NewShownEdit(form, "SB_FuncSel_Edit", form.SB_FuncSel_Edit_Pan);
}

void LayoutHotkeyPanel(TMainForm& form)
{
    TPanel* block = form.Set_Bac_Hotkey_Pan;
    block->SetDoubleBuffered(true);
    block->SetColor(form.Set_Bac_Startup_Pan->Color());
    block->Hide();
    PlaceHotkeyBlockFrame(form);
    form.Hotkey_ListView->Items().Clear();
    MakeGround(form.Hotkey_BK_Deep_Lab, form.Palette[11]);
    form.Hotkey_BK_Deep_Lab->SendToBack();
    MakeGround(form.Hotkey_SetBK_Lab, kWhite);
    form.Hotkey_SetBK_Lab->BringToFront();

    TLabel* editor = form.Hotkey_SetBK_Lab;
    const TImage* model = form.Auto_Plugin_CheckImg;
    form.Hotkey_Ctl_CheckImg->SetBounds(0, editor->Top() + kModifierInset, model->Width(), model->Height());
    const auto modifierCaption = [&form](TLabel* label, const char16_t* text) {
        label->SetLayout(ui::TTextLayout::tlCenter);
        SetCaptionFont(label, form.Palette[7], kFontHeight, form.FontCharset);
        label->SetCaption(text);
        label->BringToFront();
    };
    modifierCaption(form.Hotkey_Ctl_Lab, u"Ctrl");
    modifierCaption(form.Hotkey_Alt_Lab, u"Alt + ");
    modifierCaption(form.Hotkey_Shift_Lab, u"Shift + ");
    PlaceModifierRow(form, LayoutDirection::LeftToRight);
    for (TImage* check : {form.Hotkey_Ctl_CheckImg, form.Hotkey_Alt_CheckImg, form.Hotkey_Shift_CheckImg}) {
        check->SetCursor(ui::crHandPoint);
        LoadPngResource(check, kCheckClear);
        check->BringToFront();
    }
    form.Hotkey_Shift_CheckImg->Hide();
    form.Hotkey_Shift_Lab->Hide();
    MakeGround(form.Hotkey_Edit_BK_Lab, form.Palette[11]);
    form.Hotkey_Edit_BK_Lab->BringToFront();
    TEdit* key = form.Hotkey_Edit;
    key->SetDoubleBuffered(true);
    key->SetText(u"");
    key->SetColor(form.Palette[12]);
    key->SetReadOnly(true);
    key->Font().SetHeight(kFontHeight);
    key->Font().SetCharset(form.FontCharset);
    key->BringToFront();

    LoadPngResource(form.Hotkey_List_Title_BK_Img, kListTitleBar);
    form.Hotkey_List_Title_BK_Img->BringToFront();
    form.Hotkey_List_Title_Lab->SetLayout(ui::TTextLayout::tlCenter);
    SetCaptionFont(form.Hotkey_List_Title_Lab, form.Palette[7], kFontHeight, form.FontCharset);
    form.Hotkey_List_Title_Lab->SetCaption(u"Hotkey List");
    form.Hotkey_List_Title_Lab->Show();
    form.Hotkey_List_Title_Lab->BringToFront();

    TListView* list = form.Hotkey_ListView;
    list->SetColor(form.Hotkey_SetBK_Lab->Color());
    list->SetReadOnly(true);
    list->SetRowSelect(false);
    list->Font().SetColor(form.Palette[7]);
    list->Font().SetHeight(kListFontHeight);
    list->Font().SetCharset(form.FontCharset);
    list->SetShowColumnHeaders(false);
    list->SetDoubleBuffered(true);
    list->Show();

    LayoutHotkeyAddButton(form);
    LayoutHotkeyFunctionSelector(form);
}

void LayoutHotkeyAddButton(TMainForm& form)
{
    const TLabel* editor = form.Hotkey_SetBK_Lab;
    TPanel* add = form.SB_Btn_Add_Pan;
    add->SetBounds(editor->Width() - kAddWidth - kAddMargin,
                   form.Set_Bac_Hotkey_Pan->Top() + BottomOf(editor) - kAddHeight - kAddMargin, kAddWidth, kAddHeight);
    add->SetDoubleBuffered(true);
    add->SetColor(kWhite);
    add->BringToFront();
    add->Hide();
    form.Add_BK_Left_Img->SetBounds(0, 0, kAddCapWidth, add->Height());
    form.Add_BK_Center_Img->SetBounds(kAddCapWidth, 0, kAddWidth - 2 * kAddCapWidth, kAddHeight);
    form.Add_BK_Right_Img->SetBounds(kAddWidth - kAddCapWidth, 0, kAddCapWidth, kAddHeight);
    LoadPngResource(form.Add_BK_Left_Img, kAddLeft);
    LoadPngResource(form.Add_BK_Center_Img, kAddCenter);
    LoadPngResource(form.Add_BK_Right_Img, kAddRight);
    TLabel* caption = form.Add_Btn_Lab;
    caption->SetBounds(0, 0, kAddWidth, kAddHeight);
    caption->SetCursor(ui::crHandPoint);
    caption->SetAlignment(ui::TAlignment::taCenter);
    caption->SetLayout(ui::TTextLayout::tlCenter);
    caption->SetTransparent(true);
    SetCaptionFont(caption, form.Palette[8], kFontHeight, form.FontCharset);
    caption->SetCaption(u"Add");
}

void LayoutHotkeyFunctionSelector(TMainForm& form)
{
    TPanel* selector = form.SB_FuncSel_Pan;
    selector->SetDoubleBuffered(true);
    selector->SetColor(kWhite);
    selector->BringToFront();
    selector->Hide();
    TLabel* title = form.SB_FuncSel_Title_Lab;
    title->SetBounds(0, 0, title->Width(), kSelectorHeight);
    title->SetLayout(ui::TTextLayout::tlCenter);
    SetCaptionFont(title, form.Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Functions : ");
    title->SetAutoSize(true);
    title->BringToFront();
    TLabel* frame = form.SB_FuncSel_Edit_BK_Lab;
    frame->SetBounds(0, 0, 0, kSelectorHeight);
    MakeGround(frame, form.Palette[11]);
    frame->BringToFront();
    TPanel* inner = form.SB_FuncSel_Edit_Pan;
    inner->SetBounds(0, 1, 0, kSelectorHeight - 2);
    inner->SetDoubleBuffered(true);
    inner->SetColor(kWhite);
    inner->BringToFront();
    TImage* opener = form.SB_FuncSel_Btn_Img;
    opener->SetBounds(0, 0, kOpenerWidth, inner->Height());
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, kOpener);
    opener->BringToFront();
    TEdit* edit = form.SB_FuncSel_Edit;
    edit->SetBounds(0, 0, 0, inner->Height());
    edit->SetDoubleBuffered(true);
    edit->SetText(u"");
    edit->SetColor(form.Palette[12]);
    edit->SetReadOnly(form.Hotkey_Edit->ReadOnly());
    edit->Font().SetHeight(title->Font().Height());
    edit->Font().SetCharset(form.FontCharset);
    TComboBox* list = form.SB_FuncSel_CBox;
    list->SetBounds(0, BottomOf(edit) - kComboHeight, 0, kComboHeight);
    list->Font().SetHeight(edit->Font().Height());
    list->Font().SetCharset(kCreationCharset);
    list->SetColor(edit->Color());
    list->SendToBack();
    PlaceFunctionSelector(form, LayoutDirection::LeftToRight);
}

void LayoutRtlHotkeySettings(TMainForm& form)
{
    PlaceHotkeyBlockFrame(form);
    form.Hotkey_ListView->Items().Clear();
    PlaceModifierRow(form, LayoutDirection::RightToLeft);
    LayoutRtlHotkeyAddButton(form);
    LayoutRtlHotkeyFunctionSelector(form);
}

void LayoutRtlHotkeyAddButton(TMainForm& form)
{
    form.SB_Btn_Add_Pan->SetLeft(kAddMargin);
}

void LayoutRtlHotkeyFunctionSelector(TMainForm& form)
{
    PlaceFunctionSelector(form, LayoutDirection::RightToLeft);
}

void PlaceFunctionSelector(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const TPanel* add = form.SB_Btn_Add_Pan;
    const TLabel* editor = form.Hotkey_SetBK_Lab;
    TPanel* selector = form.SB_FuncSel_Pan;
    const int left = mirrored ? RightOf(add) + kSelectorGap : editor->Left() + kModifierInset;
    const int right = mirrored ? RightOf(editor) : add->Left() - kSelectorGap;
    selector->SetBounds(left, BottomOf(add) - kSelectorHeight, right - left, kSelectorHeight);
    TLabel* title = form.SB_FuncSel_Title_Lab;
    TLabel* frame = form.SB_FuncSel_Edit_BK_Lab;
    TPanel* inner = form.SB_FuncSel_Edit_Pan;
    TImage* opener = form.SB_FuncSel_Btn_Img;
    TEdit* edit = form.SB_FuncSel_Edit;
    if (mirrored) {
        title->SetLeft(selector->Width() - title->Width() - kRtlTitleInset);
        SetLeftWidth(frame, 0, title->Left());
        SetLeftWidth(inner, frame->Left() + 1, frame->Width() - 2);
        opener->SetLeft(0);
        SetLeftWidth(edit, RightOf(opener), inner->Width() - RightOf(opener));
    } else {
        title->SetLeft(0);
        SetLeftWidth(frame, RightOf(title), selector->Width() - RightOf(title));
        SetLeftWidth(inner, frame->Left() + 1, frame->Width() - 1);
        opener->SetLeft(inner->Width() - kOpenerWidth);
        SetLeftWidth(edit, 0, opener->Left());
    }
    SetLeftWidth(form.SB_FuncSel_CBox, edit->Left(), edit->Width());
}

void SetDeleteListColumns(ui::TListView* list, int lastWidth)
{
    const int count = list->Columns().Count();
    if (count == 0) {
        return;
    }
    const int shared = (list->Width() - lastWidth) / (count - 1 > 0 ? count - 1 : 1);
    for (int i = 0; i + 1 < count; ++i) {
        list->Columns().Items(i)->SetWidth(shared);
    }
    list->Columns().Items(count - 1)->SetWidth(lastWidth);
}

int LastColumnLeft(ui::TListView* list)
{
    ui::TListColumns& columns = list->Columns();
    int left = 0;
    for (int i = 0; i + 1 < columns.Count(); ++i) {
        left += columns.Items(i)->Width();
    }
    return left;
}
