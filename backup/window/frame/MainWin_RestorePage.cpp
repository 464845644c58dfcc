// The handlers of the restore pages: category ticks and the information renewal of Easy Restore,
// the source PC, the run time, the destination, and the Manual Restore tree.

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/RenewButton.h"
#include "backup/window/frame/RestoreControls.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/Calendar_Win.h"
#include "backup/window/jobs/ContentTrees.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SelDest_Win.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/layout/EnableStates.h"
#include "backup/window/layout/LanguageStyles.h"
#include "backup/window/layout/PageLayout.h"

#include <memory>

namespace {

constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;
constexpr int kHourGlassStill = 23076;
constexpr int kHourGlassMoving = 23077;

void ShowRenewSkins(TMainForm& form, const RenewSkins& skins)
{
    ::ShowRenewSkins(form.RE_Renew_BK_Left_Img, form.RE_Renew_BK_Center_Img, form.RE_Renew_BK_Right_Img, skins);
}

void FlipRestoreCategory(TMainForm& form, int k)
{
    BYTE& chosen = form.EasyRestoreCategories[k];
    chosen = chosen == 0 ? 1 : 0;
    LoadPngResource(form.*RestoreCategoryRows()[k].Check, chosen != 0 ? kCheckTicked : kCheckClear);
}

void ShowRunStamp(TLabel* label, const std::u16string& stamp)
{
    label->SetHint(stamp);
    label->SetCaption(FormatRunFolderDate(stamp));
}

}  // namespace

void TMainForm::RE_Check_Doc_ImgClick(TObject*)
{
    FlipRestoreCategory(*this, 0);
}
void TMainForm::RE_Check_Gra_ImgClick(TObject*)
{
    FlipRestoreCategory(*this, 1);
}
void TMainForm::RE_Check_Aud_ImgClick(TObject*)
{
    FlipRestoreCategory(*this, 2);
}
void TMainForm::RE_Check_Vid_ImgClick(TObject*)
{
    FlipRestoreCategory(*this, 3);
}
void TMainForm::RE_Check_Mai_ImgClick(TObject*)
{
    FlipRestoreCategory(*this, 4);
}

void TMainForm::RE_Renew_Btn_LabClick(TObject*)
{
    if (Idle != 1) {
        return;
    }
    Idle = 0;
    SetRestorePageEnabled(*this, 1, false);
    Work_Btn_Left_Pan->Show();
    Renewing = 1;
    LoadGifResource(Res_HourGlass_Easy_Img, kHourGlassMoving);
    PumpPendingMessages();
    ResetProgressPanel(*this);
    ShowEasyRestoreInfo(*this);
    Renewing = 0;
    LoadPngResource(Res_HourGlass_Easy_Img, kHourGlassStill);
    Work_Btn_Left_Pan->Hide();
    Idle = 1;
    SetRestorePageEnabled(*this, 1, true);
}

void TMainForm::RE_Renew_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (Idle == 1 && !Shift.LeftHeld()) {
        ShowRenewSkins(*this, kRenewHover);
    }
}

void TMainForm::RE_Renew_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (Idle == 1) {
        ShowRenewSkins(*this, kRenewPressed);
    }
}

void TMainForm::RE_Renew_Btn_LabMouseLeave(TObject*)
{
    if (Idle == 1) {
        ShowRenewSkins(*this, kRenewNormal);
    }
}

void TMainForm::Res_PC_Sel_CBoxChange(TObject*)
{
    CopySelectorChoice(Res_PC_Sel_CBox, Res_PC_Show_Edit);
    ShowLatestEasyBackupTime(*RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(Res_PC_Show_Edit->Text()));
    ShowLatestManualBackupTime(*this, *RM_Time_Sel_Show_Lab, *Res_PC_Show_Edit);
    RestartRestoreTreeTimer(*this);
}

void TMainForm::Res_PC_Sel_Btn_ImgClick(TObject*)
{
    if (Idle == 1) {
        OpenSelectorList(Res_PC_Sel_CBox);
    }
}

void TMainForm::Res_PC_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (Idle == 1) {
        ShowSelectorHover(*this, Res_PC_Sel_Btn_Img, Shift);
    } else {
        ResetButtonSkins(*this);
    }
}

void TMainForm::Res_PC_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (Idle == 1) {
        ShowSelectorPressed(Res_PC_Sel_Btn_Img);
    }
}

void TMainForm::Res_BrowserBtn_ImgClick(TObject*)
{
    if (Idle != 1) {
        return;
    }
    std::u16string destination = Res_Dest_Edit->Text();
    const bool chosen = ChooseRestoreDestination(RestoreToOriginal, destination);
    ApplyRestorePageBiDi(*this);
    if (chosen) {
        Res_Dest_Edit->SetText(destination);
    }
}

void TMainForm::Res_BrowserBtn_ImgMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonSkins(*this);
    if (Idle == 1) {
        LoadPngResource(Res_BrowserBtn_Img, 23008);
    }
}

void TMainForm::Res_BrowserBtn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (Idle == 1) {
        LoadPngResource(Res_BrowserBtn_Img, 23006);
    }
}

void TMainForm::Res_Time_Sel_Btn_ImgClick(TObject*)
{
    const bool easy = CurrentPage == WorkPage::EasyRestore;
    TLabel* timeLabel = easy ? RE_Time_Sel_Show_Lab : RM_Time_Sel_Show_Lab;
    auto calendar = std::make_unique<TCalendarForm>(ui::Application, PcBackupFolderFromEdit(Res_PC_Show_Edit->Text()),
                                                    timeLabel->Hint());
    calendar->AfterConstruction();
    calendar->ShowModal();
    // The dialog took the release and the moves that would have put the pressed picture to rest.
    ResetButtonSkins(*this);
    const std::u16string stamp = calendar->ChosenStamp;
    if (stamp.empty()) {
        return;
    }
    ShowRunStamp(timeLabel, stamp);
    if (easy) {
        // The category rows would otherwise still show the sizes and date of the run shown before.
        RE_Renew_Btn_LabClick(this);
    } else {
        RestartRestoreTreeTimer(*this);
    }
}

void TMainForm::Res_Time_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (Idle == 1 && !Shift.LeftHeld()) {
        LoadPngResource(Res_Time_Sel_Btn_Img, 23080);
    }
}

void TMainForm::Res_Time_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (Idle == 1) {
        LoadPngResource(Res_Time_Sel_Btn_Img, 23078);
    }
}

void TMainForm::RM_TreeMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    if (Idle == 0 || !HitTestAt(RM_Tree, HIT_ON_STATE_IMAGE, X, Y)) {
        return;
    }
    ui::TTreeNode* node = RM_Tree->GetNodeAt(X, Y);
    ToggleNodeCheck(node);
    PropagateNodeCheck(node);
}

void TMainForm::RM_TreeExpanding(TObject*, ui::TTreeNode*, bool&)
{
}

void TMainForm::RM_TreeExpanded(TObject*, ui::TTreeNode* Node)
{
    RestoreTreeFillStop = 0;
    const std::u16string pcFolder = PcBackupFolderFromEdit(Res_PC_Show_Edit->Text());
    if (pcFolder.empty()) {
        return;
    }
    LoadGifResource(Res_HourGlass_Manual_Img, kHourGlassMoving);
    PumpPendingMessages();
    FillExpandedContentNodes(RM_Tree, Node, pcFolder + u"\\" + CategoryFolderName(0));
    LoadPngResource(Res_HourGlass_Manual_Img, kHourGlassStill);
}

void TMainForm::TreeExpandTimer_ResTimer(TObject*)
{
    if (RestoreTreeRepeatPasses != 0 || ContentFillIdle != 1) {
        return;
    }
    TreeExpandTimer_Res->SetEnabled(false);
    BuildManualRestoreTree(*this, *RM_Tree, *Res_PC_Show_Edit, *RM_Time_Sel_Show_Lab);
}
