#include "backup/engine/StartersBackup.h"

#include "backup/frame/MainWin.h"

void RunPageOperation(TMainForm &form) {
  if (form.CurrentPage == 3) {
    StartEasyBackup(form, form.Bac_Dest_Edit->Text(),
                    form.Progress_File_Path_Lab, form.EasyBackupCategories,
                    form.Progress_File_Path_Lab);
  } else if (form.CurrentPage == 4) {
    StartManualBackup(form, form.Bac_Dest_Edit->Text());
  }
}
