#include "backup/window/jobs/CheckedPaths.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/engine/ListFiles.h"
#include "backup/window/jobs/SourceTrees.h"
#include "platform/files.h"
#include "ui/controls/tree_view.h"

namespace {

// Calls visit for every top-level node; the count is re-read, as a visit may pump messages.
template <class Visit> void ForEachTopNode(ui::TTreeView* tree, Visit visit)
{
    for (int i = 0; i < tree->Items().TopCount(); ++i) {
        visit(tree->Items().Top(i));
    }
}

bool StartsWith(const std::u16string& text, const std::u16string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Steps 2 onwards of the search: the node itself, else the children whose path leads there.
bool CheckNodeOnPathFrom(ui::TTreeNode* node, const std::u16string& path)
{
    const std::u16string own = NodePath(node);
    if (own == path) {
        SetNodeCheck(node, NODE_CHECKED);
        PropagateNodeCheck(node);
        return true;
    }
    if (!StartsWith(path, own)) {
        return false;
    }
    ui::TTreeNodeRef self(node);
    for (int i = 0; self && i < node->Count(); ++i) {
        ui::TTreeNodeRef child(node->Item(i));
        if (!StartsWith(path, NodePath(child.get()))) {
            continue;
        }
        node->Expand(false);
        if (child && CheckNodeOnPathFrom(child.get(), path)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void SaveCheckedPaths(ui::TTreeView* tree, lists::TStringList& checkedPaths)
{
    checkedPaths.Clear();
    CollectCheckedPaths(tree, nullptr, checkedPaths);
    // The ticks stay in the tree; a file that cannot be written only loses them at the next start.
    (void)SaveListFile(checkedPaths, CheckedRecordPath(true));
}

void CollectCheckedPaths(ui::TTreeView* tree, ui::TTreeNode* node, lists::TStringList& list)
{
    if (node == nullptr) {
        ForEachTopNode(tree, [&](ui::TTreeNode* top) { CollectCheckedPaths(tree, top, list); });
        return;
    }
    if (GetNodeCheck(node) == NODE_CHECKED) {
        list.Add(NodePath(node));
        return;
    }
    for (int i = 0; i < node->Count(); ++i) {
        CollectCheckedPaths(tree, node->Item(i), list);
    }
}

void RestoreCheckedPaths(ui::TTreeView* tree, lists::TStringList& checkedPaths)
{
    const std::u16string file = CheckedRecordPath(false);
    if (!PathExists(file)) {
        return;
    }
    checkedPaths.Clear();
    if (!checkedPaths.LoadFromFile(file)) {
        return;
    }
    for (int i = 0; i < checkedPaths.Count(); ++i) {
        CheckNodeOnPath(tree, nullptr, checkedPaths.Strings(i));
    }
}

bool CheckNodeOnPath(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& path)
{
    if (node == nullptr) {
        ForEachTopNode(tree, [&](ui::TTreeNode* top) { CheckNodeOnPathFrom(top, path); });
        return false;
    }
    return CheckNodeOnPathFrom(node, path);
}

void SaveTreeExpansion(ui::TTreeView* tree)
{
    lists::TStringList expanded;
    CollectExpandedPaths(tree, nullptr, expanded);
    (void)SaveListFile(expanded, TreeExpansionPath(true));
}

void CollectExpandedPaths(ui::TTreeView* tree, ui::TTreeNode* node, lists::TStringList& list)
{
    if (node == nullptr) {
        ForEachTopNode(tree, [&](ui::TTreeNode* top) { CollectExpandedPaths(tree, top, list); });
        return;
    }
    if (!node->Expanded()) {
        return;
    }
    list.Add(NodePath(node));
    for (int i = 0; i < node->Count(); ++i) {
        CollectExpandedPaths(tree, node->Item(i), list);
    }
}

void RestoreTreeExpansion(ui::TTreeView* tree)
{
    const std::u16string file = TreeExpansionPath(false);
    if (!PathExists(file)) {
        return;
    }
    lists::TStringList expanded;
    if (expanded.LoadFromFile(file)) {
        ExpandPathList(tree, expanded);
    }
    DeleteFileW(file.c_str());
}

void ExpandPathList(ui::TTreeView* tree, const lists::TStringList& list)
{
    for (int i = 1; i < list.Count(); ++i) {
        ExpandNodeOnPath(tree, nullptr, list.Strings(i));
    }
}

void ExpandNodeOnPath(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& path)
{
    if (node == nullptr) {
        ForEachTopNode(tree, [&](ui::TTreeNode* top) { ExpandNodeOnPath(tree, top, path); });
        return;
    }
    if (NodePath(node) == path) {
        node->Expand(false);
        return;
    }
    if (!node->Expanded()) {
        return;
    }
    ui::TTreeNodeRef self(node);
    for (int i = 0; self && i < node->Count(); ++i) {
        ExpandNodeOnPath(tree, node->Item(i), path);
    }
}
