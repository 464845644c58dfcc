// The Manual Backup source tree's handlers: opening a branch lists one level ahead with the
// hourglass turning, and a click on a check image ticks or unticks a branch and saves the ticks.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/SourceTrees.h"

namespace {

constexpr int kHourGlassStill = 23076;
constexpr int kHourGlassMoving = 23077;

}  // namespace

void TMainForm::BM_TreeExpanding(TObject*, ui::TTreeNode*, bool&)
{
}

void TMainForm::BM_TreeExpanded(TObject*, ui::TTreeNode* Node)
{
    BackupTreeFillStop = 0;
    LoadGifResource(Bac_HourGlass_Manual_Img, kHourGlassMoving);
    ui::TTreeNodeRef node(Node);
    PumpPendingMessages();
    if (node) {
        FillExpandedChildren(BM_Tree, node.get(), BackupTreeChecks != 0, ShowHiddenFolders != 0);
    }
    LoadPngResource(Bac_HourGlass_Manual_Img, kHourGlassStill);
}

void TMainForm::BM_TreeMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    if (Idle == 0 || !HitTestAt(BM_Tree, HIT_ON_STATE_IMAGE, X, Y)) {
        return;
    }
    ToggleNodeCheck(BM_Tree->Selected());
    PropagateNodeCheck(BM_Tree->Selected());
    SaveCheckedPaths(BM_Tree, *CheckedPaths);
}
