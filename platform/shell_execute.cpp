#include "platform/drives.h"
#include "platform/host_case.h"
#include "platform/machine.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {
namespace {

HINSTANCE Result(int code)
{
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(code));
}

constexpr int started = 33;

bool IsDrivePath(std::u16string_view text)
{
    return text.size() >= 2 && text[1] == u':';
}

// Splits parameters at blanks; double quotes group words, as a Windows command line does.
std::vector<std::string> SplitParameters(std::u16string_view parameters)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (const char c : ToUtf8(parameters)) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// Starts the program in a grandchild so that nothing waits for it and no zombie stays behind.
bool SpawnDetached(const std::vector<std::string>& command, const std::string& directory)
{
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        setsid();
        if (!directory.empty() && chdir(directory.c_str()) != 0) {
            _exit(1);
        }
        std::vector<char*> argv;
        for (const std::string& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        pid_t grandchild = 0;
        _exit(posix_spawnp(&grandchild, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

HINSTANCE Record(LPCWSTR operation, std::u16string_view file, LPCWSTR parameters, LPCWSTR directory, int show)
{
    const auto text = [](LPCWSTR value) { return ToUtf8(value != nullptr ? value : u""); };
    const std::string line = text(operation) + "\t" + ToUtf8(file) + "\t" + text(parameters) + "\t" + text(directory) +
                             "\t" + std::to_string(show) + "\n";
    const UniqueFd log(open((MachineFolder() + "/shell.log").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (!log.valid()) {
        return Result(SE_ERR_ACCESSDENIED);
    }
    const bool written = write(log.get(), line.data(), line.size()) == static_cast<ssize_t>(line.size());
    return Result(written ? started : SE_ERR_ACCESSDENIED);
}

std::string HostFolder(LPCWSTR directory)
{
    if (directory == nullptr || !IsDrivePath(directory)) {
        return {};
    }
    HostPath host = ToHostPath(directory);
    MatchCase(host);
    return host.ok() ? host.path : std::string{};
}

bool IsProgram(const std::string& hostFile)
{
    struct stat info;
    return !hostFile.empty() && stat(hostFile.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(hostFile.c_str(), X_OK) == 0;
}

HINSTANCE StartProgram(const std::string& hostFile, LPCWSTR parameters, LPCWSTR directory)
{
    std::vector<std::string> command{hostFile};
    for (std::string& word : SplitParameters(parameters != nullptr ? parameters : u"")) {
        command.push_back(std::move(word));
    }
    return Result(SpawnDetached(command, HostFolder(directory)) ? started : SE_ERR_NOASSOC);
}

HINSTANCE StartOnRealMachine(std::u16string_view file, const std::string& hostFile, LPCWSTR parameters,
                             LPCWSTR directory)
{
    if (IsProgram(hostFile)) {
        return StartProgram(hostFile, parameters, directory);
    }
    const std::vector<std::string> command{"xdg-open", hostFile.empty() ? ToUtf8(file) : hostFile};
    return Result(SpawnDetached(command, HostFolder(directory)) ? started : SE_ERR_NOASSOC);
}

}  // namespace
}  // namespace platform

HINSTANCE ShellExecuteW(HWND, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, int show)
{
    using namespace platform;
    if (file == nullptr || *file == u'\0') {
        return Result(SE_ERR_FNF);
    }
    const std::u16string_view target(file);
    std::string hostFile;
    if (IsDrivePath(target)) {
        HostPath host = ToHostPath(target);
        if (!host.ok()) {
            return Result(SE_ERR_PNF);
        }
        struct stat info;
        if (WithCaseFallback(host, [&info](const char* p) { return stat(p, &info); }) != 0) {
            return Result(errno == ENOENT ? SE_ERR_FNF : SE_ERR_PNF);
        }
        hostFile = host.path;
    }
    if (CurrentProfile() != nullptr) {
        // A simulated machine runs its own programs (they inherit the machine and the display) and
        // only notes what would open in another application.
        const HINSTANCE noted = Record(operation, target, parameters, directory, show);
        return IsProgram(hostFile) ? StartProgram(hostFile, parameters, directory) : noted;
    }
    return StartOnRealMachine(target, hostFile, parameters, directory);
}
