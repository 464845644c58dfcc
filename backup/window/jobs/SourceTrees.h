#pragma once
// The folder trees with check boxes: the Manual Backup source tree (the computer folder with the
// desktop and the internal fixed drives below it, folders listed lazily one level ahead of what is
// open), the check states every check-box tree shares, the Manual Backup selection taken from the
// ticks, folder changes applied in place, and the filler of the Favorites tree.

#include "backup/drive/DeviceRecords.h"
#include "backup/engine/BackupSelection.h"

#include <string>

namespace ui {
class TTreeNode;
class TTreeView;
}  // namespace ui

// Node check states: the state-image index of a node.
inline constexpr int NODE_NO_CHECK = 0;
inline constexpr int NODE_UNCHECKED = 1;
inline constexpr int NODE_CHECKED = 3;

// Kinds of ApplyFolderChange.
inline constexpr int FOLDER_CREATED = 2;
inline constexpr int FOLDER_REMOVED = 3;
inline constexpr int FOLDER_RENAMED = 4;

// The hit kind of a point on a node's state image.
inline constexpr int HIT_ON_STATE_IMAGE = 9;

// ---- Check states ----
int GetNodeCheck(const ui::TTreeNode* node);
void SetNodeCheck(ui::TTreeNode* node, int state);
// Checked becomes unchecked, anything else checked.
void ToggleNodeCheck(ui::TTreeNode* node);
// An unchecked node unchecks its ancestors; then its whole subtree takes its state.
void PropagateNodeCheck(ui::TTreeNode* node);
void UncheckAncestors(ui::TTreeNode* node);
void CopyCheckToDescendants(ui::TTreeNode* node);
bool HitTestAt(const ui::TTreeView* tree, int hitKind, int x, int y);

// ---- Node builders ----
// Nothing for an empty text; with withCheck the node is checked when its parent is.
ui::TTreeNode* AddFolderNode(ui::TTreeNode* parent, ui::TTreeView* tree, const std::u16string& text, int iconIndex,
                             bool withCheck);
// A node standing for a shell item: its system icon, its path kept as the node's data.
ui::TTreeNode* AddPidlNode(ui::TTreeNode* parent, ui::TTreeView* tree, const std::u16string& path,
                           const std::u16string& text, bool withCheck);
// Frees the item paths held by the tree's top-level node and its direct children.
void FreeTreePidls(ui::TTreeView* tree);

// ---- The Manual Backup source tree ----
// Rebuilds the tree: the computer folder, the desktop, then the accepted drives below it.
void BuildSourceTree(ui::TTreeView* tree, const RECORD_DEVICECODE* exclusionRoots, bool withCheck, bool includeHidden);
void AddDriveNodes(ui::TTreeView* tree, ui::TTreeNode* node, const RECORD_DEVICECODE* exclusionRoots, bool withCheck,
                   bool includeHidden);
// Adds a node for each listed subfolder of the folder (not system, not the Windows folder, not
// named WINDOWS or WINNT); ends early when the fill is asked to stop.
void FillSubfolderNodes(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& folder, bool withCheck);
// Lists the subfolders of every child of the node that has none yet.
void FillExpandedChildren(ui::TTreeView* tree, ui::TTreeNode* node, bool withCheck, bool includeHidden);

// ---- The Favorites tree ----
void FillNodeWithEntries(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& folder, bool withCheck);
std::u16string FavoritesNodePath(const std::u16string& rootFolder, const ui::TTreeNode* node);
void FillFavoritesNode(const std::u16string& rootFolder, ui::TTreeView* tree, ui::TTreeNode* node, bool withCheck);

// ---- Paths and the Manual Backup selection ----
// Empty for the computer folder; a drive or the desktop by its own path; deeper nodes below it.
std::u16string NodePath(const ui::TTreeNode* node);
// The path itself for a drive root, else its last component; empty without a "\".
std::u16string NameOrDriveRoot(const std::u16string& path);
// node null: every top-level node.
void CountCheckedItems(ui::TTreeView* tree, ui::TTreeNode* node, int& count);
void CollectCheckedItems(ui::TTreeView* tree, ui::TTreeNode* node, BACKUP_SELECTION& selection);

// ---- Folder changes ----
bool NodeHasChildNamed(const ui::TTreeNode* node, const std::u16string& text);
void ApplyFolderChange(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& changedPath,
                       const std::u16string& oldName, const std::u16string& newName, int kind);
// Applies the change below every node whose path is parentPath (node null: every top-level node).
void ApplyFolderChangeToTree(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& changedPath,
                             const std::u16string& parentPath, const std::u16string& oldName,
                             const std::u16string& newName, int kind);
