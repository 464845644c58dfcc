#include "backup/engine/RestoreInfo.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/Categories.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RestoreSizes.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"

#include <array>

namespace {

constexpr int kFolderPumpEvery = 100;
constexpr int kListPumpEvery = 50;
constexpr std::u16string_view kContainerSuffix = u".vemoen";

// The sizes on the drive of the file at path or of the files below it; the list files are passed
// over directly inside a run folder only, and a link is never counted or entered.
void AddDriveTreeSize(RunningJob& job, LONGLONG& size, const std::u16string& path, bool runFolderLevel)
{
    WIN32_FIND_DATAW found;
    if (!FindEntry(path, &found) || IsLinkEntry(found)) {
        return;
    }
    if (IsPlainFileEntry(found)) {
        size += EntrySize(found);
        return;
    }
    if (!IsWalkedFolderEntry(found)) {
        return;
    }
    ForEachFolderEntry(path, [&](const WIN32_FIND_DATAW& entry, int index) {
        if (index % kFolderPumpEvery == 0) {
            job.PumpMessages();
        }
        if (JobCancelRequested(job)) {
            return false;
        }
        if (IsLinkEntry(entry) || !IsSafeDriveName(entry.cFileName)) {
            return true;
        }
        if (IsPlainFileEntry(entry) && !(runFolderLevel && IsRunListFileName(entry.cFileName))) {
            size += EntrySize(entry);
        } else if (IsWalkedFolderEntry(entry)) {
            AddDriveTreeSize(job, size, WithTrailingBackslash(path) + entry.cFileName, false);
        }
        return true;
    });
}

}  // namespace

std::u16string CategoryFolderName(int category)
{
    static const std::array<std::u16string, 1 + kEasyCategoryCount> names = {ManualFolderName(),  DocumentFolderName(),
                                                                             GraphicFolderName(), AudioFolderName(),
                                                                             VideoFolderName(),   MailFolderName()};
    return category >= 0 && category < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(category)]
                                                                      : std::u16string();
}

std::u16string FormatRunFolderDate(const std::u16string& stamp)
{
    if (stamp.empty()) {
        return {};
    }
    std::u16string text = stamp;
    const auto insertAt = [&text](std::size_t position, char16_t c) {
        text.insert(std::min(position, text.size()), 1, c);
    };
    insertAt(4, u'/');
    insertAt(7, u'/');
    insertAt(10, u' ');
    if (text.size() > 11) {
        text.erase(11, 1);
    }
    insertAt(13, u':');
    insertAt(16, u':');
    return text;
}

void AddRunFolderSize(RunningJob& job, LONGLONG& size, const std::u16string& folder, const std::u16string& name)
{
    const std::u16string path = WithTrailingBackslash(folder) + name;
    if (!CrossesDriveLink(path)) {
        AddDriveTreeSize(job, size, path, IsRunFolderPath(path));
    }
}

void AddRunReferenceSizes(RunningJob& job, LONGLONG& size, const std::u16string& categoryFolder,
                          const std::u16string& stamp)
{
    const std::u16string runFolder = WithTrailingBackslash(categoryFolder) + stamp;
    OriSizeIndex oriSizes;
    lists::TStringList repeatList;
    if (!PathExists(OriSizePath(runFolder)) || !PathExists(RepeatListPath(runFolder)) ||
        !oriSizes.LoadFromFile(OriSizePath(runFolder)) || !repeatList.LoadFromFile(RepeatListPath(runFolder))) {
        return;
    }
    AddListedReferenceSizes(job, size, repeatList, oriSizes, WithTrailingBackslash(runFolder));
}

void AddListedReferenceSizes(RunningJob& job, LONGLONG& size, const lists::TStringList& repeatList,
                             OriSizeIndex& oriSizes, const std::u16string& runFolder)
{
    for (int i = 0; i < repeatList.Count(); ++i) {
        if (i % kListPumpEvery == 0) {
            job.PumpMessages();
        }
        if (JobCancelRequested(job)) {
            return;
        }
        TakeOriSizeOfReference(size, oriSizes, repeatList.Strings(i), runFolder);
    }
}

bool TakeOriSizeOfReference(LONGLONG& size, OriSizeIndex& oriSizes, const std::u16string& line,
                            const std::u16string& runFolder)
{
    const bool container = line.ends_with(kContainerSuffix);
    const std::u16string reference = container ? line.substr(0, line.size() - kContainerSuffix.size()) : line;
    const std::u16string copy = RepeatCopyOf(runFolder, reference);
    if (copy.empty()) {
        return false;
    }
    // A container's line in OriSize.ini may carry the suffix or not: both are read.
    const std::u16string relative = CharsFrom(copy, runFolder.size());
    return (container && oriSizes.Take(size, runFolder.size(), relative + std::u16string(kContainerSuffix))) ||
           oriSizes.Take(size, runFolder.size(), relative);
}
