#pragma once
// A job's hold on its backup drive, or on a folder a job writes into. While one lives, the file
// functions reach the paths below the held folder only below the folder that was there when the
// hold began: each path's folder is opened from it without following a link or leaving its file
// system, and the last name is acted on relative to that open folder (HostPath::dirFd). A link on
// the way fails the call with ERROR_CANT_ACCESS_FILE; a drive whose host folder was moved,
// unmounted or replaced meanwhile is never written by path. Other paths of the drive are untouched.

#include "platform/drives.h"

#include <memory>
#include <string_view>

namespace platform {

struct HeldRoot;

class HeldDriveRoot {
public:
    // root: "X:\" or any path on the drive. Holds nothing when the drive's root cannot be opened.
    explicit HeldDriveRoot(std::u16string_view root);
    // Holds the folder "X:\a\b" (a link there is followed, once, now) rather than the drive's root.
    // Holds nothing when it cannot be opened as a folder.
    static std::unique_ptr<HeldDriveRoot> Folder(std::u16string_view folder);
    ~HeldDriveRoot();
    HeldDriveRoot(const HeldDriveRoot&) = delete;
    HeldDriveRoot& operator=(const HeldDriveRoot&) = delete;

    bool holds() const { return root_ != nullptr; }
    // True while the drive table still maps the letter to the folder that was opened.
    bool IsStillTheDrive() const;
    // The drive is taken as gone: from now on every path on it fails as on an absent drive, so that
    // nothing more is written to the root held.
    void Lose();

private:
    HeldDriveRoot() = default;
    std::shared_ptr<HeldRoot> root_;
};

// Points host (as ToHostPath maps it) below the held root of its drive, when one is held: dirFd
// becomes the opened folder of the last name, or host.error is set when that cannot be opened.
void PlaceBelowHeldRoot(HostPath& host);
// Opens `name` below dirFd as open(2) would with `flags`, but fails (ELOOP, EXDEV) rather than
// follow a link or enter a mount on the way: how the folders of a held drive are opened.
int OpenBeneath(int dirFd, const char* name, int flags);
// Owns fd, the folder host just opened (relative to host.dirFd): on a held drive the paths below
// that folder are then reached through it, with no look-up of their own.
std::shared_ptr<const UniqueFd> KeepOpenedFolder(const HostPath& host, int fd);
// Forgets the opened folders at and below host, a folder that was just removed or renamed.
void ForgetHeldFolders(const HostPath& host);

}  // namespace platform
