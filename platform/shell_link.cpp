#include "platform/desktop_entry.h"
#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/host_case.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::string_view linkHeader = "[HarbexShellLink]";

// Line breaks cannot stand in a value; they are dropped as the shell itself refuses them.
std::string Field(std::string_view key, std::u16string_view value)
{
    std::string text = ToUtf8(value);
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    return std::string(key) + " = " + text + "\n";
}

std::string LinkText(const ShellLink& link)
{
    return std::string(linkHeader) + "\n" + Field("target", link.target) + Field("arguments", link.arguments) +
           Field("workingfolder", link.workingFolder) + Field("icon", link.iconPath) +
           "iconindex = " + std::to_string(link.iconIndex) + "\n";
}

bool ParseLink(const std::string& text, ShellLink& link)
{
    link = ShellLink{};
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        if (first) {
            if (line != linkHeader) {
                return false;
            }
            first = false;
            continue;
        }
        const auto equals = line.find(" = ");
        if (equals == std::string_view::npos) {
            return false;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 3);
        if (key == "target") {
            link.target = FromUtf8(value);
        } else if (key == "arguments") {
            link.arguments = FromUtf8(value);
        } else if (key == "workingfolder") {
            link.workingFolder = FromUtf8(value);
        } else if (key == "icon") {
            link.iconPath = FromUtf8(value);
        } else if (key == "iconindex") {
            std::from_chars(value.data(), value.data() + value.size(), link.iconIndex);
        }
    }
    return !first;
}

constexpr std::string_view entrySuffix = ".desktop";

bool IsDesktopEntry(const std::string& hostPath)
{
    return hostPath.size() > entrySuffix.size() && hostPath.ends_with(entrySuffix);
}

// The text to store at hostPath: a desktop entry, which needs the target's host path, or our own.
bool TextForPath(const std::string& hostPath, const ShellLink& link, std::string& text)
{
    if (!IsDesktopEntry(hostPath)) {
        text = LinkText(link);
        return true;
    }
    HostPath target = ToHostPath(link.target);
    if (!target.ok()) {
        return Fail(target.error) != FALSE;
    }
    MatchCase(target);
    const std::size_t slash = hostPath.rfind('/') + 1;
    const std::string name = hostPath.substr(slash, hostPath.size() - slash - entrySuffix.size());
    text = DesktopEntryText(link, name, target.path);
    return true;
}

}  // namespace

BOOL SaveShellLink(LPCWSTR linkPath, const ShellLink& link)
{
    if (linkPath == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    HostPath host = ToHostPath(linkPath);
    if (!host.ok()) {
        return Fail(host.error);
    }
    std::string text;
    if (!TextForPath(host.path, link, text)) {
        return FALSE;
    }
    if (IsDesktopEntry(host.path)) {
        // The desktop's autostart folder exists on Windows as a matter of course; here it may not yet.
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(host.path).parent_path(), ec);
    }
    const UniqueFd file(
        WithCaseFallback(host, [](const char* p) { return open(p, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644); }));
    if (file.get() < 0) {
        return FailWithErrno(errno, host.path);
    }
    if (write(file.get(), text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        return FailWithErrno(errno, host.path);
    }
    return TRUE;
}

BOOL LoadShellLink(LPCWSTR linkPath, ShellLink& link)
{
    if (linkPath == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    HostPath host = ToHostPath(linkPath);
    if (!host.ok()) {
        return Fail(host.error);
    }
    const UniqueFd file(WithCaseFallback(host, [](const char* p) { return open(p, O_RDONLY | O_CLOEXEC); }));
    if (file.get() < 0) {
        return FailWithErrno(errno, host.path);
    }
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(file.get(), buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            return FailWithErrno(errno, host.path);
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    const bool parsed = IsDesktopEntry(host.path) ? ParseDesktopEntry(text, link) : ParseLink(text, link);
    return parsed ? TRUE : Fail(ERROR_INVALID_DATA);
}

}  // namespace platform
