#pragma once
// The message texts of Windows error numbers, from our own English table (FormatMessageW with
// FORMAT_MESSAGE_FROM_SYSTEM), and the remote-access texts of 600..801 (RasGetErrorStringW).
// Every text ends in "\r\n" as the system gives it; the language id is not used (English only).

#include "platform/win_types.h"

using HLOCAL = void*;
using HMODULE = void*;

inline constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x100;
inline constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x200;
inline constexpr DWORD FORMAT_MESSAGE_FROM_STRING = 0x400;
inline constexpr DWORD FORMAT_MESSAGE_FROM_HMODULE = 0x800;
inline constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
inline constexpr DWORD ERROR_MR_MID_NOT_FOUND = 317;

// With FORMAT_MESSAGE_ALLOCATE_BUFFER, buffer is really an LPWSTR* that receives a block freed by
// LocalFree, and size is the least number of characters to allocate. Returns the number of
// characters stored (without the zero), or 0: ERROR_MR_MID_NOT_FOUND for a number without a text,
// ERROR_INSUFFICIENT_BUFFER for a short buffer, ERROR_INVALID_PARAMETER for a request that does
// not ask for system texts. Inserts are never filled.
DWORD FormatMessageW(DWORD flags, const void* source, DWORD messageId, DWORD languageId, LPWSTR buffer, DWORD size,
                     void* arguments);
// Frees a block of FormatMessageW; returns nullptr.
HLOCAL LocalFree(HLOCAL block);

// 0 on success; ERROR_INVALID_PARAMETER for a number outside the remote-access range,
// ERROR_INSUFFICIENT_BUFFER when the text and its zero do not fit in size characters.
DWORD RasGetErrorStringW(UINT errorValue, LPWSTR buffer, DWORD size);
