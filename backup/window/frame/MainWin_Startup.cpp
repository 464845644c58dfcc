// The start-up sequence behind the loading window, the resume question, and the refill after a
// drive change.

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/device/Hotkeys.h"
#include "backup/window/device/LaunchOptions.h"
#include "backup/window/device/Schedule.h"
#include "backup/window/frame/DebugInfo.h"
#include "backup/window/frame/Loading_Win.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/FavoritesTree.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersBackup.h"
#include "backup/window/jobs/WindowJob.h"
#include "backup/window/layout/LanguageStyles.h"
#include "backup/window/layout/ScheduleKindSwitch.h"
#include "platform/clock.h"

namespace {

constexpr DWORD kFinalPauseMs = 1000;
constexpr DWORD kWaitStepMs = 10;
constexpr int kTextResumeQuestion = 20197;
constexpr int kTextEasyBackup = 20025;
constexpr int kTextManualBackup = 20026;
constexpr int kEasyDeleteKind = 1;
constexpr int kManualDeleteKind = 2;

// The start path's drive when the scan lists it, else the first external drive; empty without one.
std::u16string CountdownRoot(const TMainForm& form)
{
    std::u16string startRoot = form.StartPath.substr(0, 3);
    if (!startRoot.empty() && startRoot[0] >= u'a' && startRoot[0] <= u'z') {
        startRoot[0] = static_cast<char16_t>(startRoot[0] - u'a' + u'A');
    }
    if (DriveListContains(form.ExternalDrives, startRoot)) {
        return startRoot;
    }
    return form.ExternalDrives.Count > 0 ? form.ExternalDrives.Roots[0] : std::u16string();
}

void BuildBackupTree(TMainForm& form)
{
    BuildSourceTree(form.BM_Tree, &form.ExternalDrives, form.BackupTreeChecks != 0, form.ShowHiddenFolders != 0);
    RestoreCheckedPaths(form.BM_Tree, *form.CheckedPaths);
}

void FillRestoreSelectors(TMainForm& form)
{
    FillPcFolderCombo(form.Res_PC_Sel_CBox, form.Res_PC_Show_Edit, form.ExternalDrives);
}

void ShowRestoreRuns(TMainForm& form)
{
    ShowLatestEasyBackupTime(*form.RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(form.Res_PC_Show_Edit->Text()));
    ShowLatestManualBackupTime(form, *form.RM_Time_Sel_Show_Lab, *form.Res_PC_Show_Edit);
    BuildManualRestoreTree(form, *form.RM_Tree, *form.Res_PC_Show_Edit, *form.RM_Time_Sel_Show_Lab);
}

// The Easy Restore information belongs to the PC that was chosen before.
void EmptyEasyRestoreInfo(TMainForm& form)
{
    for (TLabel* label :
         {form.RE_Info_Size_Doc_Lab, form.RE_Info_Size_Gra_Lab, form.RE_Info_Size_Aud_Lab, form.RE_Info_Size_Vid_Lab,
          form.RE_Info_Size_Mai_Lab, form.RE_Info_Time_Doc_Lab, form.RE_Info_Time_Gra_Lab, form.RE_Info_Time_Aud_Lab,
          form.RE_Info_Time_Vid_Lab, form.RE_Info_Time_Mai_Lab}) {
        label->SetCaption(u"");
    }
}

void BuildDeleteTrees(TMainForm& form)
{
    BuildDeleteTree(form, *form.DE_Tree, *form.Del_PC_Show_Edit, kEasyDeleteKind);
    BuildDeleteTree(form, *form.DM_Tree, *form.Del_PC_Show_Edit, kManualDeleteKind);
}

void ScanAndPrepareDevices(TMainForm& form)
{
    ScanDrives(form.OtherDrives, form.ExternalDrives, form.DeviceTable);
    PrepareScannedDevices(form.DeviceTable);
}

}  // namespace

void WaitPumpingMessages(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        ui::Application->ProcessMessages();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) {
            return;
        }
        Sleep(std::min(kWaitStepMs, ms - elapsed));
    }
}

void RunStartupSequence(TMainForm& form)
{
    auto* loading = new TLoading_Form(ui::Application);
    loading->AfterConstruction();
    loading->Show();

    ScanDrives(form.OtherDrives, form.ExternalDrives, form.DeviceTable);
    ListLocalFixedDisks(form.LocalFixedDisks);
    LoadCountDownSetting(form);
    LoadBacTypeSetting(form);
    SetLoadingPercent(*loading, 6);
    FillDestinationCombo(form.Bac_Dest_CBox, form.Bac_Dest_Edit, form.ExternalDrives);
    LoadBacDestSetting(form.Bac_Dest_CBox, form.Bac_Dest_Edit);
    SetLoadingPercent(*loading, 13);
    BuildBackupTree(form);
    SetLoadingPercent(*loading, 19);
    FillRestoreSelectors(form);
    SetLoadingPercent(*loading, 25);
    ShowRestoreRuns(form);
    SetLoadingPercent(*loading, 30);
    ui::Application->ProcessMessages();
    FillPcFolderCombo(form.Del_PC_Sel_CBox, form.Del_PC_Show_Edit, form.ExternalDrives);
    SetLoadingPercent(*loading, 36);
    BuildDeleteTrees(form);
    SetLoadingPercent(*loading, 43);
    SetDeleteTreeCaptions(form, *form.DE_Tree, kEasyDeleteKind);
    SetDeleteTreeCaptions(form, *form.DM_Tree, kManualDeleteKind);
    SetLoadingPercent(*loading, 48);
    LoadRestoreDestSetting(form, form.Res_Dest_Edit);
    ApplyRestorePageBiDi(form);
    SetLoadingPercent(*loading, 53);
    FillPcFolderCombo(form.AF_PC_Sel_CBox, form.AF_PC_Show_Edit, form.ExternalDrives);
    SetLoadingPercent(*loading, 60);
    RefillFavoritesTree(form);
    SetLoadingPercent(*loading, 66);
    FillDestinationCombo(form.AF_Dest_CBox, form.AF_Dest_Edit, form.ExternalDrives);
    SetLoadingPercent(*loading, 73);
    FillAcFuncCombo(form, form.AC_FuncSel_CBox, form.AC_FuncSel_Edit);
    FillSbFuncCombo(form, form.SB_FuncSel_CBox, form.SB_FuncSel_Edit);
    SetLoadingPercent(*loading, 79);
    LoadCheckSettings(form);
    SetLoadingPercent(*loading, 85);
    LoadScheduleSettings(form);
    SetLoadingPercent(*loading, 92);
    LoadHotkeySettings(form);
    SetLoadingPercent(*loading, 100);

    PrepareScannedDevices(form.DeviceTable);
    form.ExtBtn_Timer->SetEnabled(true);
    ui::Application->WatchDriveChanges(&form);
    FillDebugInfo(form.DebugInfo_Memo, form.LangId);
    form.ScheduleKind = 1;
    SelectScheduleKind(form, 1);
    // Through the one instance: the hook outlives the window it calls.
    ui::Application->OnMessage = [](ui::TMsg& msg, bool& handled) {
        if (MainForm != nullptr) {
            MainForm->HotkeyMessageHook(msg, handled);
        }
    };

    ui::Application->ProcessMessages();
    Sleep(kFinalPauseMs);
    loading->Close();
    loading->Free();

    if (form.StartedWithDrivePath == 1 && form.LaunchOptions[2] == 1 && form.AutoStartShowing == 0) {
        const std::u16string root = CountdownRoot(form);
        if (!root.empty()) {
            ShowAutoStartCountdown(form, root);
        }
    }
}

void OfferResumeBackup(TMainForm& form)
{
    const int kind = CleanUpInterruptedJob(WindowJob::OfWindow(), form.ExternalDrives);
    if (kind != JOB_KIND_EASY && kind != JOB_KIND_MANUAL) {
        return;
    }
    const int jobName = kind == JOB_KIND_EASY ? kTextEasyBackup : kTextManualBackup;
    const std::u16string question =
        FormatText1Sized(LookupText(*form.LangTable, kTextResumeQuestion), LookupText(*form.LangTable, jobName));
    if (form.AskQuestion(question) != 1) {
        return;
    }
    form.Menu_BacIndex_BtnImgClick(nullptr);
    if (kind == JOB_KIND_MANUAL) {
        form.Menu_Bac_ManualBtn_LabClick(nullptr);
        StartManualBackup(form, form.Bac_Dest_Edit->Text());
        return;
    }
    form.Menu_Bac_EasyBtn_LabClick(nullptr);
    StartEasyBackup(form, form.Bac_Dest_Edit->Text(), form.Progress_File_Path_Lab, form.EasyBackupCategories,
                    form.Progress_File_Path_Lab);
}

void RefillBackupTree(TMainForm& form)
{
    SaveTreeExpansion(form.BM_Tree);
    ListLocalFixedDisks(form.LocalFixedDisks);
    BuildBackupTree(form);
    RestoreTreeExpansion(form.BM_Tree);
}

void RefreshAfterDeviceChange(TMainForm& form)
{
    form.ExtBtn_Timer->SetEnabled(false);
    ui::Screen->SetCursor(ui::crHourGlass);
    ScanAndPrepareDevices(form);
    form.ExtBtn_Timer->SetEnabled(true);
    FillDestinationCombo(form.Bac_Dest_CBox, form.Bac_Dest_Edit, form.ExternalDrives);
    const std::u16string restorePc = form.Res_PC_Show_Edit->Text();
    FillRestoreSelectors(form);
    if (form.Res_PC_Show_Edit->Text() != restorePc) {
        EmptyEasyRestoreInfo(form);
        RestartRestoreTreeTimer(form);
    }
    const std::u16string deletePc = form.Del_PC_Show_Edit->Text();
    FillPcFolderCombo(form.Del_PC_Sel_CBox, form.Del_PC_Show_Edit, form.ExternalDrives);
    if (form.Del_PC_Show_Edit->Text() != deletePc) {
        RestartEasyDeleteTreeTimer(form);
        RestartManualDeleteTreeTimer(form);
    }
    RefreshFavoritesAfterDeviceChange(form);
    ui::Screen->SetCursor(ui::crDefault);
}
