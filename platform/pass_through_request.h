#pragma once
// The SCSI pass-through request as the device side reads it: a 32-bit program's request on 32-bit
// Windows, and the 64-bit layout on 64-bit Windows (the system converts it there).

#include "platform/device_machine.h"

#include <vector>

namespace platform {

// buffer holds the request (inSize bytes valid) and has room for outSize bytes. Runs the command on
// the target and writes status, length moved, sense and data back into the buffer; answered is
// the number of bytes of the buffer that carry the answer. Returns the Windows error, 0 on success.
DWORD ExecutePassThrough(devices::StorageTarget& target, std::vector<BYTE>& buffer, DWORD inSize, DWORD outSize,
                         DWORD& answered);

// The layout the system expects of this program's requests.
bool SystemUsesPassThrough64();

}  // namespace platform
