#include "backup/window/jobs/ProgressPanel.h"

#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/layout/EnableStates.h"
#include "backup/window/layout/WindowLayout.h"
#include "platform/clock.h"

namespace {

constexpr int kTextScanning = 20159;
constexpr int kProgressButtonWidth = 80;
constexpr int kRtlButtonLeft = 16;
constexpr int kButtonMargin = 16;
constexpr int kButtonGap = 4;

std::u16string UnsignedText(DWORD value)
{
    return DecimalText(static_cast<std::int64_t>(value));
}

void SetVisible(std::initializer_list<TControl*> controls, bool visible)
{
    for (TControl* control : controls) {
        control->SetVisible(visible);
    }
}

}  // namespace

void ResetProgressPanel(TMainForm& form)
{
    form.Progress_List->Items().Clear();
    form.FileBarTrackWidth = form.Progress_File_BK_Light_Lab->Width();
    form.CancelAsking = 0;
    form.CancelRequested = 0;
    form.RateSeconds = 0;
    form.RateLastTick = 0;
    form.JobDoneBytes = 0;
    form.JobTotalBytes = 0;
    form.FileCountedBytes = 0;
    form.Progress_Total_Bar_Img->SetWidth(0);
    form.Progress_File_Bar_Img->SetWidth(0);
    form.Progress_Total_Percent_Lab->SetCaption(u"0 %");
    form.Progress_File_Percent_Lab->SetCaption(u"0 %");
    form.Progress_Total_RemainTime_Lab->SetCaption(LookupText(*form.LangTable, kTextScanning));
    form.Progress_File_Path_Lab->SetCaption(u"");
    form.ProgressNotify = std::make_unique<clProcessNotify>();
    form.ProgressNotify->Cancelled = 0;
    form.CompletedFiles->Clear();
    form.FailedFiles->Clear();
}

void SwitchProgressView(TMainForm& form, bool showProgress)
{
    SetVisible({form.Progress_Total_BK_Deep_Lab, form.Progress_Total_Percent_BK_Img, form.Progress_Total_Percent_Lab,
                form.Progress_Total_BK_Light_Lab, form.Progress_Total_Bar_Img, form.Progress_File_BK_Deep_Lab,
                form.Progress_File_Percent_BK_Img, form.Progress_File_Percent_Lab, form.Progress_File_BK_Light_Lab,
                form.Progress_File_Bar_Img},
               showProgress);
    SetVisible({form.FileInfo_Total_Title_Lab, form.FileInfo_Total_Num_Lab, form.FileInfo_Complete_Title_Lab,
                form.FileInfo_Complete_Num_Lab, form.FileInfo_Fail_Title_Lab, form.FileInfo_Fail_Num_Lab,
                form.FileInfo_SpendTime_Title, form.FileInfo_SpendTime_Num},
               !showProgress);
    if (showProgress) {
        form.JobStartTick = GetTickCount();
        return;
    }
    form.JobEndTick = GetTickCount();
    const int completed = form.CompletedFiles->Count();
    const int failed = form.FailedFiles->Count();
    form.FileInfo_Total_Num_Lab->SetCaption(DecimalText(completed + failed));
    form.FileInfo_Complete_Num_Lab->SetCaption(DecimalText(completed));
    form.FileInfo_Fail_Num_Lab->SetCaption(DecimalText(failed));
    form.FileInfo_SpendTime_Num->SetCaption(FormatElapsedTime(form.JobEndTick - form.JobStartTick));
}

void ShowProgressPanel(TMainForm& form)
{
    ResetProgressPanel(form);
    form.ProgressFinished = 0;
    SwitchProgressView(form, true);
    form.Progress_Pan->Show();
    form.Progress_Pan->BringToFront();
    form.HorzLine_Low_Pan->BringToFront();
    PlaceProgressButtons(form);
    form.Work_Btn_Left_Pan->Show();
    form.Work_Btn_Left_Pan->BringToFront();
}

void PlaceProgressButtons(TMainForm& form)
{
    TPanel* right = form.Work_Btn_Right_Pan;
    TPanel* left = form.Work_Btn_Left_Pan;
    right->SetWidth(kProgressButtonWidth);
    if (form.LangId == kRtlLangId) {
        right->SetLeft(kRtlButtonLeft);
        left->SetLeft(right->Left() + right->Width() + kButtonGap);
    } else {
        right->SetLeft(form.Work_Pan->Width() - right->Width() - kButtonMargin);
        left->SetLeft(right->Left() - left->Width() - kButtonGap);
    }
}

void ShowProgressResults(TMainForm& form)
{
    form.Work_Btn_Left_Pan->Hide();
    form.Progress_Total_RemainTime_Lab->SetCaption(u"");
    form.Progress_File_Path_Lab->SetCaption(u"");
    SwitchProgressView(form, false);
    LoadPngResource(form.PB_BK_Left_Img, 24004);
    LoadPngResource(form.PB_BK_Center_Img, 24007);
    LoadPngResource(form.PB_BK_Right_Img, 24010);
    form.PB_Btn_Lab->Font().SetColor(TMainForm::Palette[8]);
    form.PB_Btn_Lab->SetCursor(ui::crHandPoint);
    form.ProgressFinished = 1;
}

void CloseProgressPanel(TMainForm& form)
{
    form.Work_Btn_Left_Pan->Hide();
    if (form.LangId == kRtlLangId) {
        LayoutRtlWorkButtons(form);
    } else {
        LayoutWorkButtons(form);
    }
    form.Progress_Pan->Hide();
    form.ProgressFinished = 0;
    form.Idle = 1;
    EnableFinishedJobPage(form);
}

void CloseFinishedProgressPanel(TMainForm& form)
{
    if (form.Progress_Pan->Visible() && form.ProgressFinished == 1) {
        CloseProgressPanel(form);
        ui::Application->ProcessMessages();
    }
}

std::u16string FormatElapsedTime(DWORD milliseconds)
{
    const DWORD seconds = milliseconds / 1000;
    return UnsignedText(seconds / 3600) + u":" + UnsignedText(seconds % 3600 / 60) + u":" + UnsignedText(seconds % 60);
}

void MakeHeaderOwnerDrawn(TMainForm& form)
{
    TListView* list = form.Progress_List;
    for (int column = 0; column < list->Columns().Count(); ++column) {
        list->SetHeaderItemOwnerDraw(column, true);
    }
}
