// The delete pages: their controls, the source selector, the tree ticks and expansions, the delayed
// tree rebuilds and the countdown that runs a confirmed delete.

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/DeleteControls.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ContentTrees.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersDelete.h"

namespace {

constexpr int kDeleteTickLead = 8;

// The tree's expand handler: its children get their entries one level ahead.
void FillExpandedDeleteNode(TMainForm& form, TTreeView* tree, ui::TTreeNode* node, BYTE& stopFlag, TImage* hourglass)
{
    stopFlag = 0;
    const ui::TTreeNode* top = node;
    while (top->Parent() != nullptr) {
        top = top->Parent();
    }
    const std::u16string base = CategoryBackupFolderFromEdit(*form.Del_PC_Show_Edit, static_cast<int>(top->DataInt()));
    if (base.empty()) {
        return;
    }
    LoadGifResource(hourglass, 23077);
    PumpPendingMessages();
    FillExpandedContentNodes(tree, node, base);
    LoadPngResource(hourglass, 23076);
    PumpPendingMessages();
}

void ToggleClickedTick(const TMainForm& form, TTreeView* tree, int x, int y)
{
    if (form.Idle == 1 && HitTestAt(tree, HIT_ON_STATE_IMAGE, x, y)) {
        ToggleNodeCheck(tree->Selected());
        PropagateNodeCheck(tree->Selected());
    }
}

// A rebuild waits until no listing loop and no repeat pass runs on the tree.
void RebuildWhenIdle(TMainForm& form, TTimer* timer, TTreeView* tree, int repeatPasses, int kind)
{
    // A confirmed delete counting down reads the ticks the user set: rebuilding would clear them.
    const bool deleteCountingDown = form.DE_Timer->Enabled() || form.DM_Timer->Enabled();
    if (repeatPasses == 0 && form.ContentFillIdle == 1 && !deleteCountingDown) {
        timer->SetEnabled(false);
        BuildDeleteTree(form, *tree, *form.Del_PC_Show_Edit, kind);
    }
}

}  // namespace

void CreateDeletePageControls(TMainForm& form)
{
    TPanel* page = form.Del_Pan;
    form.Del_PC_Sel_BK_Deep_Lab = NewFixedLabel(&form, "Del_PC_Sel_BK_Deep_Lab", page);
    form.Del_PC_Sel_BK_Light_Lab = NewFixedLabel(&form, "Del_PC_Sel_BK_Light_Lab", page);
    form.DE_HourGlass_Renew_Img = NewSkinImage(&form, "DE_HourGlass_Renew_Img", page);
    form.Del_HourGlass_Deleting_Img = NewSkinImage(&form, "Del_HourGlass_Deleting_Img", page);
    form.Del_PC_Title_Lab = NewFixedLabel(&form, "Del_PC_Title_Lab", page);
    form.Del_PC_Sel_Pan_BK_Lab = NewFixedLabel(&form, "Del_PC_Sel_Pan_BK_Lab", page);
    form.Del_PC_Sel_Pan = NewPlainPanel(&form, "Del_PC_Sel_Pan", page);
    form.Del_PC_Sel_Btn_Img = NewSkinImage(&form, "Del_PC_Sel_Btn_Img", form.Del_PC_Sel_Pan);
    form.Del_PC_Show_Edit = NewControl<TEdit>(&form, "Del_PC_Show_Edit", form.Del_PC_Sel_Pan);
    form.Del_PC_Show_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    form.Del_PC_Sel_CBox = NewControl<TComboBox>(&form, "Del_PC_Sel_CBox", form.Del_PC_Sel_Pan);
    form.Del_Tree_BK_Lab = NewFixedLabel(&form, "Del_Tree_BK_Lab", page);
    form.DE_Tree = NewControl<TTreeView>(&form, "DE_Tree", page);
    form.DM_HourGlass_Renew_Img = NewSkinImage(&form, "DM_HourGlass_Renew_Img", page);
    form.DM_Tree = NewControl<TTreeView>(&form, "DM_Tree", page);

    TMainForm* f = &form;
    form.Del_PC_Sel_CBox->OnChange = [f](TObject* s) { f->Del_PC_Sel_CBoxChange(s); };
    BindSelectorOpener(form, form.Del_PC_Sel_Btn_Img, &TMainForm::Del_PC_Sel_Btn_ImgClick,
                       &TMainForm::Del_PC_Sel_Btn_ImgMouseMove, &TMainForm::Del_PC_Sel_Btn_ImgMouseDown);
    form.DE_Tree->OnExpanded = [f](TObject* s, ui::TTreeNode* n) { f->DE_TreeExpanded(s, n); };
    form.DM_Tree->OnExpanded = [f](TObject* s, ui::TTreeNode* n) { f->DM_TreeExpanded(s, n); };
    form.DE_Tree->OnMouseUp = [f](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        f->DE_TreeMouseUp(s, b, sh, x, y);
    };
    form.DM_Tree->OnMouseUp = [f](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        f->DM_TreeMouseUp(s, b, sh, x, y);
    };
    form.TreeExpandTimer_DE->OnTimer = [f](TObject* s) { f->TreeExpandTimer_DETimer(s); };
    form.TreeExpandTimer_DM->OnTimer = [f](TObject* s) { f->TreeExpandTimer_DMTimer(s); };
    form.DE_Timer->OnTimer = [f](TObject* s) { f->DE_TimerTimer(s); };
    form.DM_Timer->OnTimer = [f](TObject* s) { f->DM_TimerTimer(s); };
}

void TMainForm::Del_PC_Sel_CBoxChange(TObject*)
{
    CopySelectorChoice(Del_PC_Sel_CBox, Del_PC_Show_Edit);
    RestartEasyDeleteTreeTimer(*this);
    RestartManualDeleteTreeTimer(*this);
}

void TMainForm::Del_PC_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Del_PC_Sel_CBox);
}

void TMainForm::Del_PC_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Del_PC_Sel_Btn_Img, Shift);
}

void TMainForm::Del_PC_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Del_PC_Sel_Btn_Img);
}

void TMainForm::DE_TreeMouseUp(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    ToggleClickedTick(*this, DE_Tree, X, Y);
}

void TMainForm::DM_TreeMouseUp(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    ToggleClickedTick(*this, DM_Tree, X, Y);
}

void TMainForm::DE_TreeExpanded(TObject*, ui::TTreeNode* Node)
{
    FillExpandedDeleteNode(*this, DE_Tree, Node, EasyDeleteTreeFillStop, DE_HourGlass_Renew_Img);
}

void TMainForm::DM_TreeExpanded(TObject*, ui::TTreeNode* Node)
{
    FillExpandedDeleteNode(*this, DM_Tree, Node, ManualDeleteTreeFillStop, DM_HourGlass_Renew_Img);
}

void TMainForm::TreeExpandTimer_DETimer(TObject*)
{
    RebuildWhenIdle(*this, TreeExpandTimer_DE, DE_Tree, EasyDeleteTreeRepeatPasses, 1);
}

void TMainForm::TreeExpandTimer_DMTimer(TObject*)
{
    RebuildWhenIdle(*this, TreeExpandTimer_DM, DM_Tree, ManualDeleteTreeRepeatPasses, 2);
}

void TMainForm::DE_TimerTimer(TObject*)
{
    ++EasyDeleteTicks;
    if (EasyDeleteTicks >= EasyDeleteTickLimit) {
        DE_Timer->SetEnabled(false);
        EasyDeleteTicks = 0;
        RunEasyDelete(*this);
        ui::Screen->SetCursor(ui::crDefault);
    } else if (EasyDeleteTicks >= EasyDeleteTickLimit - kDeleteTickLead) {
        // A fill still running on the tree ends before the delete reads it.
        EasyDeleteTreeFillStop = 1;
    }
}

void TMainForm::DM_TimerTimer(TObject*)
{
    ++ManualDeleteTicks;
    ManualDeleteTreeFillStop = 1;
    if (ManualDeleteTicks >= ManualDeleteTickLimit) {
        DM_Timer->SetEnabled(false);
        ManualDeleteTicks = 0;
        RunManualDelete(*this);
        ui::Screen->SetCursor(ui::crDefault);
    }
}
