#include "backup/window/jobs/StartersCommon.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/FavoritesTree.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "platform/files.h"

namespace {

constexpr int kTextDriveBusy = 20210;

// The volume's total free bytes (not the caller's quota share); 0 when it cannot be queried.
ULONGLONG TotalFreeBytes(const std::u16string& path)
{
    ULARGE_INTEGER toCaller{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER totalFree{};
    if (!GetDiskFreeSpaceExW(path.c_str(), &toCaller, &total, &totalFree)) {
        return 0;
    }
    return totalFree.QuadPart;
}

// True when `path` is on one of the external drives the window knows and that drive is gone; the
// window's removal flags are then set.
bool DestinationGoneAtStart(TMainForm& form, const std::u16string& path)
{
    const std::u16string root = path.substr(0, 3);
    if (!DriveListContains(form.ExternalDrives, root) || GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    form.BackupDriveRemoved = 1;
    form.CancelRequested = 1;
    return true;
}

}  // namespace

bool RoomForJob(TMainForm& form, const std::u16string& path, ULONGLONG needed, int refusalText)
{
    if (DestinationGoneAtStart(form, path) || needed <= TotalFreeBytes(path)) {
        return true;
    }
    form.ShowErrorBox(LookupText(*form.LangTable, refusalText));
    CloseProgressPanel(form);
    form.LeaveBusyState();
    return false;
}

void SaveBacTypeSet(const TMainForm& form)
{
    TStringList lines;
    for (const BYTE flag : form.EasyBackupCategories) {
        lines.Add(DecimalText(flag));
    }
    // A settings file that cannot be written keeps its previous choice; nothing
    // else depends on it.
    (void)SaveListFile(lines, BacTypeSetPath(true));
}

void SaveBacDest(const std::u16string& destination)
{
    TStringList lines;
    lines.Add(destination);
    (void)SaveListFile(lines, BacDestPath(true));
}

void SaveJobResultLists(const TMainForm& form)
{
    const std::u16string folder = UserDataFolder(true);
    const std::u16string suffix = form.StartPath.substr(0, 1);
    // The lists are only for the user to read; a failed write must not disturb
    // the finished job.
    (void)SaveListFile(*form.CompletedFiles, CompleteListPath(folder, suffix));
    (void)SaveListFile(*form.FailedFiles, FailedListPath(folder, suffix));
}

void RenewTreeAfterJob(TMainForm& form)
{
    if (form.TreeRefreshPending) {
        form.TreeRefreshPending = 0;
        form.ScheduleBackupTreeRenew();
    }
}

JobDestinationScope::JobDestinationScope(TMainForm& form, const std::u16string& destination)
    : form_(form), lock_(destination)
{
    form_.JobDestinationRoot = destination.substr(0, 3);
}

bool JobDestinationScope::RefusedAsBusy() const
{
    return ::RefusedAsBusy(form_, lock_);
}

bool RefusedAsBusy(TMainForm& form, const platform::DriveJobLock& lock)
{
    if (lock.error() != ERROR_LOCK_VIOLATION) {
        return false;
    }
    form.ShowErrorBox(LookupText(*form.LangTable, kTextDriveBusy));
    return true;
}

JobDestinationScope::~JobDestinationScope()
{
    form_.JobDestinationRoot.clear();
}

void RefreshPcSelectors(TMainForm& form, int kind)
{
    FillPcFolderCombo(form.Res_PC_Sel_CBox, form.Res_PC_Show_Edit, form.ExternalDrives);
    FillPcFolderCombo(form.Del_PC_Sel_CBox, form.Del_PC_Show_Edit, form.ExternalDrives);
    const std::u16string favoritesPc = form.AF_PC_Show_Edit->Text();
    FillPcFolderCombo(form.AF_PC_Sel_CBox, form.AF_PC_Show_Edit, form.ExternalDrives);
    if (form.AF_PC_Show_Edit->Text() != favoritesPc) {
        RefillFavoritesTree(form);
    }
    if (kind == 1) {
        ShowLatestEasyBackupTime(*form.RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(form.Res_PC_Show_Edit->Text()));
        ShowEasyRestoreInfo(form);
        RestartEasyDeleteTreeTimer(form);
    } else {
        ShowLatestManualBackupTime(form, *form.RM_Time_Sel_Show_Lab, *form.Res_PC_Show_Edit);
        RestartRestoreTreeTimer(form);
        RestartManualDeleteTreeTimer(form);
    }
}
