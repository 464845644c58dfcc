#include "backup/drive/BridgeCommands.h"

#include "backup/base/SysInfo.h"
#include "backup/drive/PassThrough.h"

const BYTE* ScsiRead(HANDLE device, const BYTE* cdb, BYTE cdbLength, WORD& length)
{
    return Is64BitWindows() ? PassThroughIn64(device, 0, 0, 0, cdb, cdbLength, length)
                            : PassThroughIn32(device, 0, 0, 0, cdb, cdbLength, length);
}

bool ScsiWrite(HANDLE device, const BYTE* cdb, BYTE cdbLength, const BYTE* data, DWORD length)
{
    return Is64BitWindows() ? PassThroughOut64(device, 0, 0, 0, cdb, cdbLength, data, length)
                            : PassThroughOut32(device, 0, 0, 0, cdb, cdbLength, data, length);
}

std::optional<WORD> ChipButtonMask(WORD code)
{
    switch (code) {
    case RegisterChip:
        return 0x0001;
    case 0x2329:
    case 0x2335:
    case 0x2337:
    case 0x2338:
    case 0x2339:
    case 0x2352:
    case 0x2353:
    case 0x2355:
    case 0x2356:
    case 0x2509:
    case 0x2519:
    case 0x2539:
    case 0x2551:
        return 0x0007;
    case 0x2565:
        return 0x003F;
    case 0x2566:
    case 0x2567:
        return 0x03FF;
    default:
        return std::nullopt;
    }
}
