#include "backup/window/jobs/WindowJob.h"

#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/FileServices.h"
#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/JobControl.h"
#include "platform/clock.h"
#include "ui/application.h"
#include "ui/controls/label.h"
#include "ui/controls/list_view.h"

#include <algorithm>
#include <string>

namespace {

std::u16string PercentText(long long percent)
{
    return DecimalText(percent) + u"%";
}

std::u16string RemainingTimeText(const TMainForm& form, long long remaining, bool finished)
{
    const long long hours = remaining / 3600;
    const long long minutes = remaining % 3600 / 60;
    const long long seconds = finished ? 0 : remaining % 60;
    const int id = hours > 0 ? 20128 : minutes > 0 ? 20129 : 20130;
    const std::u16string format = form.LangTable ? LookupText(*form.LangTable, id) : std::u16string();
    return FormatHoursMinutesSeconds(format, hours, minutes, seconds);
}

// A track squeezed below zero by a small window still gives an empty bar.
int BarWidth(int trackWidth, double ratio)
{
    return std::max(0, static_cast<int>(trackWidth * ratio));
}

// The countdown window while it shows the run it started, else nullptr.
TAutoStartForm* CountdownProgress(const TMainForm& form)
{
    return form.AutoStartShowing != 0 ? form.AutoStartWindow : nullptr;
}

void SetBar(TImage* bar, TLabel* label, int trackWidth, double ratio, long long percent)
{
    bar->SetWidth(BarWidth(trackWidth, ratio));
    label->SetCaption(PercentText(percent));
}

// One row: the path, the size text of the find record's size, the error number.
void AddErrorRow(ui::TListView& view, const WIN32_FIND_DATAW& found, DWORD error, const std::u16string& path)
{
    ui::TListItem* row = view.Items().Add();
    row->SetCaption(path);
    row->SubItems().Add(FormatSizeText(found.nFileSizeHigh, found.nFileSizeLow));
    row->SubItems().Add(DecimalText(error));
}

}  // namespace

WindowJob::WindowJob() : onPanel_(true)
{
}

WindowJob::WindowJob(ui::TListView* errorList, ui::TLabel* pathLabel, std::int64_t* doneBytes)
    : onPanel_(false), errorList_(errorList), pathLabel_(pathLabel), doneBytes_(doneBytes)
{
}

ui::TListView* WindowJob::ErrorList() const
{
    if (onPanel_) {
        return MainForm != nullptr ? MainForm->Progress_List : nullptr;
    }
    return errorList_;
}

ui::TLabel* WindowJob::PathLabel() const
{
    if (onPanel_) {
        return MainForm != nullptr ? MainForm->Progress_File_Path_Lab : nullptr;
    }
    return pathLabel_;
}

WindowJob& WindowJob::OfWindow()
{
    static WindowJob job;
    // Each use is work of its own: a restore that lost its drive must not stop the next one.
    job.ForgetLostDrive();
    return job;
}

void WindowJob::PumpMessages()
{
    PumpPendingMessages();
}

bool WindowJob::CancelRequested()
{
    return MainForm != nullptr && MainForm->CancelRequested != 0;
}

void WindowJob::WaitWhileCancelAsked()
{
    while (MainForm != nullptr && MainForm->CancelAsking) {
        PumpPendingMessages();
    }
}

bool WindowJob::ProgramEnding()
{
    return ui::Application != nullptr && ui::Application->Terminated();
}

void WindowJob::ShowPath(const std::u16string& path)
{
    if (ui::TLabel* label = PathLabel()) {
        label->SetCaption(path);
    }
}

void WindowJob::ShowFilePercent(int percent)
{
    if (MainForm == nullptr) {
        return;
    }
    TMainForm& form = *MainForm;
    SetBar(form.Progress_File_Bar_Img, form.Progress_File_Percent_Lab, form.FileBarTrackWidth, percent * 0.01, percent);
    if (TAutoStartForm* countdown = CountdownProgress(form)) {
        SetBar(countdown->Progress_File_Bar_Img, countdown->Progress_File_Percent_Lab, countdown->BarTrackWidth,
               percent * 0.01, percent);
    }
}

void WindowJob::ShowJobProgress(std::int64_t done, std::int64_t total)
{
    if (MainForm == nullptr) {
        return;
    }
    TMainForm& form = *MainForm;
    if (done >= total) {
        done = total;
        Bytes().done = total;
    }
    const double ratio = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 0;
    const auto percent = static_cast<long long>(ratio * 100);
    SetBar(form.Progress_Total_Bar_Img, form.Progress_Total_Percent_Lab, form.Progress_Total_BK_Light_Lab->Width(),
           ratio, percent);
    if (TAutoStartForm* countdown = CountdownProgress(form)) {
        SetBar(countdown->Progress_Total_Bar_Img, countdown->Progress_Total_Percent_Lab,
               countdown->Progress_Total_BK_Light_Lab->Width(), ratio, percent);
    }
}

void WindowJob::ShowRemainingTime(std::int64_t done, std::int64_t total)
{
    if (MainForm == nullptr) {
        return;
    }
    TMainForm& form = *MainForm;
    if (form.RateLastTick == 0) {
        form.RateLastTick = GetTickCount();
    }
    form.RateNowTick = GetTickCount();
    if (form.RateNowTick - form.RateLastTick < 1000) {
        return;
    }
    ++form.RateSeconds;
    form.RateLastTick = form.RateNowTick;
    const long long rate = done / form.RateSeconds;
    if (rate == 0) {
        form.RateSeconds = 0;
        return;
    }
    const long long remaining = (total - done) / rate;
    const std::u16string text = RemainingTimeText(form, remaining, done >= total);
    form.Progress_Total_RemainTime_Lab->SetCaption(text);
    if (TAutoStartForm* countdown = CountdownProgress(form)) {
        countdown->Progress_Total_RemainTime_Lab->SetCaption(text);
    }
}

void WindowJob::FileFailed(const std::u16string& path, const WIN32_FIND_DATAW& found, DWORD error)
{
    if (ui::TListView* list = ErrorList()) {
        AddErrorRow(*list, found, error, path);
    }
}

bool WindowJob::HideBackupFolder()
{
    return MainForm != nullptr && MainForm->HideBackupFolder != 0;
}

bool WindowJob::BackupDriveRemoved()
{
    return MainForm != nullptr && MainForm->BackupDriveRemoved != 0;
}

void WindowJob::DriveFoundGone()
{
    if (MainForm != nullptr) {
        MainForm->BackupDriveRemoved = 1;
        MainForm->CancelRequested = 1;
    }
}

RECORD_DEVICECODE WindowJob::ExternalDrives()
{
    return MainForm != nullptr ? MainForm->ExternalDrives : RECORD_DEVICECODE();
}

JobBytes WindowJob::Bytes()
{
    if (MainForm == nullptr) {
        JobBytes own = RunningJob::Bytes();
        return {doneBytes_ != nullptr ? *doneBytes_ : own.done, own.total, own.fileCounted};
    }
    TMainForm& form = *MainForm;
    return {doneBytes_ != nullptr ? *doneBytes_ : form.JobDoneBytes, form.JobTotalBytes, form.FileCountedBytes};
}
