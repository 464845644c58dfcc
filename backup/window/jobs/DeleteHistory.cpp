#include "backup/base/AccessGrant.h"
#include "backup/base/BackupDriveLayout.h"
#include "backup/base/PathUtil.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/Categories.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/JobControl.h"
#include "ui/controls/edit.h"
#include "ui/controls/timer.h"

namespace {

bool AnyCategoryHoldsRun(const ui::TEdit& pcEdit, const std::u16string& stamp)
{
    for (int category = 1; category <= kEasyCategoryCount; ++category) {
        if (PathExists(CategoryBackupFolderFromEdit(pcEdit, category) + u"\\" + stamp)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::u16string CategoryBackupFolderFromEdit(const ui::TEdit& pcEdit, int category)
{
    const std::u16string pcFolder = PcBackupFolderFromEdit(pcEdit.Text());
    const std::u16string name = CategoryFolderName(category);
    if (pcFolder.empty() || name.empty()) {
        return {};
    }
    return category == 0 ? pcFolder + u"\\" + name : pcFolder + u"\\" + EasyFolderName() + u"\\" + name;
}

void PruneBackupHistory(const ui::TEdit& pcEdit)
{
    const std::u16string pcFolder = PcBackupFolderFromEdit(pcEdit.Text());
    if (pcFolder.empty()) {
        return;
    }
    const std::u16string path = pcFolder + u"\\" + EasyFolderName() + u"\\" + BacTimeRecFileName();
    lists::TStringList history;
    if (!PathExists(path) || !history.LoadFromFile(path) || history.Count() == 0) {
        return;
    }
    for (int i = 0; i < history.Count();) {
        PumpPendingMessages();
        double value = 0;
        SYSTEMTIME time;
        if (ParseDateTimeNumber(history.Strings(i), &value) && DateTimeToSystemTime(value, &time) &&
            !AnyCategoryHoldsRun(pcEdit, FormatTimestampName(time))) {
            history.Delete(i);
        } else {
            ++i;
        }
    }
    SaveListFile(history, path);
    GrantUsersFullAccess(path);
}

void RestartRestoreTreeTimer(TMainForm& form)
{
    form.RestoreTreeFillStop = 1;
    form.TreeExpandTimer_Res->SetEnabled(true);
}

void RestartEasyDeleteTreeTimer(TMainForm& form)
{
    form.EasyDeleteTreeFillStop = 1;
    form.TreeExpandTimer_DE->SetEnabled(true);
}

void RestartManualDeleteTreeTimer(TMainForm& form)
{
    form.ManualDeleteTreeFillStop = 1;
    form.TreeExpandTimer_DM->SetEnabled(true);
}
