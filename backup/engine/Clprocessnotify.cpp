#include "backup/engine/Clprocessnotify.h"

#include "backup/device/AutoStart_Win.h"
#include "backup/engine/JobControl.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/base/Language.h"
#include "backup/frame/base/TextFormat.h"
#include "platform/clock.h"

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

void WaitWhileCancelAsking(const TMainForm& form)
{
    while (form.CancelAsking) {
        PumpPendingMessages();
    }
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

void SetFileBar(TMainForm& form, int percent)
{
    SetBar(form.Progress_File_Bar_Img, form.Progress_File_Percent_Lab, form.FileBarTrackWidth, percent * 0.01,
           percent);
    if (TAutoStartForm* countdown = CountdownProgress(form)) {
        SetBar(countdown->Progress_File_Bar_Img, countdown->Progress_File_Percent_Lab, countdown->BarTrackWidth,
               percent * 0.01, percent);
    }
}

long long PercentOf(LONGLONG done, LONGLONG size)
{
    // An empty file is complete as soon as it starts.
    return size <= 0 ? 100 : static_cast<long long>(static_cast<double>(done) / static_cast<double>(size) * 100);
}

// Adds the bytes of the current file that are not yet in the job's count.
void CountFileBytes(TMainForm& form, LONGLONG done)
{
    form.JobDoneBytes += done - form.FileCountedBytes;
    form.FileCountedBytes = done;
}

}  // namespace

void ShowFileDone()
{
    if (MainForm == nullptr) {
        return;
    }
    SetFileBar(*MainForm, 100);
    UpdateRemainingTime();
}

void ShowFilePercent(int percent)
{
    if (MainForm == nullptr) {
        return;
    }
    SetFileBar(*MainForm, percent);
    UpdateRemainingTime();
    PumpPendingMessages();
}

void ShowTotalPercent()
{
    if (MainForm == nullptr) {
        return;
    }
    TMainForm& form = *MainForm;
    if (form.JobDoneBytes >= form.JobTotalBytes) {
        form.JobDoneBytes = form.JobTotalBytes;
    }
    const double ratio =
        form.JobTotalBytes > 0 ? static_cast<double>(form.JobDoneBytes) / static_cast<double>(form.JobTotalBytes) : 0;
    const auto percent = static_cast<long long>(ratio * 100);
    SetBar(form.Progress_Total_Bar_Img, form.Progress_Total_Percent_Lab, form.Progress_Total_BK_Light_Lab->Width(),
           ratio, percent);
    if (TAutoStartForm* countdown = CountdownProgress(form)) {
        SetBar(countdown->Progress_Total_Bar_Img, countdown->Progress_Total_Percent_Lab,
               countdown->Progress_Total_BK_Light_Lab->Width(), ratio, percent);
    }
}

void UpdateRemainingTime()
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
    const long long rate = form.JobDoneBytes / form.RateSeconds;
    if (rate == 0) {
        form.RateSeconds = 0;
        return;
    }
    const long long remaining = (form.JobTotalBytes - form.JobDoneBytes) / rate;
    const std::u16string text = RemainingTimeText(form, remaining, form.JobDoneBytes >= form.JobTotalBytes);
    form.Progress_Total_RemainTime_Lab->SetCaption(text);
    if (TAutoStartForm* countdown = CountdownProgress(form)) {
        countdown->Progress_Total_RemainTime_Lab->SetCaption(text);
    }
}

bool ReportCopyProgress(LONGLONG transferred, LONGLONG total)
{
    PumpPendingMessages();
    if (MainForm == nullptr) {
        return true;
    }
    TMainForm& form = *MainForm;
    if (transferred == 0) {
        form.FileCountedBytes = 0;
    }
    ShowFilePercent(static_cast<int>(PercentOf(transferred, total)));
    CountFileBytes(form, transferred);
    ShowTotalPercent();
    WaitWhileCancelAsking(form);
    return !form.CancelRequested;
}

void UpdateContainerProgress(clProcessNotify* notifier, LONGLONG done, LONGLONG size)
{
    if (MainForm == nullptr) {
        return;
    }
    TMainForm& form = *MainForm;
    if (done <= 65536) {
        form.FileCountedBytes = 0;
    }
    ShowFilePercent(static_cast<int>(PercentOf(done, size)));
    CountFileBytes(form, done);
    ShowTotalPercent();
    WaitWhileCancelAsking(form);
    if (form.CancelRequested) {
        notifier->Cancelled = 1;
    }
    PumpPendingMessages();
}

bool ReportContainerProgress(clProcessNotify* notifier, LONGLONG done, LONGLONG size)
{
    if (notifier == nullptr) {
        return true;
    }
    if (notifier->Cancelled) {
        return false;
    }
    UpdateContainerProgress(notifier, done, size);
    return true;
}
