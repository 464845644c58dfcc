#pragma once
// The delete pages' side of the delete engine: the ticked nodes of a delete tree, the delete as the
// window runs it, and the trees and run history that follow a delete.

#include "backup/engine/Delete.h"

#include <string>

namespace ui {
class TEdit;
class TTreeNode;
class TTreeView;
}  // namespace ui
class clProcessNotify;
class TMainForm;

// The base folder of category 1 to 5 ({PC}\Easy\{category}) or 0 ({PC}\Manual) for the PC that the
// edit names; empty when the edit is empty or the category has no folder.
std::u16string CategoryBackupFolderFromEdit(const ui::TEdit& pcEdit, int category);

// Appends the path of every ticked node below the top level (not looking below a ticked node);
// without a node, every top node is visited.
void CollectCheckedDeletePaths(ui::TTreeView& tree, ui::TTreeNode* node, DELETE_SELECTION& selection,
                               const std::u16string& baseFolder);

// Deletes the selected items, last collected first, and removes the ticked nodes below the node.
// Clears the window's cancel flags first: a delete cannot be cancelled. False at the first item that
// cannot be deleted (or whose file could not be re-homed); the items not yet processed stay.
bool DeleteSelectedItems(ui::TTreeView& tree, ui::TTreeNode* node, const DELETE_SELECTION& selection,
                         const std::u16string& baseFolder, clProcessNotify* notifier);

// Removes every ticked node below the node (never the node itself).
void PruneCheckedChildren(ui::TTreeView& tree, ui::TTreeNode* node);
// Removes the node with its subtree when it is ticked (true); otherwise searches its children.
bool DeleteCheckedNodes(ui::TTreeView& tree, ui::TTreeNode* node);

// Drops from the PC's Easy\BacTimeRec.ini the runs of which no category folder is left; lines that
// are not numbers stay.
void PruneBackupHistory(const ui::TEdit& pcEdit);

// Stop a running fill of the tree and let its timer rebuild it.
void RestartRestoreTreeTimer(TMainForm& form);
void RestartEasyDeleteTreeTimer(TMainForm& form);
void RestartManualDeleteTreeTimer(TMainForm& form);
