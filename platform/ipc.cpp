#include "platform/ipc.h"
#include "platform/errors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <strings.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr char frontByte = 'F';
constexpr char closeByte = 'C';

struct RemoteWindow {
    std::string socketPath;
};

std::map<std::string, std::unique_ptr<RemoteWindow>>& KnownWindows()
{
    static std::map<std::string, std::unique_ptr<RemoteWindow>> windows;
    return windows;
}

bool SocketAddress(const std::string& path, sockaddr_un& address)
{
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

UniqueFd DatagramSocket()
{
    return UniqueFd(socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

bool SameText(const char* wanted, const std::string& actual)
{
    return wanted == nullptr || strcasecmp(wanted, actual.c_str()) == 0;
}

// A window is live while its socket accepts a connection; a refusal means its process has ended.
enum class Liveness { Live, Stale, Unknown };

Liveness Probe(const std::string& socketPath)
{
    sockaddr_un address;
    const UniqueFd probe = DatagramSocket();
    if (!probe.valid() || !SocketAddress(socketPath, address)) {
        return Liveness::Unknown;
    }
    if (connect(probe.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return Liveness::Live;
    }
    return errno == ECONNREFUSED || errno == ENOENT ? Liveness::Stale : Liveness::Unknown;
}

HWND HandleOf(const std::string& socketPath)
{
    auto& slot = KnownWindows()[socketPath];
    if (!slot) {
        slot = std::make_unique<RemoteWindow>(RemoteWindow{socketPath});
    }
    return static_cast<HWND>(slot.get());
}

const RemoteWindow* Remote(HWND window)
{
    for (const auto& [path, remote] : KnownWindows()) {
        if (static_cast<HWND>(remote.get()) == window) {
            return remote.get();
        }
    }
    return nullptr;
}

std::string NextBaseName()
{
    static std::atomic<unsigned> serial{0};
    return std::to_string(getpid()) + "-" + std::to_string(serial++);
}

}  // namespace

namespace {

// A private folder, made when missing; empty when it cannot be made or is not ours.
std::string OwnFolder(const std::string& folder)
{
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // In a shared folder such as /tmp, someone else's folder (or a link) must not be used.
    struct stat info;
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        return {};
    }
    return folder;
}

// One name per machine profile and display, as one Windows session: the programs of one demo
// machine on one screen meet, those of another machine or another screen never do.
std::string SessionName()
{
    const char* profile = std::getenv("HARBEX_MACHINE");
    const char* display = std::getenv("DISPLAY");
    std::error_code ec;
    std::string key = profile != nullptr && *profile != '\0' ? fs::weakly_canonical(profile, ec).string() : "";
    if (key.empty() && profile != nullptr) {
        key = profile;
    }
    key += '\n';
    key += display != nullptr ? display : "";
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : key) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char name[24];
    std::snprintf(name, sizeof name, "s%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

std::string RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string user =
        OwnFolder(runtime != nullptr && *runtime == '/' ? std::string(runtime) + "/harbex"
                                                        : "/tmp/harbex-" + std::to_string(getuid()));
    return user.empty() ? user : OwnFolder(user + "/" + SessionName());
}

WindowRegistration::WindowRegistration(std::string_view className, std::string_view title)
{
    const std::string folder = RuntimeFolder();
    if (folder.empty()) {
        error_ = ERROR_ACCESS_DENIED;
        return;
    }
    const std::string base = folder + "/" + NextBaseName();
    socketPath_ = base + ".sock";
    sockaddr_un address;
    socket_ = DatagramSocket();
    if (!socket_.valid() || !SocketAddress(socketPath_, address)) {
        error_ = socket_.valid() ? ERROR_FILENAME_EXCED_RANGE : WindowsErrorFromErrno(errno);
        return;
    }
    unlink(socketPath_.c_str());
    if (bind(socket_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error_ = WindowsErrorFromErrno(errno);
        return;
    }
    bound_ = true;
    // The identity file appears only once the socket is bound, so a finder never sees half of it.
    const std::string temporary = base + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << className << '\n' << title << '\n';
        if (!out) {
            error_ = ERROR_WRITE_FAULT;
            return;
        }
    }
    identityPath_ = base + ".id";
    if (std::rename(temporary.c_str(), identityPath_.c_str()) != 0) {
        error_ = WindowsErrorFromErrno(errno);
        identityPath_.clear();
    }
}

WindowRegistration::~WindowRegistration()
{
    if (!identityPath_.empty()) {
        unlink(identityPath_.c_str());
    }
    if (bound_) {
        unlink(socketPath_.c_str());
    }
}

std::vector<WindowRequest> WindowRegistration::ReadRequests()
{
    std::vector<WindowRequest> requests;
    char byte = 0;
    while (socket_.valid() && recv(socket_.get(), &byte, 1, MSG_DONTWAIT) == 1) {
        if (byte == frontByte) {
            requests.push_back(WindowRequest::BringToFront);
        } else if (byte == closeByte) {
            requests.push_back(WindowRequest::Close);
        }
    }
    return requests;
}

bool IsRegisteredWindow(HWND window)
{
    return Remote(window) != nullptr;
}

BOOL PostWindowRequest(HWND window, WindowRequest request)
{
    const RemoteWindow* remote = Remote(window);
    sockaddr_un address;
    const UniqueFd sender = DatagramSocket();
    if (remote == nullptr || !sender.valid() || !SocketAddress(remote->socketPath, address)) {
        return Fail(ERROR_INVALID_WINDOW_HANDLE);
    }
    const char byte = request == WindowRequest::Close ? closeByte : frontByte;
    const auto* target = reinterpret_cast<const sockaddr*>(&address);
    if (sendto(sender.get(), &byte, 1, MSG_DONTWAIT, target, sizeof address) != 1) {
        const bool gone = errno == ECONNREFUSED || errno == ENOENT;
        return Fail(gone ? ERROR_INVALID_WINDOW_HANDLE : WindowsErrorFromErrno(errno));
    }
    return TRUE;
}

}  // namespace platform

HWND FindWindowA(LPCSTR className, LPCSTR title)
{
    using namespace platform;
    const std::string folder = RuntimeFolder();
    if (folder.empty()) {
        return nullptr;
    }
    std::error_code ec;
    std::vector<fs::path> identities;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ".id") {
            identities.push_back(entry.path());
        }
    }
    std::sort(identities.begin(), identities.end());
    for (const fs::path& identity : identities) {
        std::ifstream in(identity);
        std::string windowClass, windowTitle;
        if (!std::getline(in, windowClass) || !std::getline(in, windowTitle)) {
            continue;
        }
        if (!SameText(className, windowClass) || !SameText(title, windowTitle)) {
            continue;
        }
        const std::string socketPath = fs::path(identity).replace_extension(".sock").string();
        switch (Probe(socketPath)) {
        case Liveness::Live:
            return HandleOf(socketPath);
        case Liveness::Stale:
            fs::remove(identity, ec);
            fs::remove(socketPath, ec);
            break;
        case Liveness::Unknown:
            break;
        }
    }
    return nullptr;
}
