#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/host_case.h"
#include "platform/win_names.h"

#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

using platform::Fail;

// The drive that a root text "X:\" (or "X:") names, when it is in the table.
std::optional<platform::Drive> DriveOfRoot(LPCWSTR root)
{
    const std::u16string_view text = root ? root : u"";
    const bool isRoot = (text.size() == 2 || (text.size() == 3 && platform::IsSeparator(text[2]))) && text[1] == u':';
    return isRoot ? platform::FindDrive(text[0]) : std::nullopt;
}

bool IsFolder(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CopyText(const std::u16string& text, LPWSTR buffer, DWORD size)
{
    if (!buffer) {
        return true;
    }
    if (text.size() + 1 > size) {
        return false;
    }
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = u'\0';
    return true;
}

}  // namespace

BOOL GetDiskFreeSpaceExW(LPCWSTR root, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* total, ULARGE_INTEGER* totalFree)
{
    platform::HostPath host = platform::ToHostPath(root ? root : u"");
    if (!host.ok()) {
        return Fail(host.error);
    }
    struct statvfs fs { };
    if (platform::WithCaseFallback(host, [&fs](const char* path) { return ::statvfs(path, &fs); }) != 0) {
        return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : WindowsErrorFromErrno(errno));
    }
    const ULONGLONG unit = fs.f_frsize;
    if (freeToCaller) {
        freeToCaller->QuadPart = fs.f_bavail * unit;
    }
    if (total) {
        total->QuadPart = fs.f_blocks * unit;
    }
    if (totalFree) {
        totalFree->QuadPart = fs.f_bfree * unit;
    }
    return TRUE;
}

UINT GetDriveTypeW(LPCWSTR root)
{
    const auto drive = DriveOfRoot(root);
    return drive && IsFolder(drive->hostFolder) ? drive->type : DRIVE_NO_ROOT_DIR;
}

DWORD GetLogicalDrives()
{
    DWORD mask = 0;
    for (const auto& drive : platform::Drives()) {
        mask |= DWORD{1} << (drive.letter - u'A');
    }
    return mask;
}

BOOL GetVolumeInformationW(LPCWSTR root, LPWSTR volumeName, DWORD volumeNameSize, DWORD* serialNumber,
                           DWORD* maxComponentLength, DWORD* fileSystemFlags, LPWSTR fileSystemName,
                           DWORD fileSystemNameSize)
{
    const auto drive = DriveOfRoot(root);
    if (!drive) {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    if (!IsFolder(drive->hostFolder)) {
        return Fail(ERROR_NOT_READY);
    }
    if (!CopyText(drive->label, volumeName, volumeNameSize) ||
        !CopyText(drive->fileSystem, fileSystemName, fileSystemNameSize)) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    if (serialNumber) {
        *serialNumber = drive->serial;
    }
    if (maxComponentLength) {
        *maxComponentLength = 255;
    }
    if (fileSystemFlags) {
        constexpr DWORD kCasePreservedNames = 0x2;
        constexpr DWORD kUnicodeOnDisk = 0x4;
        *fileSystemFlags = kCasePreservedNames | kUnicodeOnDisk;
    }
    return TRUE;
}
