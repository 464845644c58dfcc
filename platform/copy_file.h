#pragma once
// The copy a backup makes of a file into a folder where its name is normally still free, the
// writer that gives a copy its name only when it is whole, and the free name a file is written
// under before it takes its place.

#include "platform/drives.h"
#include "platform/files.h"

#include <ctime>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// What a copy holds its source to: the file's identity, size, write and change times when the copy
// opened it. A copy is whole only when the source has them all again after it and the copy holds
// that many bytes; a file written through a shared mapping without any time changing cannot show.
struct SourceVersion {
    FileIdentity id;
    ULONGLONG size = 0;
    timespec lastWrite{};
    timespec changed{};
    unsigned mode = 0;  // kept by the copy: the permission bits
};

// CopyFileExW to a name that no entry of its folder holds in any case, the copy getting exactly
// `attributes` (FILE_ATTRIBUTE_NORMAL, or read-only, hidden and system bits) rather than the
// source's plus archive, and the source's permission bits, before it is given its name. Fails with ERROR_FILE_EXISTS,
// having written nothing, when the name is taken or its folder is not found as written: the general way then decides.
// listed, when given, is the source's find record from a listing: the copy then trusts it at the open rather than
// reading the source's status, and checks it after the copy. A source changed or replaced since its listing but before
// the copy began is copied once more as it is then, its progress starting over from 0; one changed during the copy
// fails with ERROR_SHARING_VIOLATION, as without a listing, and so does one whose size is not the listed one under the
// listed write time (being written, its times not yet stamped).
BOOL CopyFileToFreeName(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, DWORD attributes,
                        const WIN32_FIND_DATAW* listed = nullptr);

// For a copy read through a handle of its own (the container's coder), the rule the copies here
// keep. The version of the open source, 0 or the Windows error; ERROR_SHARING_VIOLATION, as
// above, when listed (may be null) shows the file being written.
DWORD ReadSourceVersion(HANDLE file, const WIN32_FIND_DATAW* listed, SourceVersion* version);
// 0 when the open source still has the version read at its open, so that the version's size in
// bytes read since is the whole of one version; else ERROR_SHARING_VIOLATION.
DWORD CheckSourceUnchanged(HANDLE file, const SourceVersion& atOpen);

class FileHandle;

// A copy in progress, given its name only when complete, so that a failure never leaves a
// half-written file nor loses the old one. It is written to an unnamed file in the destination
// folder where the file system has them (nothing is left behind even by a crash), else to a
// temporary name beside the destination that goes with the copy when it is not completed.
class PendingCopy {
public:
    explicit PendingCopy(HostPath target);
    ~PendingCopy();
    PendingCopy(const PendingCopy&) = delete;
    PendingCopy& operator=(const PendingCopy&) = delete;

    // Creates the file in the folder of the target with exactly the permission bits, from the start
    // (a private file is never readable by others on the way); false with errno on failure.
    bool Create(unsigned permissions);
    FileHandle& file() { return *file_; }
    HANDLE handle();
    // Gives the copy its name, replacing a file of that name when mayReplace, and closes it; false
    // with errno.
    bool Commit(bool mayReplace);

private:
    bool MakeFile(unsigned permissions);
    bool Adopt(int fd);

    HostPath target_;
    std::string tempPath_;
    std::unique_ptr<FileHandle> file_;
};

// For a copy written through a handle of its own (the container's coder): the pending copy of the
// file at path, created with the source's permission bits (owner, group, others), writable by the
// owner; null with the last error when it cannot be created (ERROR_CANT_ACCESS_FILE for a link on
// the way, platform/drive_root.h).
std::unique_ptr<PendingCopy> CreatePendingCopy(LPCWSTR path, const SourceVersion& source);
// Gives the complete copy the source's write time and then its name, replacing a file of that name;
// FALSE with the last error, the copy then left unnamed.
BOOL CommitPendingCopy(PendingCopy& copy, const SourceVersion& source);

// What FreeNameBeside puts after the path, before a decimal number.
inline constexpr std::u16string_view kFreeNameMark = u".~part";

// A name beside the path (the path with ".~partN") that no entry holds yet.
std::u16string FreeNameBeside(const std::u16string& path);

}  // namespace platform
