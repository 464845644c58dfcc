#include "backup/engine/CopyOneFile.h"
#include "backup/engine/Delete.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/DrivePathCheck.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RunPaths.h"
#include "backup/frame/MainWin.h"

#include <algorithm>

namespace {

constexpr std::size_t kDrivePrefixLength = 3;
constexpr std::size_t kRunStampLength = 15;

// The run folders of the base folder whose names are not less than the stamp, in ascending order.
std::vector<std::u16string> RunsFrom(const std::u16string& base, const std::u16string& stamp)
{
    std::vector<std::u16string> runs;
    ForEachFolderEntry(base, [&](const WIN32_FIND_DATAW& entry, int) {
        const std::u16string name = entry.cFileName;
        if (IsDirectoryEntry(entry) && !IsLinkEntry(entry) && !IsDotsName(name) && name >= stamp) {
            runs.push_back(name);
        }
        return true;
    });
    std::sort(runs.begin(), runs.end());
    return runs;
}

// The line of the later run that names the item: on the first, the item is copied to its place in
// that run and the line goes; on the others, the line names that new copy.
bool RehomeReference(ui::TStringList& workList, int index, const std::u16string& path, const std::u16string& runFolder,
                     const std::u16string& listPath, std::u16string& rehomedPath, clProcessNotify* notifier)
{
    if (rehomedPath.empty()) {
        const std::u16string target = runFolder + CharsFrom(path, runFolder.size());
        if (!LiesInsideFolder(target, runFolder) || CrossesDriveLink(target)) {
            return false;
        }
        CreateDirPath(ParentFolderOf(target));
        DWORD error = 0;
        if (!CopyOneFile(path, target, COPY_PLAIN, u"", notifier, &error)) {
            return false;
        }
        rehomedPath = target;
        workList.Delete(index);
    } else {
        workList.SetStrings(index, CharsFrom(rehomedPath, kDrivePrefixLength));
    }
    return SaveListFile(workList, listPath) == ERROR_SUCCESS;
}

}  // namespace

bool DeleteSelectedItems(ui::TTreeView& tree, ui::TTreeNode* node, const DELETE_SELECTION& selection,
                         const std::u16string& baseFolder, clProcessNotify* notifier)
{
    if (MainForm != nullptr) {
        MainForm->CancelRequested = 0;
        MainForm->CancelAsking = 0;
    }
    const std::u16string base = WithTrailingBackslash(baseFolder);
    ui::TStringList workList;
    bool result = true;
    const int count = std::min(selection.Count, static_cast<int>(selection.Paths.size()));
    for (int j = count - 1; j >= 0; --j) {
        const std::u16string& path = selection.Paths[static_cast<std::size_t>(j)];
        const std::u16string stamp = CharsFrom(path, base.size()).substr(0, kRunStampLength);
        if (!LiesInsideFolder(path, base) || CrossesDriveLink(path) || !IsRunStampName(stamp) ||
            !DeleteBackupItem(workList, base, stamp, path, notifier)) {
            result = false;
            break;
        }
        UpdateLaterRunReferences(workList, base, stamp, path, ReferencePass::CleanUp, notifier);
    }
    PruneCheckedChildren(tree, node);
    return result;
}

bool DeleteBackupItem(ui::TStringList& workList, const std::u16string& baseFolder, const std::u16string& stamp,
                      const std::u16string& path, clProcessNotify* notifier)
{
    WIN32_FIND_DATAW found;
    if (!FindEntry(path, &found)) {
        return true;
    }
    // A link goes as a link: re-homing would copy what lies behind it.
    if (IsLinkEntry(found)) {
        return DeleteTree(path);
    }
    if (!IsDirectoryEntry(found)) {
        return UpdateLaterRunReferences(workList, baseFolder, stamp, path, ReferencePass::Rehome, notifier) &&
               DeleteTree(path);
    }
    std::vector<WIN32_FIND_DATAW> entries;
    ForEachFolderEntry(path, [&](const WIN32_FIND_DATAW& entry, int) {
        entries.push_back(entry);
        return true;
    });
    for (const WIN32_FIND_DATAW& entry : entries) {
        // A name no Windows folder holds would name another entry once joined: it stays, and so
        // does its folder.
        if (IsDotsName(entry.cFileName) || !IsSafeDriveName(entry.cFileName)) {
            continue;
        }
        const std::u16string child = WithTrailingBackslash(path) + entry.cFileName;
        if (IsLinkEntry(entry)) {
            DeleteTree(child);
        } else if (!IsDirectoryEntry(entry)) {
            if (UpdateLaterRunReferences(workList, baseFolder, stamp, child, ReferencePass::Rehome, notifier)) {
                DeleteTree(child);
            }
        } else {
            DeleteBackupItem(workList, baseFolder, stamp, child, notifier);
        }
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
}

bool UpdateLaterRunReferences(ui::TStringList& workList, const std::u16string& baseFolder, const std::u16string& stamp,
                              const std::u16string& path, ReferencePass pass, clProcessNotify* notifier)
{
    const std::u16string base = WithTrailingBackslash(baseFolder);
    std::u16string rehomedPath;
    bool result = true;
    for (const std::u16string& run : RunsFrom(base, stamp)) {
        const std::u16string runFolder = base + run + u"\\";
        const std::u16string listPath = RepeatListPath(runFolder);
        if (!PathExists(listPath)) {
            continue;
        }
        workList.Clear();
        if (!workList.LoadFromFile(listPath)) {
            // A list that cannot be read may still name the file: keep the file.
            if (pass == ReferencePass::Rehome) {
                return false;
            }
            continue;
        }
        if (pass == ReferencePass::CleanUp) {
            result = DropReferencesBelow(workList, path, runFolder, listPath) && result;
            continue;
        }
        const int index = FindRepeatReference(workList, path, runFolder);
        if (index >= 0 && !RehomeReference(workList, index, path, runFolder, listPath, rehomedPath, notifier)) {
            return false;
        }
    }
    return result;
}

int FindRepeatReference(const ui::TStringList& workList, const std::u16string& path, const std::u16string& runFolder)
{
    for (int i = 0; i < workList.Count(); ++i) {
        if (RepeatCopyOf(runFolder, workList.Strings(i)) == path) {
            return i;
        }
    }
    return -1;
}

bool DropReferencesBelow(ui::TStringList& workList, const std::u16string& path, const std::u16string& runFolder,
                         const std::u16string& repeatListPath)
{
    const std::u16string item = CharsFrom(path, kDrivePrefixLength);
    bool changed = false;
    for (int i = workList.Count() - 1; i >= 0; --i) {
        const std::u16string copy = CharsFrom(RepeatCopyOf(runFolder, workList.Strings(i)), kDrivePrefixLength);
        if (!copy.empty() && (copy == item || LiesBelowRelative(copy, item))) {
            workList.Delete(i);
            changed = true;
        }
    }
    return !changed || SaveListFile(workList, repeatListPath) == ERROR_SUCCESS;
}
