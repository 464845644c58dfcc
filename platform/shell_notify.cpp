#include "platform/shell_notify.h"

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/unique_fd.h"

#include <dirent.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace platform {

namespace {

// Deep enough for the branches a user opens in the source tree; the cap keeps a whole disk from
// exhausting the system's watch limit.
constexpr int kWatchDepth = 4;
constexpr std::size_t kMaxWatches = 8192;
constexpr uint32_t kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_CLOSE_WRITE;

struct WatchedFolder {
    std::string host;
    std::u16string windows;  // "C:\" at a root, "C:\A\B" below it
    int depth = 0;
};

std::u16string JoinWindows(const std::u16string& folder, const std::u16string& name)
{
    return folder.back() == u'\\' ? folder + name : folder + u'\\' + name;
}

class FolderWatcher {
public:
    FolderWatcher() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) { }

    bool Valid() const { return fd_.valid() && !folders_.empty(); }

    void WatchTree(const std::string& host, const std::u16string& windows, int depth)
    {
        if (!fd_.valid() || folders_.size() >= kMaxWatches) {
            return;
        }
        const int wd = inotify_add_watch(fd_.get(), host.c_str(), kWatchMask | IN_ONLYDIR);
        if (wd < 0) {
            return;
        }
        folders_[wd] = WatchedFolder{host, windows, depth};
        if (depth >= kWatchDepth) {
            return;
        }
        std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(host.c_str()), closedir);
        if (!dir) {
            return;
        }
        std::vector<std::string> names;
        while (const dirent* entry = readdir(dir.get())) {
            const std::string name = entry->d_name;
            if ((entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN) && name != "." && name != "..") {
                names.push_back(name);
            }
        }
        for (const std::string& name : names) {
            WatchTree(host + "/" + name, JoinWindows(windows, FromHostName(name)), depth + 1);
        }
    }

    // Raw changes as (event, path1, path2).
    std::vector<ShellNotice> Read()
    {
        std::vector<ShellNotice> changes;
        alignas(inotify_event) std::array<char, 16384> buffer;
        ssize_t length = 0;
        while ((length = read(fd_.get(), buffer.data(), buffer.size())) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                Take(*event, changes);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        FlushMoveFrom(changes);
        return changes;
    }

private:
    struct PendingMove {
        uint32_t cookie = 0;
        bool folder = false;
        std::u16string path;
    };

    void Take(const inotify_event& event, std::vector<ShellNotice>& changes)
    {
        if (event.mask & IN_Q_OVERFLOW) {
            FlushMoveFrom(changes);
            changes.push_back(ShellNotice{nullptr, 0, SHCNE_UPDATEDIR, {}, {}});
            return;
        }
        if (event.mask & IN_IGNORED) {
            folders_.erase(event.wd);
            return;
        }
        const auto found = folders_.find(event.wd);
        if (found == folders_.end() || event.len == 0) {
            return;
        }
        const WatchedFolder parent = found->second;
        const std::string name = event.name;
        const std::u16string path = JoinWindows(parent.windows, FromHostName(name));
        const bool folder = (event.mask & IN_ISDIR) != 0;
        if (!(event.mask & IN_MOVED_TO) || pendingMove_.cookie != event.cookie) {
            FlushMoveFrom(changes);
        }
        if (event.mask & IN_CREATE) {
            changes.push_back(ShellNotice{nullptr, 0, folder ? SHCNE_MKDIR : SHCNE_CREATE, path, {}});
            if (folder) {
                WatchTree(parent.host + "/" + name, path, parent.depth + 1);
            }
        } else if (event.mask & IN_DELETE) {
            changes.push_back(ShellNotice{nullptr, 0, folder ? SHCNE_RMDIR : SHCNE_DELETE, path, {}});
        } else if (event.mask & IN_MOVED_FROM) {
            pendingMove_ = PendingMove{event.cookie, folder, path};
        } else if (event.mask & IN_MOVED_TO) {
            TakeMoveTo(event.cookie, folder, parent, name, path, changes);
        } else if (event.mask & IN_ATTRIB) {
            changes.push_back(ShellNotice{nullptr, 0, SHCNE_ATTRIBUTES, path, {}});
        } else if (event.mask & IN_CLOSE_WRITE) {
            changes.push_back(ShellNotice{nullptr, 0, SHCNE_UPDATEITEM, path, {}});
        }
    }

    void TakeMoveTo(uint32_t cookie, bool folder, const WatchedFolder& parent, const std::string& name,
                    const std::u16string& path, std::vector<ShellNotice>& changes)
    {
        if (pendingMove_.cookie == cookie && cookie != 0) {
            changes.push_back(
                ShellNotice{nullptr, 0, folder ? SHCNE_RENAMEFOLDER : SHCNE_RENAMEITEM, pendingMove_.path, path});
            if (folder) {
                Rename(pendingMove_.path, path, parent.host + "/" + name);
            }
            pendingMove_ = PendingMove{};
            return;
        }
        changes.push_back(ShellNotice{nullptr, 0, folder ? SHCNE_MKDIR : SHCNE_CREATE, path, {}});
        if (folder) {
            WatchTree(parent.host + "/" + name, path, parent.depth + 1);
        }
    }

    // A moved folder keeps its watches: their paths follow it.
    void Rename(const std::u16string& oldPath, const std::u16string& newPath, const std::string& newHost)
    {
        for (auto& [wd, watched] : folders_) {
            const bool same = watched.windows == oldPath;
            const bool below = watched.windows.size() > oldPath.size() &&
                               watched.windows.compare(0, oldPath.size(), oldPath) == 0 &&
                               watched.windows[oldPath.size()] == u'\\';
            if (!same && !below) {
                continue;
            }
            std::u16string rest = watched.windows.substr(oldPath.size());
            watched.windows = newPath + rest;
            watched.host = newHost;
            // Separators first: a name's private-use backslash maps to a backslash of that name.
            std::replace(rest.begin(), rest.end(), u'\\', u'/');
            // rest holds names read from the host, so it always maps back.
            (void)ToHostName(rest, watched.host);
        }
    }

    // A folder moved out of the watched folders is gone from them.
    void FlushMoveFrom(std::vector<ShellNotice>& changes)
    {
        if (pendingMove_.cookie == 0) {
            return;
        }
        changes.push_back(
            ShellNotice{nullptr, 0, pendingMove_.folder ? SHCNE_RMDIR : SHCNE_DELETE, pendingMove_.path, {}});
        pendingMove_ = PendingMove{};
    }

    UniqueFd fd_;
    std::map<int, WatchedFolder> folders_;
    PendingMove pendingMove_;
};

struct Registration {
    HWND window = nullptr;
    UINT msg = 0;
    LONG events = 0;
    FolderWatcher watcher;
};

std::map<ULONG, std::unique_ptr<Registration>>& Registrations()
{
    static std::map<ULONG, std::unique_ptr<Registration>> registrations;
    return registrations;
}

void WatchLocalFixedDrives(FolderWatcher& watcher, int depth)
{
    for (const Drive& drive : Drives()) {
        if (drive.type == DRIVE_FIXED && drive.bus != DriveBus::Usb) {
            watcher.WatchTree(drive.hostFolder, std::u16string{drive.letter, u':', u'\\'}, depth);
        }
    }
}

void WatchEntry(FolderWatcher& watcher, const SHChangeNotifyEntry& entry)
{
    if (entry.pidl == nullptr) {
        return;
    }
    const std::u16string folder(reinterpret_cast<const char16_t*>(entry.pidl));
    const int depth = entry.fRecursive ? 0 : kWatchDepth;
    if (folder == SpecialFolderPath(CSIDL_DESKTOP)) {
        WatchLocalFixedDrives(watcher, depth);
        return;
    }
    const HostPath host = ToHostPath(folder);
    if (host.ok()) {
        watcher.WatchTree(host.path, folder, depth);
    }
}

}  // namespace

std::vector<ShellNotice> TakeShellNotices()
{
    std::vector<ShellNotice> notices;
    for (auto& [id, registration] : Registrations()) {
        for (ShellNotice& change : registration->watcher.Read()) {
            if ((change.event & registration->events) != 0) {
                change.window = registration->window;
                change.msg = registration->msg;
                notices.push_back(std::move(change));
            }
        }
    }
    return notices;
}

}  // namespace platform

ULONG SHChangeNotifyRegister(HWND window, int, LONG events, UINT msg, int entryCount,
                             const SHChangeNotifyEntry* entries)
{
    static ULONG lastId = 0;
    auto registration = std::make_unique<platform::Registration>();
    registration->window = window;
    registration->msg = msg;
    registration->events = events;
    for (int i = 0; entries != nullptr && i < entryCount; ++i) {
        platform::WatchEntry(registration->watcher, entries[i]);
    }
    if (!registration->watcher.Valid()) {
        return 0;
    }
    platform::Registrations()[++lastId] = std::move(registration);
    return lastId;
}

BOOL SHChangeNotifyDeregister(ULONG id)
{
    return platform::Registrations().erase(id) != 0 ? TRUE : FALSE;
}
