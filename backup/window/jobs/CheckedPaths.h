#pragma once
// The ticks of the Manual Backup tree across program runs ("CheckedRecord.ini") and its open
// branches across a rebuild ("TreeExp_BM.ini"). Nodes are found again by their path, so both
// lists stay usable when folders come and go.

#include "lists/string_list.h"

#include <string>

namespace ui {
class TTreeNode;
class TTreeView;
}  // namespace ui

// Writes the paths of the checked nodes without a checked ancestor, in tree order.
void SaveCheckedPaths(ui::TTreeView* tree, lists::TStringList& checkedPaths);
// node null: every top-level node.
void CollectCheckedPaths(ui::TTreeView* tree, ui::TTreeNode* node, lists::TStringList& list);
// When the file exists: loads it into checkedPaths and ticks the node of each line.
void RestoreCheckedPaths(ui::TTreeView* tree, lists::TStringList& checkedPaths);
// Ticks the node whose path is `path` (exact), opening the branches on the way; true when found.
bool CheckNodeOnPath(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& path);

void SaveTreeExpansion(ui::TTreeView* tree);
// The paths of the expanded nodes whose ancestors are all expanded, in tree order.
void CollectExpandedPaths(ui::TTreeView* tree, ui::TTreeNode* node, lists::TStringList& list);
// When the file exists: expands its paths from the second line on, then deletes it.
void RestoreTreeExpansion(ui::TTreeView* tree);
void ExpandPathList(ui::TTreeView* tree, const lists::TStringList& list);
void ExpandNodeOnPath(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& path);
