#pragma once
// The registry: HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, each kept in one text file in the
// machine folder ("registry/HKLM.reg", "registry/HKCU.reg"), read at every call and saved
// atomically (temporary file and rename, under a lock) so that several processes share it.
//
// Rights: reading is always allowed. Opening or creating a key of HKEY_LOCAL_MACHINE with a write
// right fails with ERROR_ACCESS_DENIED for a user who is not an administrator; a handle opened
// without KEY_SET_VALUE refuses writes with ERROR_ACCESS_DENIED. Key names compare without case.
// Every function returns a Windows error number (ERROR_SUCCESS on success).

#include "platform/win_types.h"

#include <cstdint>

struct HKEY__;
using HKEY = HKEY__*;
using REGSAM = DWORD;

inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001));
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002));

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_CREATE_LINK = 0x0020;
inline constexpr REGSAM KEY_WOW64_64KEY = 0x0100;
inline constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
inline constexpr REGSAM REG_DELETE = 0x00010000;
inline constexpr REGSAM KEY_READ = 0x00020019;
inline constexpr REGSAM KEY_WRITE = 0x00020006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0x000F003F;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// ERROR_FILE_NOT_FOUND for a missing key.
LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, HKEY* result);
// Creates every missing level. disposition (optional) tells whether the key was new.
LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options, REGSAM access,
                     void* security, HKEY* result, DWORD* disposition);
// RegCreateKeyExW with KEY_ALL_ACCESS.
LONG RegCreateKeyW(HKEY key, LPCWSTR subKey, HKEY* result);
// The data are stored as given, byte for byte (a REG_SZ keeps the terminating zero it is given).
// ERROR_MORE_DATA with *size set to the size needed when data is too small; data may be null to
// learn the size. ERROR_FILE_NOT_FOUND for a missing value.
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegDeleteValueW(HKEY key, LPCWSTR valueName);
// Deletes a key that has no subkeys (ERROR_ACCESS_DENIED when it has some).
LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey);
LONG RegCloseKey(HKEY key);
