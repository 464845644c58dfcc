// The push-button state of each chip family: priming after a scan and the raw reads of the poll.

#include "backup/drive/BridgeChip.h"
#include "backup/drive/BridgeCommands.h"
#include "backup/drive/DeviceHandle.h"
#include "backup/drive/StorageQuery.h"

namespace {

constexpr WORD ButtonRegisterLow = 0xC880;
constexpr WORD ButtonRegisterHigh = 0xC881;
constexpr WORD StatusRegister = 0xC884;

bool IsTableChip(WORD code)
{
    return code != RegisterChip && ChipButtonMask(code).has_value();
}

bool ReadWord(HANDLE device, const BYTE* cdb, BYTE cdbLength, WORD& word)
{
    WORD length = 2;
    const BYTE* data = ScsiRead(device, cdb, cdbLength, length);
    if (data == nullptr || length != 2) {
        return false;
    }
    word = static_cast<WORD>(data[0] | (data[1] << 8));
    return true;
}

}  // namespace

const BYTE* BridgeReadMemory(HANDLE device, WORD address, BYTE count)
{
    const BYTE cdb[] = {0xE4, count, 0x00, static_cast<BYTE>(address >> 8), static_cast<BYTE>(address), 0x00};
    WORD length = count;
    const BYTE* data = ScsiRead(device, cdb, sizeof cdb, length);
    return data != nullptr && length == count ? data : nullptr;
}

bool BridgeWriteByte(HANDLE device, WORD address, BYTE value)
{
    const BYTE cdb[] = {0xE5, value, 0x00, static_cast<BYTE>(address >> 8), static_cast<BYTE>(address), 0x00};
    return ScsiWrite(device, cdb, sizeof cdb, nullptr, 0);
}

bool BridgeClearBits(HANDLE device, WORD bits)
{
    const BYTE* data = BridgeReadMemory(device, ButtonRegisterLow, 2);
    if (data == nullptr) {
        return false;
    }
    const WORD word = static_cast<WORD>((data[0] | (data[1] << 8)) & ~bits);
    BridgeWriteByte(device, ButtonRegisterLow, static_cast<BYTE>(word));
    BridgeWriteByte(device, ButtonRegisterHigh, static_cast<BYTE>(word >> 8));
    return true;
}

WORD BridgeReadWord(HANDLE device)
{
    const BYTE* data = BridgeReadMemory(device, StatusRegister, 2);
    return data == nullptr ? 0 : static_cast<WORD>(data[0] | (data[1] << 8));
}

bool ReadDfStateWord(HANDLE device, WORD& word)
{
    const BYTE cdb[] = {0xDF, 0x10, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
    return ReadWord(device, cdb, sizeof cdb, word);
}

bool ReadIs8xButtonWord(HANDLE device, WORD& word)
{
    const BYTE cdb[] = {0xFC, 0x01, 0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'I', 'S', '8', 'X'};
    return ReadWord(device, cdb, sizeof cdb, word);
}

const BYTE* ReadEeState(HANDLE device)
{
    const BYTE cdb[] = {0xEE, 0x80, 0x00, 0x00, 0x00, 0x00, 0x87, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    WORD length = 4;
    return ScsiRead(device, cdb, sizeof cdb, length);
}

bool WriteEeAck(HANDLE device)
{
    const BYTE cdb[] = {0xEE, 0x80, 0x00, 0x00, 0x00, 0x00, 0x88, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const BYTE acknowledge = 0x02;
    return ScsiWrite(device, cdb, sizeof cdb, &acknowledge, 1);
}

// When the acknowledgement or the second read fails, the stored state stands: no change.
WORD ReadEeButtonByte(HANDLE device, WORD stored)
{
    if (ReadEeState(device) == nullptr) {
        return 0;
    }
    if (!WriteEeAck(device)) {
        return stored;
    }
    const BYTE* data = ReadEeState(device);
    return data == nullptr ? stored : data[0];
}

const BYTE* QueryVendorD9(HANDLE device)
{
    const BYTE cdb[] = {0xD9, 0x00, 0x00, 0x00, 0x06, 0x7B};
    WORD length = 16;
    return ScsiRead(device, cdb, sizeof cdb, length);
}

WORD ReadD9ButtonBit(HANDLE device)
{
    const BYTE* data = QueryVendorD9(device);
    return data != nullptr && (data[1] & 0x80) != 0 ? 1 : 0;
}

bool ResetDeviceButton(RECORD_EXTDEVICE& device)
{
    const bool registerChip = device.ChipCode == RegisterChip;
    if (!registerChip && !IsTableChip(device.ChipCode)) {
        return false;
    }
    ScopedDeviceHandle handle(OpenDriveLetter(device.Letters[0]));
    if (!handle.valid()) {
        return false;
    }
    if (registerChip) {
        if (!BridgeClearBits(handle.get(), device.ButtonMask)) {
            return false;
        }
        device.ButtonState = BridgeReadWord(handle.get());
        return true;
    }
    return ReadDfStateWord(handle.get(), device.ButtonState);
}

WORD ReadDeviceButton(RECORD_EXTDEVICE& device, SP_DEVICE_INTERFACE_DATA& interfaceData, HDEVINFO interfaceSet)
{
    const WORD code = device.ChipCode;
    const bool readable = code == RegisterChip || IsTableChip(code) || code == ProbeChip || code == EeChip ||
                          code == 0x2571 || code == 0x2771;
    if (!readable) {
        return device.ButtonState;
    }
    ScopedDeviceHandle handle(OpenKeptInterface(device.Letters[0], interfaceData, interfaceSet));
    if (!handle.valid()) {
        return device.ButtonState;
    }
    WORD word = device.ButtonState;
    if (code == RegisterChip) {
        return BridgeReadWord(handle.get());
    }
    if (IsTableChip(code)) {
        return ReadDfStateWord(handle.get(), word) ? word : device.ButtonState;
    }
    if (code == ProbeChip) {
        return ReadIs8xButtonWord(handle.get(), word) ? word : device.ButtonState;
    }
    if (code == EeChip) {
        return ReadEeButtonByte(handle.get(), device.ButtonState);
    }
    return ReadD9ButtonBit(handle.get());
}
