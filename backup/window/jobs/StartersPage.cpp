#include "backup/window/jobs/StartersBackup.h"
#include "backup/window/jobs/StartersDelete.h"
#include "backup/window/jobs/StartersFavorites.h"
#include "backup/window/jobs/StartersRestore.h"

#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/WorkPage.h"

void RunPageOperation(TMainForm& form)
{
    if (form.CurrentPage == WorkPage::EasyBackup) {
        StartEasyBackup(form, form.Bac_Dest_Edit->Text(), form.Progress_File_Path_Lab, form.EasyBackupCategories,
                        form.Progress_File_Path_Lab);
    } else if (form.CurrentPage == WorkPage::ManualBackup) {
        StartManualBackup(form, form.Bac_Dest_Edit->Text());
    } else if (form.CurrentPage == WorkPage::EasyRestore) {
        StartEasyRestore(form);
    } else if (form.CurrentPage == WorkPage::ManualRestore) {
        StartManualRestore(form);
    } else if (form.CurrentPage == WorkPage::EasyDelete) {
        StartEasyDelete(form);
    } else if (form.CurrentPage == WorkPage::ManualDelete) {
        StartManualDelete(form);
    } else if (form.CurrentPage == WorkPage::Favorites) {
        StartFavorites(form);
    }
}
