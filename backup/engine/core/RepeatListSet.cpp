#include "backup/engine/core/RepeatListSet.h"

#include "backup/engine/core/DriveEntries.h"
#include "backup/engine/core/ListFiles.h"
#include "backup/engine/core/RunPaths.h"
#include "backup/frame/base/PathUtil.h"
#include "ui/controls/string_list.h"

#include <algorithm>

namespace {

constexpr std::size_t kDrivePrefixLength = 3;

}  // namespace

RepeatListOfRun::RepeatListOfRun(std::u16string runFolder, std::u16string listPath)
    : runFolder_(std::move(runFolder)), listPath_(std::move(listPath))
{
}

bool RepeatListOfRun::Load(bool* missing)
{
    if (!loaded_) {
        loaded_ = true;
        missing_ = !PathExists(listPath_);
        ui::TStringList list;
        readable_ = !missing_ && list.LoadFromFile(listPath_);
        if (readable_) {
            lines_ = list.Lines();
            copies_.resize(lines_.size());
            removed_.assign(lines_.size(), false);
            for (std::size_t i = 0; i < lines_.size(); ++i) {
                copies_[i] = RepeatCopyOf(runFolder_, lines_[i]);
                Index(i);
            }
        }
    }
    *missing = missing_;
    return readable_;
}

void RepeatListOfRun::Index(std::size_t line)
{
    if (copies_[line].empty()) {
        return;
    }
    std::vector<std::size_t>& at = byCopy_[copies_[line]];
    at.insert(std::lower_bound(at.begin(), at.end(), line), line);
}

void RepeatListOfRun::Unindex(std::size_t line)
{
    const auto found = byCopy_.find(copies_[line]);
    if (found == byCopy_.end()) {
        return;
    }
    std::vector<std::size_t>& at = found->second;
    at.erase(std::lower_bound(at.begin(), at.end(), line));
    if (at.empty()) {
        byCopy_.erase(found);
    }
}

int RepeatListOfRun::Find(const std::u16string& copy) const
{
    const auto found = byCopy_.find(copy);
    return found == byCopy_.end() ? -1 : static_cast<int>(found->second.front());
}

bool RepeatListOfRun::RemoveAtOrBelow(const std::u16string& copy)
{
    std::vector<std::size_t> lines;
    const auto exact = byCopy_.find(copy);
    if (exact != byCopy_.end()) {
        lines = exact->second;
    }
    const std::u16string below = copy + u"\\";
    for (auto it = byCopy_.lower_bound(below); it != byCopy_.end() && it->first.starts_with(below); ++it) {
        lines.insert(lines.end(), it->second.begin(), it->second.end());
    }
    for (std::size_t line : lines) {
        Remove(line);
    }
    return !lines.empty();
}

void RepeatListOfRun::Remove(std::size_t line)
{
    Unindex(line);
    removed_[line] = true;
    changed_ = true;
}

void RepeatListOfRun::Repoint(std::size_t line, const std::u16string& copy)
{
    Unindex(line);
    lines_[line] = CharsFrom(copy, kDrivePrefixLength);
    copies_[line] = RepeatCopyOf(runFolder_, lines_[line]);
    Index(line);
    changed_ = true;
}

DWORD RepeatListOfRun::SaveIfChanged()
{
    if (!changed_) {
        return ERROR_SUCCESS;
    }
    ui::TStringList list;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!removed_[i]) {
            list.Add(lines_[i]);
        }
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
        const std::u16string runFolder = base + name + u"\\";
        auto found = runs_.find(runFolder);
        if (found == runs_.end()) {
            found = runs_.try_emplace(runFolder, runFolder, RepeatListPath(runFolder)).first;
        }
        found->second.SetCheckedFolder({});
        runs.push_back(&found->second);
    }
    return runs;
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
