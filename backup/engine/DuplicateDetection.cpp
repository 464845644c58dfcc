#include "backup/engine/DuplicateDetection.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/DrivePathCheck.h"
#include "backup/base/PathUtil.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/Categories.h"
#include "backup/engine/Container.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RunPaths.h"
#include "backup/engine/RunningJob.h"
#include "platform/clock.h"
#include "platform/files.h"

#include <algorithm>
#include <functional>

namespace {

// The kind folder, "\", the 15-character run folder name and "\".
constexpr std::size_t kRunPrefixExtra = 17;
constexpr double kToleranceDays = 3.0 / 86400.0;

std::u16string RelativePart(const std::u16string& path, std::size_t kindFolderLength)
{
    const std::size_t from = kindFolderLength + kRunPrefixExtra;
    return from < path.size() ? path.substr(from) : std::u16string();
}

bool IsListFileName(const std::u16string& name)
{
    return name == RepeatListFileName() || name == OriSizeFileName() || name == RecordFileName();
}

bool IsDots(const std::u16string& name)
{
    return name == u"." || name == u"..";
}

bool WithinTolerance(const FILETIME& sourceTime, const FILETIME& candidateTime)
{
    SYSTEMTIME source;
    SYSTEMTIME candidate;
    if (!FileTimeToSystemTime(&sourceTime, &source) || !FileTimeToSystemTime(&candidateTime, &candidate)) {
        return false;
    }
    const double difference = DateTimeDifference(SystemTimeToDateTime(source), SystemTimeToDateTime(candidate));
    return difference >= -kToleranceDays && difference <= kToleranceDays;
}

// A container holds a file of another size than its own: its header tells which.
bool HoldsFileOfSize(const std::u16string& copy, LONGLONG copySize, LONGLONG sourceSize)
{
    if (!copy.ends_with(CONTAINER_SUFFIX)) {
        return copySize == sourceSize;
    }
    LONGLONG plainSize = 0;
    return ReadContainerPlainSize(copy, copySize, &plainSize) && plainSize == sourceSize;
}

bool WalkCandidates(RunningJob& job, DuplicateCandidates& list, int slot, std::size_t kindFolderLength,
                    const std::u16string& folder, bool runFolderItself)
{
    const std::u16string prefix = WithTrailingBackslash(folder);
    bool finished = true;
    ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& entry, int) {
        job.PumpAtIntervals();
        if (JobCancelRequested(job)) {
            finished = false;
            return false;
        }
        // A linked file, or a name no Windows folder holds, is no copy that a later run may name.
        const bool fileLink = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                              !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) || fileLink ||
            (!IsDots(entry.cFileName) && !IsSafeDriveName(entry.cFileName))) {
            return true;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A linked folder is not part of any run.
            if (!IsDots(entry.cFileName) && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                !WalkCandidates(job, list, slot, kindFolderLength, prefix + entry.cFileName, false)) {
                finished = false;
                return false;
            }
        } else if (!(runFolderItself && IsListFileName(entry.cFileName))) {
            list.Add(slot, kindFolderLength, prefix + entry.cFileName, entry.ftLastWriteTime, EntrySize(entry));
        }
        return true;
    });
    return finished;
}

// Every earlier run of one kind folder, newest first. False when the job was cancelled.
bool CollectRuns(RunningJob& job, DuplicateCandidates& list, int slot, const SYSTEMTIME& runStart,
                 const std::u16string& kindFolder)
{
    for (const std::u16string& run :
         EarlierRunFolders(job, kindFolder, WithTrailingBackslash(kindFolder) + FormatTimestampName(runStart))) {
        job.PumpMessages();
        if (JobCancelRequested(job) || !CollectCandidateFiles(job, list, slot, kindFolder.size(), run)) {
            return false;
        }
    }
    return true;
}

bool TakeRepeatLine(RunningJob& job, DuplicateCandidates& list, int slot, const std::u16string& destination,
                    const FILETIME& sourceTime, LONGLONG sourceSize, std::u16string* line)
{
    job.PumpAtIntervals();
    if (destination.size() < 3 || list.LiveCount() == 0) {
        return false;
    }
    const std::size_t kindLength = list.KindFolderLength(destination.substr(0, 3), slot);
    std::u16string copy;
    if (!list.TakeMatch(slot, RelativePart(destination, kindLength), sourceTime, sourceSize, &copy)) {
        return false;
    }
    *line = WithoutDrivePrefix(copy);
    return true;
}

}  // namespace

std::uint32_t DuplicateCandidates::FolderOf(int slot, std::u16string_view relative, std::u16string_view* name,
                                            NewFolder newFolder)
{
    // The folder keeps its backslash, so that "a" and "\a" stay two paths.
    const std::size_t split = relative.rfind(u'\\') + 1;
    const std::u16string_view folder = relative.substr(0, split);
    *name = relative.substr(split);
    folderKey_.assign(1, static_cast<char16_t>(u'0' + slot));
    folderKey_ += folder;
    const auto known = folders_.find(folderKey_);
    if (known != folders_.end()) {
        return known->second;
    }
    if (newFolder == NewFolder::Refuse) {
        return kNone;
    }
    const auto id = static_cast<std::uint32_t>(folders_.size());
    folders_.emplace(folderKey_, id);
    return id;
}

std::u16string_view DuplicateCandidates::NameOf(const Candidate& candidate) const
{
    return std::u16string_view(names_).substr(candidate.name, candidate.nameLength);
}

std::uint32_t& DuplicateCandidates::FirstOfPath(std::uint32_t folder, std::u16string_view name)
{
    const std::size_t mask = firstOfPath_.size() - 1;
    std::size_t at = (std::hash<std::u16string_view>{}(name) ^ (folder * 0x9E3779B97F4A7C15ULL)) & mask;
    while (firstOfPath_[at] != kNone) {
        const Candidate& first = candidates_[firstOfPath_[at]];
        if (first.folder == folder && NameOf(first) == name) {
            break;
        }
        at = (at + 1) & mask;
    }
    return firstOfPath_[at];
}

void DuplicateCandidates::GrowTable()
{
    std::vector<std::uint32_t> old(std::max<std::size_t>(firstOfPath_.size() * 2, 1024), kNone);
    old.swap(firstOfPath_);
    for (std::uint32_t first : old) {
        if (first != kNone) {
            FirstOfPath(candidates_[first].folder, NameOf(candidates_[first])) = first;
        }
    }
}

void DuplicateCandidates::Add(int slot, std::size_t kindFolderLength, const std::u16string& path,
                              const FILETIME& lastWrite, LONGLONG size)
{
    const std::size_t split = std::min(kindFolderLength + kRunPrefixExtra, path.size());
    const std::u16string_view runFolder = std::u16string_view(path).substr(0, split);
    if (runFolders_.empty() || runFolders_.back() != runFolder) {
        runFolders_.emplace_back(runFolder);
    }
    std::u16string_view name;
    const std::uint32_t folder = FolderOf(slot, std::u16string_view(path).substr(split), &name, NewFolder::Add);
    if ((paths_ + 1) * 2 > firstOfPath_.size()) {
        GrowTable();
    }
    const auto index = static_cast<std::uint32_t>(candidates_.size());
    std::uint32_t& first = FirstOfPath(folder, name);
    if (first == kNone) {
        first = index;
        ++paths_;
    } else {
        std::uint32_t last = first;
        while (candidates_[last].nextSamePath != kNone) {
            last = candidates_[last].nextSamePath;
        }
        candidates_[last].nextSamePath = index;
    }
    candidates_.push_back({folder, static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(name.size()),
                           static_cast<std::uint32_t>(runFolders_.size() - 1), kNone, lastWrite, size, false});
    names_ += name;
    ++live_;
}

bool DuplicateCandidates::TakeMatch(int slot, const std::u16string& relative, const FILETIME& sourceTime,
                                    LONGLONG sourceSize, std::u16string* copy)
{
    std::u16string_view name;
    const std::uint32_t folder = FolderOf(slot, relative, &name, NewFolder::Refuse);
    if (folder == kNone || firstOfPath_.empty()) {
        return false;
    }
    for (std::uint32_t index = FirstOfPath(folder, name); index != kNone; index = candidates_[index].nextSamePath) {
        Candidate& candidate = candidates_[index];
        if (candidate.removed || !WithinTolerance(sourceTime, candidate.lastWrite)) {
            continue;
        }
        std::u16string path = runFolders_[candidate.run] + relative;
        if (HoldsFileOfSize(path, candidate.size, sourceSize)) {
            candidate.removed = true;
            --live_;
            *copy = std::move(path);
            return true;
        }
    }
    return false;
}

std::size_t DuplicateCandidates::KindFolderLength(const std::u16string& driveRoot, int slot)
{
    const std::u16string key = driveRoot + static_cast<char16_t>(u'0' + slot);
    const auto known = kindLengths_.find(key);
    if (known != kindLengths_.end()) {
        return known->second;
    }
    const std::u16string folder = slot == kManualSlot ? ManualBackupFolder(driveRoot, false, false)
                                                      : CategoryBackupFolder(driveRoot, slot, false, false);
    kindLengths_.emplace(key, folder.size());
    return folder.size();
}

std::vector<std::u16string> EarlierRunFolders(RunningJob& job, const std::u16string& folder,
                                              const std::u16string& bound)
{
    const std::u16string prefix = WithTrailingBackslash(folder);
    std::vector<std::u16string> runs;
    ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& entry, int) {
        job.PumpAtIntervals();
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDots(entry.cFileName)) {
            std::u16string path = prefix + entry.cFileName;
            if (path < bound && IsFinishedRunFolder(path)) {
                runs.push_back(std::move(path));
            }
        }
        return true;
    });
    std::sort(runs.begin(), runs.end(), std::greater<>());
    return runs;
}

bool CollectCandidateFiles(RunningJob& job, DuplicateCandidates& list, int slot, std::size_t kindFolderLength,
                           const std::u16string& path)
{
    WIN32_FIND_DATAW found;
    if (!FindEntry(path, &found)) {
        return true;
    }
    if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM))) {
        list.Add(slot, kindFolderLength, path, found.ftLastWriteTime, EntrySize(found));
        return true;
    }
    return WalkCandidates(job, list, slot, kindFolderLength, path, true);
}

void CollectEasyCandidates(RunningJob& job, DuplicateCandidates& list, const PerEasyCategory<BYTE>& categories,
                           const SYSTEMTIME& runStart, const PerEasyCategory<std::u16string>& folders)
{
    for (int i = 0; i < kEasyCategoryCount; ++i) {
        if (categories[static_cast<std::size_t>(i)] &&
            !CollectRuns(job, list, i + 1, runStart, folders[static_cast<std::size_t>(i)])) {
            return;
        }
    }
}

void CollectManualCandidates(RunningJob& job, DuplicateCandidates& list, const SYSTEMTIME& runStart,
                             const std::u16string& manualFolder)
{
    CollectRuns(job, list, DuplicateCandidates::kManualSlot, runStart, manualFolder);
}

bool IsEasyDuplicate(RunningJob& job, DuplicateCandidates& list, int category, const std::u16string& destination,
                     const FILETIME& sourceTime, LONGLONG sourceSize,
                     const PerEasyCategory<lists::TStringList*>& repeatLists)
{
    if (category < 1 || category > kEasyCategoryCount ||
        repeatLists[static_cast<std::size_t>(category - 1)] == nullptr) {
        return false;
    }
    std::u16string line;
    if (!TakeRepeatLine(job, list, category, destination, sourceTime, sourceSize, &line)) {
        return false;
    }
    repeatLists[static_cast<std::size_t>(category - 1)]->Add(std::move(line));
    return true;
}

bool TakeManualRepeatLine(RunningJob& job, DuplicateCandidates& list, const std::u16string& destination,
                          const FILETIME& sourceTime, LONGLONG sourceSize, std::u16string* line)
{
    return TakeRepeatLine(job, list, DuplicateCandidates::kManualSlot, destination, sourceTime, sourceSize, line);
}
