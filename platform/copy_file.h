#pragma once
// The copy a backup makes of a file into a folder where its name is normally still free, and the
// free name a file is written under before it takes its place.

#include "platform/files.h"

#include <ctime>
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

// Gives a copy written through a handle of its own what the copies here get from the source's
// version: its write time and its permission bits (owner, group, others), writable by the owner.
BOOL FinishCopyFrom(HANDLE copy, const SourceVersion& source);

// What FreeNameBeside puts after the path, before a decimal number.
inline constexpr std::u16string_view kFreeNameMark = u".~part";

// A name beside the path (the path with ".~partN") that no entry holds yet.
std::u16string FreeNameBeside(const std::u16string& path);

}  // namespace platform
