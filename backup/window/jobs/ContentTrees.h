#pragma once
// The content trees of a backup drive (the Manual Restore tree RM_Tree and the delete trees DE_Tree
// and DM_Tree): nodes with tick boxes, filled lazily one level ahead of what the user has opened,
// with the entries a run holds only by reference to an earlier run (its repeat list). The fills
// pump messages and end early when their tree's stop flag (a field of the main window) is raised.

#include "backup/engine/BackupSelection.h"
#include "lists/string_list.h"

#include <string>

namespace ui {
class TTreeNode;
class TTreeView;
}  // namespace ui

// A new last child of the parent (or top node); ticked when its parent is ticked.
ui::TTreeNode* AddContentNode(ui::TTreeNode* parent, ui::TTreeView* tree, const std::u16string& caption, int icon);

// The caption of the run-folder node at or above the node; empty for no node.
std::u16string RunFolderOfNode(const ui::TTreeNode* node);

// One child per entry of the folder (list files, "." and ".." left out).
void FillContentLevel(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& folder);

// With a parent: every run folder of the folder below it. Without: the tree is cleared and, with a
// stamp, only that run folder becomes its top node. Each run node is filled one level deep.
void FillRunFolders(ui::TTreeView* tree, ui::TTreeNode* parent, const std::u16string& folder,
                    const std::u16string& stamp);

// The expand handler's fill: each child of the node that has none yet gets its entries and the
// repeat-list entries that belong under it.
void FillExpandedContentNodes(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& baseFolder);

void AddRepeatEntriesOfNode(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& baseFolder);
// Adds the lines of the repeat list whose folder is the node's and removes them from the list.
// `runFolder` ends with a backslash.
void AddRepeatedEntries(ui::TTreeView* tree, ui::TTreeNode* node, lists::TStringList& repeatList,
                        const std::u16string& runFolder, const std::u16string& nodeFolder);
// Adds the last component of the relative path under the start node, with the earlier copy's icon.
void AddRepeatPath(ui::TTreeView* tree, ui::TTreeNode* startNode, const std::u16string& fullPath,
                   const std::u16string& relativePath);

// 1-based position of the first backslash; -1 without one.
int FirstBackslashPos(const std::u16string& text);
// The text before its last backslash; empty without one.
std::u16string ParentPathOf(const std::u16string& text);

// Adds the ticked nodes below the top level, not looking below a ticked node (node null: the
// whole tree).
void CountTickedNodes(ui::TTreeView* tree, ui::TTreeNode* node, int& counter);
// Appends the path and caption of every ticked node (top level included), not looking below it.
void CollectTickedPaths(ui::TTreeView* tree, ui::TTreeNode* node, BACKUP_SELECTION& selection,
                        const std::u16string& baseFolder);
