#pragma once
// The file version block of a program file (GetFileVersionInfoSizeW, GetFileVersionInfoW,
// VerQueryValueW). A program of this system carries its version as a version record
// (platform/version_record.h) instead of a Windows resource; the block built from it holds only the
// fixed part, VS_FIXEDFILEINFO, which VerQueryValueW gives for the sub-block "\". A file without a
// record has no block: the size is 0 with ERROR_RESOURCE_TYPE_NOT_FOUND.

#include "platform/win_types.h"

inline constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
inline constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;
inline constexpr DWORD VS_FFI_STRUCVERSION = 0x00010000;

struct VS_FIXEDFILEINFO {
    DWORD dwSignature = 0;
    DWORD dwStrucVersion = 0;
    DWORD dwFileVersionMS = 0;  // major << 16 | minor
    DWORD dwFileVersionLS = 0;  // build << 16 | revision
    DWORD dwProductVersionMS = 0;
    DWORD dwProductVersionLS = 0;
    DWORD dwFileFlagsMask = 0;
    DWORD dwFileFlags = 0;
    DWORD dwFileOS = 0;
    DWORD dwFileType = 0;
    DWORD dwFileSubtype = 0;
    DWORD dwFileDateMS = 0;
    DWORD dwFileDateLS = 0;
};

// The size of the file's version block in bytes; 0 with the last error when the file cannot be read
// or carries no record. handle, when given, is set to 0.
DWORD GetFileVersionInfoSizeW(LPCWSTR file, DWORD* handle);
// Fills data (size bytes, at least GetFileVersionInfoSizeW's answer) with the block.
BOOL GetFileVersionInfoW(LPCWSTR file, DWORD handle, DWORD size, void* data);
// Only the sub-block "\": *buffer points at the VS_FIXEDFILEINFO inside block, *length is its size.
// Any other sub-block: FALSE with ERROR_RESOURCE_TYPE_NOT_FOUND.
BOOL VerQueryValueW(const void* block, LPCWSTR subBlock, void** buffer, UINT* length);
