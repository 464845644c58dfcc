#include "platform/command_line.h"
#include "platform/drives.h"
#include "platform/host_case.h"
#include "platform/machine.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
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

// What became of a start: the program could not be started, the desktop's handler said why it
// failed (its exit code), or it is running.
constexpr int notStarted = -1;
constexpr int stillRunning = 0;

// How long a handler such as xdg-open is given to say that it failed before it counts as started:
// the desktop's own opener returns at once, a plain one may run as long as the program it opened.
constexpr int handlerAnswerMs = 3000;

// Starts the command in a grandchild so that nothing waits for it and no zombie stays behind. With
// awaitFailure the grandchild reports the command's exit code, if it ends soon enough.
int SpawnDetached(const std::vector<std::string>& command, const std::string& directory, bool awaitFailure)
{
    int answer[2];
    if (pipe2(answer, O_CLOEXEC) != 0) {
        return notStarted;
    }
    const UniqueFd reader(answer[0]);
    UniqueFd writer(answer[1]);
    const pid_t child = fork();
    if (child < 0) {
        return notStarted;
    }
    if (child == 0) {
        setsid();
        if (fork() != 0) {
            _exit(0);
        }
        unsigned char code = 127;
        pid_t started = 0;
        std::vector<char*> argv;
        for (const std::string& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        if ((directory.empty() || chdir(directory.c_str()) == 0) &&
            posix_spawnp(&started, argv[0], nullptr, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            code = 0;
            if (awaitFailure && waitpid(started, &status, 0) == started) {
                code = static_cast<unsigned char>(WIFEXITED(status) ? WEXITSTATUS(status) : 127);
            }
        }
        [[maybe_unused]] const ssize_t n = write(writer.get(), &code, 1);
        _exit(0);
    }
    writer = UniqueFd();
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) { }
    pollfd wait{reader.get(), POLLIN, 0};
    if (poll(&wait, 1, awaitFailure ? handlerAnswerMs : -1) <= 0) {
        return stillRunning;
    }
    unsigned char code = 0;
    if (read(reader.get(), &code, 1) != 1) {
        return stillRunning;
    }
    return code == 127 ? notStarted : code;
}

// xdg-open's exit codes: 2 for a file that does not exist; 1, 3 and 4 when nothing could open it.
HINSTANCE HandlerResult(int outcome)
{
    if (outcome == stillRunning) {
        return Result(started);
    }
    return Result(outcome == 2 ? SE_ERR_FNF : SE_ERR_NOASSOC);
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
    for (std::string& word : SplitCommandLine(parameters != nullptr ? parameters : u"")) {
        command.push_back(std::move(word));
    }
    return Result(SpawnDetached(command, HostFolder(directory), false) == notStarted ? SE_ERR_NOASSOC : started);
}

// Hands a file to the desktop's opener, which decides what opens it; the file is never run here.
HINSTANCE OpenOnRealMachine(std::u16string_view file, const std::string& hostFile, LPCWSTR directory)
{
    const std::vector<std::string> command{"xdg-open", hostFile.empty() ? ToUtf8(file) : hostFile};
    return HandlerResult(SpawnDetached(command, HostFolder(directory), true));
}

struct Target {
    std::string hostFile;  // empty for a name that is no drive path
    HINSTANCE missing = nullptr;  // the error for a drive path that names nothing
};

Target Locate(std::u16string_view file)
{
    Target target;
    if (!IsDrivePath(file)) {
        return target;
    }
    HostPath host = ToHostPath(file);
    struct stat info;
    if (!host.ok()) {
        target.missing = Result(SE_ERR_PNF);
    } else if (WithCaseFallback(host, [&info](const char* p) { return stat(p, &info); }) != 0) {
        target.missing = Result(errno == ENOENT ? SE_ERR_FNF : SE_ERR_PNF);
    } else {
        target.hostFile = host.path;
    }
    return target;
}

}  // namespace
}  // namespace platform

HINSTANCE ShellExecuteW(HWND, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, int show)
{
    using namespace platform;
    if (file == nullptr || *file == u'\0') {
        return Result(SE_ERR_FNF);
    }
    const Target target = Locate(file);
    if (CurrentProfile() != nullptr) {
        // A simulated machine notes every request, also for a file that is not there, and opens
        // nothing.
        const HINSTANCE noted = Record(operation, file, parameters, directory, show);
        return target.missing != nullptr ? target.missing : noted;
    }
    if (target.missing != nullptr) {
        return target.missing;
    }
    return OpenOnRealMachine(file, target.hostFile, directory);
}

HINSTANCE StartProgramW(LPCWSTR program, LPCWSTR parameters, LPCWSTR directory, int show)
{
    using namespace platform;
    if (program == nullptr || *program == u'\0') {
        return Result(SE_ERR_FNF);
    }
    const Target target = Locate(program);
    if (CurrentProfile() != nullptr) {
        // Noted as a request to open; the program then runs on the simulated machine, inheriting
        // the machine and the display.
        Record(u"open", program, parameters, directory, show);
    }
    if (target.missing != nullptr) {
        return target.missing;
    }
    return IsProgram(target.hostFile) ? StartProgram(target.hostFile, parameters, directory) : Result(SE_ERR_NOASSOC);
}
