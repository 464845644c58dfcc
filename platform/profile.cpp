#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/machine_setup.h"
#include "platform/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

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

// Far above any machine a person writes; a profile pointed at a device or a huge file is refused
// before it is read.
constexpr off_t kLargestProfile = 1 << 20;

// The profile's text, read only from a regular file of sane size. A FIFO is opened without
// waiting for a writer so that it can be refused too.
bool ReadProfileText(const std::string& path, std::string& text, std::string& error)
{
    const auto fail = [&path, &error](const char* what) {
        error = path + ": the machine profile " + what;
        return false;
    };
    const char* const unreadable = "cannot be read (missing or not readable)";
    const char* const tooLarge = "is larger than 1 MiB";
    const UniqueFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    if (!file.valid() || fstat(file.get(), &info) != 0) {
        return fail(unreadable);
    }
    if (!S_ISREG(info.st_mode)) {
        return fail("is not a regular file");
    }
    if (info.st_size > kLargestProfile) {
        return fail(tooLarge);
    }
    // One byte more than allowed tells a file that grew since fstat.
    text.resize(static_cast<std::size_t>(kLargestProfile) + 1);
    std::size_t size = 0;
    for (;;) {
        const ssize_t n = RetryOnInterrupt([&] { return read(file.get(), text.data() + size, text.size() - size); });
        if (n < 0) {
            return fail(unreadable);
        }
        size += static_cast<std::size_t>(n);
        if (n == 0 || size == text.size()) {
            break;
        }
    }
    if (size > static_cast<std::size_t>(kLargestProfile)) {
        return fail(tooLarge);
    }
    text.resize(size);
    return true;
}

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
    std::string text;
    if (!ReadProfileText(path, text, error)) {
        return false;
    }
    Parser parser(profile, error);
    std::string_view rest(text);
    for (int number = 1; !rest.empty(); ++number) {
        const auto end = rest.find('\n');
        if (!parser.Line(rest.substr(0, end), number)) {
            return false;
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    MachineSetup setup;
    return ReadMachineSetup(profile, setup, error);
}

}  // namespace platform
