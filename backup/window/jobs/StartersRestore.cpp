#include "backup/window/jobs/StartersRestore.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/engine/Container.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/engine/RestoreSizes.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ContentTrees.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/jobs/WindowEntries.h"
#include "backup/window/jobs/WindowJob.h"
#include "backup/window/layout/EnableStates.h"
#include "platform/drive_job_lock.h"

namespace {

constexpr int kEasyKind = 1;
constexpr int kManualKind = 2;
constexpr int kTextNoCategory = 20106;
constexpr int kTextNothingTicked = 20107;
constexpr int kTextNoDestination = 20168;
constexpr int kTextNoSource = 20120;
constexpr int kTextChooseSource = 20148;
constexpr int kTextNoRoom = 20201;

std::u16string Text(const TMainForm& form, int id)
{
    return LookupText(*form.LangTable, id);
}

// A restore into a folder needs that folder.
bool DestinationUsable(const TMainForm& form, const std::u16string& destination)
{
    return form.RestoreToOriginal != 0 || (!destination.empty() && PathExists(destination));
}

// The chosen folder's volume must hold the restore; the original places are not measured.
bool RoomForRestore(TMainForm& form, const std::u16string& destination, LONGLONG total)
{
    form.JobTotalBytes = total;
    return form.RestoreToOriginal != 0 || RoomForJob(form, destination, static_cast<ULONGLONG>(total), kTextNoRoom);
}

void FinishRestore(TMainForm& form)
{
    ShowProgressResults(form);
    SaveJobResultLists(form);
    RenewTreeAfterJob(form);
}

}  // namespace

void StartEasyRestore(TMainForm& form)
{
    const std::u16string destination = form.Res_Dest_Edit->Text();
    if (form.Idle == 0) {
        return;
    }
    bool anyCategory = false;
    for (const BYTE flag : form.EasyRestoreCategories) {
        anyCategory = anyCategory || flag != 0;
    }
    if (!anyCategory) {
        form.ShowErrorBox(Text(form, kTextNoCategory));
        return;
    }
    if (!DestinationUsable(form, destination)) {
        form.ShowErrorBox(Text(form, kTextNoDestination));
        return;
    }
    const std::u16string pcFolder = PcBackupFolderFromEdit(form.Res_PC_Show_Edit->Text());
    if (pcFolder.empty()) {
        form.ShowErrorBox(Text(form, kTextNoSource) + Text(form, kTextChooseSource));
        return;
    }
    const platform::DriveJobLock lock(pcFolder);
    if (RefusedAsBusy(form, lock)) {
        return;
    }
    form.Idle = 0;
    SetRestorePageEnabled(form, kEasyKind, false);
    form.EnterBusyState();
    const std::u16string easyFolder = pcFolder + u"\\" + EasyFolderName();
    ShowProgressPanel(form);
    ShowEasyRestoreInfo(form);
    if (form.CancelRequested == 0) {
        LONGLONG total = 0;
        SumSelectedCategorySizes(form.EasyRestoreCategories, form.RestoreInfoSizes, total);
        if (!RoomForRestore(form, destination, total)) {
            return;
        }
        RunEasyRestore(WindowJob::OfWindow(), RestoreJobOf(form, std::u16string(CONTAINER_PASS)),
                       form.EasyRestoreCategories, easyFolder, destination, form.RE_Time_Sel_Show_Lab->Hint(),
                       form.RestoreToOriginal != 0);
    }
    form.LeaveBusyState();
    FinishRestore(form);
}

void StartManualRestore(TMainForm& form)
{
    const std::u16string destination = form.Res_Dest_Edit->Text();
    if (form.Idle == 0) {
        return;
    }
    if (!DestinationUsable(form, destination)) {
        form.ShowErrorBox(Text(form, kTextNoDestination));
        return;
    }
    const std::u16string pcFolder = PcBackupFolderFromEdit(form.Res_PC_Show_Edit->Text());
    const platform::DriveJobLock lock(pcFolder);
    if (RefusedAsBusy(form, lock)) {
        return;
    }
    form.Idle = 0;
    SetRestorePageEnabled(form, kManualKind, false);
    int count = 0;
    CountTickedNodes(form.RM_Tree, nullptr, count);
    if (count == 0) {
        form.ShowErrorBox(Text(form, kTextNothingTicked));
        form.Idle = 1;
        SetRestorePageEnabled(form, kManualKind, true);
        return;
    }
    form.ManualSelection = BACKUP_SELECTION{};
    const std::u16string manualFolder = pcFolder + u"\\" + CategoryFolderName(0);
    CollectTickedPaths(form.RM_Tree, nullptr, form.ManualSelection, manualFolder);
    form.EnterBusyState();
    ShowProgressPanel(form);
    LONGLONG total = 0;
    ComputeManualRestoreSize(WindowJob::OfWindow(), total, form.ManualSelection, manualFolder);
    if (!RoomForRestore(form, destination, total)) {
        return;
    }
    if (form.CancelRequested == 0) {
        RunManualRestore(WindowJob::OfWindow(), RestoreJobOf(form, std::u16string(CONTAINER_PASS)),
                         form.ManualSelection, manualFolder, destination, form.RestoreToOriginal != 0);
    }
    FinishRestore(form);
    form.LeaveBusyState();
}
