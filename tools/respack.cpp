// Packs the resources listed in a manifest into one binary pack (layout in ui/resource_pack.h).
// Manifest lines: "BINRES <id> <mode> <file>", mode "raw" (bytes as they are) or "utf16" (UTF-8 text
// turned into UTF-16 LE with a byte-order mark and CR LF line ends). Blank lines and lines starting
// with '#' are ignored. Each file is looked up in the given folders in order.
//
// Usage: respack <manifest> <output> <folder>...

#include "ui/resource_pack.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Entry {
    std::string type;
    int id = 0;
    Bytes data;
};

std::optional<Bytes> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void AppendUnit(Bytes& out, std::uint32_t unit)
{
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

// UTF-8 to UTF-16 LE with BOM; every line end (LF or CR LF) becomes CR LF. Empty on malformed UTF-8.
std::optional<Bytes> Utf8ToUtf16Text(const Bytes& text)
{
    Bytes out{0xFF, 0xFE};
    std::size_t i = 0;
    if (text.size() >= 3 && text[0] == 0xEF && text[1] == 0xBB && text[2] == 0xBF)
        i = 3;
    while (i < text.size()) {
        const std::uint8_t lead = text[i];
        if (lead == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (lead == '\n') {
            AppendUnit(out, '\r');
            AppendUnit(out, '\n');
            ++i;
            continue;
        }
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return std::nullopt;
        std::uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k) {
            if ((text[i + k] & 0xC0) != 0x80)
                return std::nullopt;
            code = code << 6 | (text[i + k] & 0x3F);
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            AppendUnit(out, 0xD800 | code >> 10);
            AppendUnit(out, 0xDC00 | (code & 0x3FF));
        } else {
            AppendUnit(out, code);
        }
        i += length;
    }
    return out;
}

void AppendU32(Bytes& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes Pack(const std::vector<Entry>& entries)
{
    using namespace ui::resource_pack;
    Bytes pack(kMagic.begin(), kMagic.end());
    AppendU32(pack, static_cast<std::uint32_t>(entries.size()));
    std::size_t offset = kHeaderSize + entries.size() * kEntrySize;
    for (const Entry& entry : entries) {
        std::string type = entry.type;
        type.resize(kTypeSize, '\0');
        pack.insert(pack.end(), type.begin(), type.end());
        AppendU32(pack, static_cast<std::uint32_t>(entry.id));
        AppendU32(pack, static_cast<std::uint32_t>(offset));
        AppendU32(pack, static_cast<std::uint32_t>(entry.data.size()));
        offset += entry.data.size();
    }
    for (const Entry& entry : entries)
        pack.insert(pack.end(), entry.data.begin(), entry.data.end());
    return pack;
}

std::optional<fs::path> Locate(const std::string& file, const std::vector<fs::path>& folders)
{
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / file;
        if (fs::exists(candidate))
            return candidate;
    }
    return std::nullopt;
}

// Reads one manifest line into an entry; prints the reason and returns nullopt when it is bad.
std::optional<Entry> ReadLine(const std::string& line, int lineNumber, const std::vector<fs::path>& folders)
{
    std::istringstream fields(line);
    Entry entry;
    std::string mode, file, extra;
    if (!(fields >> entry.type >> entry.id >> mode >> file) || (fields >> extra) ||
        entry.type.size() > ui::resource_pack::kTypeSize || (mode != "raw" && mode != "utf16")) {
        std::cerr << "line " << lineNumber << ": expected '<type> <id> raw|utf16 <file>'\n";
        return std::nullopt;
    }
    const auto path = Locate(file, folders);
    auto bytes = path ? ReadFile(*path) : std::nullopt;
    if (!bytes) {
        std::cerr << "line " << lineNumber << ": cannot read " << file << "\n";
        return std::nullopt;
    }
    if (mode == "utf16") {
        bytes = Utf8ToUtf16Text(*bytes);
        if (!bytes) {
            std::cerr << "line " << lineNumber << ": " << file << " is not UTF-8\n";
            return std::nullopt;
        }
    }
    entry.data = std::move(*bytes);
    return entry;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: respack <manifest> <output> <folder>...\n";
        return 2;
    }
    std::ifstream manifest(argv[1]);
    if (!manifest) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::vector<fs::path> folders(argv + 3, argv + argc);
    std::vector<Entry> entries;
    std::set<std::pair<std::string, int>> seen;
    std::string line;
    bool ok = true;
    for (int lineNumber = 1; std::getline(manifest, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#')
            continue;
        auto entry = ReadLine(line, lineNumber, folders);
        if (entry && !seen.emplace(entry->type, entry->id).second) {
            std::cerr << "line " << lineNumber << ": id " << entry->id << " listed twice\n";
            entry.reset();
        }
        if (!entry) {
            ok = false;
            continue;
        }
        entries.push_back(std::move(*entry));
    }
    if (!ok)
        return 1;
    const Bytes pack = Pack(entries);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(pack.data()), static_cast<std::streamsize>(pack.size()));
    if (!out) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
