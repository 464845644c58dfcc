#pragma once
// The Windows file functions over the drive table (platform/drives.h). Paths are "X:\dir\file";
// every failure sets the Windows last error (GetLastError) and returns the Windows failure value.

#include "platform/win_types.h"

#include <ctime>
#include <string>
#include <sys/types.h>

inline constexpr DWORD MAX_PATH = 260;
// The longest path the file functions take, as Windows takes "\\?\" paths; a longer host path
// than Linux allows still fails, with ERROR_FILENAME_EXCED_RANGE.
inline constexpr DWORD UNICODE_STRING_MAX_CHARS = 32767;

inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1;
inline constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2;
inline constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
inline constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
inline constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x400;
inline constexpr DWORD FILE_ATTRIBUTE_NOT_CONTENT_INDEXED = 0x2000;
inline constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

namespace platform {

// Which host file a name leads to.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
};

}  // namespace platform

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    std::u16string cFileName;
    // Not in Windows: the host file the record was read from (none for "." and ".."), its change
    // time and permission bits, so that a copy of it need not read its status again
    // (platform/copy_file.h).
    platform::FileIdentity hostId;
    timespec hostChangeTime{};
    unsigned hostMode = 0;
};

// Walks list "." and ".." first (except at a drive root), as bare folder records without times,
// then the entries sorted by their upper-cased names. A directory symlink is reported with
// FILE_ATTRIBUTE_REPARSE_POINT.
HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data);
BOOL FindNextFileW(HANDLE find, WIN32_FIND_DATAW* data);
BOOL FindClose(HANDLE find);

DWORD GetFileAttributesW(LPCWSTR path);
BOOL SetFileAttributesW(LPCWSTR path, DWORD attributes);

BOOL CreateDirectoryW(LPCWSTR path, void* security);
// As CreateDirectoryW, the new folder taking the template folder's permission bits (owner, group
// and others; the owner's always all, so that it can be filled) rather than the default ones.
BOOL CreateDirectoryExW(LPCWSTR templateDirectory, LPCWSTR path, void* security);
BOOL RemoveDirectoryW(LPCWSTR path);
BOOL DeleteFileW(LPCWSTR path);

inline constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
inline constexpr DWORD MOVEFILE_COPY_ALLOWED = 0x2;
inline constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;
BOOL MoveFileW(LPCWSTR from, LPCWSTR to);
BOOL MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags);
// A second name for an existing file, on the same file system: the names share content,
// attributes and times. Fails with ERROR_ALREADY_EXISTS when the new name is taken (in any case),
// ERROR_NOT_SAME_DEVICE across file systems and ERROR_INVALID_FUNCTION where the file system has
// no links (FAT).
BOOL CreateHardLinkW(LPCWSTR fileName, LPCWSTR existingFileName, void* security);

inline constexpr DWORD GENERIC_READ = 0x80000000;
inline constexpr DWORD GENERIC_WRITE = 0x40000000;
inline constexpr DWORD FILE_SHARE_READ = 0x1;
inline constexpr DWORD FILE_SHARE_WRITE = 0x2;
inline constexpr DWORD FILE_SHARE_DELETE = 0x4;
inline constexpr DWORD CREATE_NEW = 1;
inline constexpr DWORD CREATE_ALWAYS = 2;
inline constexpr DWORD OPEN_EXISTING = 3;
inline constexpr DWORD OPEN_ALWAYS = 4;
inline constexpr DWORD TRUNCATE_EXISTING = 5;
inline constexpr DWORD FILE_FLAG_SEQUENTIAL_SCAN = 0x08000000;
inline constexpr DWORD FILE_FLAG_BACKUP_SEMANTICS = 0x02000000;

// Opens a file (or, for "\\.\NAME", a device of platform/devices.h). Share modes are honoured
// between handles of this process; CREATE_ALWAYS on an existing file sets ERROR_ALREADY_EXISTS
// and succeeds, as Windows does.
HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD share, void* security, DWORD disposition, DWORD flags,
                   HANDLE templateFile);
BOOL ReadFile(HANDLE file, void* buffer, DWORD toRead, DWORD* read, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD toWrite, DWORD* written, void* overlapped);
inline constexpr DWORD FILE_BEGIN = 0;
inline constexpr DWORD FILE_CURRENT = 1;
inline constexpr DWORD FILE_END = 2;
BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, LARGE_INTEGER* newPosition, DWORD method);
BOOL GetFileSizeEx(HANDLE file, LARGE_INTEGER* size);
BOOL SetEndOfFile(HANDLE file);
BOOL FlushFileBuffers(HANDLE file);
BOOL GetFileTime(HANDLE file, FILETIME* creation, FILETIME* access, FILETIME* lastWrite);
BOOL SetFileTime(HANDLE file, const FILETIME* creation, const FILETIME* access, const FILETIME* lastWrite);
BOOL CloseHandle(HANDLE handle);

namespace platform {

// Not in Windows, where a program is known by its name: lets whoever may read the open file run
// it. Only for a program this machine installs; no file gets that from its name or from a copy's
// source other than its own bits.
BOOL MarkRunnable(HANDLE file);

}  // namespace platform

// Copy with a progress routine. The routine is called once with 0 transferred before any byte
// moves, then after each chunk; PROGRESS_CANCEL removes the partial destination and the copy fails
// with ERROR_REQUEST_ABORTED. A read-only destination is refused with ERROR_ACCESS_DENIED. The copy
// carries the source's attributes (plus archive), last-write time and permission bits (owner,
// group and others).
inline constexpr DWORD PROGRESS_CONTINUE = 0;
inline constexpr DWORD PROGRESS_CANCEL = 1;
inline constexpr DWORD PROGRESS_STOP = 2;
inline constexpr DWORD PROGRESS_QUIET = 3;
inline constexpr DWORD CALLBACK_CHUNK_FINISHED = 0;
inline constexpr DWORD CALLBACK_STREAM_SWITCH = 1;
inline constexpr DWORD COPY_FILE_FAIL_IF_EXISTS = 0x1;
inline constexpr DWORD COPY_FILE_RESTARTABLE = 0x2;
using LPPROGRESS_ROUTINE = DWORD (*)(LARGE_INTEGER totalFileSize, LARGE_INTEGER totalBytesTransferred,
                                     LARGE_INTEGER streamSize, LARGE_INTEGER streamBytesTransferred, DWORD streamNumber,
                                     DWORD callbackReason, HANDLE sourceFile, HANDLE destinationFile, void* data);
BOOL CopyFileExW(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, BOOL* cancel, DWORD flags);
BOOL CopyFileW(LPCWSTR from, LPCWSTR to, BOOL failIfExists);

BOOL GetDiskFreeSpaceExW(LPCWSTR root, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* total, ULARGE_INTEGER* totalFree);

inline constexpr UINT DRIVE_UNKNOWN = 0;
inline constexpr UINT DRIVE_NO_ROOT_DIR = 1;
inline constexpr UINT DRIVE_REMOVABLE = 2;
inline constexpr UINT DRIVE_FIXED = 3;
inline constexpr UINT DRIVE_REMOTE = 4;
inline constexpr UINT DRIVE_CDROM = 5;
inline constexpr UINT DRIVE_RAMDISK = 6;
UINT GetDriveTypeW(LPCWSTR root);
// Bit 0 = A:, bit 1 = B:, ...
DWORD GetLogicalDrives();
BOOL GetVolumeInformationW(LPCWSTR root, LPWSTR volumeName, DWORD volumeNameSize, DWORD* serialNumber,
                           DWORD* maxComponentLength, DWORD* fileSystemFlags, LPWSTR fileSystemName,
                           DWORD fileSystemNameSize);
