#include "backup/drive/BridgeChip.h"

#include "backup/drive/BridgeCommands.h"
#include "backup/drive/DeviceHandle.h"
#include "backup/drive/StorageQuery.h"

#include <cstring>
#include <span>

namespace {

struct IdentityString {
    const char* text;
    WORD code;
};

constexpr IdentityString TableIdentities[] = {
    {"j335", 0x2335}, {"j336", 0x2336}, {"j337", 0x2337}, {"j338", 0x2338}, {"j339", 0x2339}, {"j329", 0x2329},
    {"j352", 0x2352}, {"j353", 0x2353}, {"j355", 0x2355}, {"j356", 0x2356}, {"j509", 0x2509}, {"j519", 0x2519},
    {"j539", 0x2539}, {"j551", 0x2551}, {"j565", 0x2565}, {"0539", 0x2566}, {"j567", 0x2567},
};

struct ReplyCode {
    BYTE high, low;
    WORD code;
};

constexpr ReplyCode D0Replies[] = {{0x25, 0x71, 0x2571}, {0x27, 0x71, 0x2771}};
constexpr ReplyCode E0Replies[] = {{0x25, 0x06, 0x2506}, {0x25, 0x07, 0x2507}, {0x35, 0x07, 0x3507}};

WORD ChipTypeFromReply(const std::array<BYTE, 4>& reply, std::span<const ReplyCode> codes)
{
    if (reply[0] != 0x06 || reply[1] != 0x7B) {
        return 0;
    }
    for (const ReplyCode& code : codes) {
        if (reply[2] == code.high && reply[3] == code.low) {
            return code.code;
        }
    }
    return 0;
}

std::optional<std::array<BYTE, 4>> QueryVendor(HANDLE device, BYTE opcode, WORD asked)
{
    const BYTE cdb[] = {opcode, 0x00, 0x00, 0x00, 0x06, 0x7B};
    WORD length = asked;
    const BYTE* data = ScsiRead(device, cdb, sizeof cdb, length);
    if (data == nullptr || (length & 0xFF) < 16) {
        return std::nullopt;
    }
    return std::array<BYTE, 4>{data[0], data[1], data[2], data[3]};
}

const BYTE* TableInquiry(HANDLE device)
{
    const BYTE cdb[] = {0x12, 0x00, 0x00, 0x00, 0x28, 0x00};
    WORD length = 40;
    const BYTE* data = ScsiRead(device, cdb, sizeof cdb, length);
    return data != nullptr && length >= 40 ? data : nullptr;
}

}  // namespace

WORD BridgeInquiryIdentity(HANDLE device)
{
    const BYTE cdb[] = {0x12, 0x00, 0x00, 0x00, 0x26, 0x00};
    WORD length = 38;
    const BYTE* data = ScsiRead(device, cdb, sizeof cdb, length);
    return data != nullptr && length >= 38 && data[36] == 0x05 && data[37] == 0x21 ? RegisterChip : 0;
}

WORD ChipCodeFromInquiryTable(HANDLE device)
{
    const BYTE* data = TableInquiry(device);
    if (data == nullptr) {
        return 0;
    }
    for (const IdentityString& identity : TableIdentities) {
        if (std::memcmp(data + 36, identity.text, 4) == 0) {
            return identity.code;
        }
    }
    return 0;
}

bool IsVu3aChip(HANDLE device)
{
    const BYTE* data = TableInquiry(device);
    return data != nullptr && std::memcmp(data + 36, "VU3A", 4) == 0;
}

bool ProbeInquChip(HANDLE device)
{
    const BYTE cdb[] = {0xFC, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 'I', 'N', 'Q', 'U'};
    WORD length = 2;
    const BYTE* data = ScsiRead(device, cdb, sizeof cdb, length);
    return data != nullptr && length == 2 && data[0] == 0xD1 && data[1] == 0x06;
}

std::optional<std::array<BYTE, 4>> QueryVendorD0(HANDLE device)
{
    return QueryVendor(device, 0xD0, 16);
}

std::optional<std::array<BYTE, 4>> QueryVendorE0(HANDLE device)
{
    return QueryVendor(device, 0xE0, 192);
}

WORD ChipTypeFromD0Reply(const std::array<BYTE, 4>& reply)
{
    return ChipTypeFromReply(reply, D0Replies);
}

WORD ChipTypeFromE0Reply(const std::array<BYTE, 4>& reply)
{
    return ChipTypeFromReply(reply, E0Replies);
}

WORD DetectChipByD0(HANDLE device)
{
    auto reply = QueryVendorD0(device);
    return reply ? ChipTypeFromD0Reply(*reply) : 0;
}

WORD DetectChipByE0(HANDLE device)
{
    auto reply = QueryVendorE0(device);
    return reply ? ChipTypeFromE0Reply(*reply) : 0;
}

WORD DetectVendorChipType(HANDLE device)
{
    WORD code = DetectChipByD0(device);
    return code != 0 ? code : DetectChipByE0(device);
}

bool DetectBridgeChip(RECORD_EXTDEVICE& device)
{
    ScopedDeviceHandle handle(OpenDriveLetter(device.Letters[0]));
    if (!handle.valid()) {
        return false;
    }
    WORD code = BridgeInquiryIdentity(handle.get());
    if (code == 0) {
        code = ChipCodeFromInquiryTable(handle.get());
    }
    if (code == 0 && IsVu3aChip(handle.get())) {
        code = EeChip;
    }
    if (code == 0 && ProbeInquChip(handle.get())) {
        code = ProbeChip;
    }
    if (code == 0) {
        DetectVendorChipType(handle.get());
        code = DetectVendorChipType(handle.get());
    }
    device.ChipCode = code;
    device.ButtonMask = 0;
    device.ButtonState = 0;
    return true;
}

bool ButtonMaskForChip(RECORD_EXTDEVICE& device)
{
    if (auto mask = ChipButtonMask(device.ChipCode)) {
        device.ButtonMask = *mask;
        return true;
    }
    return device.ChipCode == EeChip || device.ChipCode == 0x2571 || device.ChipCode == 0x2771;
}
