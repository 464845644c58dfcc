#include "backup/engine/StartersBackup.h"
#include "backup/engine/StartersDelete.h"
#include "backup/engine/StartersFavorites.h"
#include "backup/engine/StartersRestore.h"

#include "backup/frame/MainWin.h"

void RunPageOperation(TMainForm& form)
{
    if (form.CurrentPage == 3) {
        StartEasyBackup(form, form.Bac_Dest_Edit->Text(), form.Progress_File_Path_Lab, form.EasyBackupCategories,
                        form.Progress_File_Path_Lab);
    } else if (form.CurrentPage == 4) {
        StartManualBackup(form, form.Bac_Dest_Edit->Text());
    } else if (form.CurrentPage == 5) {
        StartEasyRestore(form);
    } else if (form.CurrentPage == 6) {
        StartManualRestore(form);
    } else if (form.CurrentPage == 7) {
        StartEasyDelete(form);
    } else if (form.CurrentPage == 8) {
        StartManualDelete(form);
    } else if (form.CurrentPage == 9) {
        StartFavorites(form);
    }
}
