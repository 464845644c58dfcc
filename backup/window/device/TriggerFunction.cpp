#include "backup/window/device/TriggerFunction.h"

#include "backup/base/Language.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/StartersBackup.h"

#include <utility>

namespace {

constexpr int kTextDriveNotFound = 20114;

}  // namespace

void RunTriggerFunction(TMainForm& form, const std::u16string& destination, const std::u16string& entry)
{
    if (entry.empty()) {
        return;
    }
    if (form.LanguagePassRunning != 0) {
        if (form.DeferredTriggerEntry.empty()) {
            form.DeferredTriggerDestination = destination;
            form.DeferredTriggerEntry = entry;
        }
        return;
    }
    if (entry.back() == u'0') {
        form.Menu_BacIndex_BtnImgClick(nullptr);
        form.Menu_Bac_EasyBtn_LabClick(nullptr);
        StartEasyBackup(form, destination, form.Progress_File_Path_Lab, form.EasyBackupCategories,
                        form.Progress_File_Path_Lab);
    } else if (entry.back() == u'1') {
        form.Menu_BacIndex_BtnImgClick(nullptr);
        form.Menu_Bac_ManualBtn_LabClick(nullptr);
        if (form.Bac_Dest_Edit->Text().empty()) {
            form.ShowErrorBox(LookupText(*form.LangTable, kTextDriveNotFound));
            return;
        }
        StartManualBackup(form, destination);
    }
}

void RunDeferredTrigger(TMainForm& form)
{
    const std::u16string destination = std::exchange(form.DeferredTriggerDestination, {});
    const std::u16string entry = std::exchange(form.DeferredTriggerEntry, {});
    RunTriggerFunction(form, destination, entry);
}
