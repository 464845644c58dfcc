#pragma once
// The USB bridge chip behind an external disk: which family it is, which state bits carry its
// push button, and the raw button state its vendor commands report.

#include "backup/drive/DeviceRecords.h"

#include <array>
#include <optional>

bool DetectBridgeChip(RECORD_EXTDEVICE& device);
bool ButtonMaskForChip(RECORD_EXTDEVICE& device);
bool ResetDeviceButton(RECORD_EXTDEVICE& device);
WORD ReadDeviceButton(RECORD_EXTDEVICE& device, SP_DEVICE_INTERFACE_DATA& interfaceData, HDEVINFO interfaceSet);

// Identification steps; each answers 0 (or false) when the chip does not answer as that family.
WORD BridgeInquiryIdentity(HANDLE device);
WORD ChipCodeFromInquiryTable(HANDLE device);
bool IsVu3aChip(HANDLE device);
bool ProbeInquChip(HANDLE device);
WORD DetectVendorChipType(HANDLE device);
WORD DetectChipByD0(HANDLE device);
WORD DetectChipByE0(HANDLE device);
std::optional<std::array<BYTE, 4>> QueryVendorD0(HANDLE device);
std::optional<std::array<BYTE, 4>> QueryVendorE0(HANDLE device);
WORD ChipTypeFromD0Reply(const std::array<BYTE, 4>& reply);
WORD ChipTypeFromE0Reply(const std::array<BYTE, 4>& reply);

// Registers of the register chip.
const BYTE* BridgeReadMemory(HANDLE device, WORD address, BYTE count);
bool BridgeWriteByte(HANDLE device, WORD address, BYTE value);
bool BridgeClearBits(HANDLE device, WORD bits);
WORD BridgeReadWord(HANDLE device);

// State reads.
bool ReadDfStateWord(HANDLE device, WORD& word);
bool ReadIs8xButtonWord(HANDLE device, WORD& word);
const BYTE* ReadEeState(HANDLE device);
bool WriteEeAck(HANDLE device);
WORD ReadEeButtonByte(HANDLE device, WORD stored);
const BYTE* QueryVendorD9(HANDLE device);
WORD ReadD9ButtonBit(HANDLE device);
