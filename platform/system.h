#pragma once
// Computer, user, Windows version and language of the machine the program runs on, as the
// machine profile (platform/machine.h) or the real machine declares them.
//
// The program is treated as a 32-bit Windows program: on a 64-bit machine GetSystemInfo reports
// the x86 architecture, GetNativeSystemInfo the machine's own, and IsWow64Process answers TRUE.

#include "platform/win_types.h"

#include <string>

namespace platform {

inline constexpr WORD PROCESSOR_ARCHITECTURE_INTEL = 0;
inline constexpr WORD PROCESSOR_ARCHITECTURE_IA64 = 6;
inline constexpr WORD PROCESSOR_ARCHITECTURE_AMD64 = 9;

struct SystemRecord {
    std::u16string computerName = u"PC";
    std::u16string userName = u"User";
    DWORD majorVersion = 6;
    DWORD minorVersion = 1;
    DWORD buildNumber = 7601;
    DWORD platformId = 2;
    std::u16string servicePack = u"Service Pack 1";
    BYTE productType = 1;  // 1 workstation, 2 domain controller, 3 server
    WORD suiteMask = 0x100;  // VER_SUITE_SINGLEUSERTS, as a Windows 7 workstation reports
    DWORD edition = 1;  // GetProductInfo code (1 Ultimate)
    WORD architecture = PROCESSOR_ARCHITECTURE_AMD64;
    LANGID userLangId = 1033;
    LANGID systemLangId = 1033;
    bool administrator = true;  // may open HKEY_LOCAL_MACHINE and the service manager for writing
    char16_t decimalSeparator = u'.';  // of the user's number format
};

void SetSystemRecord(const SystemRecord& record);
const SystemRecord& CurrentSystemRecord();

}  // namespace platform

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    WCHAR szCSDVersion[128] = {};
};

struct OSVERSIONINFOEXW {
    DWORD dwOSVersionInfoSize = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    WCHAR szCSDVersion[128] = {};
    WORD wServicePackMajor = 0;
    WORD wServicePackMinor = 0;
    WORD wSuiteMask = 0;
    BYTE wProductType = 0;
    BYTE wReserved = 0;
};
using RTL_OSVERSIONINFOEXW = OSVERSIONINFOEXW;

inline constexpr WORD VER_SUITE_ENTERPRISE = 0x2;
inline constexpr WORD VER_SUITE_DATACENTER = 0x80;
inline constexpr WORD VER_SUITE_SINGLEUSERTS = 0x100;
inline constexpr WORD VER_SUITE_PERSONAL = 0x200;
inline constexpr BYTE VER_NT_WORKSTATION = 1;
inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

// The size member must be sizeof(OSVERSIONINFOA) (148), sizeof(OSVERSIONINFOW) (276) or
// sizeof(OSVERSIONINFOEXW) (284); otherwise FALSE with ERROR_INSUFFICIENT_BUFFER.
BOOL GetVersionExA(OSVERSIONINFOA* info);
BOOL GetVersionExW(OSVERSIONINFOW* info);
BOOL GetVersionExW(OSVERSIONINFOEXW* info);
// Always 0 (STATUS_SUCCESS) for a record of 276 or 284 bytes.
LONG RtlGetVersion(OSVERSIONINFOEXW* info);
BOOL GetProductInfo(DWORD major, DWORD minor, DWORD servicePackMajor, DWORD servicePackMinor, DWORD* productType);

struct SYSTEM_INFO {
    WORD wProcessorArchitecture = 0;
    WORD wReserved = 0;
    DWORD dwPageSize = 0;
    void* lpMinimumApplicationAddress = nullptr;
    void* lpMaximumApplicationAddress = nullptr;
    std::uintptr_t dwActiveProcessorMask = 0;
    DWORD dwNumberOfProcessors = 0;
    DWORD dwProcessorType = 0;
    DWORD dwAllocationGranularity = 0;
    WORD wProcessorLevel = 0;
    WORD wProcessorRevision = 0;
};
void GetSystemInfo(SYSTEM_INFO* info);
void GetNativeSystemInfo(SYSTEM_INFO* info);

HANDLE GetCurrentProcess();
// TRUE in *wow64 when the machine is 64-bit (the program counts as a 32-bit program).
BOOL IsWow64Process(HANDLE process, BOOL* wow64);

// The size is in characters. GetComputerNameW: on success *size is the length without the zero;
// a short buffer gives ERROR_BUFFER_OVERFLOW. GetUserNameW: on success *size counts the zero; a
// short buffer gives ERROR_INSUFFICIENT_BUFFER. Both report the needed size on failure.
BOOL GetComputerNameW(LPWSTR buffer, DWORD* size);
BOOL GetUserNameW(LPWSTR buffer, DWORD* size);

LANGID GetUserDefaultLangID();
LANGID GetSystemDefaultLangID();
