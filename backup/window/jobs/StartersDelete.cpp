#include "backup/window/jobs/StartersDelete.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/engine/Categories.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ContentTrees.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/layout/EnableStates.h"
#include "ui/controls/tree_view.h"

namespace {

constexpr int kEasyDeleteKind = 1;
constexpr int kManualDeleteKind = 2;
constexpr int kCountdownTicks = 20;

struct DeletePage {
    TTreeView* Tree;
    TTimer* Countdown;
    int* Ticks;
    int* TickLimit;
    int Kind;
};

DeletePage EasyPage(TMainForm& form)
{
    return {form.DE_Tree, form.DE_Timer, &form.EasyDeleteTicks, &form.EasyDeleteTickLimit, kEasyDeleteKind};
}

DeletePage ManualPage(TMainForm& form)
{
    return {form.DM_Tree, form.DM_Timer, &form.ManualDeleteTicks, &form.ManualDeleteTickLimit, kManualDeleteKind};
}

void StartDelete(TMainForm& form, const DeletePage& page)
{
    if (form.Idle == 0) {
        return;
    }
    form.Idle = 0;
    SetDeletePageEnabled(form, page.Kind, false);
    int ticked = 0;
    CountTickedNodes(page.Tree, nullptr, ticked);
    if (ticked == 0) {
        form.ShowErrorBox(LookupText(*form.LangTable, 20107));
    } else if (form.AskQuestion(LookupText(*form.LangTable, 20102)) == 1) {
        PumpPendingMessages();
        form.Repaint();
        PumpPendingMessages();
        form.EnterBusyState();
        ui::Screen->SetCursor(ui::crHourGlass);
        form.Del_HourGlass_Deleting_Img->Show();
        *page.TickLimit = kCountdownTicks;
        *page.Ticks = 0;
        page.Countdown->SetEnabled(true);
        return;
    }
    form.Idle = 1;
    SetDeletePageEnabled(form, page.Kind, true);
}

enum class TopNodeDelete { NothingTicked, Deleted, Failed };

// Deletes what is ticked below one top node of a delete tree. After a failure the node is filled
// again from the drive as it now stands.

TopNodeDelete DeleteTickedBelow(TMainForm& form, TTreeView* tree, ui::TTreeNode* node, int category)
{
    form.DeleteSelection = {};
    int ticked = 0;
    CountTickedNodes(tree, node, ticked);
    if (ticked == 0) {
        return TopNodeDelete::NothingTicked;
    }
    const std::u16string base = CategoryBackupFolderFromEdit(*form.Del_PC_Show_Edit, category);
    form.DeleteSelection.Paths.reserve(static_cast<std::size_t>(ticked));
    CollectCheckedDeletePaths(*tree, node, form.DeleteSelection, base);
    ui::TTreeNodeRef nodeRef(node);
    if (DeleteSelectedItems(*tree, node, form.DeleteSelection, base, form.ProgressNotify.get())) {
        return TopNodeDelete::Deleted;
    }
    form.ShowErrorBox(LookupText(*form.LangTable, 20138));
    if (nodeRef) {
        node->DeleteChildren();
        FillRunFolders(tree, node, base, u"");
    }
    return TopNodeDelete::Failed;
}

// The drive of the PC folder the delete page shows ("E:  PC" gives "E:\\").
std::u16string DeleteDriveRoot(const TMainForm& form)
{
    const std::u16string text = form.Del_PC_Show_Edit->Text();
    return text.size() >= 2 ? text.substr(0, 2) + u"\\" : std::u16string();
}

void EndDelete(TMainForm& form, int kind)
{
    form.Del_HourGlass_Deleting_Img->Hide();
    form.LeaveBusyState();
    form.Idle = 1;
    SetDeletePageEnabled(form, kind, true);
    RenewTreeAfterJob(form);
}

}  // namespace

void StartEasyDelete(TMainForm& form)
{
    StartDelete(form, EasyPage(form));
}

void StartManualDelete(TMainForm& form)
{
    StartDelete(form, ManualPage(form));
}

void RunEasyDelete(TMainForm& form)
{
    const platform::DriveJobLock lock(DeleteDriveRoot(form));
    if (RefusedAsBusy(form, lock)) {
        EndDelete(form, kEasyDeleteKind);
        return;
    }
    TTreeView* tree = form.DE_Tree;
    // The deletes pump: the tree may be rebuilt meanwhile, so its top nodes are looked up afresh.
    for (int category = 1; category <= kEasyCategoryCount && category <= tree->Items().TopCount(); ++category) {
        if (DeleteTickedBelow(form, tree, tree->Items().Top(category - 1), category) == TopNodeDelete::Failed) {
            break;
        }
    }
    PruneBackupHistory(*form.Del_PC_Show_Edit);
    ShowLatestEasyBackupTime(*form.RE_Time_Sel_Show_Lab, PcBackupFolderFromEdit(form.Res_PC_Show_Edit->Text()));
    EndDelete(form, kEasyDeleteKind);
}

void RunManualDelete(TMainForm& form)
{
    const platform::DriveJobLock lock(DeleteDriveRoot(form));
    if (RefusedAsBusy(form, lock)) {
        EndDelete(form, kManualDeleteKind);
        return;
    }
    TTreeView* tree = form.DM_Tree;
    if (tree->Items().TopCount() > 0 &&
        DeleteTickedBelow(form, tree, tree->Items().Top(0), 0) != TopNodeDelete::NothingTicked) {
        RestartRestoreTreeTimer(form);
        ShowLatestManualBackupTime(form, *form.RM_Time_Sel_Show_Lab, *form.Res_PC_Show_Edit);
    }
    EndDelete(form, kManualDeleteKind);
}
