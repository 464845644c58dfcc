#pragma once
// SCSI pass-through over a proxy handle, in the request layout of 32-bit or of 64-bit Windows.
// One transfer buffer serves every request: data returned by a read stays valid only until the
// next request.

#include "platform/win_types.h"

struct PassThroughLayout {
    WORD length;  // the request head's own Length member
    DWORD head;  // bytes before the data area
    DWORD dataBufferOffsetAt;
    DWORD dataBufferOffsetWidth;  // 8 in the 64-bit layout, whose high half is 0
    DWORD senseInfoOffsetAt;
    DWORD cdbAt;
    DWORD senseAt;
};

inline constexpr PassThroughLayout PassThroughLayout32{44, 80, 20, 4, 24, 28, 48};
inline constexpr PassThroughLayout PassThroughLayout64{56, 88, 24, 8, 32, 36, 56};

// Writes the request head into the transfer buffer (grown for n data bytes when needed) and
// returns the number of bytes to send, 0 when the buffer cannot be had.
DWORD PreparePassThrough(const PassThroughLayout& layout, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb,
                         BYTE cdbLength, bool dataIn, DWORD n);
const BYTE* PassThroughBufferData();

// length: in, the data length asked; out, the length moved. Null on failure.
const BYTE* PassThroughIn32(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                            WORD& length);
const BYTE* PassThroughIn64(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                            WORD& length);
// length: in, the bytes to send (data may be null when it is 0); out, the length moved.
bool PassThroughOut32(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                      const BYTE* data, DWORD& length);
bool PassThroughOut64(HANDLE device, BYTE pathId, BYTE targetId, BYTE lun, const BYTE* cdb, BYTE cdbLength,
                      const BYTE* data, DWORD& length);
