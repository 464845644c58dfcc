#pragma once
// Finding an unchanged copy of a file in an earlier run of the same kind on the backup drive, so
// that a run refers to it instead of copying the file again. A match is an equal path below the
// run folder, an equal size (a container's is that of the file it holds) and a last-write time
// within three seconds; the newest earlier run wins, and a copy is referred to at most once per run.
//
// The candidates of earlier runs are indexed by their path below the run folder, so a test costs
// one look-up plus a time check per candidate of that same path, against the write time that the
// walk of the earlier runs read. A candidate costs its name and a few numbers: the folders of the
// paths are kept once.

#include "backup/engine/Categories.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class RunningJob;

class DuplicateCandidates {
public:
    // Slot 0 holds Manual candidates, slots 1 to 5 the Easy categories.
    static constexpr int kManualSlot = 0;

    // A copy found by the walk of an earlier run, with its last-write time and size from that walk.
    void Add(int slot, std::size_t kindFolderLength, const std::u16string& path, const FILETIME& lastWrite,
             LONGLONG size);
    std::size_t Count() const { return candidates_.size(); }
    std::size_t LiveCount() const { return live_; }

    // The first live candidate of the slot, in collection order, with that relative path, the
    // source's size and a last-write time within the tolerance; it is taken out of the list.
    bool TakeMatch(int slot, const std::u16string& relative, const FILETIME& sourceTime, LONGLONG sourceSize,
                   std::u16string* copy);

    // The length of the kind folder of this PC on a drive, remembered for the run.
    std::size_t KindFolderLength(const std::u16string& driveRoot, int slot);

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    // A candidate's path below the run folder is its folder (the slot and the folder below the
    // run folder, kept once per folder) and its name, kept once in `names_`.
    struct Candidate {
        std::uint32_t folder;
        std::uint32_t name;
        std::uint32_t nameLength;
        std::uint32_t run;
        std::uint32_t nextSamePath;  // the next candidate of that path in collection order, or kNone
        FILETIME lastWrite;
        LONGLONG size;
        bool removed;
    };
    enum class NewFolder { Add, Refuse };
    // The folder of a path below the run folder; kNone when it is new and refused. The split
    // name is `*name`.
    std::uint32_t FolderOf(int slot, std::u16string_view relative, std::u16string_view* name, NewFolder newFolder);
    // The table entry that holds the first candidate of the path, or the empty entry where it goes.
    std::uint32_t& FirstOfPath(std::uint32_t folder, std::u16string_view name);
    std::u16string_view NameOf(const Candidate& candidate) const;
    void GrowTable();

    std::vector<std::u16string> runFolders_;  // each with its trailing backslash
    std::vector<Candidate> candidates_;
    std::size_t live_ = 0;
    std::u16string names_;
    std::unordered_map<std::u16string, std::uint32_t> folders_;  // slot digit + folder below the run folder
    std::u16string folderKey_;
    std::vector<std::uint32_t> firstOfPath_;  // open addressing by folder and name; kNone when empty
    std::size_t paths_ = 0;
    std::unordered_map<std::u16string, std::size_t> kindLengths_;
};

// The full paths of the finished run folders of `folder` that sort (by UTF-16 code units) below
// `bound`, greatest first; the folder is listed once. The walks and look-ups below let the job's
// messages run as they go.
std::vector<std::u16string> EarlierRunFolders(RunningJob& job, const std::u16string& folder,
                                              const std::u16string& bound);

// Adds every file below `path` (or `path` itself when it is a file) except system entries and the
// list files directly inside the run folder. False when the job was cancelled.
bool CollectCandidateFiles(RunningJob& job, DuplicateCandidates& list, int slot, std::size_t kindFolderLength,
                           const std::u16string& path);

// The earlier runs of each selected category (folders[0..4]: Document .. Mail), newest first.
void CollectEasyCandidates(RunningJob& job, DuplicateCandidates& list, const PerEasyCategory<BYTE>& categories,
                           const SYSTEMTIME& runStart, const PerEasyCategory<std::u16string>& folders);
void CollectManualCandidates(RunningJob& job, DuplicateCandidates& list, const SYSTEMTIME& runStart,
                             const std::u16string& manualFolder);

// On a match the earlier copy's path without its drive ("X:\") is appended to the repeat list of
// the category (repeatLists[category - 1]) or of the Manual run.
bool IsEasyDuplicate(RunningJob& job, DuplicateCandidates& list, int category, const std::u16string& destination,
                     const FILETIME& sourceTime, LONGLONG sourceSize,
                     const PerEasyCategory<lists::TStringList*>& repeatLists);
// The repeat-list line of a Manual run's match; false when there is none.
bool TakeManualRepeatLine(RunningJob& job, DuplicateCandidates& list, const std::u16string& destination,
                          const FILETIME& sourceTime, LONGLONG sourceSize, std::u16string* line);
// Lines: lists::TStringList or PackedLines.
template <class Lines>
bool IsManualDuplicate(RunningJob& job, DuplicateCandidates& list, Lines& repeatList, const std::u16string& destination,
                       const FILETIME& sourceTime, LONGLONG sourceSize)
{
    std::u16string line;
    if (!TakeManualRepeatLine(job, list, destination, sourceTime, sourceSize, &line)) {
        return false;
    }
    repeatList.Add(line);
    return true;
}
