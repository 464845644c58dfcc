#include "backup/window/jobs/SourceTrees.h"

#include "backup/base/SpecialFolders.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/DestRelativePath.h"
#include "backup/engine/DriveEntries.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/JobControl.h"
#include "platform/shell_namespace.h"
#include "platform/text.h"
#include "ui/controls/tree_view.h"

#include <list>

namespace {

constexpr int kEntriesPerPump = 50;

// The paths of the shell items of a tree (its top-level node and that node's children), owned by
// the tree so that they live exactly until the next rebuild or the tree's end.
class ItemPathStore : public ui::TComponent {
public:
    using ui::TComponent::TComponent;
    std::list<std::u16string> Paths;
};

ItemPathStore& PathStoreOf(ui::TTreeView* tree)
{
    constexpr std::string_view kName = "ItemPathStore";
    if (auto* store = dynamic_cast<ItemPathStore*>(tree->FindComponent(kName))) {
        return *store;
    }
    auto* store = new ItemPathStore(tree);
    store->SetName(std::string(kName));
    return *store;
}

bool BackupFillStopped()
{
    return MainForm != nullptr && MainForm->BackupTreeFillStop != 0;
}

bool IsDriveRootPath(const std::u16string& path)
{
    return path.size() >= 2 && path.compare(path.size() - 2, 2, u":\\") == 0;
}

bool IsWindowsFolderName(const std::u16string& name)
{
    const std::u16string upper = platform::UpperCase(name);
    return upper == u"WINDOWS" || upper == u"WINNT";
}

bool IsListedSubfolder(const WIN32_FIND_DATAW& entry, const std::u16string& fullPath)
{
    return IsDirectoryEntry(entry) && !IsSystemEntry(entry) && !IsLinkEntry(entry) && !IsDotsName(entry.cFileName) &&
           fullPath != WindowsFolder() && !IsWindowsFolderName(entry.cFileName);
}

bool IsExcludedRoot(const RECORD_DEVICECODE* exclusionRoots, const std::u16string& path)
{
    return exclusionRoots != nullptr && DriveListContains(*exclusionRoots, path);
}

// Calls visit for node's children, or every top-level node when node is null. A child deleted by a
// handler that ran inside visit ends the walk (tree handles stay valid across pumps).
template <class Visit> void ForEachChild(ui::TTreeView* tree, ui::TTreeNode* node, Visit visit)
{
    const int count = node != nullptr ? node->Count() : tree->Items().TopCount();
    ui::TTreeNodeRef parent(node);
    for (int i = 0; i < count; ++i) {
        if (node != nullptr && !parent) {
            return;
        }
        const int now = node != nullptr ? node->Count() : tree->Items().TopCount();
        if (i >= now) {
            return;
        }
        visit(node != nullptr ? node->Item(i) : tree->Items().Top(i));
    }
}

}  // namespace

int GetNodeCheck(const ui::TTreeNode* node)
{
    return node != nullptr ? node->StateIndex() : NODE_NO_CHECK;
}

void SetNodeCheck(ui::TTreeNode* node, int state)
{
    if (node != nullptr) {
        node->SetStateIndex(state);
    }
}

void ToggleNodeCheck(ui::TTreeNode* node)
{
    if (node != nullptr) {
        SetNodeCheck(node, GetNodeCheck(node) == NODE_CHECKED ? NODE_UNCHECKED : NODE_CHECKED);
    }
}

void PropagateNodeCheck(ui::TTreeNode* node)
{
    if (node != nullptr) {
        UncheckAncestors(node);
        CopyCheckToDescendants(node);
    }
}

void UncheckAncestors(ui::TTreeNode* node)
{
    if (GetNodeCheck(node) != NODE_UNCHECKED || node->Level() == 0) {
        return;
    }
    for (ui::TTreeNode* up = node->Parent(); up != nullptr; up = up->Parent()) {
        SetNodeCheck(up, NODE_UNCHECKED);
    }
}

void CopyCheckToDescendants(ui::TTreeNode* node)
{
    const int state = GetNodeCheck(node);
    for (int i = 0; i < node->Count(); ++i) {
        SetNodeCheck(node->Item(i), state);
        CopyCheckToDescendants(node->Item(i));
    }
}

bool HitTestAt(const ui::TTreeView* tree, int hitKind, int x, int y)
{
    return tree->GetHitTestInfoAt(x, y).Contains(static_cast<ui::THitTest>(hitKind));
}

ui::TTreeNode* AddFolderNode(ui::TTreeNode* parent, ui::TTreeView* tree, const std::u16string& text, int iconIndex,
                             bool withCheck)
{
    if (text.empty()) {
        return nullptr;
    }
    ui::TTreeNode* node = tree->Items().AddChild(parent, text);
    node->SetImageIndex(iconIndex);
    node->SetSelectedIndex(iconIndex);
    if (withCheck) {
        SetNodeCheck(node, GetNodeCheck(parent) == NODE_CHECKED ? NODE_CHECKED : NODE_UNCHECKED);
    }
    return node;
}

ui::TTreeNode* AddPidlNode(ui::TTreeNode* parent, ui::TTreeView* tree, const std::u16string& path,
                           const std::u16string& text, bool withCheck)
{
    std::list<std::u16string>& paths = PathStoreOf(tree).Paths;
    paths.push_back(path);
    ui::TTreeNode* node = tree->Items().AddChildObject(parent, text, &paths.back());
    const int icon = platform::SystemIconOfPath(path, false);
    node->SetImageIndex(icon);
    node->SetSelectedIndex(icon);
    if (withCheck) {
        SetNodeCheck(node, NODE_UNCHECKED);
    }
    return node;
}

void FreeTreePidls(ui::TTreeView* tree)
{
    if (ui::TTreeNode* root = tree->Items().Top(0)) {
        root->SetData(nullptr);
        for (int i = 0; i < root->Count(); ++i) {
            root->Item(i)->SetData(nullptr);
        }
    }
    PathStoreOf(tree).Paths.clear();
}

void BuildSourceTree(ui::TTreeView* tree, const RECORD_DEVICECODE* exclusionRoots, bool withCheck, bool includeHidden)
{
    FreeTreePidls(tree);
    tree->Items().Clear();
    ui::TTreeNode* root = AddPidlNode(nullptr, tree, u"", platform::ComputerFolderDisplayName(), withCheck);
    AddPidlNode(root, tree, DesktopFolder(), platform::DesktopDisplayName(), withCheck);
    AddDriveNodes(tree, root, exclusionRoots, withCheck, includeHidden);
    ui::TTreeNodeRef rootRef(root);
    root->Expand(false);
    PumpPendingMessages();
    if (!rootRef) {
        return;
    }
    for (int i = root->Count() - 1; i >= 0; --i) {
        if (root->Item(i)->ImageIndex() == -1) {
            root->Item(i)->Delete();
        }
    }
}

void AddDriveNodes(ui::TTreeView* tree, ui::TTreeNode* node, const RECORD_DEVICECODE* exclusionRoots, bool withCheck,
                   bool includeHidden)
{
    constexpr DWORD kNeeded = SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
    const std::u16string windows = WindowsFolder();
    for (const platform::ShellItem& item : platform::ComputerFolderItems(includeHidden)) {
        const std::u16string& path = item.Path;
        if (path.empty() || path == windows || (IsDriveRootPath(path) && !IsInternalFixedDrive(path)) ||
            (item.Attributes & kNeeded) != kNeeded || IsExcludedRoot(exclusionRoots, path)) {
            continue;
        }
        AddPidlNode(node, tree, path, item.DisplayName, withCheck);
    }
}

void FillSubfolderNodes(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& folder, bool withCheck)
{
    const std::u16string base = WithTrailingBackslash(folder);
    ui::TTreeNodeRef target(node);
    ForEachFolderEntry(base, [&](const WIN32_FIND_DATAW& entry, int index) {
        if (BackupFillStopped() || !target) {
            return false;
        }
        if ((index + 1) % kEntriesPerPump == 0) {
            PumpPendingMessages();
            if (BackupFillStopped() || !target) {
                return false;
            }
        }
        const std::u16string path = base + entry.cFileName;
        if (IsListedSubfolder(entry, path)) {
            AddFolderNode(node, tree, entry.cFileName, platform::SystemIconOfPath(path, false), withCheck);
        }
        return true;
    });
}

void FillExpandedChildren(ui::TTreeView* tree, ui::TTreeNode* node, bool withCheck, bool)
{
    ForEachChild(tree, node, [&](ui::TTreeNode* child) {
        if (BackupFillStopped()) {
            return;
        }
        if (child->Count() == 0) {
            FillSubfolderNodes(tree, child, NodePath(child), withCheck);
        }
        if (!BackupFillStopped()) {
            PumpPendingMessages();
        }
    });
}

void FillNodeWithEntries(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& folder, bool withCheck)
{
    // A linked folder is shown but never entered.
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return;
    }
    const std::u16string base = WithTrailingBackslash(folder);
    ForEachFolderEntry(base, [&](const WIN32_FIND_DATAW& entry, int) {
        if (!IsSystemEntry(entry) && !IsDotsName(entry.cFileName)) {
            const std::u16string path = base + entry.cFileName;
            AddFolderNode(node, tree, entry.cFileName, platform::SystemIconOfPath(path, false), withCheck);
        }
        return true;
    });
}

std::u16string FavoritesNodePath(const std::u16string& rootFolder, const ui::TTreeNode* node)
{
    if (node->Level() == 0) {
        return rootFolder;
    }
    std::u16string tail = node->Text();
    for (const ui::TTreeNode* up = node->Parent(); up != nullptr && up->Level() >= 1; up = up->Parent()) {
        tail = up->Text() + u"\\" + tail;
    }
    return rootFolder + u"\\" + tail;
}

void FillFavoritesNode(const std::u16string& rootFolder, ui::TTreeView* tree, ui::TTreeNode* node, bool withCheck)
{
    for (int i = 0; i < node->Count(); ++i) {
        ui::TTreeNode* child = node->Item(i);
        if (child->Count() == 0) {
            FillNodeWithEntries(tree, child, FavoritesNodePath(rootFolder, child), withCheck);
        }
    }
}

std::u16string NodePath(const ui::TTreeNode* node)
{
    if (node == nullptr) {
        return u"";
    }
    if (node->Level() <= 1) {
        const auto* path = static_cast<const std::u16string*>(node->Data());
        return path != nullptr ? *path : u"";
    }
    std::u16string tail = node->Text();
    const ui::TTreeNode* up = node->Parent();
    for (; up->Level() >= 2; up = up->Parent()) {
        tail = up->Text() + u"\\" + tail;
    }
    return WithTrailingBackslash(NodePath(up)) + tail;
}

std::u16string NameOrDriveRoot(const std::u16string& path)
{
    if (IsDriveRootPath(path)) {
        return path;
    }
    const std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string::npos ? u"" : path.substr(slash + 1);
}

void CountCheckedItems(ui::TTreeView* tree, ui::TTreeNode* node, int& count)
{
    if (node == nullptr) {
        ForEachChild(tree, nullptr, [&](ui::TTreeNode* top) { CountCheckedItems(tree, top, count); });
        return;
    }
    if (GetNodeCheck(node) == NODE_CHECKED) {
        count += NodePath(node).empty() ? node->Count() : 1;
        return;
    }
    ForEachChild(tree, node, [&](ui::TTreeNode* child) { CountCheckedItems(tree, child, count); });
}

void CollectCheckedItems(ui::TTreeView* tree, ui::TTreeNode* node, BACKUP_SELECTION& selection)
{
    if (node == nullptr) {
        ForEachChild(tree, nullptr, [&](ui::TTreeNode* top) { CollectCheckedItems(tree, top, selection); });
        return;
    }
    const std::u16string path = NodePath(node);
    if (GetNodeCheck(node) == NODE_CHECKED && !path.empty()) {
        selection.SourcePaths.push_back(path);
        selection.ItemNames.push_back(NameOrDriveRoot(path));
        selection.RelativePaths.push_back(DestRelativePath(path));
        ++selection.Count;
        return;
    }
    ForEachChild(tree, node, [&](ui::TTreeNode* child) { CollectCheckedItems(tree, child, selection); });
}

bool NodeHasChildNamed(const ui::TTreeNode* node, const std::u16string& text)
{
    for (int i = 0; i < node->Count(); ++i) {
        if (node->Item(i)->Text() == text) {
            return true;
        }
    }
    return false;
}

namespace {

ui::TTreeNode* ChildNamed(ui::TTreeNode* node, const std::u16string& text)
{
    for (int i = 0; i < node->Count(); ++i) {
        if (node->Item(i)->Text() == text) {
            return node->Item(i);
        }
    }
    return nullptr;
}

}  // namespace

void ApplyFolderChange(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& changedPath,
                       const std::u16string& oldName, const std::u16string& newName, int kind)
{
    switch (kind) {
    case FOLDER_CREATED:
        if (!NodeHasChildNamed(node, newName)) {
            // A node whose children were never listed gets them all now, the new folder among them.
            const bool neverListed = node->Count() == 0;
            if (neverListed) {
                FillSubfolderNodes(tree, node, NodePath(node), true);
            }
            if (!NodeHasChildNamed(node, newName)) {
                AddFolderNode(node, tree, newName, platform::SystemIconOfPath(changedPath, false), true);
            }
            ui::TTreeNodeRef ref(node);
            node->Collapse(false);
            if (ref) {
                node->Expand(false);
            }
        }
        break;
    case FOLDER_REMOVED:
        if (ui::TTreeNode* child = ChildNamed(node, newName)) {
            child->Delete();
        }
        break;
    case FOLDER_RENAMED:
        if (ui::TTreeNode* child = ChildNamed(node, oldName)) {
            child->SetText(newName);
        }
        break;
    default:
        break;
    }
}

void ApplyFolderChangeToTree(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& changedPath,
                             const std::u16string& parentPath, const std::u16string& oldName,
                             const std::u16string& newName, int kind)
{
    if (node != nullptr && NodePath(node) == parentPath) {
        ApplyFolderChange(tree, node, changedPath, oldName, newName, kind);
        return;
    }
    ForEachChild(tree, node, [&](ui::TTreeNode* child) {
        ApplyFolderChangeToTree(tree, child, changedPath, parentPath, oldName, newName, kind);
    });
}
