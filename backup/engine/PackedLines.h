#pragma once
// An append-only list of UTF-16 lines for the lists a run writes once at its end (OriSize.ini,
// FileList_Repeat.ini). Each line keeps only what differs from the line before it, so the paths of
// one folder share their folder; the file it saves is byte for byte what a TStringList saves.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class PackedLines {
public:
    void Add(std::u16string_view line);
    std::size_t Count() const { return count_; }

    // Same contract as lists::TStringList::SaveToFile.
    [[nodiscard]] bool SaveToFile(std::u16string_view path) const;

private:
    // Every line is [shared length][rest length][rest], each length one or two code units. A
    // line never spans two chunks, so a full chunk is never copied again.
    std::vector<std::u16string> chunks_;
    std::u16string last_;
    std::size_t count_ = 0;
};
