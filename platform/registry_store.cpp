#include "platform/registry_store.h"
#include "platform/errors.h"
#include "platform/text.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace platform::registry {
namespace {

constexpr std::string_view header = "harbex-registry 1";

std::string Escape(const std::u16string& text)
{
    std::string out;
    for (const char c : ToUtf8(text)) {
        if (c == '%') {
            out += "%25";
        } else if (c == '\n') {
            out += "%0A";
        } else if (c == '\r') {
            out += "%0D";
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string Unescape(std::string_view text)
{
    static constexpr std::pair<std::string_view, char> escapes[] = {{"%25", '%'}, {"%0A", '\n'}, {"%0D", '\r'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        for (const auto& [escaped, plain] : escapes) {
            if (text.substr(i, 3) == escaped) {
                c = plain;
                i += 2;
                break;
            }
        }
        out += c;
    }
    return FromUtf8(out);
}

std::string Hex(const std::vector<BYTE>& data)
{
    if (data.empty()) {
        return "-";
    }
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (const BYTE b : data) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

bool FromHex(std::string_view text, std::vector<BYTE>& data)
{
    data.clear();
    if (text == "-") {
        return true;
    }
    if (text.size() % 2 != 0) {
        return false;
    }
    const auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    };
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = nibble(text[i]);
        const int low = nibble(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        data.push_back(static_cast<BYTE>(high * 16 + low));
    }
    return true;
}

bool ReadValue(const std::string& line, Value& value)
{
    // "value TYPE HEX NAME"
    std::istringstream in(line);
    std::string word, hex;
    DWORD type = 0;
    if (!(in >> word >> type >> hex) || word != "value" || !FromHex(hex, value.data)) {
        return false;
    }
    value.type = type;
    std::string name;
    if (in.get() == ' ') {
        std::getline(in, name);
    }
    value.name = Unescape(name);
    return true;
}

}  // namespace

std::u16string Folded(const std::u16string& text)
{
    return UpperCase(text);
}

Key* Hive::Find(const std::u16string& path)
{
    const auto found = keys.find(Folded(path));
    return found == keys.end() ? nullptr : &found->second;
}

bool Hive::Create(const std::u16string& path)
{
    bool created = false;
    for (std::size_t end = 0; end != std::u16string::npos;) {
        end = path.find(u'\\', end + 1);
        const std::u16string level = end == std::u16string::npos ? path : path.substr(0, end);
        created = keys.try_emplace(Folded(level), Key{level, {}}).second;
    }
    return created;
}

bool Hive::HasSubkeys(const std::u16string& path) const
{
    const std::u16string prefix = path.empty() ? std::u16string{} : Folded(path) + u"\\";
    for (const auto& [folded, key] : keys) {
        if (folded.size() > prefix.size() && folded.compare(0, prefix.size(), prefix) == 0) {
            return true;
        }
    }
    return false;
}

bool LoadHive(const std::string& file, Hive& hive)
{
    hive = Hive{};
    hive.Create(u"");
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return !ec;
    }
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line != header) {
        return false;
    }
    Key* current = hive.Find(u"");
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            const std::u16string path = Unescape(std::string_view(line).substr(1, line.size() - 2));
            hive.Create(path);
            current = hive.Find(path);
            continue;
        }
        Value value;
        if (!ReadValue(line, value)) {
            return false;
        }
        current->values[Folded(value.name)] = std::move(value);
    }
    return true;
}

DWORD SaveHive(const std::string& file, const Hive& hive)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    const std::string temporary = file + ".tmp." + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << header << '\n';
        for (const auto& [folded, key] : hive.keys) {
            out << '[' << Escape(key.path) << "]\n";
            for (const auto& [name, value] : key.values) {
                out << "value " << value.type << ' ' << Hex(value.data) << ' ' << Escape(value.name) << '\n';
            }
        }
        out.flush();
        if (!out) {
            const int error = errno;
            std::remove(temporary.c_str());
            return WindowsErrorFromErrno(error);
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        return WindowsErrorFromErrno(error);
    }
    return ERROR_SUCCESS;
}

}  // namespace platform::registry
