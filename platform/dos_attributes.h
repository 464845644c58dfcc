#pragma once
// The attribute bits that Linux permissions cannot hold (hidden, system, archive, ...), kept per file:
// - in the extended attribute "user.DOSATTRIB" as the text "0x" + lower-case hex (for example "0x22");
// - on vfat drives in the FAT attribute byte itself;
// - elsewhere (no extended attributes) for the life of the process only.
// A regular file that has none stored counts as having only the archive bit, as Windows gives every
// new or written file; a folder counts as having none.

#include "platform/files.h"

#include <optional>
#include <string>

namespace platform {

// The bits a regular file keeps beside its permission bits.
inline constexpr DWORD kStoredFileBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                         FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The bits stored for the file (hostPath must not be a symlink), or nullopt when none are.
std::optional<DWORD> ReadStoredAttributes(const std::string& hostPath, FileIdentity id);
// The same for the entry name of the folder dirFd (AT_FDCWD with a full name); hostPath is its full path.
std::optional<DWORD> ReadStoredAttributes(int dirFd, const char* name, const std::string& hostPath, FileIdentity id);
// The same for an open file.
std::optional<DWORD> ReadStoredAttributes(int fd, FileIdentity id);
// Stores the bits, or removes what is stored when bits equals the default (archive for a regular
// file, nothing for a folder). Sets errno and returns false on failure.
bool WriteStoredAttributes(const std::string& hostPath, FileIdentity id, DWORD bits, bool isFolder);
bool WriteStoredAttributes(int fd, FileIdentity id, DWORD bits, bool isFolder);
// The same for a regular file just created through fd, whose identity is read only when its drive
// keeps no extended attributes.
bool WriteStoredAttributesOfNewFile(int fd, DWORD bits);
// Drops what the process keeps for a deleted file (drives without extended attributes).
void ForgetStoredAttributes(FileIdentity id);
// True when the process keeps the bits of some file itself, which its delete must then forget.
bool KeepsAttributesInProcess();

}  // namespace platform
