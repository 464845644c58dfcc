#include "backup/engine/FileServices.h"

#include "backup/base/DrivePathCheck.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RunningJob.h"

#include <algorithm>

namespace {

constexpr int kSumPumpEvery = 50;
constexpr std::u16string_view kErrorCodeText = u"     ErrorCode : ";

bool IsDots(const std::u16string& name)
{
    return name == u"." || name == u"..";
}

bool IsDirectory(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsSystem(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool IsLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

LONGLONG SizeOf(const WIN32_FIND_DATAW& found)
{
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
}

bool EndsInDriveRoot(const std::u16string& path)
{
    return path.ends_with(u":\\");
}

// A list file that could not be saved is reported like a failed file naming it.
bool ReportSaveError(RunningJob& job, DWORD error, const std::u16string& path, lists::TStringList& failed)
{
    if (error != ERROR_SUCCESS) {
        ReportFailedFile(job, failed, WIN32_FIND_DATAW(), error, path);
    }
    return error == ERROR_SUCCESS;
}

}  // namespace

bool CopyReportedFile(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                      const std::u16string& source, const std::u16string& destination, const WIN32_FIND_DATAW& found,
                      const std::u16string& pass, int mode, clProcessNotify* notifier)
{
    job.ShowPath(source);
    DWORD error = 0;
    if (CopyOneFile(job, source, destination, mode, pass, notifier, &error, &found)) {
        completed.Add(source);
        return true;
    }
    ReportFailedFile(job, failed, found, error, source);
    return false;
}

std::u16string FormatByteSize(LONGLONG size)
{
    constexpr LONGLONG kGb = 1LL << 30;
    constexpr LONGLONG kMb = 1LL << 20;
    constexpr LONGLONG kKb = 1LL << 10;
    double value = static_cast<double>(size);
    std::u16string unit = u" Bytes";
    if (size >= kGb) {
        value /= kGb;
        unit = u" GB";
    } else if (size >= kMb) {
        value /= kMb;
        unit = u" MB";
    } else if (size >= kKb) {
        value /= kKb;
        unit = u" KB";
    }
    const auto tenths = static_cast<std::int32_t>(value * 10);
    return DecimalText(tenths / 10) + u"." + DecimalText(tenths % 10) + unit;
}

std::u16string FormatSizeText(DWORD sizeHigh, DWORD sizeLow)
{
    return FormatByteSize(static_cast<LONGLONG>((static_cast<ULONGLONG>(sizeHigh) << 32) | sizeLow));
}

std::u16string FailedFileLine(const std::u16string& path, DWORD error)
{
    return path + std::u16string(kErrorCodeText) + DecimalText(error);
}

WIN32_FIND_DATAW SizedFindData(LONGLONG size)
{
    WIN32_FIND_DATAW found{};
    found.nFileSizeHigh = static_cast<DWORD>(static_cast<ULONGLONG>(size) >> 32);
    found.nFileSizeLow = static_cast<DWORD>(size);
    return found;
}

std::u16string_view FailedFilePath(std::u16string_view line)
{
    return line.substr(0, line.rfind(kErrorCodeText));
}

void ReportFailedFile(RunningJob& job, lists::TStringList& failed, const WIN32_FIND_DATAW& found, DWORD error,
                      const std::u16string& path)
{
    failed.Add(FailedFileLine(path, error));
    job.FileFailed(path, found, error);
    job.HeldDriveGone(true);
}

void ReportCancelledFiles(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                          int firstCompleted, const std::vector<LONGLONG>& sizes)
{
    const int count = std::min(static_cast<int>(sizes.size()), completed.Count() - firstCompleted);
    for (int i = 0; i < count; ++i) {
        ReportFailedFile(job, failed, SizedFindData(sizes[static_cast<std::size_t>(i)]), ERROR_REQUEST_ABORTED,
                         completed.Strings(firstCompleted + i));
    }
    // From the end, so no line moves.
    for (int i = firstCompleted + count - 1; i >= firstCompleted; --i) {
        completed.Delete(i);
    }
}

bool SaveListFileReported(RunningJob& job, const lists::TStringList& list, const std::u16string& path,
                          lists::TStringList& failed)
{
    return ReportSaveError(job, SaveListFile(list, path), path, failed);
}

bool SaveListFileReported(RunningJob& job, const PackedLines& list, const std::u16string& path,
                          lists::TStringList& failed)
{
    return ReportSaveError(job, SaveListFile(list, path), path, failed);
}

void SumPathSize(RunningJob& job, LONGLONG& total, const std::u16string& folder, const std::u16string& name,
                 const std::u16string& pattern)
{
    const std::u16string path = (folder.empty() ? folder : WithTrailingBackslash(folder)) + name;
    WIN32_FIND_DATAW found;
    const bool listed = FindEntry(path, &found);
    if (!EndsInDriveRoot(path)) {
        if (!listed) {
            return;
        }
        if (!IsSystem(found.dwFileAttributes) && !IsDirectory(found.dwFileAttributes)) {
            total += SizeOf(found);
            return;
        }
        if (IsLink(found.dwFileAttributes)) {
            return;
        }
    }
    const std::u16string windows = WindowsFolder();
    int seen = 0;
    ForEachFolderEntry(path, pattern, [&](const WIN32_FIND_DATAW& entry, int) {
        if (++seen % kSumPumpEvery == 0) {
            job.PumpMessages();
        }
        if (JobCancelRequested(job)) {
            return false;
        }
        if (IsSystem(entry.dwFileAttributes)) {
            return true;
        }
        const std::u16string child = WithTrailingBackslash(path) + entry.cFileName;
        if (!IsDirectory(entry.dwFileAttributes)) {
            total += SizeOf(entry);
        } else if (!IsDots(entry.cFileName) && !IsLink(entry.dwFileAttributes) && child != windows) {
            SumPathSize(job, total, path, entry.cFileName, pattern);
        }
        return true;
    });
}

namespace {

bool CopyTree(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
              const std::u16string& sourceFolder, const std::u16string& destinationFolder,
              const std::u16string& sourceName, const std::u16string& destinationName, const std::u16string& pattern,
              const std::u16string& pass, int mode, clProcessNotify* notifier)
{
    const std::u16string source =
        (sourceFolder.empty() ? sourceFolder : WithTrailingBackslash(sourceFolder)) + sourceName;
    std::u16string destination = WithTrailingBackslash(destinationFolder) + destinationName;
    WIN32_FIND_DATAW found{};
    const bool listed = FindEntry(source, &found);
    if (EndsInDriveRoot(destination)) {
        destination.resize(destination.size() - 2);
    } else if (listed && !IsSystem(found.dwFileAttributes) && !IsLink(found.dwFileAttributes) &&
               !IsDirectory(found.dwFileAttributes)) {
        CopyReportedFile(job, completed, failed, source, destination, found, pass, mode, notifier);
        return true;
    }
    if (!EndsInDriveRoot(source) && (!listed || IsLink(found.dwFileAttributes))) {
        return !listed;
    }
    CreateDirPathLike(destination, source);
    bool cancelled = false;
    CaseTwins twins;
    const bool walked = ForEachFolderEntry(source, pattern, [&](const WIN32_FIND_DATAW& entry, int) {
        if (JobCancelRequested(job)) {
            cancelled = true;
            return false;
        }
        if (IsSystem(entry.dwFileAttributes) || IsDots(entry.cFileName)) {
            return true;
        }
        const std::u16string child = WithTrailingBackslash(source) + entry.cFileName;
        if (twins.IsTwin(entry)) {
            // The copy of the first of the names that differ only in case has this one's place.
            ReportFailedFile(job, failed, entry, ERROR_ALREADY_EXISTS, child);
            return true;
        }
        if (!IsSafeDriveName(entry.cFileName) || IsLink(entry.dwFileAttributes)) {
            // Joined, such a name would name another file; a link is never followed.
            ReportFailedFile(job, failed, entry,
                             IsLink(entry.dwFileAttributes) ? ERROR_CANT_ACCESS_FILE : ERROR_BAD_PATHNAME, child);
            return true;
        }
        if (IsDirectory(entry.dwFileAttributes)) {
            if (!CopyTree(job, completed, failed, source, destination, entry.cFileName, entry.cFileName, pattern, pass,
                          mode, notifier)) {
                cancelled = JobCancelRequested(job);
                return !cancelled;
            }
            return true;
        }
        CopyReportedFile(job, completed, failed, child, WithTrailingBackslash(destination) + entry.cFileName, entry,
                         pass, mode, notifier);
        return true;
    });
    if (!walked) {
        if (const DWORD error = ListingError()) {
            ReportFailedFile(job, failed, found, error, source);
        }
    }
    return walked && !cancelled;
}

}  // namespace

bool CopyItemTree(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                  const std::u16string& sourceFolder, const std::u16string& destinationFolder,
                  const std::u16string& sourceName, const std::u16string& destinationName,
                  const std::u16string& pattern, const std::u16string& pass, int mode, clProcessNotify* notifier)
{
    ArmNotifier(notifier);
    return CopyTree(job, completed, failed, sourceFolder, destinationFolder, sourceName, destinationName, pattern, pass,
                    mode, notifier);
}
