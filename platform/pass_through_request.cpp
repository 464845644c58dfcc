#include "platform/pass_through_request.h"

#include "platform/system.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

struct Layout {
    WORD length;
    DWORD dataBufferOffsetAt;
    bool wideDataBufferOffset;
    DWORD senseInfoOffsetAt;
    DWORD cdbAt;
};

constexpr Layout Layout32{44, 20, false, 24, 28};
constexpr Layout Layout64{56, 24, true, 32, 36};

constexpr DWORD ScsiStatusAt = 2;
constexpr DWORD CdbLengthAt = 6;
constexpr DWORD SenseInfoLengthAt = 7;
constexpr DWORD DataInAt = 8;
constexpr DWORD DataTransferLengthAt = 12;
constexpr DWORD MaxCdbLength = 16;

DWORD Read32(const std::vector<BYTE>& b, DWORD at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<DWORD>(b[at + 3]) << 24);
}

void Write32(std::vector<BYTE>& b, DWORD at, DWORD value)
{
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<BYTE>(value >> (8 * i));
    }
}

}  // namespace

bool SystemUsesPassThrough64()
{
    SYSTEM_INFO info;
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
           info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
}

DWORD ExecutePassThrough(devices::StorageTarget& target, std::vector<BYTE>& buffer, DWORD inSize, DWORD outSize,
                         DWORD& answered)
{
    const Layout& layout = SystemUsesPassThrough64() ? Layout64 : Layout32;
    if (inSize < layout.length || (buffer[0] | (buffer[1] << 8)) != layout.length) {
        return ERROR_INVALID_PARAMETER;
    }
    DWORD cdbLength = buffer[CdbLengthAt];
    DWORD dataLength = Read32(buffer, DataTransferLengthAt);
    DWORD dataOffset = Read32(buffer, layout.dataBufferOffsetAt);
    if (layout.wideDataBufferOffset && Read32(buffer, layout.dataBufferOffsetAt + 4) != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    DWORD senseOffset = Read32(buffer, layout.senseInfoOffsetAt);
    DWORD senseLength = buffer[SenseInfoLengthAt];
    bool dataIn = buffer[DataInAt] == 1;
    DWORD dataRoom = dataIn ? outSize : inSize;
    if (cdbLength == 0 || cdbLength > MaxCdbLength || dataOffset > dataRoom || dataLength > dataRoom - dataOffset ||
        (senseLength != 0 && (senseOffset > outSize || senseLength > outSize - senseOffset))) {
        return ERROR_INVALID_PARAMETER;
    }

    devices::ScsiCommand command;
    command.cdb = std::span<const BYTE>(buffer.data() + layout.cdbAt, cdbLength);
    command.dataIn = dataIn;
    if (dataIn) {
        command.data.assign(dataLength, 0);
    } else {
        command.data.assign(buffer.begin() + dataOffset, buffer.begin() + dataOffset + dataLength);
    }
    devices::ScsiResult result = target.Execute(command);
    if (result.error != ERROR_SUCCESS) {
        return result.error;
    }

    DWORD moved = dataIn ? static_cast<DWORD>(std::min<std::size_t>(command.data.size(), dataLength)) : dataLength;
    if (dataIn) {
        std::memcpy(buffer.data() + dataOffset, command.data.data(), moved);
    }
    DWORD senseMoved = static_cast<DWORD>(std::min<std::size_t>(result.sense.size(), senseLength));
    if (senseMoved != 0) {
        std::memcpy(buffer.data() + senseOffset, result.sense.data(), senseMoved);
    }
    buffer[ScsiStatusAt] = result.status;
    buffer[SenseInfoLengthAt] = static_cast<BYTE>(senseMoved);
    Write32(buffer, DataTransferLengthAt, moved);
    answered = std::max<DWORD>(layout.length, dataIn ? dataOffset + moved : layout.length);
    if (senseMoved != 0) {
        answered = std::max<DWORD>(answered, senseOffset + senseMoved);
    }
    return ERROR_SUCCESS;
}

}  // namespace platform
