#include "backup/base/DrivePathCheck.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RestoreFile.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"
#include "platform/text.h"

namespace {

// List files are passed over by name only directly inside a run folder: a user's own file of that
// name deeper down is restored like any other.
bool SkippedAtLevel(const WIN32_FIND_DATAW& entry, bool runFolderLevel)
{
    return runFolderLevel && IsRunListFileName(entry.cFileName);
}

// An entry of a listing that the walks refuse instead of restoring or entering: a name that no
// Windows folder can hold, or a link. False for everything else.
bool RefusedEntry(const RESTORE_JOB& job, const std::u16string& path, const WIN32_FIND_DATAW& entry)
{
    if (!IsSafeDriveName(entry.cFileName)) {
        RefuseRestoreEntry(job, path);
        return true;
    }
    if (IsLinkEntry(entry)) {
        RefuseRestoreEntry(job, path, ERROR_CANT_ACCESS_FILE);
        return true;
    }
    return false;
}

// As above; besides, a name that differs only in case from the entry before it in its folder would
// be restored in that entry's place.
bool RefusedEntry(const RESTORE_JOB& job, const std::u16string& path, const WIN32_FIND_DATAW& entry, CaseTwins& twins)
{
    if (twins.IsTwin(entry)) {
        RefuseRestoreEntry(job, path, ERROR_ALREADY_EXISTS);
        return true;
    }
    return RefusedEntry(job, path, entry);
}

// The item a walk starts from (found: its find record, nullptr when it is not there): refused when
// a folder on its way, or its name when it is there, is one the walks would not have entered.
bool RefusedStart(const RESTORE_JOB& job, const std::u16string& item, const std::u16string& name,
                  const WIN32_FIND_DATAW* found)
{
    if (CrossesDriveLink(item)) {
        RefuseRestoreEntry(job, item, ERROR_CANT_ACCESS_FILE);
        return true;
    }
    if (found == nullptr) {
        return false;
    }
    WIN32_FIND_DATAW named = *found;
    named.cFileName = name;
    return RefusedEntry(job, item, named);
}

// found: the item's find record, from its folder's listing or looked up by the caller.
bool WalkToFolder(const RESTORE_JOB& job, const std::u16string& root, const std::u16string& folder,
                  const std::u16string& destinationFolder, const std::u16string& name,
                  const std::u16string& destinationName, bool runFolderLevel, const WIN32_FIND_DATAW& found)
{
    const std::u16string item = WithTrailingBackslash(folder) + name;
    std::u16string target = WithTrailingBackslash(destinationFolder) + destinationName;
    if (target.ends_with(u":\\")) {
        target.pop_back();
    } else if (IsPlainFileEntry(found)) {
        return RestoreOneFile(job, item, target, root, found);
    }
    if (IsLinkEntry(found)) {
        RefuseRestoreEntry(job, item, ERROR_CANT_ACCESS_FILE);
        return true;
    }
    CreateDirPathLike(target, item);
    bool cancelled = false;
    CaseTwins twins;
    const bool listed = ForEachFolderEntry(item, [&](const WIN32_FIND_DATAW& entry, int) {
        if (JobCancelRequested(*job.Running)) {
            cancelled = true;
            return false;
        }
        const std::u16string entryName = entry.cFileName;
        if (IsDotsName(entryName)) {
            return true;
        }
        if (SkippedAtLevel(entry, runFolderLevel) ||
            RefusedEntry(job, WithTrailingBackslash(item) + entryName, entry, twins)) {
            return true;
        }
        if (IsPlainFileEntry(entry)) {
            RestoreOneFile(job, WithTrailingBackslash(item) + entryName, WithTrailingBackslash(target) + entryName,
                           root, entry);
        } else if (IsWalkedFolderEntry(entry)) {
            WalkToFolder(job, root, item, target, entryName, entryName, false, entry);
        }
        return true;
    });
    return listed && !cancelled;
}

// parentMade: the caller has just made (or found) the folder that the item's target lies in; found:
// the item's find record as for WalkToFolder, nullptr when the item is not there.
bool WalkToOriginal(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& name,
                    std::size_t restoreOffset, bool parentMade, const WIN32_FIND_DATAW* found)
{
    const std::size_t from = restoreOffset - 1;
    const std::u16string folderTarget = OriginalPathOf(folder, restoreOffset);
    if (!parentMade && !folderTarget.empty() && IsDriveRelativePath(CharsFrom(folder, from))) {
        CreateDirPathLike(folderTarget, folder);
    }
    const std::u16string item = WithTrailingBackslash(folder) + name;
    const std::u16string relative = CharsFrom(item, from);
    const std::u16string target = OriginalPathOf(item, restoreOffset);
    if (found == nullptr) {
        return false;
    }
    if (!target.empty() && !IsDriveRelativePath(relative)) {
        RefuseRestoreEntry(job, item);
        return true;
    }
    if (IsPlainFileEntry(*found) && !target.empty()) {
        return RestoreOneFile(job, item, target, DriveRootOf(target), *found);
    }
    if (IsLinkEntry(*found)) {
        RefuseRestoreEntry(job, item, ERROR_CANT_ACCESS_FILE);
        return true;
    }
    if (!target.empty()) {
        CreateDirPathLike(target, item);
    }
    const bool runFolderLevel = relative.empty();
    bool cancelled = false;
    CaseTwins twins;
    ForEachFolderEntry(item, [&](const WIN32_FIND_DATAW& entry, int) {
        if (JobCancelRequested(*job.Running)) {
            cancelled = true;
            return false;
        }
        if (IsDotsName(entry.cFileName)) {
            return true;
        }
        const std::u16string child = WithTrailingBackslash(item) + entry.cFileName;
        if (SkippedAtLevel(entry, runFolderLevel) || RefusedEntry(job, child, entry, twins)) {
            return true;
        }
        if (IsPlainFileEntry(entry)) {
            const std::u16string childTarget = OriginalPathOf(child, restoreOffset);
            if (childTarget.empty()) {
                return true;
            }
            if (IsDriveRelativePath(CharsFrom(child, from))) {
                RestoreOneFile(job, child, childTarget, DriveRootOf(childTarget), entry);
            } else {
                RefuseRestoreEntry(job, child);
            }
        } else if (IsWalkedFolderEntry(entry)) {
            WalkToOriginal(job, item, entry.cFileName, restoreOffset, !target.empty(), &entry);
        }
        return true;
    });
    return !cancelled;
}

}  // namespace

bool RestoreWalkToOriginal(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& name,
                           std::size_t restoreOffset)
{
    const std::u16string item = WithTrailingBackslash(folder) + name;
    WIN32_FIND_DATAW found;
    const bool exists = FindEntry(item, &found);
    if (RefusedStart(job, item, name, exists ? &found : nullptr)) {
        return true;
    }
    return WalkToOriginal(job, folder, name, restoreOffset, false, exists ? &found : nullptr);
}

bool RestoreWalkToFolder(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& destinationFolder,
                         const std::u16string& name, const std::u16string& destinationName)
{
    const std::u16string item = WithTrailingBackslash(folder) + name;
    WIN32_FIND_DATAW found;
    const bool exists = FindEntry(item, &found);
    if (RefusedStart(job, item, name, exists ? &found : nullptr)) {
        return true;
    }
    const bool runFolder = IsRunFolderPath(item);
    CreateDirPath(destinationFolder);
    return exists &&
           WalkToFolder(job, destinationFolder, folder, destinationFolder, name, destinationName, runFolder, found);
}
