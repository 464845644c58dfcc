#include "backup/drive/PassThrough.h"

#include "platform/devices.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr DWORD MinimumDataCapacity = 1024;
constexpr DWORD ScsiStatusAt = 2;
constexpr DWORD DataTransferLengthAt = 12;
constexpr BYTE SenseInfoLength = 24;
constexpr DWORD TimeOutSeconds = 10;

struct TransferBuffer {
    std::vector<BYTE> bytes;
    DWORD capacity = 0;  // data bytes
};

TransferBuffer& PassThroughBuffer()
{
    static TransferBuffer buffer;
    return buffer;
}

bool PassThroughBusy = false;

void FreeTransferBuffer()
{
    TransferBuffer& buffer = PassThroughBuffer();
    buffer.capacity = 0;
    buffer.bytes.clear();
    buffer.bytes.shrink_to_fit();
}

// The size check covers the head too, so a buffer made for the shorter head never overflows.
bool EnsureTransferBuffer(DWORD n, DWORD head)
{
    TransferBuffer& buffer = PassThroughBuffer();
    if (n <= buffer.capacity && n + head <= buffer.bytes.size()) {
        return true;
    }
    FreeTransferBuffer();
    const DWORD capacity = std::max(n, MinimumDataCapacity);
    try {
        buffer.bytes.assign(capacity + head, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    buffer.capacity = capacity;
    return true;
}

void Put16(BYTE* at, WORD value)
{
    at[0] = static_cast<BYTE>(value);
    at[1] = static_cast<BYTE>(value >> 8);
}

void Put32(BYTE* at, DWORD value)
{
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<BYTE>(value >> (8 * i));
    }
}

DWORD Get32(const BYTE* at)
{
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<DWORD>(at[3]) << 24);
}

// Sends the prepared request; true when the call succeeded and the SCSI status is 0.
bool SendPrepared(HANDLE device, DWORD size)
{
    BYTE* bytes = PassThroughBuffer().bytes.data();
    DWORD returned = 0;
    return DeviceIoControl(device, IOCTL_SCSI_PASS_THROUGH, bytes, size, bytes, size, &returned, nullptr) &&
           bytes[ScsiStatusAt] == 0;
}

const BYTE* PassThroughIn(const PassThroughLayout& layout, HANDLE device, BYTE pathId, BYTE targetId, BYTE lun,
                          const BYTE* cdb, BYTE cdbLength, WORD& length)
{
    if (device == INVALID_HANDLE_VALUE || cdb == nullptr || PassThroughBusy) {
        return nullptr;
    }
    PassThroughBusy = true;
    const DWORD size = PreparePassThrough(layout, pathId, targetId, lun, cdb, cdbLength, true, length);
    const bool good = size != 0 && SendPrepared(device, size);
    PassThroughBusy = false;
    if (!good) {
        return nullptr;
    }
    const BYTE* bytes = PassThroughBuffer().bytes.data();
    length = static_cast<WORD>(Get32(bytes + DataTransferLengthAt));
    return bytes + layout.head;
}

bool PassThroughOut(const PassThroughLayout& layout, HANDLE device, BYTE pathId, BYTE targetId, BYTE lun,
                    const BYTE* cdb, BYTE cdbLength, const BYTE* data, DWORD& length)
{
    if (device == INVALID_HANDLE_VALUE || cdb == nullptr || PassThroughBusy || (data == nullptr && length != 0)) {
        return false;
    }
    PassThroughBusy = true;
    const DWORD size = PreparePassThrough(layout, pathId, targetId, lun, cdb, cdbLength, false, length);
    if (size != 0 && length != 0) {
        std::memcpy(PassThroughBuffer().bytes.data() + layout.head, data, length);
    }
    const bool good = size != 0 && SendPrepared(device, size);
    PassThroughBusy = false;
    if (good) {
        length = Get32(PassThroughBuffer().bytes.data() + DataTransferLengthAt);
    }
    return good;
}

}  // namespace

DWORD PreparePassThrough(const PassThroughLayout& layout, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb,
                         BYTE cdbLength, bool dataIn, DWORD n)
{
    if (cdbLength > 16 || !EnsureTransferBuffer(n, layout.head)) {
        return 0;
    }
    BYTE* bytes = PassThroughBuffer().bytes.data();
    std::memcpy(bytes + layout.cdbAt, cdb, cdbLength);
    bytes[6] = cdbLength;
    Put32(bytes + DataTransferLengthAt, n);
    std::memset(bytes + layout.dataBufferOffsetAt, 0, layout.dataBufferOffsetWidth);
    Put32(bytes + layout.dataBufferOffsetAt, layout.head);
    bytes[8] = dataIn ? 1 : 0;
    Put16(bytes, layout.length);
    bytes[3] = pathId;
    bytes[4] = targetId;
    bytes[5] = lun;
    Put32(bytes + 16, TimeOutSeconds);
    bytes[7] = SenseInfoLength;
    Put32(bytes + layout.senseInfoOffsetAt, layout.senseAt);
    return n + layout.head;
}

const BYTE* PassThroughBufferData()
{
    return PassThroughBuffer().bytes.data();
}

const BYTE* PassThroughIn32(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                            WORD& length)
{
    return PassThroughIn(PassThroughLayout32, device, pathId, targetId, lun, cdb, cdbLength, length);
}

const BYTE* PassThroughIn64(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                            WORD& length)
{
    return PassThroughIn(PassThroughLayout64, device, pathId, targetId, lun, cdb, cdbLength, length);
}

bool PassThroughOut32(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                      const BYTE* data, DWORD& length)
{
    return PassThroughOut(PassThroughLayout32, device, pathId, targetId, lun, cdb, cdbLength, data, length);
}

bool PassThroughOut64(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                      const BYTE* data, DWORD& length)
{
    return PassThroughOut(PassThroughLayout64, device, pathId, targetId, lun, cdb, cdbLength, data, length);
}
