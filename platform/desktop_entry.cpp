#include "platform/desktop_entry.h"

#include "platform/command_line.h"
#include "platform/text.h"

#include <charconv>

namespace platform {
namespace {

constexpr std::string_view groupHeader = "[Desktop Entry]";

// The escapes of a desktop entry's string values.
std::string Escaped(std::string_view value)
{
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Unescaped(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next == 's' ? ' ' : next;
    }
    return out;
}

// One Exec word: always quoted, so no character of a path is taken as a field code or separator.
std::string ExecWord(std::string_view word)
{
    std::string out = "\"";
    for (const char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            out += '\\';
        }
        out += c;
        if (c == '%') {
            out += '%';
        }
    }
    return out + "\"";
}

std::string Line(std::string_view key, std::string_view value)
{
    return std::string(key) + "=" + Escaped(value) + "\n";
}

}  // namespace

std::string DesktopEntryText(const ShellLink& link, std::string_view name, std::string_view hostTarget)
{
    std::string exec = ExecWord(hostTarget);
    for (const std::string& word : SplitCommandLine(link.arguments)) {
        exec += " " + ExecWord(word);
    }
    return std::string(groupHeader) + "\n" + Line("Type", "Application") + Line("Name", name) + Line("Exec", exec) +
           Line("X-Harbex-Target", ToUtf8(link.target)) + Line("X-Harbex-Arguments", ToUtf8(link.arguments)) +
           Line("X-Harbex-WorkingFolder", ToUtf8(link.workingFolder)) + Line("X-Harbex-Icon", ToUtf8(link.iconPath)) +
           Line("X-Harbex-IconIndex", std::to_string(link.iconIndex));
}

bool ParseDesktopEntry(const std::string& text, ShellLink& link)
{
    link = ShellLink{};
    bool inGroup = false;
    bool haveTarget = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.front() == '[') {
            inGroup = line == groupHeader;
            continue;
        }
        const auto equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = line.substr(0, equals);
        const std::u16string value = FromUtf8(Unescaped(line.substr(equals + 1)));
        if (key == "X-Harbex-Target") {
            link.target = value;
            haveTarget = true;
        } else if (key == "X-Harbex-Arguments") {
            link.arguments = value;
        } else if (key == "X-Harbex-WorkingFolder") {
            link.workingFolder = value;
        } else if (key == "X-Harbex-Icon") {
            link.iconPath = value;
        } else if (key == "X-Harbex-IconIndex") {
            const std::string number = ToUtf8(value);
            std::from_chars(number.data(), number.data() + number.size(), link.iconIndex);
        }
    }
    return haveTarget;
}

}  // namespace platform
