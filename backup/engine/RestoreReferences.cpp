#include "backup/base/DrivePathCheck.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RestoreFile.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"
#include "lists/string_list.h"

#include <algorithm>

namespace {

// Calls restore(copy, relative) for every repeat-list line of the run that belongs to the selected
// item; a line that belongs but names a place outside the run's kind folder is refused. False when
// the run has no repeat list or the job was cancelled.
template <class Restore>
bool ForEachBelongingReference(const RESTORE_JOB& job, const std::u16string& runFolder,
                               const std::u16string& selectedPath, bool isFolder, std::size_t restoreOffset,
                               Restore restore)
{
    lists::TStringList repeatList;
    const std::u16string listPath = RepeatListPath(runFolder);
    if (!PathExists(listPath) || !repeatList.LoadFromFile(listPath)) {
        return false;
    }
    const std::size_t from = restoreOffset - 1;
    const std::u16string selected = CharsFrom(selectedPath, from);
    for (const std::u16string& line : repeatList.Lines()) {
        if (JobCancelRequested(*job.Running)) {
            return false;
        }
        const std::u16string copy = RepeatCopyOf(runFolder, line);
        std::u16string named = copy.empty() ? runFolder.substr(0, 3) + line : copy;
        std::replace(named.begin(), named.end(), u'/', u'\\');
        const std::u16string relative = CharsFrom(named, from);
        if (relative.empty() || !ReferenceBelongsTo(relative, selected, isFolder)) {
            continue;
        }
        if (copy.empty() || !IsDriveRelativePath(relative)) {
            RefuseRestoreEntry(job, named);
            continue;
        }
        restore(copy, relative);
    }
    return true;
}

// linkFreeFolder: the folder of the copy before, found with no link on its way. The copies of one
// folder follow each other in the list, so each folder is checked once, and only below the part of
// its path that it shares with the folder before.
void RestoreReferencedCopy(const RESTORE_JOB& job, const std::u16string& copy, const std::u16string& target,
                           const std::u16string& targetFolder, std::u16string& linkFreeFolder)
{
    const std::u16string folder = ParentFolderOf(copy);
    if (folder != linkFreeFolder) {
        if (CrossesDriveLink(copy, linkFreeFolder)) {
            RefuseRestoreEntry(job, copy, ERROR_CANT_ACCESS_FILE);
            return;
        }
        linkFreeFolder = folder;
    }
    WIN32_FIND_DATAW found{};
    FindEntry(copy, &found);
    RestoreOneFile(job, copy, target, targetFolder, found);
}

}  // namespace

bool RestoreReferencesToOriginal(const RESTORE_JOB& job, const std::u16string& runFolder,
                                 const std::u16string& selectedPath, bool isFolder, std::size_t restoreOffset)
{
    std::u16string linkFreeFolder;
    return ForEachBelongingReference(job, runFolder, selectedPath, isFolder, restoreOffset,
                                     [&](const std::u16string& copy, const std::u16string&) {
                                         const std::u16string target = OriginalPathOf(copy, restoreOffset);
                                         RestoreReferencedCopy(job, copy, target, DriveRootOf(target), linkFreeFolder);
                                     });
}

bool RestoreReferencesToFolder(const RESTORE_JOB& job, const std::u16string& runFolder,
                               const std::u16string& selectedPath, const std::u16string& destinationFolder,
                               const std::u16string& destinationName, bool isFolder, std::size_t restoreOffset)
{
    const std::u16string base = WithTrailingBackslash(destinationFolder) + destinationName + (isFolder ? u"\\" : u"");
    std::u16string linkFreeFolder;
    return ForEachBelongingReference(
        job, runFolder, selectedPath, isFolder, restoreOffset, [&](const std::u16string& copy, const std::u16string&) {
            const std::u16string below = isFolder ? CharsFrom(copy, selectedPath.size() + 1) : std::u16string();
            RestoreReferencedCopy(job, copy, base + below, destinationFolder, linkFreeFolder);
        });
}
