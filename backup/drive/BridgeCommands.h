#pragma once
// What the chip operations share: the SCSI transport in this system's layout and the chip codes.

#include "platform/win_types.h"

#include <optional>

inline constexpr WORD RegisterChip = 0x2105;
inline constexpr WORD EeChip = 0x0700;
inline constexpr WORD ProbeChip = 0x0611;

// The data received, null on failure; length: in, asked; out, moved.
const BYTE* ScsiRead(HANDLE device, const BYTE* cdb, BYTE cdbLength, WORD& length);
bool ScsiWrite(HANDLE device, const BYTE* cdb, BYTE cdbLength, const BYTE* data, DWORD length);

// The state bits of the register chip and of the table chips that have a button; nullopt for
// every other code.
std::optional<WORD> ChipButtonMask(WORD code);
