#include "backup/engine/EasyBackupScan.h"

#include "backup/engine/Categories.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/EasyTreeWalk.h"
#include "backup/engine/RunningJob.h"

namespace {

constexpr int kScanPumpEvery = 50;

}  // namespace

int EasyScanWalk(RunningJob& job, std::int64_t& jobTotal, const std::u16string& folder, const std::u16string& name,
                 CATEGORY_SIZES& sizes)
{
    EasyTreeWalk walk(job);
    walk.OnCall = [&job] { return !JobCancelRequested(job); };
    walk.OnEntry = [&job](int entryNumber) {
        if (entryNumber % kScanPumpEvery == 0) {
            job.PumpMessages();
        }
    };
    walk.OnFile = [&](const std::u16string& path, const WIN32_FIND_DATAW& found) {
        const LONGLONG size = EntrySize(found);
        jobTotal += size;
        AddToCategorySize(CategoryOfPath(path), size, sizes);
        job.ShowPath(path);
    };
    return walk.Walk(folder, name);
}

void ScanEasySources(RunningJob& job, const PerEasyCategory<BYTE>& categories, std::int64_t& jobTotal,
                     std::uint64_t& selectedSize)
{
    CATEGORY_SIZES mainSizes;
    CATEGORY_SIZES mailSizes;
    const EasySourceRoots roots = ReadEasySourceRoots();
    for (std::size_t i = 0; i < roots.Folders.size(); ++i) {
        if (i > 0 && JobCancelRequested(job)) {
            return;
        }
        EasyScanWalk(job, jobTotal, u"", roots.Folders[i], mainSizes);
    }
    if (JobCancelRequested(job)) {
        return;
    }
    // Only the mail files of the local application data count towards the selection.
    EasyScanWalk(job, jobTotal, u"", roots.LocalAppData, mailSizes);
    for (int i = 0; i < roots.LocalFixedDisks.Count; ++i) {
        if (JobCancelRequested(job)) {
            return;
        }
        EasyScanWalk(job, jobTotal, u"", roots.LocalFixedDisks.Roots[static_cast<std::size_t>(i)], mainSizes);
    }
    if (JobCancelRequested(job)) {
        return;
    }
    mainSizes.Bytes[CATEGORY_MAIL - 1] += mailSizes.Bytes[CATEGORY_MAIL - 1];
    for (int category = CATEGORY_DOCUMENT; category <= CATEGORY_MAIL; ++category) {
        if (categories[static_cast<std::size_t>(category - 1)] != 0) {
            selectedSize += static_cast<std::uint64_t>(mainSizes.Bytes[category - 1]);
        }
    }
}
