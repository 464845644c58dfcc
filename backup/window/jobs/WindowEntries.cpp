#include "backup/window/jobs/WindowEntries.h"

#include "backup/base/Language.h"
#include "backup/engine/Categories.h"
#include "backup/engine/EasyBackupRun.h"
#include "backup/engine/EasyBackupScan.h"
#include "backup/engine/ManualBackupRun.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/WindowJob.h"
#include "ui/controls/label.h"

namespace {

constexpr int kScanningText = 20159;

// The flag stands for a removal of the drive during the run that starts.
void ClearDriveRemoved()
{
    if (MainForm != nullptr) {
        MainForm->BackupDriveRemoved = 0;
    }
}

}  // namespace

void ScanEasySources(ui::TLabel* statusLabel, ui::TLabel* pathLabel, const PerEasyCategory<BYTE>& categories,
                     std::int64_t& jobTotal, std::uint64_t& selectedSize)
{
    if (statusLabel != nullptr && MainForm != nullptr && MainForm->LangTable) {
        statusLabel->SetCaption(LookupText(*MainForm->LangTable, kScanningText));
    }
    WindowJob job(nullptr, pathLabel);
    ScanEasySources(job, categories, jobTotal, selectedSize);
}

int RunEasyBackup(ui::TListView* errorList, ui::TLabel* pathLabel, lists::TStringList& completed,
                  lists::TStringList& failed, std::int64_t& doneBytes, const std::u16string& destinationRoot,
                  const PerEasyCategory<BYTE>& categories, const PerEasyCategory<lists::TStringList*>& repeatLists,
                  const std::u16string& pass, BYTE encrypt, clProcessNotify* notifier)
{
    ClearDriveRemoved();
    WindowJob job(errorList, pathLabel, &doneBytes);
    return RunEasyBackup(job, completed, failed, destinationRoot, categories, repeatLists, pass, encrypt, notifier);
}

int RunManualBackup(ui::TListView* errorList, ui::TLabel* pathLabel, lists::TStringList& completed,
                    lists::TStringList& failed, std::int64_t& doneBytes, const BACKUP_SELECTION& selection,
                    const std::u16string& destinationRoot, const std::u16string& pass, BYTE encrypt,
                    clProcessNotify* notifier)
{
    ClearDriveRemoved();
    WindowJob job(errorList, pathLabel, &doneBytes);
    return RunManualBackup(job, completed, failed, selection, destinationRoot, pass, encrypt, notifier);
}

RESTORE_JOB RestoreJobOf(TMainForm& form, const std::u16string& pass)
{
    RESTORE_JOB job;
    job.Completed = form.CompletedFiles.get();
    job.Failed = form.FailedFiles.get();
    job.Pass = pass;
    job.Notifier = form.ProgressNotify.get();
    return job;
}
