#include "backup/base/PathUtil.h"
#include "backup/engine/Categories.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RestoreFile.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"
#include "platform/host_case.h"

#include <algorithm>
#include <memory>

namespace {

// 1-based position of the first character after "{run folder}\".
std::size_t RestoreOffsetOf(const std::u16string& runFolder)
{
    return runFolder.size() + 2;
}

// A restore to a chosen folder writes below the folder that is there when it starts (a link the
// user chose is followed then) and never through a link planted below it; one to the original place
// holds nothing, as the user's own links in the home lead where the user made them lead.
std::unique_ptr<platform::HeldDriveRoot> HoldTarget(const std::u16string& destinationFolder, bool toOriginal)
{
    return toOriginal ? nullptr : platform::HeldDriveRoot::Folder(destinationFolder);
}

// The caller's lists and notifier, walked as the running job; the notifier is armed.
RESTORE_JOB WalkedAs(RunningJob& running, const RESTORE_JOB& lists)
{
    RESTORE_JOB job = lists;
    job.Running = &running;
    ArmNotifier(job.Notifier);
    return job;
}

}  // namespace

std::u16string OriginalPathOf(const std::u16string& path, std::size_t restoreOffset)
{
    const std::u16string relative = CharsFrom(path, restoreOffset - 1);
    if (relative.empty()) {
        return {};
    }
    return relative.substr(0, 1) + u":" + relative.substr(1);
}

bool RestoreEasyCategory(const RESTORE_JOB& job, const PerEasyCategory<BYTE>& categories, bool toOriginal, int category,
                         const std::u16string& easyFolder, const std::u16string& destinationFolder,
                         const std::u16string& stamp)
{
    if (category < 1 || category > kEasyCategoryCount) {
        return false;
    }
    if (categories[static_cast<std::size_t>(category - 1)] == 0) {
        return true;
    }
    const std::u16string categoryFolder = WithTrailingBackslash(easyFolder) + CategoryFolderName(category) + u"\\";
    const std::u16string runFolder = categoryFolder + stamp;
    const std::size_t offset = RestoreOffsetOf(runFolder);
    const RestoreMark mark = MarkRestore(job);
    if (toOriginal) {
        RestoreWalkToOriginal(job, categoryFolder, stamp, offset);
        RestoreReferencesToOriginal(job, runFolder, runFolder, DirExists(runFolder), offset);
    } else {
        RestoreWalkToFolder(job, categoryFolder, destinationFolder, stamp, stamp);
        RestoreReferencesToFolder(job, runFolder, runFolder, destinationFolder, stamp, DirExists(runFolder), offset);
    }
    ReportUnrestoredFiles(job, mark, runFolder, runFolder, true);
    return true;
}

void RunEasyRestore(RunningJob& running, const RESTORE_JOB& lists, const PerEasyCategory<BYTE>& categories,
                    const std::u16string& easyFolder, const std::u16string& destinationFolder,
                    const std::u16string& stamp, bool toOriginal)
{
    const platform::KeepFolderNames keepNames;
    const JobDriveHold drive(running, easyFolder);
    if (!drive.holds()) {
        return;
    }
    const auto target = HoldTarget(destinationFolder, toOriginal);
    const RESTORE_JOB job = WalkedAs(running, lists);
    for (int category = 1; category <= kEasyCategoryCount && !StopIfDriveGone(running, easyFolder.substr(0, 3));
         ++category) {
        RestoreEasyCategory(job, categories, toOriginal, category, easyFolder, destinationFolder, stamp);
    }
}

bool RunManualRestore(RunningJob& running, const RESTORE_JOB& lists, const BACKUP_SELECTION& selection,
                      const std::u16string& manualFolder, const std::u16string& destinationFolder, bool toOriginal)
{
    const platform::KeepFolderNames keepNames;
    const JobDriveHold drive(running, manualFolder);
    if (!drive.holds()) {
        return false;
    }
    const auto target = HoldTarget(destinationFolder, toOriginal);
    const RESTORE_JOB job = WalkedAs(running, lists);
    const std::u16string base = WithTrailingBackslash(manualFolder);
    const int count = std::min({selection.Count, static_cast<int>(selection.SourcePaths.size()),
                                static_cast<int>(selection.ItemNames.size())});
    for (int i = 0; i < count; ++i) {
        const std::u16string& path = selection.SourcePaths[static_cast<std::size_t>(i)];
        const std::u16string& name = selection.ItemNames[static_cast<std::size_t>(i)];
        if (!path.ends_with(name) || path.size() < base.size() + kRunStampLength) {
            continue;
        }
        const std::u16string parent = path.substr(0, path.size() - name.size());
        const std::u16string runFolder = base + path.substr(base.size(), kRunStampLength);
        const std::size_t offset = RestoreOffsetOf(runFolder);
        if (JobCancelRequested(*job.Running) || StopIfDriveGone(running, base.substr(0, 3))) {
            return false;
        }
        const RestoreMark mark = MarkRestore(job);
        if (toOriginal) {
            RestoreWalkToOriginal(job, parent, name, offset);
        } else {
            RestoreWalkToFolder(job, parent, destinationFolder, name, name);
        }
        if (JobCancelRequested(*job.Running)) {
            return false;
        }
        const bool isFolder = DirExists(path);
        if (toOriginal) {
            RestoreReferencesToOriginal(job, runFolder, path, isFolder, offset);
        } else {
            RestoreReferencesToFolder(job, runFolder, path, destinationFolder, name, isFolder, offset);
        }
        ReportUnrestoredFiles(job, mark, runFolder, path, isFolder);
    }
    return true;
}

void SumSelectedCategorySizes(const PerEasyCategory<BYTE>& categories, const CATEGORY_SIZES& sizes, LONGLONG& total)
{
    total = 0;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        if (categories[i] != 0) {
            total += sizes.Bytes[i];
        }
    }
}
