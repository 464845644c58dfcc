#include "backup/engine/EasyBackupScan.h"

#include "backup/engine/Categories.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/EasyTreeWalk.h"
#include "backup/engine/JobControl.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/base/Language.h"
#include "ui/controls/label.h"

namespace {

constexpr int kScanPumpEvery = 50;
constexpr int kScanningText = 20159;

}  // namespace

int EasyScanWalk(ui::TLabel* pathLabel, std::int64_t& jobTotal, const std::u16string& folder,
                 const std::u16string& name, CATEGORY_SIZES& sizes)
{
    EasyTreeWalk walk;
    walk.OnCall = [] { return !JobCancelRequested(); };
    walk.OnEntry = [](int entryNumber) {
        if (entryNumber % kScanPumpEvery == 0) {
            PumpPendingMessages();
        }
    };
    walk.OnFile = [&](const std::u16string& path, const WIN32_FIND_DATAW& found) {
        const LONGLONG size = EntrySize(found);
        jobTotal += size;
        AddToCategorySize(CategoryOfPath(path), size, sizes);
        if (pathLabel != nullptr) {
            pathLabel->SetCaption(path);
        }
    };
    return walk.Walk(folder, name);
}

void ScanEasySources(ui::TLabel* statusLabel, ui::TLabel* pathLabel, const std::array<BYTE, 5>& categories,
                     std::int64_t& jobTotal, std::uint64_t& selectedSize)
{
    if (statusLabel != nullptr && MainForm != nullptr && MainForm->LangTable) {
        statusLabel->SetCaption(LookupText(*MainForm->LangTable, kScanningText));
    }
    CATEGORY_SIZES mainSizes;
    CATEGORY_SIZES mailSizes;
    const EasySourceRoots roots = ReadEasySourceRoots();
    for (std::size_t i = 0; i < roots.Folders.size(); ++i) {
        if (i > 0 && JobCancelRequested()) {
            return;
        }
        EasyScanWalk(pathLabel, jobTotal, u"", roots.Folders[i], mainSizes);
    }
    if (JobCancelRequested()) {
        return;
    }
    // Only the mail files of the local application data count towards the selection.
    EasyScanWalk(pathLabel, jobTotal, u"", roots.LocalAppData, mailSizes);
    for (int i = 0; i < roots.LocalFixedDisks.Count; ++i) {
        if (JobCancelRequested()) {
            return;
        }
        EasyScanWalk(pathLabel, jobTotal, u"", roots.LocalFixedDisks.Roots[static_cast<std::size_t>(i)], mainSizes);
    }
    if (JobCancelRequested()) {
        return;
    }
    mainSizes.Bytes[CATEGORY_MAIL - 1] += mailSizes.Bytes[CATEGORY_MAIL - 1];
    for (int category = CATEGORY_DOCUMENT; category <= CATEGORY_MAIL; ++category) {
        if (categories[static_cast<std::size_t>(category - 1)] != 0) {
            selectedSize += static_cast<std::uint64_t>(mainSizes.Bytes[category - 1]);
        }
    }
}
