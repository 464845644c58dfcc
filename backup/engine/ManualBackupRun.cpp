#include "backup/engine/ManualBackupRun.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/TreeDelete.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Container.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/DuplicateDetection.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/PackedLines.h"
#include "backup/engine/RunningJob.h"
#include "platform/clock.h"
#include "platform/host_case.h"

#include <vector>

namespace {

bool IsDriveRootPath(const std::u16string& path)
{
    return path.size() >= 2 && path.compare(path.size() - 2, 2, u":\\") == 0;
}

// The source path without the item name at its end: D:\Data\ for D:\Data\Docs, empty for E:\.
std::u16string ParentPart(const std::u16string& source, const std::u16string& name)
{
    return source.size() >= name.size() ? source.substr(0, source.size() - name.size()) : std::u16string();
}

struct ManualRun {
    RunningJob& job;
    lists::TStringList& completed;
    lists::TStringList& failed;
    std::int64_t& doneBytes;
    const std::u16string& pass;
    int mode = COPY_PLAIN;
    clProcessNotify* notifier = nullptr;
    std::u16string driveRoot;
    std::u16string windowsFolder;
    DuplicateCandidates candidates;
    PackedLines oriSizes;
    PackedLines repeats;
    // The sizes of the files this run completed, in the order of `completed` from
    // firstCompleted on, so that a cancel can report them as failed.
    int firstCompleted = 0;
    std::vector<LONGLONG> completedSizes;
};

void Complete(ManualRun& run, const std::u16string& source, const std::u16string& destination,
              const WIN32_FIND_DATAW& found)
{
    run.completed.Add(source);
    run.completedSizes.push_back(EntrySize(found));
    AddOriSizeLine(run.oriSizes, destination, EntrySize(found));
}

// A file not backed up: its bytes count as done, so the bars still reach their end.
void FailFile(ManualRun& run, const std::u16string& source, const WIN32_FIND_DATAW& found, DWORD error)
{
    ReportFailedFile(run.job, run.failed, found, error, source);
    run.doneBytes += EntrySize(found);
    ShowTotalPercent(run.job);
}

void BackUpFile(ManualRun& run, const std::u16string& source, std::u16string destination, const WIN32_FIND_DATAW& found)
{
    const LONGLONG size = EntrySize(found);
    run.job.ShowPath(source);
    if (run.mode == COPY_ENCODE) {
        destination += CONTAINER_SUFFIX;
    }
    // Joined into a path, a name that no Windows folder holds would name another file.
    DWORD error = IsSafeDriveName(found.cFileName) ? ERROR_SUCCESS : ERROR_INVALID_NAME;
    if (error == ERROR_SUCCESS &&
        IsManualDuplicate(run.job, run.candidates, run.repeats, destination, found.ftLastWriteTime, size)) {
        Complete(run, source, destination, found);
        run.doneBytes += size;
        ShowFileDone(run.job);
        ShowTotalPercent(run.job);
        return;
    }
    if (error == ERROR_SUCCESS &&
        CopyOneFile(run.job, source, destination, run.mode, run.pass, run.notifier, &error, &found)) {
        Complete(run, source, destination, found);
        return;
    }
    FailFile(run, source, found, error);
    StopIfDriveGone(run.job, run.driveRoot);
}

// Backs up sourceFolder\sourceName into destinationFolder\destinationName; fromListing, when given,
// is its find record from the listing of sourceFolder. 0 when it stopped on a cancel, else 1.
int ManualBackupWalk(ManualRun& run, std::u16string sourceFolder, const std::u16string& destinationFolder,
                     const std::u16string& sourceName, const std::u16string& destinationName,
                     const WIN32_FIND_DATAW* fromListing = nullptr)
{
    if (!sourceFolder.empty()) {
        sourceFolder = WithTrailingBackslash(sourceFolder);
    }
    const std::u16string item = sourceFolder + sourceName;
    std::u16string source = item;
    std::u16string destination = WithTrailingBackslash(destinationFolder) + destinationName;
    const bool root = IsDriveRootPath(source);
    WIN32_FIND_DATAW own{};
    if (fromListing != nullptr) {
        own = *fromListing;
    } else if (!root && !FindEntry(source, &own)) {
        ReportFailedFile(run.job, run.failed, WIN32_FIND_DATAW(), GetLastError(), item);
        return 1;
    }
    if (!root && (own.dwFileAttributes & (FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) == 0) {
        BackUpFile(run, source, destination, own);
        return 1;
    }
    // A ticked folder that is a link is not followed, like every other linked folder.
    if (!root && IsLinkEntry(own)) {
        return 1;
    }
    CreateDirPathLike(destination, source);
    source = WithTrailingBackslash(source);
    destination = WithTrailingBackslash(destination);
    int result = 1;
    CaseTwins twins;
    const bool listed = ForEachFolderEntry(source, [&](const WIN32_FIND_DATAW& entry, int) {
        if (JobCancelRequested(run.job)) {
            result = 0;
            return false;
        }
        const std::u16string path = source + entry.cFileName;
        if (twins.IsTwin(entry)) {
            WIN32_FIND_DATAW passed = entry;
            if (IsDirectoryEntry(entry)) {
                // The size pass counted what the folder holds.
                LONGLONG held = 0;
                SumPathSize(run.job, held, source, entry.cFileName, u"*.*");
                passed.nFileSizeHigh = static_cast<DWORD>(static_cast<ULONGLONG>(held) >> 32);
                passed.nFileSizeLow = static_cast<DWORD>(held);
            }
            FailFile(run, path, passed, ERROR_ALREADY_EXISTS);
            return true;
        }
        if (IsWalkedFolderEntry(entry) && !IsSafeDriveName(entry.cFileName)) {
            ReportFailedFile(run.job, run.failed, entry, ERROR_INVALID_NAME, path);
            return true;
        }
        if (IsDirectoryEntry(entry) || IsSystemEntry(entry)) {
            if (IsWalkedFolderEntry(entry) && path != run.windowsFolder &&
                ManualBackupWalk(run, source, destination, entry.cFileName, entry.cFileName, &entry) == 0) {
                result = 0;
                return false;
            }
            return true;
        }
        BackUpFile(run, path, destination + entry.cFileName, entry);
        return true;
    });
    if (!listed) {
        if (const DWORD error = ListingError()) {
            ReportFailedFile(run.job, run.failed, own, error, item);
        }
    }
    return result;
}

// A ticked item whose place in the run folder differs only in case from an earlier item's, at any
// level, would land in or on that item's copy: it fails instead.
bool ClashesWithEarlierItem(ManualRun& run, const BACKUP_SELECTION& selection, std::size_t at)
{
    for (std::size_t earlier = 0; earlier < at; ++earlier) {
        if (DifferInCaseOnly(selection.RelativePaths[at], selection.RelativePaths[earlier])) {
            ReportFailedFile(run.job, run.failed, WIN32_FIND_DATAW(), ERROR_ALREADY_EXISTS, selection.SourcePaths[at]);
            return true;
        }
    }
    return false;
}

// True when every list was saved; each that was not is a failed line.
bool SaveRunLists(ManualRun& run, const std::u16string& runFolder, const BACKUP_SELECTION& selection)
{
    bool saved = SaveListFileReported(run.job, run.oriSizes, OriSizeFilePath(runFolder), run.failed);
    saved = SaveListFileReported(run.job, run.repeats, RepeatListPath(runFolder), run.failed) && saved;
    const DWORD error = SaveSelectionRecord(runFolder, selection);
    if (error != ERROR_SUCCESS) {
        ReportFailedFile(run.job, run.failed, WIN32_FIND_DATAW(), error, RecordPath(runFolder));
    }
    return saved && error == ERROR_SUCCESS;
}

}  // namespace

void SumSelectionSize(RunningJob& job, LONGLONG& total, const BACKUP_SELECTION& selection)
{
    for (int i = 0; i < selection.Count && !JobCancelRequested(job); ++i) {
        const auto at = static_cast<std::size_t>(i);
        SumPathSize(job, total, ParentPart(selection.SourcePaths[at], selection.ItemNames[at]), selection.ItemNames[at],
                    u"*.*");
    }
}

int RunManualBackup(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                    const BACKUP_SELECTION& selection, const std::u16string& destinationRoot,
                    const std::u16string& pass, BYTE encrypt, clProcessNotify* notifier)
{
    const platform::KeepFolderNames keep;
    const JobDriveHold drive(job, destinationRoot);
    if (!drive.holds()) {
        return 0;
    }
    const std::u16string manualFolder = ManualBackupFolder(destinationRoot, true, job.HideBackupFolder());
    SYSTEMTIME now;
    GetLocalTime(&now);
    const SYSTEMTIME runTime = FreeRunTime(job, JOB_KIND_MANUAL, now, destinationRoot);
    const std::u16string runFolder = StampedFolderAt(manualFolder, runTime, true);

    ManualRun run{job, completed, failed, job.Bytes().done, pass};
    run.mode = encrypt != 0 ? COPY_ENCODE : COPY_PLAIN;
    ArmNotifier(notifier);
    run.notifier = notifier;
    run.driveRoot = destinationRoot.substr(0, 3);
    run.windowsFolder = WindowsFolder();
    run.firstCompleted = completed.Count();
    SaveLastManualBackupTime();
    WriteJobMarker(job, JOB_KIND_MANUAL, runTime, destinationRoot);
    CollectManualCandidates(job, run.candidates, runTime, manualFolder);

    for (int i = 0; i < selection.Count && !JobCancelRequested(job) && !StopIfDriveGone(job, run.driveRoot); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::u16string& name = selection.ItemNames[at];
        if (!ClashesWithEarlierItem(run, selection, at)) {
            ManualBackupWalk(run, ParentPart(selection.SourcePaths[at], name), runFolder, name,
                             selection.RelativePaths[at]);
        }
    }
    const bool listsSaved =
        !JobCancelRequested(job) && !StopIfDriveGone(job, run.driveRoot) && SaveRunLists(run, runFolder, selection);
    if (!listsSaved && !JobCancelRequested(job)) {
        StopIfDriveGone(job, run.driveRoot);
    }
    if (JobCancelRequested(job)) {
        DeleteTree(runFolder, [&job] { return KeepDeleting(job); });
        ReportCancelledFiles(job, run.completed, run.failed, run.firstCompleted, run.completedSizes);
        if (!JobLeavesMarker(job)) {
            RemoveJobMarker();
        }
        return 0;
    }
    // Without its lists the run is no date: the marker stays, so its folder is cleaned like that of
    // a run cut short.
    if (listsSaved) {
        RemoveJobMarker();
    }
    return 1;
}
