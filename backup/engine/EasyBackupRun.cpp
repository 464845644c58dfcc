#include "backup/engine/EasyBackupRun.h"

#include "backup/base/AccessGrant.h"
#include "backup/base/BackupDriveLayout.h"
#include "backup/base/DrivePathCheck.h"
#include "backup/base/PathUtil.h"
#include "backup/base/TreeDelete.h"
#include "backup/engine/Categories.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Container.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/DestRelativePath.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/DuplicateDetection.h"
#include "backup/engine/EasyTreeWalk.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/PackedLines.h"
#include "backup/engine/RunningJob.h"
#include "platform/clock.h"
#include "platform/host_case.h"

#include <vector>

namespace {

// One folder per Easy category, Document .. Mail; empty for a category the run did not select.
using CLASSPATH = PerEasyCategory<std::u16string>;
using CategoryFlags = PerEasyCategory<BYTE>;

std::u16string RunFolderOfCategory(int category, const CLASSPATH& runFolders)
{
    return category >= CATEGORY_DOCUMENT && category <= CATEGORY_MAIL
               ? runFolders[static_cast<std::size_t>(category - 1)]
               : std::u16string();
}

template <class Visit> void ForEachSelectedCategory(const CategoryFlags& categories, Visit visit)
{
    for (int category = CATEGORY_DOCUMENT; category <= CATEGORY_MAIL; ++category) {
        if (IsCategorySelected(category, categories)) {
            visit(category, static_cast<std::size_t>(category - 1));
        }
    }
}

// The destination of folder\name (folder with a trailing "\"); its folder is created.
std::u16string EasyDestinationPath(const std::u16string& folder, const std::u16string& name, int category,
                                   const CLASSPATH& runFolders)
{
    const std::u16string destinationFolder =
        WithTrailingBackslash(RunFolderOfCategory(category, runFolders)) + DestRelativePath(folder);
    CreateDirPathLike(destinationFolder, folder);
    return WithTrailingBackslash(destinationFolder) + name;
}

// The state of one run that every file of the walk reads or adds to.
struct EasyRun {
    RunningJob& job;
    lists::TStringList& completed;
    lists::TStringList& failed;
    std::int64_t& doneBytes;
    const PerEasyCategory<lists::TStringList*>& repeatLists;
    const std::u16string& pass;
    int mode = COPY_PLAIN;
    clProcessNotify* notifier = nullptr;
    std::u16string driveRoot;
    CLASSPATH runFolders;
    DuplicateCandidates candidates;
    PerEasyCategory<PackedLines> oriSizes;
    // The sizes of the files this run completed, in the order of `completed` from
    // firstCompleted on, so that a cancel can report them as failed.
    int firstCompleted = 0;
    std::vector<LONGLONG> completedSizes;
};

void PassOver(EasyRun& run, LONGLONG size)
{
    run.doneBytes += size;
    ShowFileDone(run.job);
    ShowTotalPercent(run.job);
}

void Complete(EasyRun& run, int category, const std::u16string& source, const std::u16string& destination,
              const WIN32_FIND_DATAW& found)
{
    AddOriSizeLine(run.oriSizes[static_cast<std::size_t>(category - 1)], destination, EntrySize(found));
    run.completed.Add(source);
    run.completedSizes.push_back(EntrySize(found));
}

void BackUpFile(EasyRun& run, const CategoryFlags& categories, const std::u16string& source,
                const WIN32_FIND_DATAW& found)
{
    const LONGLONG size = EntrySize(found);
    const int category = CategoryOfPath(source);
    if (!IsCategorySelected(category, categories)) {
        PassOver(run, size);
        return;
    }
    run.job.ShowPath(source);
    const std::u16string folder = source.substr(0, source.size() - found.cFileName.size());
    std::u16string destination = EasyDestinationPath(folder, found.cFileName, category, run.runFolders);
    if (run.mode == COPY_ENCODE) {
        destination += CONTAINER_SUFFIX;
    }
    // Joined into a path, a name that no Windows folder holds would name another file.
    DWORD error = IsSafeDriveName(found.cFileName) ? ERROR_SUCCESS : ERROR_INVALID_NAME;
    if (error == ERROR_SUCCESS &&
        IsEasyDuplicate(run.job, run.candidates, category, destination, found.ftLastWriteTime, size, run.repeatLists)) {
        Complete(run, category, source, destination, found);
        PassOver(run, size);
        return;
    }
    if (error == ERROR_SUCCESS &&
        CopyOneFile(run.job, source, destination, run.mode, run.pass, run.notifier, &error, &found)) {
        Complete(run, category, source, destination, found);
        return;
    }
    ReportFailedFile(run.job, run.failed, found, error, source);
    run.doneBytes += size;
    ShowTotalPercent(run.job);
    StopIfDriveGone(run.job, run.driveRoot);
}

// Walks folder\name and backs up what it finds. 0 when it stopped on CancelRequested, else 1.
int EasyBackupWalk(EasyRun& run, const CategoryFlags& categories, const std::u16string& folder,
                   const std::u16string& name)
{
    const auto keepWindowAlive = [&run] {
        UpdateRemainingTime(run.job);
        run.job.PumpMessages();
    };
    EasyTreeWalk walk(run.job);
    walk.OnCall = [&] {
        keepWindowAlive();
        return true;
    };
    walk.OnEntry = [&](int) { keepWindowAlive(); };
    walk.OnFile = [&](const std::u16string& path, const WIN32_FIND_DATAW& found) {
        BackUpFile(run, categories, path, found);
    };
    walk.OnFailed = [&](const std::u16string& path, const WIN32_FIND_DATAW& found, DWORD error) {
        // A file is the run's only when its category is selected; what a folder held is unknown.
        if (!IsPlainFileEntry(found) || IsCategorySelected(CategoryOfPath(path), categories)) {
            ReportFailedFile(run.job, run.failed, found, error, path);
        }
    };
    return walk.Walk(folder, name);
}

void DeleteEasyRunFolders(RunningJob& job, const CategoryFlags& categories, const CLASSPATH& runFolders)
{
    ForEachSelectedCategory(
        categories, [&](int, std::size_t slot) { DeleteTree(runFolders[slot], [&job] { return KeepDeleting(job); }); });
}

// True when every list was saved; each that was not is a failed line.
bool SaveEasyRunLists(EasyRun& run, const CategoryFlags& categories)
{
    bool saved = true;
    ForEachSelectedCategory(categories, [&](int, std::size_t slot) {
        saved =
            SaveListFileReported(run.job, run.oriSizes[slot], OriSizePath(run.runFolders[slot]), run.failed) && saved;
        saved =
            SaveListFileReported(run.job, *run.repeatLists[slot], RepeatListPath(run.runFolders[slot]), run.failed) &&
            saved;
    });
    return saved;
}

void AppendRunHistory(EasyRun& run, const std::u16string& destinationRoot, const SYSTEMTIME& runTime)
{
    const std::u16string path = BacTimeRecPath(destinationRoot, true, run.job.HideBackupFolder());
    lists::TStringList history;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        }
        // An unreadable history is kept as it is rather than replaced by this run's line alone.
        if (!history.LoadFromFile(path)) {
            ReportFailedFile(run.job, run.failed, WIN32_FIND_DATAW(), GetLastError(), path);
            return;
        }
    }
    history.Add(FormatDateTimeNumber(SystemTimeToDateTime(runTime)));
    if (SaveListFileReported(run.job, history, path, run.failed)) {
        GrantUsersFullAccess(path);
    }
}

}  // namespace

bool IsCategorySelected(int category, const PerEasyCategory<BYTE>& categories)
{
    return category >= CATEGORY_DOCUMENT && category <= CATEGORY_MAIL &&
           categories[static_cast<std::size_t>(category - 1)] != 0;
}

int RunEasyBackup(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                  const std::u16string& destinationRoot, const PerEasyCategory<BYTE>& categories,
                  const PerEasyCategory<lists::TStringList*>& repeatLists, const std::u16string& pass, BYTE encrypt,
                  clProcessNotify* notifier)
{
    const platform::KeepFolderNames keep;
    const JobDriveHold drive(job, destinationRoot);
    if (!drive.holds()) {
        return 0;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    const SYSTEMTIME runTime = FreeRunTime(job, JOB_KIND_EASY, now, destinationRoot);
    WriteJobMarker(job, JOB_KIND_EASY, runTime, destinationRoot);
    for (lists::TStringList* list : repeatLists) {
        list->Clear();
    }

    EasyRun run{job, completed, failed, job.Bytes().done, repeatLists, pass};
    run.mode = encrypt != 0 ? COPY_ENCODE : COPY_PLAIN;
    ArmNotifier(notifier);
    run.notifier = notifier;
    run.driveRoot = destinationRoot.substr(0, 3);
    run.firstCompleted = completed.Count();
    CLASSPATH categoryFolders;
    ForEachSelectedCategory(categories, [&](int category, std::size_t slot) {
        categoryFolders[slot] = CategoryBackupFolder(destinationRoot, category, true, job.HideBackupFolder());
        run.runFolders[slot] = StampedFolderAt(categoryFolders[slot], runTime, true);
    });
    const EasySourceRoots roots = ReadEasySourceRoots();
    CollectEasyCandidates(job, run.candidates, categories, runTime, categoryFolders);
    SaveLastEasyBackup(categories);

    int result = EasyBackupWalk(run, categories, u"", roots.Folders.front());
    for (std::size_t i = 1; i < roots.Folders.size() && !JobCancelRequested(job); ++i) {
        result = EasyBackupWalk(run, categories, u"", roots.Folders[i]);
    }
    if (!JobCancelRequested(job)) {
        // Of the local application data only the mail belongs to an Easy Backup.
        const CategoryFlags mailOnly = {0, 0, 0, 0, categories[CATEGORY_MAIL - 1]};
        result = EasyBackupWalk(run, mailOnly, u"", roots.LocalAppData);
    }
    for (int i = 0; i < roots.LocalFixedDisks.Count && !JobCancelRequested(job); ++i) {
        result = EasyBackupWalk(run, categories, u"", roots.LocalFixedDisks.Roots[static_cast<std::size_t>(i)]);
    }

    const bool listsSaved =
        !JobCancelRequested(job) && !StopIfDriveGone(job, run.driveRoot) && SaveEasyRunLists(run, categories);
    if (!listsSaved && !JobCancelRequested(job)) {
        StopIfDriveGone(job, run.driveRoot);
    }
    if (JobCancelRequested(job)) {
        DeleteEasyRunFolders(job, categories, run.runFolders);
        ReportCancelledFiles(job, run.completed, run.failed, run.firstCompleted, run.completedSizes);
        result = 0;
    } else if (listsSaved) {
        AppendRunHistory(run, destinationRoot, runTime);
    } else {
        // Without its lists the run is no date: the marker stays, so its folders are cleaned like
        // those of a run cut short.
        return result;
    }
    if (!JobLeavesMarker(job)) {
        RemoveJobMarker();
    }
    return result;
}
