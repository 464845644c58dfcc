#include "backup/window/jobs/StartersFavorites.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/engine/Container.h"
#include "backup/engine/FileServices.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/FavoritesTree.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/jobs/WindowJob.h"
#include "backup/window/layout/EnableStates.h"
#include "platform/drive_job_lock.h"

namespace {

constexpr int kTextNoDrive = 20114;
constexpr int kTextNoRoomOnDrive = 20134;
constexpr int kTextNoRoomOnSystem = 20201;
constexpr int kCopyPlain = 0;

// One side of the copy: an item named Name inside Folder.
struct CopyEnd {
    std::u16string Folder;
    std::u16string Name;
};

struct FavoritesJob {
    CopyEnd Source;
    CopyEnd Destination;
    // A folder on the disk that must hold the copy.
    std::u16string QueriedFolder;
    int RefusalText = 0;
};

CopyEnd EndOf(const std::u16string& path)
{
    return {ParentFolderOf(path), LastComponentOf(path)};
}

}  // namespace

void StartFavorites(TMainForm& form)
{
    if (form.Idle == 0) {
        return;
    }
    const bool restoring = form.FavoritesRestoreTab == 1;
    // The backup drive's side: the PC's folder a restore reads, or the drive a backup writes to.
    const std::u16string drivePath =
        restoring ? PcBackupFolderFromEdit(form.AF_PC_Show_Edit->Text()) : form.AF_Dest_Edit->Text();
    if (drivePath.empty()) {
        if (!restoring) {
            form.ShowErrorBox(LookupText(*form.LangTable, kTextNoDrive));
        }
        return;
    }
    // Taken before anything is made on the drive, so that a refused start writes nothing.
    const platform::DriveJobLock lock(drivePath);
    if (RefusedAsBusy(form, lock)) {
        return;
    }
    form.Idle = 0;
    SetFavoritesPageEnabled(form, false);
    const CopyEnd local = EndOf(FavoritesFolder());
    FavoritesJob job;
    if (restoring) {
        job = {{drivePath, FavoritesFolderName()}, local, local.Folder, kTextNoRoomOnSystem};
    } else {
        const std::u16string pcFolder =
            ParentFolderOf(FavoritesBackupFolder(drivePath, true, form.HideBackupFolder != 0));
        job = {local, {pcFolder, FavoritesFolderName()}, pcFolder.substr(0, 3), kTextNoRoomOnDrive};
    }

    ResetProgressPanel(form);
    ShowProgressPanel(form);
    form.EnterBusyState();
    LONGLONG total = 0;
    SumPathSize(WindowJob::OfWindow(), total, job.Source.Folder, job.Source.Name, u"*.*");
    form.JobTotalBytes = total;
    if (!RoomForJob(form, job.QueriedFolder, static_cast<ULONGLONG>(total), job.RefusalText)) {
        return;
    }
    if (form.CancelRequested == 0) {
        WindowJob onPanel;
        CopyItemTree(onPanel, *form.CompletedFiles, *form.FailedFiles, job.Source.Folder, job.Destination.Folder,
                     job.Source.Name, job.Destination.Name, u"*.*", std::u16string(CONTAINER_PASS), kCopyPlain,
                     form.ProgressNotify.get());
    }
    if (form.FavoritesRestoreTab == 0) {
        FillPcFolderCombo(form.AF_PC_Sel_CBox, form.AF_PC_Show_Edit, form.ExternalDrives);
        RefillFavoritesTree(form);
    }
    form.LeaveBusyState();
    SaveJobResultLists(form);
    ShowProgressResults(form);
    RenewTreeAfterJob(form);
}
