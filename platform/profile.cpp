#include "platform/machine.h"
#include "platform/machine_setup.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace platform {
namespace {

std::string Trim(std::string_view text)
{
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t");
    return std::string(text.substr(begin, end - begin + 1));
}

// A '#' at the start or after a blank begins a comment; one inside a value ("C#") does not.
std::string_view WithoutComment(std::string_view line)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
            return line.substr(0, i);
        }
    }
    return line;
}

class Parser {
public:
    Parser(Profile& profile, std::string& error) : profile_(profile), error_(error) { }

    bool Line(std::string_view raw, int number)
    {
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        const std::string line = Trim(WithoutComment(raw));
        if (line.empty()) {
            return true;
        }
        if (line.front() == '[') {
            return Header(line, number);
        }
        return Entry(line, number);
    }

private:
    bool Header(const std::string& line, int number)
    {
        if (line.back() != ']') {
            return Fail(number, "a section header must end with ']'");
        }
        const std::string inner = Trim(std::string_view(line).substr(1, line.size() - 2));
        const auto blank = inner.find_first_of(" \t");
        ProfileSection section;
        section.name = inner.substr(0, blank);
        section.argument = blank == std::string::npos ? std::string{} : Trim(std::string_view(inner).substr(blank));
        section.line = number;
        if (section.name.empty()) {
            return Fail(number, "a section header needs a name");
        }
        for (const ProfileSection& other : profile_.sections) {
            if (other.name == section.name && other.argument == section.argument) {
                return Fail(number, "section [" + inner + "] already appears on line " + std::to_string(other.line));
            }
        }
        profile_.sections.push_back(std::move(section));
        return true;
    }

    bool Entry(const std::string& line, int number)
    {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            return Fail(number, "expected \"key = value\" or a [section] header");
        }
        ProfileEntry entry{Trim(std::string_view(line).substr(0, equals)),
                           Trim(std::string_view(line).substr(equals + 1)), number};
        if (entry.key.empty()) {
            return Fail(number, "an entry needs a key before '='");
        }
        if (profile_.sections.empty()) {
            return Fail(number, "entry \"" + entry.key + "\" comes before any [section]");
        }
        ProfileSection& section = profile_.sections.back();
        for (const ProfileEntry& other : section.entries) {
            if (other.key == entry.key) {
                return Fail(number, "key \"" + entry.key + "\" already appears on line " + std::to_string(other.line));
            }
        }
        section.entries.push_back(std::move(entry));
        return true;
    }

    bool Fail(int number, const std::string& message)
    {
        error_ = profile_.path + ":" + std::to_string(number) + ": " + message;
        return false;
    }

    Profile& profile_;
    std::string& error_;
};

}  // namespace

const std::string* ProfileSection::Find(std::string_view key) const
{
    const auto found =
        std::find_if(entries.begin(), entries.end(), [key](const ProfileEntry& e) { return e.key == key; });
    return found == entries.end() ? nullptr : &found->value;
}

bool LoadProfile(const std::string& path, Profile& profile, std::string& error)
{
    profile = Profile{};
    profile.path = path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    profile.folder = absolute.parent_path().string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": the machine profile cannot be read (missing or not readable)";
        return false;
    }
    Parser parser(profile, error);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!parser.Line(line, number)) {
            return false;
        }
    }
    MachineSetup setup;
    return ReadMachineSetup(profile, setup, error);
}

}  // namespace platform
