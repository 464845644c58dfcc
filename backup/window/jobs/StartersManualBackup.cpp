#include "backup/window/jobs/StartersBackup.h"

#include "backup/base/Language.h"
#include "backup/engine/Container.h"
#include "backup/engine/ManualBackupRun.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/jobs/WindowEntries.h"
#include "backup/window/jobs/WindowJob.h"
#include "backup/window/layout/EnableStates.h"

namespace {

constexpr int kManualKind = 2;
constexpr int kTextNoDrive = 20114;
constexpr int kTextNothingTicked = 20107;
constexpr int kTextNoRoom = 20134;
constexpr int kTextListUpdated = 20167;

void AllocSelectionArrays(BACKUP_SELECTION& selection, int count)
{
    selection = BACKUP_SELECTION();
    selection.SourcePaths.reserve(static_cast<std::size_t>(count));
    selection.ItemNames.reserve(static_cast<std::size_t>(count));
    selection.RelativePaths.reserve(static_cast<std::size_t>(count));
}

}  // namespace

void StartManualBackup(TMainForm& form, const std::u16string& destination)
{
    if (form.Idle == 0) {
        return;
    }
    if (destination.empty()) {
        form.ShowErrorBox(LookupText(*form.LangTable, kTextNoDrive));
        return;
    }
    form.Idle = 0;
    const JobDestinationScope jobDestination(form, destination);
    if (jobDestination.RefusedAsBusy()) {
        form.Idle = 1;
        return;
    }
    SetBackupPageEnabled(form, kManualKind, false);
    int count = 0;
    CountCheckedItems(form.BM_Tree, nullptr, count);
    if (count == 0) {
        form.ShowErrorBox(LookupText(*form.LangTable, kTextNothingTicked));
        form.Idle = 1;
        SetBackupPageEnabled(form, kManualKind, true);
        return;
    }
    AllocSelectionArrays(form.ManualSelection, count);
    CollectCheckedItems(form.BM_Tree, nullptr, form.ManualSelection);

    ResetProgressPanel(form);
    form.EnterBusyState();
    ShowProgressPanel(form);
    LONGLONG total = 0;
    SumSelectionSize(WindowJob::OfWindow(), total, form.ManualSelection);
    form.JobTotalBytes = total;
    if (!RoomForJob(form, destination, static_cast<ULONGLONG>(total), kTextNoRoom)) {
        return;
    }
    if (form.CancelRequested == 0) {
        RunManualBackup(form.Progress_List, form.Progress_File_Path_Lab, *form.CompletedFiles, *form.FailedFiles,
                        form.JobDoneBytes, form.ManualSelection, destination, std::u16string(CONTAINER_PASS),
                        form.EncryptBackup, form.ProgressNotify.get());
    }
    form.LeaveBusyState();
    if (form.CancelRequested == 0) {
        form.Progress_Total_RemainTime_Lab->SetCaption(LookupText(*form.LangTable, kTextListUpdated));
        form.Progress_File_Path_Lab->SetCaption(u"");
        RefreshPcSelectors(form, kManualKind);
    }
    ShowProgressResults(form);
    SaveJobResultLists(form);
    SaveBacDest(destination);
    RenewTreeAfterJob(form);
}
