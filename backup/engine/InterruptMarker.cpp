#include "backup/engine/InterruptMarker.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/base/TreeDelete.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/Categories.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RunningJob.h"
#include "lists/string_list.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct Marker {
    std::optional<long long> kind;
    std::optional<SYSTEMTIME> runTime;
    std::u16string driveRoot;  // empty: a marker of an older version, naming no drive
};

char16_t UpperLetter(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameDriveRoot(const std::u16string& a, const std::u16string& b)
{
    return !a.empty() && !b.empty() && UpperLetter(a[0]) == UpperLetter(b[0]);
}

bool Listed(const RECORD_DEVICECODE& drives, const std::u16string& root)
{
    for (int i = 0; i < drives.Count; ++i) {
        if (SameDriveRoot(drives.Roots[static_cast<std::size_t>(i)], root)) {
            return true;
        }
    }
    return false;
}

// Nothing when there is no marker or it cannot be read or has fewer than two lines.
std::optional<Marker> ReadMarker(const std::u16string& path)
{
    lists::TStringList lines;
    if (!PathExists(path) || !lines.LoadFromFile(path) || lines.Count() < 2) {
        return std::nullopt;
    }
    Marker marker;
    marker.kind = ParseDecimal(lines.Strings(0));
    double runTime = 0;
    SYSTEMTIME time;
    if (ParseDateTimeNumber(lines.Strings(1), &runTime) && DateTimeToSystemTime(runTime, &time)) {
        marker.runTime = time;
    }
    if (lines.Count() > 2) {
        marker.driveRoot = lines.Strings(2);
    }
    return marker;
}

// The run folders the marker's run may have made on one drive.
std::vector<std::u16string> RunFoldersOn(RunningJob& job, const std::u16string& root, long long kind,
                                         const std::u16string& stamp)
{
    std::vector<std::u16string> folders;
    if (kind == JOB_KIND_EASY) {
        for (int category = CATEGORY_DOCUMENT; category <= CATEGORY_MAIL; ++category) {
            folders.push_back(
                WithTrailingBackslash(CategoryBackupFolder(root, category, false, job.HideBackupFolder())) + stamp);
        }
    } else if (kind == JOB_KIND_MANUAL) {
        folders.push_back(WithTrailingBackslash(ManualBackupFolder(root, false, job.HideBackupFolder())) + stamp);
    }
    return folders;
}

// Deletes the run's folders on the drives it names; true when none of them is left.
bool DeleteRunFolders(RunningJob& job, const Marker& marker, const RECORD_DEVICECODE& drives)
{
    const std::u16string stamp = FormatTimestampName(*marker.runTime);
    bool gone = true;
    for (int i = 0; i < drives.Count; ++i) {
        const std::u16string& root = drives.Roots[static_cast<std::size_t>(i)];
        if (!marker.driveRoot.empty() && !SameDriveRoot(root, marker.driveRoot)) {
            continue;
        }
        // Below the root as it is now: a link planted on the drive is removed, never followed.
        const platform::HeldDriveRoot held(root);
        for (const std::u16string& folder : RunFoldersOn(job, root, *marker.kind, stamp)) {
            if (PathExists(folder)) {
                DeleteTree(folder, [&job] { return KeepDeleting(job); });
                gone = gone && !PathExists(folder);
            }
        }
    }
    return gone;
}

}  // namespace

bool WriteJobMarker(RunningJob& job, int kind, const SYSTEMTIME& runTime, const std::u16string& destination)
{
    const std::optional<Marker> earlier = ReadMarker(BacAbnorPath(false));
    const RECORD_DEVICECODE drives = job.ExternalDrives();
    if (earlier && earlier->kind && earlier->runTime && Listed(drives, earlier->driveRoot)) {
        DeleteRunFolders(job, *earlier, drives);
    }
    lists::TStringList marker;
    marker.Add(DecimalText(kind));
    marker.Add(FormatDateTimeNumber(SystemTimeToDateTime(runTime)));
    marker.Add(destination.substr(0, 3));
    SaveListFile(marker, BacAbnorPath(true));
    return true;
}

SYSTEMTIME FreeRunTime(RunningJob& job, int kind, const SYSTEMTIME& runTime, const std::u16string& destination)
{
    constexpr double kOneSecond = 1.0 / 86400.0;
    SYSTEMTIME time = runTime;
    const std::u16string root = destination.substr(0, 3);
    for (;;) {
        const std::vector<std::u16string> folders = RunFoldersOn(job, root, kind, FormatTimestampName(time));
        if (std::none_of(folders.begin(), folders.end(), PathExists)) {
            return time;
        }
        SYSTEMTIME next;
        if (!DateTimeToSystemTime(SystemTimeToDateTime(time) + kOneSecond, &next)) {
            return time;
        }
        time = next;
    }
}

bool RemoveJobMarker()
{
    const std::u16string path = BacAbnorPath(false);
    return !PathExists(path) || DeleteFileW(path.c_str()) != FALSE;
}

bool JobMarkerNamesDrive(const std::u16string& driveRoot)
{
    const std::optional<Marker> marker = ReadMarker(BacAbnorPath(false));
    return marker && SameDriveRoot(marker->driveRoot, driveRoot);
}

int CleanUpInterruptedJob(RunningJob& job, const RECORD_DEVICECODE& drives)
{
    const std::u16string path = BacAbnorPath(false);
    if (!PathExists(path)) {
        return -1;
    }
    const std::optional<Marker> marker = ReadMarker(path);
    if (!marker || !marker->kind) {
        RemoveJobMarker();
        return -1;
    }
    const int kind = static_cast<int>(*marker->kind);
    const bool deletes = (kind == JOB_KIND_EASY || kind == JOB_KIND_MANUAL) && marker->runTime;
    if (!deletes) {
        RemoveJobMarker();
        return kind;
    }
    // The half run stays on a drive that is away; so does the marker, until the drive is back.
    if (!marker->driveRoot.empty() && !Listed(drives, marker->driveRoot)) {
        return -1;
    }
    if (DeleteRunFolders(job, *marker, drives)) {
        RemoveJobMarker();
    }
    return kind;
}
