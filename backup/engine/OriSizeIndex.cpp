#include "backup/engine/OriSizeIndex.h"

#include "backup/base/TextFormat.h"

namespace {

constexpr std::u16string_view kSizeSeparator = u"   ";

}  // namespace

bool OriSizeIndex::LoadFromFile(const std::u16string& path)
{
    lists::TStringList list;
    if (!list.LoadFromFile(path)) {
        return false;
    }
    Assign(list);
    return true;
}

void OriSizeIndex::Assign(const lists::TStringList& lines)
{
    Clear();
    lines_ = lines.Lines();
    taken_.assign(lines_.size(), false);
}

void OriSizeIndex::Clear()
{
    byRelative_.clear();
    lines_.clear();
    taken_.clear();
    builtFrom_ = static_cast<std::size_t>(-1);
}

// A line belongs to every key that three blanks and a number can follow (the number may carry
// leading blanks of its own), so the look-up finds the same first line as a scan would.
void OriSizeIndex::Build(std::size_t from)
{
    byRelative_.clear();
    builtFrom_ = from;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::u16string_view line = lines_[i];
        if (line.size() <= from) {
            continue;
        }
        for (std::size_t at = line.find(kSizeSeparator, from); at != std::u16string_view::npos;
             at = line.find(kSizeSeparator, at + 1)) {
            const auto size = ParseDecimal(line.substr(at + kSizeSeparator.size()));
            if (size) {
                byRelative_[line.substr(from, at - from)].lines.emplace_back(i, *size);
            }
        }
    }
}

bool OriSizeIndex::Take(LONGLONG& total, std::size_t from, std::u16string_view relative)
{
    if (from != builtFrom_) {
        Build(from);
    }
    const auto found = byRelative_.find(relative);
    if (found == byRelative_.end()) {
        return false;
    }
    Candidates& candidates = found->second;
    while (candidates.next < candidates.lines.size() && taken_[candidates.lines[candidates.next].first]) {
        ++candidates.next;
    }
    if (candidates.next == candidates.lines.size()) {
        return false;
    }
    const auto [index, size] = candidates.lines[candidates.next++];
    taken_[index] = true;
    total += size;
    return true;
}
