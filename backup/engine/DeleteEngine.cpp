#include "backup/base/DrivePathCheck.h"
#include "backup/base/TreeDelete.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/Delete.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RepeatListSet.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunTrim.h"
#include "backup/engine/RunningJob.h"
#include "platform/host_case.h"
#include "platform/listed_delete.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

// A file with neither the read-only nor the hidden bit needs no clearing before it goes. True when
// it went.
bool DeleteFileEntry(RunningJob& job, const std::u16string& path, const WIN32_FIND_DATAW& entry)
{
    if ((entry.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) == 0) {
        return platform::DeleteListedFile(path.c_str(), entry.dwFileAttributes) != FALSE;
    }
    return DeleteTree(path, [&job] { return KeepDeleting(job); });
}

// The re-homed copy is a second name of the file where the drive allows one. The names share
// their attributes, and the original is cleared of its bits before it goes: only a file that has
// none, as its copy would, is linked.
bool PlaceRehomedCopy(RunningJob& job, const std::u16string& path, const std::u16string& target,
                      const WIN32_FIND_DATAW& found, clProcessNotify* notifier)
{
    if (found.dwFileAttributes == FILE_ATTRIBUTE_NORMAL && CreateHardLinkW(target.c_str(), path.c_str(), nullptr)) {
        return true;
    }
    DWORD error = 0;
    return CopyOneFile(job, path, target, COPY_PLAIN, u"", notifier, &error, &found);
}

// An entry of the item as the re-homing pass listed it, with the entries of a folder that is no
// link, so that the delete pass reads nothing again.
struct ListedEntry {
    WIN32_FIND_DATAW entry;
    std::vector<ListedEntry> children;
};

// The files of the item whose re-homing failed stay; everything else of the item goes. The list
// files of a run folder go last, only once all else of it went, so that a run whose delete stopped
// part way is still a date that a later delete finishes.
bool DeleteFolderExcept(RunningJob& job, const std::u16string& path, const std::vector<ListedEntry>& entries,
                        const std::unordered_set<std::u16string>& kept, bool runFolder)
{
    if (job.HeldDriveGone(true)) {
        return false;
    }
    bool allGone = true;
    std::vector<std::u16string> lists;
    for (const ListedEntry& listed : entries) {
        const WIN32_FIND_DATAW& entry = listed.entry;
        // A name no Windows folder holds would name another entry once joined: it stays, and so
        // does its folder.
        if (!IsSafeDriveName(entry.cFileName)) {
            allGone = false;
            continue;
        }
        const std::u16string child = WithTrailingBackslash(path) + entry.cFileName;
        if (IsLinkEntry(entry)) {
            allGone = DeleteTree(child, [&job] { return KeepDeleting(job); }) && allGone;
        } else if (IsDirectoryEntry(entry)) {
            allGone = DeleteFolderExcept(job, child, listed.children, kept, false) && allGone;
        } else if (runFolder && IsRunListFileName(entry.cFileName)) {
            lists.push_back(child);
        } else {
            allGone = !kept.contains(child) && DeleteFileEntry(job, child, entry) && allGone;
        }
    }
    if (!allGone) {
        return false;
    }
    for (const std::u16string& list : lists) {
        DeleteTree(list, [&job] { return KeepDeleting(job); });
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
}

// The re-homing pass of every file of the item (a linked folder holds none of the run's files); it
// lists each folder of the item into listed.
void RehomeFiles(RunningJob& job, const std::vector<RepeatListOfRun*>& runs, const std::u16string& ownRun,
                 const std::u16string& path, ListedEntry& listed, std::unordered_set<std::u16string>& kept,
                 clProcessNotify* notifier)
{
    // A link goes as a link: re-homing would copy what lies behind it.
    if (IsLinkEntry(listed.entry)) {
        return;
    }
    if (!IsDirectoryEntry(listed.entry)) {
        job.PumpAtIntervals();
        if (!RehomeFile(job, runs, ownRun, path, listed.entry, notifier)) {
            kept.insert(path);
        }
        return;
    }
    ForEachFolderEntry(path, [&](const WIN32_FIND_DATAW& entry, int) {
        if (!IsDotsName(entry.cFileName)) {
            listed.children.push_back({entry, {}});
        }
        return true;
    });
    for (ListedEntry& child : listed.children) {
        if (IsSafeDriveName(child.entry.cFileName)) {
            RehomeFiles(job, runs, ownRun, WithTrailingBackslash(path) + child.entry.cFileName, child, kept, notifier);
        }
    }
}

}  // namespace

bool DeleteSelectedItems(RunningJob& job, const DELETE_SELECTION& selection, const std::u16string& baseFolder,
                         clProcessNotify* notifier)
{
    ArmNotifier(notifier);
    const std::u16string base = WithTrailingBackslash(baseFolder);
    const JobDriveHold drive(job, base);
    if (!drive.holds()) {
        return false;
    }
    RepeatListSet lists;
    bool result = true;
    const int count = std::min(selection.Count, static_cast<int>(selection.Paths.size()));
    for (int j = count - 1; j >= 0; --j) {
        const std::u16string& path = selection.Paths[static_cast<std::size_t>(j)];
        const std::u16string stamp = CharsFrom(path, base.size()).substr(0, kRunStampLength);
        if (StopIfDriveGone(job, base.substr(0, 3)) || !LiesInsideFolder(path, base) || CrossesDriveLink(path) ||
            !IsRunStampName(stamp) || !DeleteBackupItem(job, lists, base, stamp, path, notifier)) {
            StopIfDriveGone(job, base.substr(0, 3));
            result = false;
            break;
        }
        // A later run's list that still names the deleted copy would fail its restore: said, not hidden.
        if (!UpdateLaterRunReferences(job, lists, base, stamp, path, ReferencePass::CleanUp, notifier) ||
            TrimRunOfDeletedItem(lists, base, stamp, path) != ERROR_SUCCESS) {
            result = false;
            break;
        }
    }
    return result;
}

bool DeleteBackupItem(RunningJob& job, RepeatListSet& lists, const std::u16string& baseFolder,
                      const std::u16string& stamp, const std::u16string& path, clProcessNotify* notifier)
{
    WIN32_FIND_DATAW found;
    if (!FindEntry(path, &found)) {
        return true;
    }
    // A link goes as a link: re-homing would copy what lies behind it.
    if (IsLinkEntry(found)) {
        return DeleteTree(path, [&job] { return KeepDeleting(job); });
    }
    // Every later run names its new copies on the drive before any file of the item goes.
    const std::u16string base = WithTrailingBackslash(baseFolder);
    const std::vector<RepeatListOfRun*> runs = lists.RunsFrom(base, stamp);
    std::unordered_set<std::u16string> kept;
    ListedEntry item{found, {}};
    {
        // Only this job writes the later runs' folders meanwhile: each is read for free names once.
        const platform::KeepFolderNames keepNames;
        RehomeFiles(job, runs, base + stamp + u"\\", path, item, kept, notifier);
    }
    if (RepeatListSet::SaveChanged(runs) != ERROR_SUCCESS) {
        return false;
    }
    if (!IsDirectoryEntry(found)) {
        return kept.empty() && DeleteTree(path, [&job] { return KeepDeleting(job); });
    }
    return DeleteFolderExcept(job, path, item.children, kept, IsRunFolderPath(path));
}

bool RehomeFile(RunningJob& job, const std::vector<RepeatListOfRun*>& runs, const std::u16string& ownRun,
                const std::u16string& path, const WIN32_FIND_DATAW& found, clProcessNotify* notifier)
{
    std::u16string rehomedPath;
    for (RepeatListOfRun* run : runs) {
        if (run->RunFolder() == ownRun) {
            continue;
        }
        bool missing = false;
        if (!run->Load(&missing)) {
            // A list that cannot be read may still name the file: keep the file.
            if (missing) {
                continue;
            }
            return false;
        }
        const int index = FindRepeatReference(*run, path);
        if (index < 0) {
            continue;
        }
        const auto line = static_cast<std::size_t>(index);
        if (rehomedPath.empty()) {
            // The first later run that names the file receives it at the file's place in that run.
            const std::u16string target = run->RunFolder() + CharsFrom(path, run->RunFolder().size());
            if (!LiesInsideFolder(target, run->RunFolder())) {
                return false;
            }
            const std::u16string folder = ParentFolderOf(target);
            if (folder != run->CheckedFolder()) {
                // The folder is read once: whether it is a link, and whether it must be made.
                const DWORD attributes = GetFileAttributesW(folder.c_str());
                const bool missing = attributes == INVALID_FILE_ATTRIBUTES;
                if ((!missing && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) ||
                    CrossesDriveLink(folder, run->CheckedFolder())) {
                    return false;
                }
                if (missing) {
                    CreateDirPathLike(folder, ParentFolderOf(path));
                }
            }
            if (!PlaceRehomedCopy(job, path, target, found, notifier)) {
                return false;
            }
            run->SetCheckedFolder(folder);
            rehomedPath = target;
            run->Remove(line);
        } else {
            run->Repoint(line, rehomedPath);
        }
    }
    return true;
}

bool UpdateLaterRunReferences(RunningJob& job, RepeatListSet& lists, const std::u16string& baseFolder,
                              const std::u16string& stamp, const std::u16string& path, ReferencePass pass,
                              clProcessNotify* notifier)
{
    const std::u16string base = WithTrailingBackslash(baseFolder);
    const std::vector<RepeatListOfRun*> runs = lists.RunsFrom(base, stamp);
    if (pass == ReferencePass::Rehome) {
        // A missing file keeps an empty record: its re-homing fails only where a list names it.
        WIN32_FIND_DATAW found;
        FindEntry(path, &found);
        return RehomeFile(job, runs, base + stamp + u"\\", path, found, notifier) &&
               RepeatListSet::SaveChanged(runs) == ERROR_SUCCESS;
    }
    for (RepeatListOfRun* run : runs) {
        bool missing = false;
        if (run->Load(&missing)) {
            DropReferencesBelow(*run, path);
        }
    }
    return RepeatListSet::SaveChanged(runs) == ERROR_SUCCESS;
}

int FindRepeatReference(const RepeatListOfRun& list, const std::u16string& path)
{
    return list.Find(path);
}

bool DropReferencesBelow(RepeatListOfRun& list, const std::u16string& path)
{
    return list.RemoveAtOrBelow(path);
}
