#include "backup/engine/RestoreFile.h"

#include "backup/engine/CopyOneFile.h"
#include "backup/engine/DrivePathCheck.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/Restore.h"
#include "backup/frame/MainWin.h"
#include "ui/controls/label.h"
#include "ui/controls/list_view.h"

namespace {

constexpr std::u16string_view kContainerSuffix = u".vemoen";

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// A plain copy to a name its folder does not hold yet; it gets its source's read-only and hidden
// bits, as CopyOneFile gives a new copy. Should the name be taken after all, CopyOneFile takes over.
bool CopyToFreeName(const std::u16string& source, const std::u16string& target, const WIN32_FIND_DATAW& found,
                    const std::u16string& pass, clProcessNotify* notifier, DWORD* error)
{
    if (!CopyFileExW(source.c_str(), target.c_str(), CopyProgressRoutine, nullptr, nullptr, COPY_FILE_NAME_IS_FREE)) {
        *error = GetLastError();
        return *error == ERROR_FILE_EXISTS && CopyOneFile(source, target, COPY_PLAIN, pass, notifier, error);
    }
    const DWORD kept = found.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(target.c_str(), kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept);
    *error = ERROR_SUCCESS;
    return true;
}

}  // namespace

RESTORE_JOB RestoreJobOf(TMainForm& form, const std::u16string& pass)
{
    RESTORE_JOB job;
    job.ErrorList = form.Progress_List;
    job.PathLabel = form.Progress_File_Path_Lab;
    job.Completed = form.CompletedFiles.get();
    job.Failed = form.FailedFiles.get();
    job.Pass = pass;
    job.Notifier = form.ProgressNotify.get();
    return job;
}

bool RestoreOneFile(const RESTORE_JOB& job, const std::u16string& source, const std::u16string& target,
                    const std::u16string& targetFolder, const WIN32_FIND_DATAW& found, bool nameIsFree)
{
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        RefuseRestoreEntry(job, source, ERROR_CANT_ACCESS_FILE);
        return false;
    }
    if (!LiesInsideFolder(target, targetFolder)) {
        RefuseRestoreEntry(job, source);
        return false;
    }
    const int mode = source.ends_with(kContainerSuffix) ? COPY_DECODE : COPY_PLAIN;
    if (nameIsFree && mode == COPY_PLAIN) {
        return ReportedCopy(job.ErrorList, job.PathLabel, *job.Completed, *job.Failed, source, found, [&](DWORD* error) {
            return CopyToFreeName(source, target, found, job.Pass, job.Notifier, error);
        });
    }
    return CopyReportedFile(job.ErrorList, job.PathLabel, *job.Completed, *job.Failed, source, target, found, job.Pass,
                            mode, job.Notifier);
}

void RefuseRestoreEntry(const RESTORE_JOB& job, const std::u16string& source, DWORD error)
{
    ReportFailedFile(job.ErrorList, *job.Failed, WIN32_FIND_DATAW(), error, source);
}

bool IsDriveRelativePath(std::u16string_view relative)
{
    return !relative.empty() && IsAsciiLetter(relative[0]) && (relative.size() == 1 || relative[1] == u'\\');
}

std::u16string DriveRootOf(const std::u16string& path)
{
    return path.substr(0, 1) + u":\\";
}
