#include "backup/engine/DiskCapacity.h"

#include "backup/base/SpecialFolders.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/Categories.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RunningJob.h"

#include <cmath>

namespace {

// One counted file: its size in its category, then the job is shown the file and pending messages
// run.
void CountFile(RunningJob& job, const std::u16string& path, const WIN32_FIND_DATAW& found, CATEGORY_SIZES& sizes)
{
    AddToCategorySize(CategoryOfPath(path), EntrySize(found), sizes);
    job.ShowPath(path);
    job.PumpMessages();
}

}  // namespace

bool GetLocalDiskCapacity(std::uint64_t& total, std::uint64_t& used, std::uint64_t& free)
{
    total = 0;
    used = 0;
    free = 0;
    RECORD_DEVICECODE disks;
    ListLocalFixedDisks(disks);
    for (int i = 0; i < disks.Count; ++i) {
        ULARGE_INTEGER available{};
        ULARGE_INTEGER diskTotal{};
        ULARGE_INTEGER diskFree{};
        if (GetDiskFreeSpaceExW(disks.Roots[static_cast<std::size_t>(i)].c_str(), &available, &diskTotal, &diskFree)) {
            total += diskTotal.QuadPart;
            free += diskFree.QuadPart;
        }
    }
    used = total - free;
    return true;
}

void ScanCategorySizes(RunningJob& job, CATEGORY_SIZES& sizes, std::uint64_t total, std::uint64_t free)
{
    sizes = CATEGORY_SIZES();
    RECORD_DEVICECODE disks;
    ListLocalFixedDisks(disks);
    for (int i = 0; i < disks.Count; ++i) {
        AddCategorySizesOf(job, u"", disks.Roots[static_cast<std::size_t>(i)], sizes);
    }
    std::int64_t other = static_cast<std::int64_t>(total - free);
    for (int k = 0; k < CATEGORY_MAIL; ++k) {
        other -= sizes.Bytes[k];
    }
    sizes.Bytes[CATEGORY_OTHER - 1] = other;
}

void AddCategorySizesOf(RunningJob& job, const std::u16string& folder, const std::u16string& name,
                        CATEGORY_SIZES& sizes)
{
    const std::u16string path = (folder.empty() ? folder : WithTrailingBackslash(folder)) + name;
    WIN32_FIND_DATAW found;
    if (!path.ends_with(u":\\")) {
        if (!FindEntry(path, &found)) {
            return;
        }
        if (IsPlainFileEntry(found)) {
            CountFile(job, path, found, sizes);
            return;
        }
        if (IsLinkEntry(found)) {
            return;
        }
    }
    const std::u16string windows = WindowsFolder();
    ForEachFolderEntry(path, [&](const WIN32_FIND_DATAW& entry, int) {
        job.PumpMessages();
        if (JobCancelRequested(job)) {
            return false;
        }
        const std::u16string child = WithTrailingBackslash(path) + entry.cFileName;
        if (IsWalkedFolderEntry(entry) && child != windows) {
            AddCategorySizesOf(job, path, entry.cFileName, sizes);
        } else if (IsPlainFileEntry(entry)) {
            CountFile(job, child, entry, sizes);
        }
        return true;
    });
}

int ProportionalWidth(std::int64_t part, std::uint64_t whole, int width)
{
    if (whole == 0) {
        return 0;
    }
    const long double share = static_cast<long double>(part) / static_cast<long double>(whole);
    return static_cast<int>(std::trunc(share * width));
}
