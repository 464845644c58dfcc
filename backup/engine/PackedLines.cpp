#include "backup/engine/PackedLines.h"

#include "lists/list_file_writer.h"

#include <algorithm>

namespace {

constexpr std::size_t kChunkUnits = 65536;
constexpr char16_t kLongLength = 0x8000;

void PutLength(std::u16string& to, std::size_t length)
{
    if (length < kLongLength) {
        to.push_back(static_cast<char16_t>(length));
    } else {
        to.push_back(static_cast<char16_t>(kLongLength | (length >> 15)));
        to.push_back(static_cast<char16_t>(length & 0x7FFF));
    }
}

std::size_t TakeLength(std::u16string_view chunk, std::size_t& at)
{
    const char16_t first = chunk[at++];
    if ((first & kLongLength) == 0) {
        return first;
    }
    return (static_cast<std::size_t>(first & 0x7FFF) << 15) | chunk[at++];
}

}  // namespace

void PackedLines::Add(std::u16string_view line)
{
    const auto differs = std::mismatch(last_.begin(), last_.end(), line.begin(), line.end());
    const auto shared = static_cast<std::size_t>(differs.first - last_.begin());
    const std::u16string_view rest = line.substr(shared);
    const std::size_t units = rest.size() + 4;
    if (chunks_.empty() || chunks_.back().size() + units > chunks_.back().capacity()) {
        chunks_.emplace_back().reserve(std::max(kChunkUnits, units));
    }
    std::u16string& chunk = chunks_.back();
    PutLength(chunk, shared);
    PutLength(chunk, rest.size());
    chunk += rest;
    last_.assign(line);
    ++count_;
}

bool PackedLines::SaveToFile(std::u16string_view path) const
{
    lists::ListFileWriter writer(path);
    if (!writer.Opened()) {
        return false;
    }
    std::u16string line;
    for (const std::u16string& chunk : chunks_) {
        std::size_t at = 0;
        while (at < chunk.size()) {
            const std::size_t shared = TakeLength(chunk, at);
            const std::size_t rest = TakeLength(chunk, at);
            line.resize(shared);
            line.append(chunk, at, rest);
            at += rest;
            writer.Add(line);
        }
    }
    return writer.Finish();
}
