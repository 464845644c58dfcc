#pragma once
// Finding an unchanged copy of a file in an earlier run of the same kind on the backup drive, so
// that a run refers to it instead of copying the file again. A match is an equal path below the
// run folder and a last-write time within three seconds; the newest earlier run wins, and a copy
// is referred to at most once per run.
//
// The candidates of earlier runs are indexed by their path below the run folder, so a test costs
// one look-up plus a time check per candidate of that same path, against the write time that the
// walk of the earlier runs read.

#include "platform/win_types.h"
#include "ui/controls/string_list.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class DuplicateCandidates {
public:
    // Slot 0 holds Manual candidates, slots 1 to 5 the Easy categories.
    static constexpr int kManualSlot = 0;

    // A copy found by the walk of an earlier run, with its last-write time from that walk.
    void Add(int slot, std::size_t kindFolderLength, const std::u16string& path, const FILETIME& lastWrite);
    std::size_t Count() const { return candidates_.size(); }
    std::size_t LiveCount() const { return live_; }

    // The first live candidate of the slot, in collection order, with that relative path and a
    // last-write time within the tolerance; it is taken out of the list.
    bool TakeMatch(int slot, const std::u16string& relative, const FILETIME& sourceTime, std::u16string* copy);

    // The length of the kind folder of this PC on a drive, remembered for the run.
    std::size_t KindFolderLength(const std::u16string& driveRoot, int slot);

private:
    // The path below the run folder is kept once, as the key; the run folder once per run.
    struct Candidate {
        std::uint32_t run;
        bool removed;
        FILETIME lastWrite;
    };
    struct SameRelative {
        std::vector<std::uint32_t> candidates;  // in collection order
    };
    std::vector<std::u16string> runFolders_;  // each with its trailing backslash
    std::vector<Candidate> candidates_;
    std::size_t live_ = 0;
    std::array<std::unordered_map<std::u16string, SameRelative>, 6> byRelative_;
    std::unordered_map<std::u16string, std::size_t> kindLengths_;
};

// The greatest full path of a subfolder of `folder` that sorts (by UTF-16 code units) below `bound`.
std::u16string PreviousRunFolder(const std::u16string& folder, const std::u16string& bound);

// Adds every file below `path` (or `path` itself when it is a file) except system entries and the
// list files directly inside the run folder. False when the job was cancelled.
bool CollectCandidateFiles(DuplicateCandidates& list, int slot, std::size_t kindFolderLength,
                           const std::u16string& path);

// The earlier runs of each selected category (folders[0..4]: Document .. Mail), newest first.
void CollectEasyCandidates(DuplicateCandidates& list, const std::array<BYTE, 5>& categories,
                           const SYSTEMTIME& runStart, const std::array<std::u16string, 5>& folders);
void CollectManualCandidates(DuplicateCandidates& list, const SYSTEMTIME& runStart, const std::u16string& manualFolder);

// On a match the earlier copy's path without its drive ("X:\") is appended to the repeat list of
// the category (repeatLists[category - 1]) or of the Manual run.
bool IsEasyDuplicate(DuplicateCandidates& list, int category, const std::u16string& destination,
                     const FILETIME& sourceTime, const std::array<ui::TStringList*, 5>& repeatLists);
bool IsManualDuplicate(DuplicateCandidates& list, ui::TStringList& repeatList, const std::u16string& destination,
                       const FILETIME& sourceTime);
