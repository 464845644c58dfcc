#pragma once
// The proxy driver: every drive and disk is opened through it, bound to one target by name.

#include "platform/win_types.h"

#include <cstddef>
#include <string_view>

inline constexpr DWORD IOCTL_PROXY_SET_TARGET = 0x222040;

HANDLE OpenProxyDevice();
// One process-wide zeroed work block of at least n bytes; null when memory is short.
BYTE* ScratchBuffer(std::size_t n);
// "\DosDevices\" + the upper-cased name, built in ScratchBuffer; null for an empty name.
const char16_t* BuildProxyTargetName(std::string_view name);
HANDLE BindProxyTarget(const char16_t* name);
HANDLE OpenThroughProxy(std::string_view name);
