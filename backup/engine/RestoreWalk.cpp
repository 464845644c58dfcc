#include "backup/engine/DriveEntries.h"
#include "backup/engine/JobControl.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RestoreFile.h"
#include "backup/engine/RunPaths.h"

namespace {

// List files are passed over by name only directly inside a run folder: a user's own file of that
// name deeper down is restored like any other.
bool SkippedAtLevel(const WIN32_FIND_DATAW& entry, bool runFolderLevel)
{
    return runFolderLevel && IsRunListFileName(entry.cFileName);
}

bool WalkToFolder(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& destinationFolder,
                  const std::u16string& name, const std::u16string& destinationName, bool runFolderLevel)
{
    CreateDirPath(destinationFolder);
    const std::u16string item = WithTrailingBackslash(folder) + name;
    std::u16string target = WithTrailingBackslash(destinationFolder) + destinationName;
    WIN32_FIND_DATAW found;
    if (!FindEntry(item, &found)) {
        return false;
    }
    if (target.ends_with(u":\\")) {
        target.pop_back();
    } else if (IsPlainFileEntry(found)) {
        return RestoreOneFile(job, item, target, found);
    }
    if (IsLinkEntry(found)) {
        return true;
    }
    CreateDirPath(target);
    bool cancelled = false;
    const bool listed = ForEachFolderEntry(item, [&](const WIN32_FIND_DATAW& entry, int) {
        if (JobCancelRequested()) {
            cancelled = true;
            return false;
        }
        const std::u16string entryName = entry.cFileName;
        if (IsPlainFileEntry(entry) && !SkippedAtLevel(entry, runFolderLevel)) {
            RestoreOneFile(job, WithTrailingBackslash(item) + entryName, WithTrailingBackslash(target) + entryName,
                           entry);
        } else if (IsWalkedFolderEntry(entry)) {
            WalkToFolder(job, item, target, entryName, entryName, false);
        }
        return true;
    });
    return listed && !cancelled;
}

}  // namespace

bool RestoreWalkToOriginal(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& name,
                           std::size_t restoreOffset)
{
    const std::size_t from = restoreOffset - 1;
    const std::u16string folderTarget = OriginalPathOf(folder, restoreOffset);
    if (!folderTarget.empty() && IsDriveRelativePath(CharsFrom(folder, from))) {
        CreateDirPath(folderTarget);
    }
    const std::u16string item = WithTrailingBackslash(folder) + name;
    const std::u16string relative = CharsFrom(item, from);
    const std::u16string target = OriginalPathOf(item, restoreOffset);
    WIN32_FIND_DATAW found;
    if (!FindEntry(item, &found)) {
        return false;
    }
    if (!target.empty() && !IsDriveRelativePath(relative)) {
        RefuseRestoreEntry(job, item);
        return true;
    }
    if (IsPlainFileEntry(found) && !target.empty()) {
        return RestoreOneFile(job, item, target, found);
    }
    if (IsLinkEntry(found)) {
        return true;
    }
    if (!target.empty()) {
        CreateDirPath(target);
    }
    const bool runFolderLevel = relative.empty();
    bool cancelled = false;
    ForEachFolderEntry(item, [&](const WIN32_FIND_DATAW& entry, int) {
        if (JobCancelRequested()) {
            cancelled = true;
            return false;
        }
        const std::u16string child = WithTrailingBackslash(item) + entry.cFileName;
        if (IsPlainFileEntry(entry) && !SkippedAtLevel(entry, runFolderLevel)) {
            const std::u16string childTarget = OriginalPathOf(child, restoreOffset);
            if (childTarget.empty()) {
                return true;
            }
            if (IsDriveRelativePath(CharsFrom(child, from))) {
                RestoreOneFile(job, child, childTarget, entry);
            } else {
                RefuseRestoreEntry(job, child);
            }
        } else if (IsWalkedFolderEntry(entry)) {
            RestoreWalkToOriginal(job, item, entry.cFileName, restoreOffset);
        }
        return true;
    });
    return !cancelled;
}

bool RestoreWalkToFolder(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& destinationFolder,
                         const std::u16string& name, const std::u16string& destinationName)
{
    const bool runFolder = IsRunFolderPath(WithTrailingBackslash(folder) + name);
    return WalkToFolder(job, folder, destinationFolder, name, destinationName, runFolder);
}
