#pragma once
// The repeat lists of the runs that a delete visits, each loaded once, indexed by the copy that
// each line names, changed in memory and saved once per changed list.

#include "platform/win_types.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class RepeatListOfRun {
public:
    RepeatListOfRun(std::u16string runFolder, std::u16string listPath);

    const std::u16string& RunFolder() const { return runFolder_; }
    const std::u16string& ListPath() const { return listPath_; }
    // Loads the list on first use. False when the run has no list (`missing`) or it cannot be read.
    bool Load(bool* missing);

    // The first line left that names exactly this copy, or -1.
    int Find(const std::u16string& copy) const;
    // Removes the lines that name the copy or a copy below it (a folder); true when one went.
    bool RemoveAtOrBelow(const std::u16string& copy);
    // Removes the lines that name a copy (in any run of the kind) whose path below its run goes
    // with the deleted item at `item` below this run (GoesWithDeletedItem); true when one went.
    bool RemoveEntriesOf(std::u16string_view item);
    void Remove(std::size_t line);
    // The line now names another copy: its text is that copy without the drive ("X:\").
    void Repoint(std::size_t line, const std::u16string& copy);
    // Saves the list when it changed; 0 or the Windows error of the failed write.
    DWORD SaveIfChanged();

    // The folder of the run that received the last re-homed copy of the item being deleted: it is
    // there and no link lies on its way, so the next copy into it needs no check.
    const std::u16string& CheckedFolder() const { return checkedFolder_; }
    void SetCheckedFolder(std::u16string folder) { checkedFolder_ = std::move(folder); }

private:
    static constexpr std::uint32_t kNoLine = UINT32_MAX;

    // Each line is kept once: the copy it names without the drive ("X:\\"), or its own text when it
    // names none, as the folder part (shared by the lines of one folder) and the name after it.
    // Lines whose text differs from their copy's keep it in writtenAs_.
    struct Line {
        std::uint32_t folder = kNoLine;  // kNoLine: the text holds no backslash
        std::uint32_t at = 0;
        std::uint32_t size = 0;
        std::uint32_t next = kNoLine;  // the next line of the same hash chain, in ascending order
        bool namesCopy = false;
        bool removed = false;
    };

    std::u16string_view NameOf(const Line& line) const
    {
        return std::u16string_view(names_).substr(line.at, line.size);
    }
    std::u16string TextOf(const Line& line) const;
    // The part of a copy below the run's drive, or nothing when the copy lies on another drive.
    bool BelowDrive(const std::u16string& copy, std::u16string_view* below) const;
    // The folder number of a text's folder part (kNoLine when it has none); false when no line has it.
    bool KnownFolder(std::u16string_view text, std::uint32_t* folder, std::u16string_view* name) const;
    void Store(std::size_t line, std::u16string_view lineText);
    std::size_t ChainNumber(std::uint32_t folder, std::u16string_view name) const;
    std::uint32_t& ChainOf(std::uint32_t folder, std::u16string_view name);
    void Index(std::size_t line);
    void Unindex(std::size_t line);

    std::u16string runFolder_;
    std::u16string listPath_;
    std::u16string checkedFolder_;
    bool loaded_ = false;
    bool missing_ = false;
    bool readable_ = false;
    bool changed_ = false;
    std::u16string names_;
    std::vector<std::u16string> folders_;
    std::unordered_map<std::u16string, std::uint32_t> folderNumbers_;
    std::vector<Line> lines_;
    std::unordered_map<std::uint32_t, std::u16string> writtenAs_;
    std::vector<std::uint32_t> chains_;  // first line of each hash chain
};

class RepeatListSet {
public:
    // The runs of the base folder (with backslash) whose names are not less than the stamp, in
    // ascending name order. Lists already loaded by an earlier item of the same delete are reused;
    // their checked folders are not, as that item may have removed them.
    std::vector<RepeatListOfRun*> RunsFrom(const std::u16string& base, const std::u16string& stamp);
    // The list of the run folder base + stamp + "\", reused as RunsFrom's are.
    RepeatListOfRun& RunOf(const std::u16string& base, const std::u16string& stamp);
    // Saves every changed list of those runs; 0 or the first failed write's error.
    static DWORD SaveChanged(const std::vector<RepeatListOfRun*>& runs);

private:
    std::map<std::u16string, RepeatListOfRun> runs_;
};
