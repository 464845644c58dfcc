#include "backup/window/layout/ProgressLayout.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/LayoutDirection.h"

namespace {

constexpr int kJobTrackHeight = 18;
constexpr int kFileTrackHeight = 12;
constexpr int kPercentBoxWidth = 40;
constexpr int kLineHeight = 16;
constexpr int kHeadHeight = 21;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 22;
constexpr int kCapWidth = 6;
constexpr int kBottomGap = 3;
constexpr int kFontHeight = 15;
constexpr int kSmallFontHeight = 12;
constexpr int kPathColumnWidth = 200;
constexpr int kSizeColumnWidth = 100;

struct ResultLine {
    TLabel* TMainForm::*Title;
    TLabel* TMainForm::*Num;
    const char16_t* InitialCaption;
    int TextId;
};

constexpr ResultLine kResultLines[] = {
    {&TMainForm::FileInfo_Total_Title_Lab, &TMainForm::FileInfo_Total_Num_Lab, u"File Total:", 20179},
    {&TMainForm::FileInfo_Complete_Title_Lab, &TMainForm::FileInfo_Complete_Num_Lab, u"Complete:", 20008},
    {&TMainForm::FileInfo_Fail_Title_Lab, &TMainForm::FileInfo_Fail_Num_Lab, u"Failed:", 20096},
    {&TMainForm::FileInfo_SpendTime_Title, &TMainForm::FileInfo_SpendTime_Num, u"Spended Time:", 20180},
};

void Opaque(TLabel* label, DWORD colour)
{
    label->SetTransparent(false);
    label->SetColor(colour);
    label->SetCaption(u"");
}

void TextLook(TLabel* label, int fontHeight, DWORD colour)
{
    label->SetTransparent(true);
    label->SetLayout(ui::TTextLayout::tlCenter);
    label->Font().SetHeight(fontHeight);
    label->Font().SetColor(colour);
}

void SetLeftTop(TControl* control, int left, int top)
{
    control->SetBounds(left, top, control->Width(), control->Height());
}

// The bars and the failed-file list's columns: set to their initial widths, or
// kept at the widths they have now.
enum class Widths { Initial, Kept };

// Panel, tracks, percent boxes, bars and the two text lines above the job
// track. A relayout leaves the bars at the widths the progress routines gave
// them.
void PlaceBars(TMainForm& form, Widths barWidths)
{
    const bool sizeBars = barWidths == Widths::Initial;
    TPanel* panel = form.Progress_Pan;
    const TPanel* model = form.Sum_Pro_Pan;
    panel->SetBounds(model->Left(), panel->Top(), model->Width(), model->Height());
    const int pw = panel->Width();
    const int ph = panel->Height();

    TLabel* jobTrack = form.Progress_Total_BK_Deep_Lab;
    jobTrack->SetBounds(0, ph + form.HorzLine_Low_Pan->Top() - form.Work_Pan->Height() - kJobTrackHeight - 8, pw,
                        kJobTrackHeight);
    const int boxLeft = jobTrack->Left() + jobTrack->Width() - kPercentBoxWidth - 1;
    form.Progress_Total_Percent_BK_Img->SetBounds(boxLeft, jobTrack->Top() + 1, kPercentBoxWidth, 16);
    form.Progress_Total_Percent_Lab->SetBounds(boxLeft, jobTrack->Top() + 1, kPercentBoxWidth, 16);
    const int barLeft = jobTrack->Left() + 1;
    form.Progress_Total_BK_Light_Lab->SetBounds(barLeft, jobTrack->Top() + 1, boxLeft - barLeft - 1, 16);
    TImage* jobBar = form.Progress_Total_Bar_Img;
    jobBar->SetBounds(barLeft, jobTrack->Top() + 1, sizeBars ? boxLeft - barLeft - 1 : jobBar->Width(), 16);
    TLabel* remain = form.Progress_Total_RemainTime_Lab;
    remain->SetBounds(jobTrack->Left(), jobTrack->Top() - kLineHeight, pw, kLineHeight);
    form.FileBarTrackWidth = form.Progress_Total_BK_Light_Lab->Width();

    TLabel* fileTrack = form.Progress_File_BK_Deep_Lab;
    fileTrack->SetBounds(jobTrack->Left(), remain->Top() - kFileTrackHeight - 5, pw, kFileTrackHeight);
    form.Progress_File_Percent_BK_Img->SetBounds(boxLeft, fileTrack->Top() + 1, kPercentBoxWidth, 10);
    form.Progress_File_Percent_Lab->SetBounds(boxLeft, fileTrack->Top() + 1, kPercentBoxWidth, 10);
    form.Progress_File_BK_Light_Lab->SetBounds(barLeft, fileTrack->Top() + 1, boxLeft - barLeft - 1, 10);
    TImage* fileBar = form.Progress_File_Bar_Img;
    fileBar->SetBounds(barLeft, fileTrack->Top() + 1, sizeBars ? boxLeft - barLeft - 1 : fileBar->Width(), 10);
    form.Progress_File_Path_Lab->SetBounds(remain->Left(), fileTrack->Top() - remain->Height(), pw, remain->Height());
}

void PlaceList(TMainForm& form, Widths columnWidths)
{
    const int pw = form.Progress_Pan->Width();
    TLabel* frame = form.Progress_List_BK_Lab;
    frame->SetBounds(0, 0, pw, form.Progress_File_Path_Lab->Top() - 5);
    form.Progress_Title_Head_Img->SetBounds(1, 1, pw - 2, kHeadHeight);
    form.Progress_Title_Head_Lab->SetBounds(8, 1, pw - 16, kHeadHeight);
    TListView* list = form.Progress_List;
    const int top = 1 + kHeadHeight + 1;
    list->SetBounds(1, top, pw - 2, frame->Top() + frame->Height() - top - 1);
    if (columnWidths == Widths::Initial) {
        list->Columns().Items(0)->SetWidth(kPathColumnWidth);
        list->Columns().Items(1)->SetWidth(kSizeColumnWidth);
        list->Columns().Items(2)->SetWidth(list->Width() - kPathColumnWidth - kSizeColumnWidth);
    }
}

void PlaceOkButton(TMainForm& form, int left)
{
    TPanel* button = form.Progress_OK_Btn_Pan;
    SetLeftTop(button, left, form.Progress_Pan->Height() - button->Height() - kBottomGap);
}

// Titles in a column at the left edge with their numbers after them, or
// mirrored: titles at the right edge and numbers filling the room to their
// left.
void PlaceResultLines(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int pw = form.Progress_Pan->Width();
    const int ph = form.Progress_Pan->Height();
    int top = form.Progress_List->Top() + form.Progress_List->Height() + 5;
    for (const ResultLine& line : kResultLines) {
        TLabel* title = form.*line.Title;
        TLabel* num = form.*line.Num;
        if (line.Title == &TMainForm::FileInfo_SpendTime_Title) {
            top = ph - title->Height() - kBottomGap;
        }
        SetLeftTop(title, mirrored ? pw - title->Width() : 0, top);
        const int numLeft = mirrored ? 0 : title->Left() + title->Width() + 5;
        const int numWidth = mirrored ? title->Left() - 5 : pw - numLeft;
        num->SetBounds(numLeft, top, numWidth, num->Height());
        top += title->Height() + 2;
    }
}

void BuildResultLines(TMainForm& form)
{
    for (const ResultLine& line : kResultLines) {
        TLabel* title = form.*line.Title;
        TLabel* num = form.*line.Num;
        if (line.Title == &TMainForm::FileInfo_SpendTime_Title) {
            title->SetHeight(kLineHeight);
        }
        title->SetAutoSize(true);
        title->SetTransparent(true);
        title->Font().SetHeight(kFontHeight);
        title->Font().SetColor(form.Progress_Total_RemainTime_Lab->Font().Color());
        title->SetCaption(line.InitialCaption);
        num->SetTransparent(true);
        num->Font().SetHeight(kFontHeight);
        num->Font().SetColor(TMainForm::Palette[0]);
        num->SetCaption(u"0");
        num->SetHeight(title->Height());
        for (TLabel* label : {title, num}) {
            label->Hide();
            label->BringToFront();
        }
    }
    PlaceResultLines(form, LayoutDirection::LeftToRight);
}

}  // namespace

void BuildProgressPanel(TMainForm& form)
{
    TPanel* panel = form.Progress_Pan;
    const TPanel* model = form.Sum_Pro_Pan;
    panel->SetBounds(model->Left(), model->Top(), model->Width(), model->Height());
    panel->SetDoubleBuffered(true);
    panel->SetColor(model->Color());
    panel->Hide();
    panel->BringToFront();
    form.HorzLine_Low_Pan->BringToFront();

    PlaceBars(form, Widths::Initial);
    for (TLabel* track : {form.Progress_Total_BK_Deep_Lab, form.Progress_File_BK_Deep_Lab}) {
        Opaque(track, TMainForm::Palette[11]);
        track->SendToBack();
    }
    for (TLabel* barTrack : {form.Progress_Total_BK_Light_Lab, form.Progress_File_BK_Light_Lab}) {
        Opaque(barTrack, TMainForm::Palette[12]);
    }
    LoadPngResource(form.Progress_Total_Percent_BK_Img, 23045);
    LoadPngResource(form.Progress_Total_Bar_Img, 23044);
    LoadPngResource(form.Progress_File_Percent_BK_Img, 23047);
    LoadPngResource(form.Progress_File_Bar_Img, 23046);
    TextLook(form.Progress_Total_Percent_Lab, kFontHeight, TMainForm::Palette[8]);
    TextLook(form.Progress_File_Percent_Lab, kSmallFontHeight, TMainForm::Palette[8]);
    for (TLabel* percent : {form.Progress_Total_Percent_Lab, form.Progress_File_Percent_Lab}) {
        percent->SetAlignment(ui::TAlignment::taCenter);
        percent->SetCaption(u"0 %");
        // Over its box picture, which was made after it.
        percent->BringToFront();
    }
    for (TLabel* text : {form.Progress_Total_RemainTime_Lab, form.Progress_File_Path_Lab}) {
        TextLook(text, kFontHeight, TMainForm::Palette[8]);
        text->SetCaption(u"");
    }
    // A long path keeps its file's name in view.
    form.Progress_File_Path_Lab->SetEllipsisPosition(ui::TEllipsisPosition::epPathEllipsis);

    TListView* list = form.Progress_List;
    for (int column = list->Columns().Count(); column < 3; ++column) {
        list->Columns().Add();
    }
    PlaceList(form, Widths::Initial);
    Opaque(form.Progress_List_BK_Lab, TMainForm::Palette[11]);
    form.Progress_List_BK_Lab->SendToBack();
    LoadPngResource(form.Progress_Title_Head_Img, 23062);
    TextLook(form.Progress_Title_Head_Lab, kFontHeight, TMainForm::Palette[8]);
    form.Progress_Title_Head_Lab->SetCaption(u"Files of Operation Failed");
    list->SetColor(0xFFFFFF);
    list->SetColumnClick(false);
    list->SetRowSelect(true);
    list->Font().SetHeight(kFontHeight);

    BuildProgressOkButton(form);
    BuildResultLines(form);
}

void BuildProgressOkButton(TMainForm& form)
{
    TPanel* button = form.Progress_OK_Btn_Pan;
    const int pw = form.Progress_Pan->Width();
    const int ph = form.Progress_Pan->Height();
    button->SetBounds(pw - kButtonWidth, ph - kButtonHeight - kBottomGap, kButtonWidth, kButtonHeight);
    button->SetDoubleBuffered(true);
    button->SetColor(0xFFFFFF);
    button->BringToFront();
    button->Show();
    form.PB_BK_Left_Img->SetBounds(0, 0, kCapWidth, kButtonHeight);
    LoadPngResource(form.PB_BK_Left_Img, 24004);
    form.PB_BK_Center_Img->SetBounds(kCapWidth, 0, kButtonWidth - 2 * kCapWidth, kButtonHeight);
    LoadPngResource(form.PB_BK_Center_Img, 24007);
    form.PB_BK_Right_Img->SetBounds(kButtonWidth - kCapWidth, 0, kCapWidth, kButtonHeight);
    LoadPngResource(form.PB_BK_Right_Img, 24010);
    TLabel* caption = form.PB_Btn_Lab;
    caption->SetBounds(0, 0, kButtonWidth, kButtonHeight);
    caption->SetCursor(ui::crHandPoint);
    TextLook(caption, kFontHeight, TMainForm::Palette[8]);
    caption->SetAlignment(ui::TAlignment::taCenter);
    caption->SetCaption(u"OK");
    caption->BringToFront();
}

void LayoutRtlProgressPage(TMainForm& form)
{
    PlaceBars(form, Widths::Kept);
    PlaceList(form, Widths::Initial);
    LayoutRtlProgressOkButton(form);
    PlaceResultLines(form, LayoutDirection::RightToLeft);
}

void LayoutRtlProgressOkButton(TMainForm& form)
{
    PlaceOkButton(form, 0);
}

void RelayoutLtrProgressPage(TMainForm& form)
{
    PlaceBars(form, Widths::Kept);
    form.HorzLine_Low_Pan->BringToFront();
    PlaceList(form, Widths::Kept);
    PlaceOkButton(form, form.Progress_Pan->Width() - form.Progress_OK_Btn_Pan->Width());
    PlaceResultLines(form, LayoutDirection::LeftToRight);
}

void RelayoutRtlProgressPage(TMainForm& form)
{
    PlaceBars(form, Widths::Kept);
    form.HorzLine_Low_Pan->BringToFront();
    PlaceList(form, Widths::Kept);
    PlaceOkButton(form, 0);
    PlaceResultLines(form, LayoutDirection::RightToLeft);
}

void ApplyProgressCaptions(TMainForm& form)
{
    const TStringList& table = *form.LangTable;
    form.Progress_Title_Head_Lab->SetCaption(LookupText(table, 20171));
    ui::TListColumns& columns = form.Progress_List->Columns();
    columns.Items(0)->SetCaption(LookupText(table, 20175));
    columns.Items(1)->SetCaption(LookupText(table, 20173));
    columns.Items(2)->SetCaption(LookupText(table, 20174));
    form.PB_Btn_Lab->SetCaption(LookupText(table, 20004));
    for (const ResultLine& line : kResultLines) {
        (form.*line.Title)->SetCaption(LookupText(table, line.TextId) + u":");
    }
}
