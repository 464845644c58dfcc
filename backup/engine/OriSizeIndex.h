#pragma once
// The lines of one OriSize.ini, each taken at most once by the size passes. A line is found by its
// text from a fixed position up to three blanks and a decimal number, in the order of the file, through
// an index built once per position, so a pass over N files costs N look-ups.

#include "lists/string_list.h"
#include "platform/win_types.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class OriSizeIndex {
public:
    // Replaces the lines by those of the file; false (lines unchanged) when it cannot be read.
    bool LoadFromFile(const std::u16string& path);
    void Assign(const lists::TStringList& lines);
    void Clear();

    // Adds the size of the first line not yet taken whose text from position `from` on is the
    // relative path, three blanks and a decimal number, and takes that line; false when there is none.
    bool Take(LONGLONG& total, std::size_t from, std::u16string_view relative);

private:
    struct Candidates {
        std::vector<std::pair<std::size_t, LONGLONG>> lines;  // index and size, in file order
        std::size_t next = 0;  // the lines before it are all taken
    };
    void Build(std::size_t from);

    std::vector<std::u16string> lines_;
    std::vector<bool> taken_;
    std::size_t builtFrom_ = static_cast<std::size_t>(-1);
    std::unordered_map<std::u16string_view, Candidates> byRelative_;
};
