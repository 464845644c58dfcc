#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ContentNodePath.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/WindowJob.h"
#include "ui/controls/tree_view.h"

namespace {

constexpr int kTickedState = 3;

bool IsTicked(const ui::TTreeNode* node)
{
    return node->StateIndex() == kTickedState;
}

}  // namespace

void CollectCheckedDeletePaths(ui::TTreeView& tree, ui::TTreeNode* node, DELETE_SELECTION& selection,
                               const std::u16string& baseFolder)
{
    if (node == nullptr) {
        for (int i = 0; i < tree.Items().TopCount(); ++i) {
            CollectCheckedDeletePaths(tree, tree.Items().Top(i), selection, baseFolder);
        }
        return;
    }
    if (IsTicked(node) && node->Parent() != nullptr) {
        selection.Paths.resize(static_cast<std::size_t>(selection.Count));
        selection.Paths.push_back(ContentNodePath(node, baseFolder));
        ++selection.Count;
        return;
    }
    for (int i = 0; i < node->Count(); ++i) {
        CollectCheckedDeletePaths(tree, node->Item(i), selection, baseFolder);
    }
}

void PruneCheckedChildren(ui::TTreeView& tree, ui::TTreeNode* node)
{
    if (node == nullptr) {
        return;
    }
    for (int i = node->Count() - 1; i >= 0; --i) {
        DeleteCheckedNodes(tree, node->Item(i));
    }
}

bool DeleteCheckedNodes(ui::TTreeView& tree, ui::TTreeNode* node)
{
    if (IsTicked(node)) {
        tree.Items().Delete(node);
        return true;
    }
    PruneCheckedChildren(tree, node);
    return false;
}

bool DeleteSelectedItems(ui::TTreeView& tree, ui::TTreeNode* node, const DELETE_SELECTION& selection,
                         const std::u16string& baseFolder, clProcessNotify* notifier)
{
    if (MainForm != nullptr) {
        MainForm->CancelRequested = 0;
        MainForm->CancelAsking = 0;
    }
    WindowJob job;
    const bool deleted = DeleteSelectedItems(job, selection, baseFolder, notifier);
    PruneCheckedChildren(tree, node);
    return deleted;
}
