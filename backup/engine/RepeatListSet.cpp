#include "backup/engine/RepeatListSet.h"

#include "backup/base/PathUtil.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/PackedLines.h"
#include "backup/engine/RunPaths.h"
#include "lists/string_list.h"

#include <algorithm>

RepeatListOfRun::RepeatListOfRun(std::u16string runFolder, std::u16string listPath)
    : runFolder_(std::move(runFolder)), listPath_(std::move(listPath))
{
}

bool RepeatListOfRun::Load(bool* missing)
{
    if (!loaded_) {
        loaded_ = true;
        missing_ = !PathExists(listPath_);
        lists::TStringList list;
        readable_ = !missing_ && list.LoadFromFile(listPath_);
        if (readable_) {
            const std::vector<std::u16string>& lines = list.Lines();
            lines_.resize(lines.size());
            std::size_t chains = 1;
            while (chains < 2 * lines.size()) {
                chains *= 2;
            }
            chains_.assign(chains, kNoLine);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                Store(i, lines[i]);
            }
            // Indexed from the last line, each chain holds its lines in ascending order.
            for (std::size_t i = lines.size(); i-- > 0;) {
                if (lines_[i].namesCopy) {
                    std::uint32_t& first = ChainOf(lines_[i].folder, NameOf(lines_[i]));
                    lines_[i].next = first;
                    first = static_cast<std::uint32_t>(i);
                }
            }
        }
    }
    *missing = missing_;
    return readable_;
}

bool RepeatListOfRun::BelowDrive(const std::u16string& copy, std::u16string_view* below) const
{
    if (copy.size() < kDrivePrefixLength || runFolder_.size() < kDrivePrefixLength ||
        copy.compare(0, kDrivePrefixLength, runFolder_, 0, kDrivePrefixLength) != 0) {
        return false;
    }
    *below = std::u16string_view(copy).substr(kDrivePrefixLength);
    return true;
}

std::u16string RepeatListOfRun::TextOf(const Line& line) const
{
    if (line.folder == kNoLine) {
        return std::u16string(NameOf(line));
    }
    std::u16string text = folders_[line.folder];
    text += u'\\';
    text += NameOf(line);
    return text;
}

bool RepeatListOfRun::KnownFolder(std::u16string_view text, std::uint32_t* folder, std::u16string_view* name) const
{
    const std::size_t slash = text.rfind(u'\\');
    if (slash == std::u16string_view::npos) {
        *folder = kNoLine;
        *name = text;
        return true;
    }
    const auto found = folderNumbers_.find(std::u16string(text.substr(0, slash)));
    if (found == folderNumbers_.end()) {
        return false;
    }
    *folder = found->second;
    *name = text.substr(slash + 1);
    return true;
}

void RepeatListOfRun::Store(std::size_t line, std::u16string_view lineText)
{
    const std::u16string copy = RepeatCopyOf(runFolder_, std::u16string(lineText));
    std::u16string_view kept = lineText;
    Line& stored = lines_[line];
    stored.namesCopy = BelowDrive(copy, &kept);
    if (kept != lineText) {
        writtenAs_.insert_or_assign(static_cast<std::uint32_t>(line), std::u16string(lineText));
    } else {
        writtenAs_.erase(static_cast<std::uint32_t>(line));
    }
    std::u16string_view name = kept;
    stored.folder = kNoLine;
    if (const std::size_t slash = kept.rfind(u'\\'); slash != std::u16string_view::npos) {
        const auto [folder, added] = folderNumbers_.try_emplace(std::u16string(kept.substr(0, slash)),
                                                                static_cast<std::uint32_t>(folders_.size()));
        if (added) {
            folders_.push_back(folder->first);
        }
        stored.folder = folder->second;
        name = kept.substr(slash + 1);
    }
    // A new name no longer than the old one takes its place.
    if (name.size() > stored.size) {
        stored.at = static_cast<std::uint32_t>(names_.size());
        names_.append(name);
    } else {
        names_.replace(stored.at, name.size(), name);
    }
    stored.size = static_cast<std::uint32_t>(name.size());
}

std::size_t RepeatListOfRun::ChainNumber(std::uint32_t folder, std::u16string_view name) const
{
    const std::size_t hash = std::hash<std::u16string_view>{}(name) ^ (folder * std::size_t{0x9E3779B97F4A7C15});
    return hash & (chains_.size() - 1);
}

std::uint32_t& RepeatListOfRun::ChainOf(std::uint32_t folder, std::u16string_view name)
{
    return chains_[ChainNumber(folder, name)];
}

void RepeatListOfRun::Index(std::size_t line)
{
    if (!lines_[line].namesCopy || lines_[line].removed) {
        return;
    }
    std::uint32_t* link = &ChainOf(lines_[line].folder, NameOf(lines_[line]));
    while (*link != kNoLine && *link < line) {
        link = &lines_[*link].next;
    }
    lines_[line].next = *link;
    *link = static_cast<std::uint32_t>(line);
}

void RepeatListOfRun::Unindex(std::size_t line)
{
    if (!lines_[line].namesCopy || lines_[line].removed) {
        return;
    }
    std::uint32_t* link = &ChainOf(lines_[line].folder, NameOf(lines_[line]));
    while (*link != kNoLine && *link != line) {
        link = &lines_[*link].next;
    }
    if (*link == line) {
        *link = lines_[line].next;
    }
    lines_[line].next = kNoLine;
}

int RepeatListOfRun::Find(const std::u16string& copy) const
{
    std::u16string_view below;
    std::u16string_view name;
    std::uint32_t folder = kNoLine;
    if (chains_.empty() || !BelowDrive(copy, &below) || !KnownFolder(below, &folder, &name)) {
        return -1;
    }
    for (std::uint32_t line = chains_[ChainNumber(folder, name)]; line != kNoLine; line = lines_[line].next) {
        if (lines_[line].folder == folder && NameOf(lines_[line]) == name) {
            return static_cast<int>(line);
        }
    }
    return -1;
}
bool RepeatListOfRun::RemoveAtOrBelow(const std::u16string& copy)
{
    std::u16string_view below;
    if (!BelowDrive(copy, &below)) {
        return false;
    }
    bool removed = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (!line.namesCopy || line.removed) {
            continue;
        }
        const std::u16string text = TextOf(line);
        if (text.starts_with(below) && (text.size() == below.size() || text[below.size()] == u'\\')) {
            Remove(i);
            removed = true;
        }
    }
    return removed;
}

bool RepeatListOfRun::RemoveEntriesOf(std::u16string_view item)
{
    constexpr std::size_t kStampFolderLength = kRunStampLength + 1;  // the stamp and its backslash
    if (runFolder_.size() < kDrivePrefixLength + kStampFolderLength) {
        return false;
    }
    const std::u16string_view kindFolder =
        std::u16string_view(runFolder_)
            .substr(kDrivePrefixLength, runFolder_.size() - kDrivePrefixLength - kStampFolderLength);
    bool removed = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].namesCopy || lines_[i].removed) {
            continue;
        }
        const std::u16string text = TextOf(lines_[i]);
        if (text.size() > kindFolder.size() + kStampFolderLength && text.starts_with(kindFolder) &&
            GoesWithDeletedItem(std::u16string_view(text).substr(kindFolder.size() + kStampFolderLength), item)) {
            Remove(i);
            removed = true;
        }
    }
    return removed;
}

void RepeatListOfRun::Remove(std::size_t line)
{
    Unindex(line);
    lines_[line].removed = true;
    changed_ = true;
}

void RepeatListOfRun::Repoint(std::size_t line, const std::u16string& copy)
{
    Unindex(line);
    Store(line, CharsFrom(copy, kDrivePrefixLength));
    Index(line);
    changed_ = true;
}

DWORD RepeatListOfRun::SaveIfChanged()
{
    if (!changed_) {
        return ERROR_SUCCESS;
    }
    PackedLines list;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].removed) {
            continue;
        }
        const auto writtenAs = writtenAs_.find(static_cast<std::uint32_t>(i));
        list.Add(writtenAs == writtenAs_.end() ? TextOf(lines_[i]) : writtenAs->second);
    }
    const DWORD error = SaveListFile(list, listPath_);
    changed_ = error != ERROR_SUCCESS;
    return error;
}

std::vector<RepeatListOfRun*> RepeatListSet::RunsFrom(const std::u16string& base, const std::u16string& stamp)
{
    std::vector<std::u16string> names;
    ForEachFolderEntry(base, [&](const WIN32_FIND_DATAW& entry, int) {
        const std::u16string name = entry.cFileName;
        if (IsDirectoryEntry(entry) && !IsLinkEntry(entry) && !IsDotsName(name) && name >= stamp) {
            names.push_back(name);
        }
        return true;
    });
    std::sort(names.begin(), names.end());
    std::vector<RepeatListOfRun*> runs;
    for (const std::u16string& name : names) {
        RepeatListOfRun& run = RunOf(base, name);
        run.SetCheckedFolder({});
        runs.push_back(&run);
    }
    return runs;
}

RepeatListOfRun& RepeatListSet::RunOf(const std::u16string& base, const std::u16string& stamp)
{
    const std::u16string runFolder = base + stamp + u"\\";
    auto found = runs_.find(runFolder);
    if (found == runs_.end()) {
        found = runs_.try_emplace(runFolder, runFolder, RepeatListPath(runFolder)).first;
    }
    return found->second;
}

DWORD RepeatListSet::SaveChanged(const std::vector<RepeatListOfRun*>& runs)
{
    for (RepeatListOfRun* run : runs) {
        const DWORD error = run->SaveIfChanged();
        if (error != ERROR_SUCCESS) {
            return error;
        }
    }
    return ERROR_SUCCESS;
}
