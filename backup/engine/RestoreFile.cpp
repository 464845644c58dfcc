#include "backup/engine/RestoreFile.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/Restore.h"

namespace {

constexpr std::u16string_view kContainerSuffix = u".vemoen";

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace

bool RestoreOneFile(const RESTORE_JOB& job, const std::u16string& source, const std::u16string& target,
                    const std::u16string& targetFolder, const WIN32_FIND_DATAW& found)
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
    return CopyReportedFile(*job.Running, *job.Completed, *job.Failed, source, target, found, job.Pass, mode,
                            job.Notifier);
}

void RefuseRestoreEntry(const RESTORE_JOB& job, const std::u16string& source, DWORD error)
{
    ReportFailedFile(*job.Running, *job.Failed, WIN32_FIND_DATAW(), error, source);
}

bool IsDriveRelativePath(std::u16string_view relative)
{
    return !relative.empty() && IsAsciiLetter(relative[0]) && (relative.size() == 1 || relative[1] == u'\\');
}

std::u16string DriveRootOf(const std::u16string& path)
{
    return path.substr(0, 1) + u":\\";
}
