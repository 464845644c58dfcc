#pragma once
// The optional disk driver, which may claim drive letters for disks; absent, it claims none.

#include "backup/drive/StorageQuery.h"

#include <cstdint>
#include <string_view>

inline constexpr DWORD IOCTL_VDDA_QUERY_LETTER = 0x740D4;

HANDLE OpenDiskDriverDevice();
// The request for a device path with its fixed header; its size is the block's. Empty for an
// empty path.
DeviceBlock BuildDiskDriverRequest(std::string_view path);
bool SendDiskDriverRequest(HANDLE driver, DeviceBlock& request);
// The letter the driver answers for the path, 0 on any failure.
char QueryDiskDriverLetter(std::string_view path, std::int32_t first, std::int32_t second);
LONG DiskNumberOfDriveLetter(char letter);
