#include "backup/window/jobs/ContentTrees.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RunPaths.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ContentNodePath.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/SourceTrees.h"
#include "platform/shell_namespace.h"
#include "ui/controls/tree_view.h"

namespace {

constexpr int kEntriesPerPump = 50;
constexpr int kAnimatedHourglass = 23077;

// What a fill needs of its tree's owner: the stop flag, the repeat-pass counter, the busy indicator.
struct ContentTreeState {
    BYTE* StopFlag = nullptr;
    int* RepeatPasses = nullptr;
    const char* BusyImageName = nullptr;
};

ContentTreeState StateOf(const ui::TTreeView* tree)
{
    if (MainForm == nullptr) {
        return {};
    }
    if (tree->Name() == "RM_Tree") {
        return {&MainForm->RestoreTreeFillStop, &MainForm->RestoreTreeRepeatPasses, "Res_HourGlass_Manual_Img"};
    }
    if (tree->Name() == "DE_Tree") {
        return {&MainForm->EasyDeleteTreeFillStop, &MainForm->EasyDeleteTreeRepeatPasses, "DE_HourGlass_Renew_Img"};
    }
    return {&MainForm->ManualDeleteTreeFillStop, &MainForm->ManualDeleteTreeRepeatPasses, "DM_HourGlass_Renew_Img"};
}

bool FillStopped(const ContentTreeState& state)
{
    return state.StopFlag != nullptr && *state.StopFlag != 0;
}

void SetContentFillIdle(BYTE idle)
{
    if (MainForm != nullptr) {
        MainForm->ContentFillIdle = idle;
    }
}

void AnimateBusyImage(const ContentTreeState& state)
{
    if (MainForm == nullptr) {
        return;
    }
    if (auto* image = dynamic_cast<ui::TImage*>(MainForm->FindComponent(state.BusyImageName))) {
        LoadGifResource(image, kAnimatedHourglass);
    }
}

// Linked folders are shown but never entered.
bool IsLinkPath(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Pumps and tells whether the node survived what ran meanwhile.
bool PumpKeeps(const ui::TTreeNodeRef& node)
{
    PumpPendingMessages();
    return static_cast<bool>(node);
}

}  // namespace

ui::TTreeNode* AddContentNode(ui::TTreeNode* parent, ui::TTreeView* tree, const std::u16string& caption, int icon)
{
    ui::TTreeNode* node = tree->Items().AddChild(parent, caption);
    node->SetImageIndex(icon);
    node->SetSelectedIndex(icon);
    node->SetStateIndex(parent != nullptr && GetNodeCheck(parent) == NODE_CHECKED ? NODE_CHECKED : NODE_UNCHECKED);
    return node;
}

std::u16string RunFolderOfNode(const ui::TTreeNode* node)
{
    if (node == nullptr) {
        return {};
    }
    while (node->Parent() != nullptr) {
        const ui::TTreeNode* parent = node->Parent();
        if (parent->Parent() == nullptr && !IsRunStampName(parent->Text())) {
            break;
        }
        node = parent;
    }
    return node->Text();
}

void FillContentLevel(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& folder)
{
    const ContentTreeState state = StateOf(tree);
    const std::u16string base = WithTrailingBackslash(folder);
    ui::TTreeNodeRef target(node);
    ForEachFolderEntry(base, [&](const WIN32_FIND_DATAW& entry, int index) {
        SetContentFillIdle(0);
        if (FillStopped(state) || !target) {
            return false;
        }
        if ((index + 1) % kEntriesPerPump == 0) {
            AnimateBusyImage(state);
            if (!PumpKeeps(target) || FillStopped(state)) {
                return false;
            }
        }
        const std::u16string name = entry.cFileName;
        // A name no Windows folder holds would name another entry once joined to its parents.
        if (!IsDotsName(name) && !IsRunListFileName(name) && IsSafeDriveName(name)) {
            AddContentNode(node, tree, name, platform::SystemIconOfPath(base + name, false));
        }
        return true;
    });
    SetContentFillIdle(1);
}

void FillRunFolders(ui::TTreeView* tree, ui::TTreeNode* parent, const std::u16string& folder,
                    const std::u16string& stamp)
{
    if (parent == nullptr) {
        tree->Items().Clear();
        if (stamp.empty()) {
            return;
        }
    }
    const std::u16string base = WithTrailingBackslash(folder);
    std::vector<std::u16string> runs;
    ForEachFolderEntry(base, [&](const WIN32_FIND_DATAW& entry, int) {
        const bool wanted = parent != nullptr || entry.cFileName == stamp;
        if (IsWalkedFolderEntry(entry) && IsSafeDriveName(entry.cFileName) && wanted &&
            IsFinishedRunFolder(base + entry.cFileName)) {
            runs.emplace_back(entry.cFileName);
        }
        return true;
    });
    // The fills pump: the parent may go away between two runs.
    ui::TTreeNodeRef parentRef(parent);
    for (const std::u16string& run : runs) {
        if (parent != nullptr && !parentRef) {
            return;
        }
        ui::TTreeNode* runNode = AddContentNode(parent, tree, run, platform::SystemIconOfPath(base + run, false));
        FillContentLevel(tree, runNode, base + run);
    }
}

void FillExpandedContentNodes(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& baseFolder)
{
    const ContentTreeState state = StateOf(tree);
    ui::TTreeNodeRef parent(node);
    for (int i = 0; parent && i < node->Count(); ++i) {
        ui::TTreeNodeRef child(node->Item(i));
        if (!PumpKeeps(child) || FillStopped(state) || !parent) {
            return;
        }
        if (child->Count() != 0) {
            continue;
        }
        const std::u16string childFolder = ContentNodePath(child.get(), baseFolder);
        if (IsLinkPath(childFolder)) {
            continue;
        }
        FillContentLevel(tree, child.get(), childFolder);
        if (FillStopped(state) || !child) {
            return;
        }
        AddRepeatEntriesOfNode(tree, child.get(), baseFolder);
    }
}

void AddRepeatEntriesOfNode(ui::TTreeView* tree, ui::TTreeNode* node, const std::u16string& baseFolder)
{
    const ContentTreeState state = StateOf(tree);
    if (state.RepeatPasses != nullptr) {
        ++*state.RepeatPasses;
    }
    const std::u16string runFolder = WithTrailingBackslash(baseFolder) + RunFolderOfNode(node) + u"\\";
    const std::u16string listPath = runFolder + RepeatListFileName();
    lists::TStringList repeatList;
    if (PathExists(listPath) && repeatList.LoadFromFile(listPath)) {
        AddRepeatedEntries(tree, node, repeatList, runFolder, ContentNodePath(node, baseFolder));
    }
    if (state.RepeatPasses != nullptr) {
        --*state.RepeatPasses;
    }
}

void AddRepeatedEntries(ui::TTreeView* tree, ui::TTreeNode* node, lists::TStringList& repeatList,
                        const std::u16string& runFolder, const std::u16string& nodeFolder)
{
    const ContentTreeState state = StateOf(tree);
    const std::size_t prefixLength = runFolder.size();
    const std::u16string nodeRelative = CharsFrom(nodeFolder, prefixLength);
    ui::TTreeNodeRef target(node);
    int line = 0;
    while (line < repeatList.Count()) {
        SetContentFillIdle(0);
        if (FillStopped(state)) {
            break;
        }
        AnimateBusyImage(state);
        if (!PumpKeeps(target) || FillStopped(state)) {
            break;
        }
        const std::u16string fullPath = RepeatCopyOf(runFolder, repeatList[line]);
        const std::u16string relative = CharsFrom(fullPath, prefixLength);
        if (!fullPath.empty() && !relative.empty() && ParentPathOf(relative) == nodeRelative) {
            AddRepeatPath(tree, node, fullPath, relative);
            repeatList.Delete(line);
            continue;
        }
        ++line;
    }
    SetContentFillIdle(1);
}

void AddRepeatPath(ui::TTreeView* tree, ui::TTreeNode* startNode, const std::u16string& fullPath,
                   const std::u16string& relativePath)
{
    const std::size_t last = relativePath.rfind(u'\\');
    const std::u16string name = last == std::u16string::npos ? relativePath : relativePath.substr(last + 1);
    AddContentNode(startNode, tree, name, platform::SystemIconOfPath(fullPath, false));
}

int FirstBackslashPos(const std::u16string& text)
{
    const std::size_t pos = text.find(u'\\');
    return pos == std::u16string::npos ? -1 : static_cast<int>(pos) + 1;
}

std::u16string ParentPathOf(const std::u16string& text)
{
    const std::size_t pos = text.rfind(u'\\');
    return pos == std::u16string::npos ? std::u16string() : text.substr(0, pos);
}

void CountTickedNodes(ui::TTreeView* tree, ui::TTreeNode* node, int& counter)
{
    if (node == nullptr) {
        for (int i = 0; i < tree->Items().TopCount(); ++i) {
            CountTickedNodes(tree, tree->Items().Top(i), counter);
        }
        return;
    }
    if (GetNodeCheck(node) == NODE_CHECKED && node->Parent() != nullptr) {
        ++counter;
        return;
    }
    for (int i = 0; i < node->Count(); ++i) {
        CountTickedNodes(tree, node->Item(i), counter);
    }
}

void CollectTickedPaths(ui::TTreeView* tree, ui::TTreeNode* node, BACKUP_SELECTION& selection,
                        const std::u16string& baseFolder)
{
    if (node == nullptr) {
        for (int i = 0; i < tree->Items().TopCount(); ++i) {
            CollectTickedPaths(tree, tree->Items().Top(i), selection, baseFolder);
        }
        return;
    }
    if (GetNodeCheck(node) == NODE_CHECKED) {
        const auto index = static_cast<std::size_t>(selection.Count);
        selection.SourcePaths.resize(index);
        selection.ItemNames.resize(index);
        selection.SourcePaths.push_back(ContentNodePath(node, baseFolder));
        selection.ItemNames.push_back(node->Text());
        ++selection.Count;
        return;
    }
    for (int i = 0; i < node->Count(); ++i) {
        CollectTickedPaths(tree, node->Item(i), selection, baseFolder);
    }
}
