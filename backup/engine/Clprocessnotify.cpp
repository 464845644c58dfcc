#include "backup/engine/Clprocessnotify.h"

#include "backup/engine/RunningJob.h"

namespace {

long long PercentOf(LONGLONG done, LONGLONG size)
{
    // An empty file is complete as soon as it starts.
    return size <= 0 ? 100 : static_cast<long long>(static_cast<double>(done) / static_cast<double>(size) * 100);
}

// Adds the bytes of the current file that are not yet in the job's count.
void CountFileBytes(const JobBytes& bytes, LONGLONG done)
{
    bytes.done += done - bytes.fileCounted;
    bytes.fileCounted = done;
}

// One step of a file's copy: file and job progress, then a wait while the cancel question is up.
void ReportFileStep(LONGLONG done, LONGLONG size)
{
    ShowFilePercent(static_cast<int>(PercentOf(done, size)));
    CountFileBytes(CurrentJob().Bytes(), done);
    ShowTotalPercent();
    CurrentJob().WaitWhileCancelAsked();
}

}  // namespace

void ArmNotifier(clProcessNotify* notifier)
{
    if (notifier != nullptr) {
        notifier->Cancelled = 0;
    }
}

void ShowFileDone()
{
    CurrentJob().ShowFilePercent(100);
    UpdateRemainingTime();
}

void ShowFilePercent(int percent)
{
    CurrentJob().ShowFilePercent(percent);
    UpdateRemainingTime();
    PumpJobMessages();
}

void ShowTotalPercent()
{
    const JobBytes bytes = CurrentJob().Bytes();
    CurrentJob().ShowJobProgress(bytes.done, bytes.total);
}

void UpdateRemainingTime()
{
    const JobBytes bytes = CurrentJob().Bytes();
    CurrentJob().ShowRemainingTime(bytes.done, bytes.total);
}

bool ReportCopyProgress(LONGLONG transferred, LONGLONG total)
{
    PumpJobMessages();
    if (transferred == 0) {
        CurrentJob().Bytes().fileCounted = 0;
    }
    ReportFileStep(transferred, total);
    return !JobCancelRequested();
}

void UpdateContainerProgress(clProcessNotify* notifier, LONGLONG done, LONGLONG size)
{
    if (done <= 65536) {
        CurrentJob().Bytes().fileCounted = 0;
    }
    ReportFileStep(done, size);
    if (JobCancelRequested()) {
        notifier->Cancelled = 1;
    }
    PumpJobMessages();
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
