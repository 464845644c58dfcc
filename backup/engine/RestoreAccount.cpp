#include "backup/base/BackupDriveLayout.h"
#include "backup/base/PathUtil.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RestoreFile.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"
#include "lists/string_list.h"

#include <unordered_map>
#include <vector>

RestoreMark MarkRestore(const RESTORE_JOB& job)
{
    return {job.Completed->Count(), job.Failed->Count()};
}

void ReportUnrestoredFiles(const RESTORE_JOB& job, const RestoreMark& mark, const std::u16string& runFolder,
                           const std::u16string& selectedPath, bool isFolder)
{
    lists::TStringList oriSizes;
    if (JobCancelRequested(*job.Running) || !oriSizes.LoadFromFile(OriSizePath(runFolder))) {
        return;
    }
    const std::u16string kindFolder = WithTrailingBackslash(ParentFolderOf(runFolder));
    const std::size_t runLength = runFolder.size();
    // How often each relative path was restored or reported since the mark.
    std::unordered_map<std::u16string_view, int> handled;
    for (int i = mark.Completed; i < job.Completed->Count(); ++i) {
        ++handled[RelativeInRun(job.Completed->Strings(i), kindFolder, runLength)];
    }
    for (int i = mark.Failed; i < job.Failed->Count(); ++i) {
        ++handled[RelativeInRun(FailedFilePath(job.Failed->Strings(i)), kindFolder, runLength)];
    }
    const std::u16string selected = CharsFrom(selectedPath, runLength + 1);
    struct Unrestored {
        std::u16string path;
        LONGLONG size;
    };
    std::vector<Unrestored> unrestored;
    for (const std::u16string& line : oriSizes.Lines()) {
        std::u16string_view path;
        LONGLONG size = 0;
        if (!SplitOriSizeLine(line, &path, &size)) {
            continue;
        }
        const std::u16string_view relative = RelativeInRun(path, kindFolder, runLength);
        if (relative.empty() || !ReferenceBelongsTo(relative, selected, isFolder)) {
            continue;
        }
        const auto found = handled.find(relative);
        if (found != handled.end() && found->second > 0) {
            --found->second;
        } else {
            unrestored.push_back({std::u16string(path), size});
        }
    }
    for (const Unrestored& file : unrestored) {
        ReportFailedFile(*job.Running, *job.Failed, SizedFindData(file.size), ERROR_FILE_NOT_FOUND, file.path);
    }
}
