#include "backup/engine/RestoreSizes.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"

namespace {

constexpr int kPumpEvery = 50;

// The original sizes of the file at path or of the files below it; the list files are passed over
// directly inside a run folder only (Record.ini counts), and a link is never counted or entered.
void AddTreeRestoreSize(RunningJob& job, LONGLONG& total, OriSizeIndex& oriSizes, const std::u16string& path,
                        bool runFolderLevel)
{
    WIN32_FIND_DATAW found;
    if (!FindEntry(path, &found) || IsLinkEntry(found)) {
        return;
    }
    if (!IsDirectoryEntry(found)) {
        if (!TakeOriSizeOfFile(total, oriSizes, path)) {
            total += EntrySize(found);
        }
        return;
    }
    ForEachFolderEntry(path, [&](const WIN32_FIND_DATAW& entry, int index) {
        if (index % kPumpEvery == 0) {
            job.PumpMessages();
        }
        if (JobCancelRequested(job)) {
            return false;
        }
        const std::u16string name = entry.cFileName;
        if (IsDotsName(name) || IsLinkEntry(entry) || !IsSafeDriveName(name)) {
            return true;
        }
        const std::u16string child = WithTrailingBackslash(path) + name;
        if (!IsDirectoryEntry(entry)) {
            const bool listFile = runFolderLevel && (name == RepeatListFileName() || name == OriSizeFileName());
            if (!listFile && !TakeOriSizeOfFile(total, oriSizes, child)) {
                total += EntrySize(entry);
            }
        } else {
            AddTreeRestoreSize(job, total, oriSizes, child, false);
        }
        return true;
    });
}

}  // namespace

void ComputeManualRestoreSize(RunningJob& job, LONGLONG& total, const BACKUP_SELECTION& selection,
                              const std::u16string& manualFolder)
{
    const std::u16string base = WithTrailingBackslash(manualFolder);
    lists::TStringList repeatList;
    OriSizeIndex oriSizes;
    for (int i = 0; i < selection.Count && i < static_cast<int>(selection.SourcePaths.size()); ++i) {
        if (JobCancelRequested(job)) {
            return;
        }
        const std::u16string& path = selection.SourcePaths[static_cast<std::size_t>(i)];
        const std::u16string runFolder = base + CharsFrom(path, base.size()).substr(0, kRunStampLength);
        if (PathExists(OriSizePath(runFolder))) {
            (void)oriSizes.LoadFromFile(OriSizePath(runFolder));
        }
        const std::u16string relative = CharsFrom(path, runFolder.size() + 1);
        AddItemRestoreSize(job, total, oriSizes, path);
        AddReferenceSizes(job, total, repeatList, oriSizes, runFolder, relative, DirExists(path));
    }
}

void AddItemRestoreSize(RunningJob& job, LONGLONG& total, OriSizeIndex& oriSizes, const std::u16string& path)
{
    if (!CrossesDriveLink(path)) {
        AddTreeRestoreSize(job, total, oriSizes, path, IsRunFolderPath(path));
    }
}

void AddReferenceSizes(RunningJob& job, LONGLONG& total, lists::TStringList& repeatList, OriSizeIndex& oriSizes,
                       const std::u16string& runFolder, const std::u16string& relative, bool isFolder)
{
    const std::u16string run = WithTrailingBackslash(runFolder);
    repeatList.Clear();
    if (!PathExists(RepeatListPath(runFolder)) || !repeatList.LoadFromFile(RepeatListPath(runFolder))) {
        return;
    }
    for (int i = 0; i < repeatList.Count(); ++i) {
        if (i % kPumpEvery == 0) {
            job.PumpMessages();
        }
        if (JobCancelRequested(job)) {
            return;
        }
        const std::u16string copy = RepeatCopyOf(run, repeatList.Strings(i));
        const std::u16string referenceRelative = CharsFrom(copy, run.size());
        if (copy.empty() || !ReferenceBelongsTo(referenceRelative, relative, isFolder)) {
            continue;
        }
        if (!TakeOriSizeOfFile(total, oriSizes, run + referenceRelative) && !CrossesDriveLink(copy)) {
            AddOnDiskSize(total, copy);
        }
    }
}

bool TakeOriSizeOfFile(LONGLONG& total, OriSizeIndex& oriSizes, const std::u16string& path)
{
    return oriSizes.Take(total, kDrivePrefixLength, CharsFrom(path, kDrivePrefixLength));
}

void AddOnDiskSize(LONGLONG& total, const std::u16string& path)
{
    WIN32_FIND_DATAW found;
    if (FindEntry(path, &found) && !IsLinkEntry(found)) {
        total += EntrySize(found);
    }
}
