#pragma once
// Windows names are case-insensitive; Linux names are not. A host path is first used as written
// (one system call on the common path); only when that misses are its names matched
// case-insensitively against the folders on disk. The names of recently searched folders are kept
// while the folder's modification time is unchanged; a name that another process adds within the
// same timestamp tick can be missed by a case-insensitive lookup (an exact one always finds it).

#include "platform/drive_root.h"
#include "platform/drives.h"

#include <cerrno>
#include <optional>
#include <type_traits>

namespace platform {

// Replaces each name of host.path below the drive root by the name on disk that equals it
// case-insensitively, as far as such names exist. True when the path changed; errno is kept.
bool MatchCase(HostPath& host);

// True when the folder of hostPath exists as written and holds no entry whose name equals the last
// name of hostPath case-insensitively. Reads the folder only when it changed since it was last read.
bool IsNameFree(const std::string& hostPath);

// Tells the matching that this process created hostPath, so that folders it has read stay valid.
void NoteNameAdded(const std::string& hostPath);
// Tells the matching that this process made the folder hostPath, empty.
void NoteFolderMade(const std::string& hostPath);

// While one lives, a folder whose names were read (or that was made) is checked once: after that
// it counts as holding those names and the ones this process added, without being looked at again
// per name. For a job, whose folders nothing else writes meanwhile.
class KeepFolderNames {
public:
    KeepFolderNames();
    ~KeepFolderNames();
    KeepFolderNames(const KeepFolderNames&) = delete;
    KeepFolderNames& operator=(const KeepFolderNames&) = delete;
};

// Whether the last name of hostPath is free in its folder when a KeepFolderNames has that folder
// checked already; nullopt otherwise (nothing is read then).
std::optional<bool> IsKeptNameFree(const std::string& hostPath);

// Runs op(int dirFd, const char* name) with host's dirFd and at(), or op(const char* path) (a system
// call returning -1 with errno on failure); when it fails because a name was not found as written,
// matches the case and runs it once more.
template <class Op> auto WithCaseFallback(HostPath& host, Op&& op)
{
    const auto run = [&host, &op] {
        if constexpr (std::is_invocable_v<Op, int, const char*>) {
            return op(host.dirFd, host.at());
        } else {
            return op(host.path.c_str());
        }
    };
    auto result = run();
    if (result < 0 && (errno == ENOENT || errno == ENOTDIR) && MatchCase(host)) {
        PlaceBelowHeldRoot(host);
        if (!host.ok()) {
            return result;
        }
        result = run();
    }
    return result;
}

}  // namespace platform
