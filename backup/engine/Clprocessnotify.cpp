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
void ReportFileStep(RunningJob& job, LONGLONG done, LONGLONG size)
{
    ShowFilePercent(job, static_cast<int>(PercentOf(done, size)));
    CountFileBytes(job.Bytes(), done);
    ShowTotalPercent(job);
    job.WaitWhileCancelAsked();
}

}  // namespace

void ArmNotifier(clProcessNotify* notifier)
{
    if (notifier != nullptr) {
        notifier->Cancelled = 0;
    }
}

void ShowFileDone(RunningJob& job)
{
    job.ShowFilePercent(100);
    UpdateRemainingTime(job);
}

void ShowFilePercent(RunningJob& job, int percent)
{
    job.ShowFilePercent(percent);
    UpdateRemainingTime(job);
    job.PumpMessages();
}

void ShowTotalPercent(RunningJob& job)
{
    const JobBytes bytes = job.Bytes();
    job.ShowJobProgress(bytes.done, bytes.total);
}

void UpdateRemainingTime(RunningJob& job)
{
    const JobBytes bytes = job.Bytes();
    job.ShowRemainingTime(bytes.done, bytes.total);
}

bool ReportCopyProgress(RunningJob& job, LONGLONG transferred, LONGLONG total)
{
    job.PumpMessages();
    if (transferred == 0) {
        job.Bytes().fileCounted = 0;
    }
    ReportFileStep(job, transferred, total);
    return !JobCancelRequested(job);
}

void UpdateContainerProgress(RunningJob& job, clProcessNotify* notifier, LONGLONG done, LONGLONG size)
{
    if (done <= 65536) {
        job.Bytes().fileCounted = 0;
    }
    ReportFileStep(job, done, size);
    if (JobCancelRequested(job)) {
        notifier->Cancelled = 1;
    }
    job.PumpMessages();
}

bool ReportContainerProgress(RunningJob& job, clProcessNotify* notifier, LONGLONG done, LONGLONG size)
{
    if (notifier == nullptr) {
        return true;
    }
    if (notifier->Cancelled) {
        return false;
    }
    UpdateContainerProgress(job, notifier, done, size);
    return true;
}
