#include "backup/window/layout/ScheduleBlock.h"

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/BlockControls.h"
#include "backup/window/layout/HotkeyBlock.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/SchedulePickers.h"

namespace {

constexpr int kRadioChosen = 23051;
constexpr int kRadioOther = 23049;
constexpr int kListTitleBar = 23062;
constexpr int kOpener = 23010;
constexpr int kFontHeight = 15;
constexpr int kColonFontHeight = 16;
constexpr int kEditorHeight = 150;
constexpr int kRadioLeft = 10;
constexpr int kRadioTop = 15;
constexpr int kRadioWidth = 16;
constexpr int kRadioHeight = 17;
constexpr int kGap = 5;
constexpr int kTitleHeight = 15;
constexpr int kRowHeight = 19;
constexpr int kPickerWidth = 54;
constexpr int kWeekdayWidth = 158;
constexpr int kRowRightInset = 10;
constexpr int kColonWidth = 10;
constexpr int kPanelHeight = 17;
constexpr int kOpenerWidth = 16;
constexpr int kListHeight = 23;
constexpr int kDropDownCount = 15;
constexpr int kTitleBarHeight = 21;
constexpr int kDeleteColumnWidth = 50;
constexpr int kCreationCharset = 129;
constexpr int kRtlMinuteLeft = 74;
constexpr ui::TColor kWhite = 0xFFFFFF;

const SchedulePicker& Picker(int index)
{
    return SchedulePickers()[index];
}

TLabel* FrameOf(TMainForm& form, int index)
{
    return form.*Picker(index).Frame;
}

// The frame at `left` in its row, and the picker's parts inside it.
void PlacePicker(TMainForm& form, int index, int left, int width)
{
    const SchedulePicker& p = Picker(index);
    TLabel* frame = form.*p.Frame;
    frame->SetBounds(left, 0, width, kRowHeight);
    TPanel* panel = form.*p.Panel;
    panel->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, kPanelHeight);
    TImage* opener = form.*p.Opener;
    opener->SetBounds(panel->Width() - kOpenerWidth + 1, 0, kOpenerWidth, kPanelHeight);
    TEdit* edit = form.*p.Shown;
    edit->SetBounds(0, opener->Top(), opener->Left(), kRowHeight);
    TComboBox* list = form.*p.List;
    list->SetBounds(edit->Left(), BottomOf(edit) - kListHeight, edit->Width(), kListHeight);
}

void StylePicker(TMainForm& form, int index, int listCharset)
{
    const SchedulePicker& p = Picker(index);
    TLabel* frame = form.*p.Frame;
    MakeGround(frame, form.Palette[11]);
    frame->SendToBack();
    TPanel* panel = form.*p.Panel;
    panel->SetDoubleBuffered(true);
    panel->SetColor(kWhite);
    TImage* opener = form.*p.Opener;
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, kOpener);
    opener->BringToFront();
    TEdit* edit = form.*p.Shown;
    edit->SetDoubleBuffered(true);
    edit->SetColor(form.Palette[12]);
    edit->SetReadOnly(true);
    edit->SetText(u"");
    edit->Font().SetHeight(kFontHeight);
    edit->Font().SetCharset(form.FontCharset);
    edit->BringToFront();
    TComboBox* list = form.*p.List;
    list->SetColor(edit->Color());
    list->Font().SetHeight(kFontHeight);
    list->Font().SetCharset(listCharset);
    list->SetDropDownCount(kDropDownCount);
    list->SendToBack();
}

void StyleColon(const TMainForm& form, TLabel* colon)
{
    colon->SetAlignment(ui::TAlignment::taCenter);
    colon->SetLayout(ui::TTextLayout::tlCenter);
    colon->SetTransparent(true);
    SetCaptionFont(colon, form.Palette[7], kColonFontHeight, form.FontCharset);
    colon->SetCaption(u":");
    colon->BringToFront();
}

void StyleRowLabel(const TMainForm& form, TLabel* label, const char16_t* text)
{
    label->SetLayout(ui::TTextLayout::tlCenter);
    label->SetTransparent(true);
    SetCaptionFont(label, form.Palette[7], kFontHeight, form.FontCharset);
    label->SetCaption(text);
    label->SetAutoSize(true);
}

// The right-anchored time pickers of both rows: minute, colon, hour.
void PlaceTimePickers(TMainForm& form, int minuteLeft)
{
    PlacePicker(form, kRegMin, minuteLeft, kPickerWidth);
    PlacePicker(form, kSpeMin, minuteLeft, kPickerWidth);
    const int colonLeft = minuteLeft - kColonWidth;
    const TPanel* minutePanel = form.Time_Set_Reg_Min_Pan;
    for (TLabel* colon : {form.Time_Set_Reg_Hour_Colon_Lab, form.Time_Set_Spe_Hour_Colon_Lab}) {
        colon->SetBounds(colonLeft, minutePanel->Top(), kColonWidth, kPanelHeight);
    }
    PlacePicker(form, kRegHou, colonLeft - kPickerWidth, kPickerWidth);
    PlacePicker(form, kSpeHou, colonLeft - kPickerWidth, kPickerWidth);
}

void MirrorPickerParts(TMainForm& form, int index)
{
    const SchedulePicker& p = Picker(index);
    const TLabel* frame = form.*p.Frame;
    TPanel* panel = form.*p.Panel;
    panel->SetBounds(frame->Left() + 1, panel->Top(), frame->Width() - 2, panel->Height());
    TImage* opener = form.*p.Opener;
    opener->SetLeft(0);
    TEdit* edit = form.*p.Shown;
    edit->SetBounds(RightOf(opener), edit->Top(), panel->Width() - RightOf(opener), edit->Height());
    TComboBox* list = form.*p.List;
    list->SetBounds(edit->Left(), list->Top(), edit->Width(), list->Height());
}

}  // namespace

void PlaceScheduleBlockFrame(TMainForm& form)
{
    const TPanel* startup = form.Set_Bac_Startup_Pan;
    TPanel* block = form.Set_Bac_Time_Pan;
    block->SetBounds(startup->Left(), startup->Top(), startup->Width(), startup->Height());
    const int deepHeight = LowerRuleY(form, block) - 4;
    form.Time_Set_BK_Deep_Lab->SetBounds(0, 0, block->Width(), deepHeight);
    const TLabel* deep = form.Time_Set_BK_Deep_Lab;
    form.Time_Set_BK_Light_Lab->SetBounds(deep->Left() + 1, deep->Top() + 1, deep->Width() - 2, kEditorHeight);
    const TLabel* light = form.Time_Set_BK_Light_Lab;
    form.Time_Set_Reg_Pan->SetBounds(1, form.Time_Set_Reg_Pan->Top(), block->Width() - 2, kRowHeight);
    form.Time_Set_Spe_Pan->SetBounds(1, form.Time_Set_Spe_Pan->Top(), block->Width() - 2, kRowHeight);
    form.Sch_List_Title_BK_Img->SetBounds(light->Left(), BottomOf(light) + 1, light->Width(), kTitleBarHeight);
    const TImage* bar = form.Sch_List_Title_BK_Img;
    const int listTop = BottomOf(bar);
    form.Sch_ListView->SetBounds(bar->Left(), listTop, bar->Width(), deep->Height() - listTop - 1);
    SetDeleteListColumns(form.Sch_ListView, kDeleteColumnWidth);
}

void CreateScheduleBlock(TMainForm& form)
{
    TPanel* block = NewBlockPanel(form, "Set_Bac_Time_Pan", form.Set_Bac_Pan);
    form.Set_Bac_Time_Pan = block;
    form.Time_Set_BK_Deep_Lab = NewBlockLabel(form, "Time_Set_BK_Deep_Lab", block);
    form.Time_Set_BK_Light_Lab = NewBlockLabel(form, "Time_Set_BK_Light_Lab", block);
    form.Time_Set_Reg_Radio_Img = NewBlockImage(form, "Time_Set_Reg_Radio_Img", block);
    form.Time_Set_Reg_Title_Lab = NewBlockLabel(form, "Time_Set_Reg_Title_Lab", block);
    form.Time_Set_Reg_Pan = NewBlockPanel(form, "Time_Set_Reg_Pan", block);
    form.Time_Set_Spe_Radio_Img = NewBlockImage(form, "Time_Set_Spe_Radio_Img", block);
    form.Time_Set_Spe_Title_Lab = NewBlockLabel(form, "Time_Set_Spe_Title_Lab", block);
    form.Time_Set_Spe_Pan = NewBlockPanel(form, "Time_Set_Spe_Pan", block);
    form.Time_Set_Reg_Hour_Colon_Lab = NewBlockLabel(form, "Time_Set_Reg_Hour_Colon_Lab", form.Time_Set_Reg_Pan);
    form.Time_Set_Spe_Month_Lab = NewBlockLabel(form, "Time_Set_Spe_Month_Lab", form.Time_Set_Spe_Pan);
    form.Time_Set_Spe_Date_Lab = NewBlockLabel(form, "Time_Set_Spe_Date_Lab", form.Time_Set_Spe_Pan);
    form.Time_Set_Spe_Hour_Colon_Lab = NewBlockLabel(form, "Time_Set_Spe_Hour_Colon_Lab", form.Time_Set_Spe_Pan);
    for (TLabel* sans : {form.Time_Set_Reg_Title_Lab, form.Time_Set_Spe_Title_Lab, form.Time_Set_Reg_Hour_Colon_Lab,
                         form.Time_Set_Spe_Hour_Colon_Lab, form.Time_Set_Spe_Month_Lab, form.Time_Set_Spe_Date_Lab}) {
        sans->Font().SetName(u"Microsoft Sans Serif");
    }
    for (int i = 0; i < kSchedulePickerCount; ++i) {
        const SchedulePicker& p = Picker(i);
        TPanel* row = i < kSpeMon ? form.Time_Set_Reg_Pan : form.Time_Set_Spe_Pan;
        const std::string prefix = std::string("Time_Set_") + p.Name;
        form.*p.Frame = NewBlockLabel(form, prefix + "_Pan_BK_Lab", row);
        form.*p.Panel = NewBlockPanel(form, prefix + "_Pan", row);
        form.*p.List = NewControl<TComboBox>(&form, prefix + "_CBox", form.*p.Panel);
        (form.*p.List)->SetStyle(ui::TComboBoxStyle::csDropDownList);
        (form.*p.List)->SetBevelKind(ui::TBevelKind::bkFlat);
        (form.*p.List)->Font().SetName(u"Arial");
        (form.*p.List)->Font().SetHeight(12);
        (form.*p.List)->SetItemHeight(12);
        form.*p.Opener = NewBlockImage(form, prefix + "_Sel_Btn_Img", form.*p.Panel);
        form.*p.Shown = NewShownEdit(form, prefix + "_Show_Edit", form.*p.Panel);
    }
    form.Sch_List_Title_BK_Img = NewBlockImage(form, "Sch_List_Title_BK_Img", block);
    form.Sch_List_Title_Lab = NewBlockLabel(form, "Sch_List_Title_Lab", block);
    form.Sch_ListView = NewDeleteIconList(form, "Sch_ListView", block, {u"Date", u"Clock", u"Func", u"DeleteIcon"});
}

void LayoutSchedulePanel(TMainForm& form)
{
    TPanel* block = form.Set_Bac_Time_Pan;
    block->SetDoubleBuffered(true);
    block->SetColor(form.Set_Bac_Startup_Pan->Color());
    block->Hide();
    form.Time_Set_Reg_Pan->SetTop(kRadioTop + kRadioHeight + kGap);
    form.Time_Set_Spe_Pan->SetTop(kRadioTop + 2 * (kRadioHeight + kGap) + kRowHeight + kGap);
    PlaceScheduleBlockFrame(form);
    form.Sch_ListView->Items().Clear();
    MakeGround(form.Time_Set_BK_Deep_Lab, form.Palette[11]);
    form.Time_Set_BK_Deep_Lab->SendToBack();
    MakeGround(form.Time_Set_BK_Light_Lab, kWhite);
    const int width = form.Time_Set_BK_Light_Lab->Width();

    const auto radioRow = [&form, width](TImage* radio, TLabel* title, TPanel* row, int top, int skin,
                                         const char16_t* caption) {
        radio->SetBounds(kRadioLeft, top, kRadioWidth, kRadioHeight);
        radio->SetCursor(ui::crHandPoint);
        LoadPngResource(radio, skin);
        radio->BringToFront();
        title->SetBounds(RightOf(radio) + kGap, top, width - RightOf(radio), kTitleHeight);
        SetCaptionFont(title, form.Palette[7], kFontHeight, form.FontCharset);
        title->SetCaption(caption);
        title->BringToFront();
        row->SetDoubleBuffered(true);
        row->SetColor(kWhite);
    };
    radioRow(form.Time_Set_Reg_Radio_Img, form.Time_Set_Reg_Title_Lab, form.Time_Set_Reg_Pan, kRadioTop, kRadioChosen,
             u"Cycle");
    radioRow(form.Time_Set_Spe_Radio_Img, form.Time_Set_Spe_Title_Lab, form.Time_Set_Spe_Pan,
             BottomOf(form.Time_Set_Reg_Pan) + kGap, kRadioOther, u"Special Schedule");

    StyleColon(form, form.Time_Set_Reg_Hour_Colon_Lab);
    StyleColon(form, form.Time_Set_Spe_Hour_Colon_Lab);
    for (TLabel* label : {form.Time_Set_Spe_Month_Lab, form.Time_Set_Spe_Date_Lab}) {
        label->SetBounds(label->Left(), 0, label->Width(), kRowHeight);
    }
    StyleRowLabel(form, form.Time_Set_Spe_Month_Lab, u"Month : ");
    StyleRowLabel(form, form.Time_Set_Spe_Date_Lab, u"Date : ");
    PlaceScheduleRows(form, LayoutDirection::LeftToRight);
    for (int i = 0; i < kSchedulePickerCount; ++i) {
        StylePicker(form, i, i == kRegMin || i == kRegHou ? form.FontCharset : kCreationCharset);
    }
    form.Time_Set_Reg_Day_Show_Edit->SetText(u"Every day");
    form.Time_Set_Spe_Hou_Pan->BringToFront();

    TImage* bar = form.Sch_List_Title_BK_Img;
    LoadPngResource(bar, kListTitleBar);
    bar->BringToFront();
    TLabel* title = form.Sch_List_Title_Lab;
    title->SetBounds(kRadioLeft, bar->Top(), form.Time_Set_Reg_Title_Lab->Width(), bar->Height());
    title->SetLayout(ui::TTextLayout::tlCenter);
    SetCaptionFont(title, form.Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Schedule List");
    title->BringToFront();

    TListView* list = form.Sch_ListView;
    const TListView* model = form.Hotkey_ListView;
    list->SetColor(model->Color());
    list->Font().SetColor(model->Font().Color());
    list->Font().SetHeight(model->Font().Height());
    list->Font().SetCharset(form.FontCharset);
    list->SetReadOnly(true);
    list->SetRowSelect(false);
    list->SetShowColumnHeaders(false);
    list->SetDoubleBuffered(true);
    list->Show();
}

void LayoutRtlScheduleSettings(TMainForm& form)
{
    PlaceScheduleBlockFrame(form);
    form.Sch_ListView->Items().Clear();
    PlaceScheduleRows(form, LayoutDirection::RightToLeft);
}

void PlaceScheduleRows(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int radioLeft = mirrored ? RightOf(form.Time_Set_BK_Deep_Lab) - kRadioWidth - kRowRightInset : kRadioLeft;
    for (TImage* radio : {form.Time_Set_Reg_Radio_Img, form.Time_Set_Spe_Radio_Img}) {
        radio->SetLeft(radioLeft);
    }
    const int titleLeft = mirrored ? form.Time_Set_BK_Light_Lab->Left() : radioLeft + kRadioWidth + kGap;
    const int titleWidth = mirrored ? radioLeft - kGap : form.Time_Set_BK_Light_Lab->Width() - radioLeft - kRadioWidth;
    for (TLabel* title : {form.Time_Set_Reg_Title_Lab, form.Time_Set_Spe_Title_Lab}) {
        SetLeftWidth(title, titleLeft, titleWidth);
    }
    const TLabel* regTitle = form.Time_Set_Reg_Title_Lab;
    const TLabel* speTitle = form.Time_Set_Spe_Title_Lab;
    TLabel* month = form.Time_Set_Spe_Month_Lab;
    TLabel* date = form.Time_Set_Spe_Date_Lab;
    if (mirrored) {
        PlaceTimePickers(form, kRtlMinuteLeft);
        FrameOf(form, kRegDay)->SetBounds(RightOf(regTitle) - kWeekdayWidth, 0, kWeekdayWidth, kRowHeight);
        month->SetLeft(RightOf(speTitle) - month->Width());
        FrameOf(form, kSpeMon)->SetBounds(month->Left() - kPickerWidth - 1, 0, kPickerWidth, kRowHeight);
        date->SetLeft(FrameOf(form, kSpeMon)->Left() - kGap - date->Width());
        FrameOf(form, kSpeDat)->SetBounds(date->Left() - kPickerWidth - 1, 0, kPickerWidth, kRowHeight);
        for (int i = 0; i < kSchedulePickerCount; ++i) {
            MirrorPickerParts(form, i);
        }
    } else {
        PlaceTimePickers(form, form.Time_Set_Reg_Pan->Width() - kPickerWidth - kRowRightInset);
        PlacePicker(form, kRegDay, regTitle->Left(), kWeekdayWidth);
        month->SetLeft(speTitle->Left());
        PlacePicker(form, kSpeMon, RightOf(month), kPickerWidth);
        date->SetLeft(RightOf(FrameOf(form, kSpeMon)) + kGap);
        PlacePicker(form, kSpeDat, RightOf(date), kPickerWidth);
    }
    form.Sch_List_Title_Lab->SetWidth(regTitle->Width());
}
