#include "backup/window/jobs/StartersBackup.h"

#include "backup/base/Language.h"
#include "backup/engine/Categories.h"
#include "backup/engine/Container.h"
#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/jobs/WindowEntries.h"
#include "backup/window/layout/EnableStates.h"

namespace {

constexpr int kEasyKind = 1;
constexpr int kTextNoCategory = 20106;
constexpr int kTextNoDrive = 20114;
constexpr int kTextNoRoom = 20134;
constexpr int kTextListUpdated = 20167;

bool AnyCategory(const PerEasyCategory<BYTE>& categories)
{
    for (const BYTE flag : categories) {
        if (flag != 0) {
            return true;
        }
    }
    return false;
}

PerEasyCategory<TStringList*> RepeatLists(TMainForm& form)
{
    PerEasyCategory<TStringList*> lists{};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        lists[i] = form.CategoryLists[i].get();
    }
    return lists;
}

void CloseCountdownIfShowing(TMainForm& form)
{
    if (form.AutoStartShowing != 0) {
        CloseAutoStartCountdown(form);
    }
}

}  // namespace

void StartEasyBackup(TMainForm& form, const std::u16string& destination, ui::TLabel* scanLabel,
                     const PerEasyCategory<BYTE>& categories, ui::TLabel* copyLabel)
{
    if (form.Idle == 0) {
        return;
    }
    if (!AnyCategory(categories)) {
        form.ShowErrorBox(LookupText(*form.LangTable, kTextNoCategory));
        return;
    }
    if (destination.empty()) {
        form.ShowErrorBox(LookupText(*form.LangTable, kTextNoDrive));
        CloseCountdownIfShowing(form);
        return;
    }
    form.Idle = 0;
    const JobDestinationScope jobDestination(form, destination);
    if (jobDestination.RefusedAsBusy()) {
        form.Idle = 1;
        CloseCountdownIfShowing(form);
        return;
    }
    ResetProgressPanel(form);
    if (form.AutoStartShowing == 0) {
        SetBackupPageEnabled(form, 1, false);
        ShowProgressPanel(form);
    }
    form.EnterBusyState();

    std::uint64_t selectedSize = 0;
    ScanEasySources(form.Progress_Total_RemainTime_Lab, scanLabel, categories, form.JobTotalBytes, selectedSize);
    if (!RoomForJob(form, destination, selectedSize, kTextNoRoom)) {
        CloseCountdownIfShowing(form);
        return;
    }
    if (form.AutoStartShowing != 0 && form.CancelRequested == 0 && form.AutoStartWindow != nullptr) {
        ShowAutoStartBackingUp(*form.AutoStartWindow);
    }
    if (form.CancelRequested == 0) {
        RunEasyBackup(form.Progress_List, copyLabel, *form.CompletedFiles, *form.FailedFiles, form.JobDoneBytes,
                      destination, categories, RepeatLists(form), std::u16string(CONTAINER_PASS), form.EncryptBackup,
                      form.ProgressNotify.get());
    }
    form.LeaveBusyState();

    if (form.AutoStartShowing != 0) {
        if (form.CancelRequested == 0) {
            RefreshPcSelectors(form, kEasyKind);
        }
        CloseProgressPanel(form);
        CloseAutoStartCountdown(form);
        return;
    }
    if (form.CancelRequested == 0) {
        form.Progress_Total_RemainTime_Lab->SetCaption(LookupText(*form.LangTable, kTextListUpdated));
        form.Progress_File_Path_Lab->SetCaption(u"");
        RefreshPcSelectors(form, kEasyKind);
    }
    ShowProgressResults(form);
    SaveJobResultLists(form);
    SaveBacDest(destination);
    RenewTreeAfterJob(form);
}
