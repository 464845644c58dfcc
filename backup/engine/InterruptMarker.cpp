#include "backup/engine/InterruptMarker.h"

#include "backup/device/Driveviewutil.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/ListFiles.h"
#include "backup/frame/BackupDriveLayout.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/PathUtil.h"
#include "backup/frame/SettingsPaths.h"
#include "backup/frame/TextFormat.h"
#include "ui/controls/string_list.h"

namespace {

bool HideBackupFolderOption()
{
    return MainForm != nullptr && MainForm->HideBackupFolder != 0;
}

void DeleteIfPresent(const std::u16string& path)
{
    if (PathExists(path)) {
        DeleteTree(path);
    }
}

void DeleteEasyRuns(const RECORD_DEVICECODE& drives, const std::u16string& stamp)
{
    for (int i = 0; i < drives.Count; ++i) {
        for (int category = 1; category <= 5; ++category) {
            const std::u16string& root = drives.Roots[static_cast<std::size_t>(i)];
            const std::u16string folder = CategoryBackupFolder(root, category, false, HideBackupFolderOption());
            DeleteIfPresent(WithTrailingBackslash(folder) + stamp);
        }
    }
}

void DeleteManualRuns(const RECORD_DEVICECODE& drives, const std::u16string& stamp)
{
    for (int i = 0; i < drives.Count; ++i) {
        const std::u16string folder =
            ManualBackupFolder(drives.Roots[static_cast<std::size_t>(i)], false, HideBackupFolderOption());
        DeleteIfPresent(WithTrailingBackslash(folder) + stamp);
    }
}

}  // namespace

bool WriteJobMarker(int kind, const SYSTEMTIME& runTime)
{
    ui::TStringList marker;
    marker.Add(DecimalText(kind));
    marker.Add(FormatDateTimeNumber(SystemTimeToDateTime(runTime)));
    SaveListFile(marker, BacAbnorPath(true));
    return true;
}

bool RemoveJobMarker()
{
    const std::u16string path = BacAbnorPath(false);
    return !PathExists(path) || DeleteFileW(path.c_str()) != FALSE;
}

int CleanUpInterruptedJob(const RECORD_DEVICECODE& drives)
{
    const std::u16string path = BacAbnorPath(false);
    if (!PathExists(path)) {
        return -1;
    }
    ui::TStringList marker;
    const bool loaded = marker.LoadFromFile(path);
    // Deleted before its content is acted on, so an interrupted clean-up never runs twice.
    RemoveJobMarker();
    if (!loaded || marker.Count() < 2) {
        return -1;
    }
    const auto kind = ParseDecimal(marker.Strings(0));
    if (!kind) {
        return -1;
    }
    double runTime = 0;
    SYSTEMTIME time;
    if (!ParseDateTimeNumber(marker.Strings(1), &runTime) || !DateTimeToSystemTime(runTime, &time)) {
        return static_cast<int>(*kind);
    }
    const std::u16string stamp = FormatTimestampName(time);
    if (*kind == JOB_KIND_EASY) {
        DeleteEasyRuns(drives, stamp);
    } else if (*kind == JOB_KIND_MANUAL) {
        DeleteManualRuns(drives, stamp);
    }
    return static_cast<int>(*kind);
}
