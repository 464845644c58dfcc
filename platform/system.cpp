#include "platform/system.h"

#include <algorithm>
#include <unistd.h>

namespace platform {
namespace {

SystemRecord record;

bool Is64Bit(const SystemRecord& r)
{
    return r.architecture == PROCESSOR_ARCHITECTURE_AMD64 || r.architecture == PROCESSOR_ARCHITECTURE_IA64;
}

template <class Char> void CopyServicePack(Char (&target)[128], const std::u16string& text)
{
    std::fill(std::begin(target), std::end(target), Char{0});
    const std::size_t n = std::min<std::size_t>(text.size(), 127);
    for (std::size_t i = 0; i < n; ++i) {
        if constexpr (sizeof(Char) == 1) {
            target[i] = static_cast<Char>(text[i] < 0x80 ? text[i] : u'?');
        } else {
            target[i] = text[i];
        }
    }
}

template <class Info> void FillVersion(Info* info)
{
    const SystemRecord& r = CurrentSystemRecord();
    info->dwMajorVersion = r.majorVersion;
    info->dwMinorVersion = r.minorVersion;
    info->dwBuildNumber = r.buildNumber;
    info->dwPlatformId = r.platformId;
    CopyServicePack(info->szCSDVersion, r.servicePack);
}

// "Service Pack 1" gives 1; any text without a number gives 0.
WORD ServicePackMajor(const std::u16string& text)
{
    const auto digit = std::find_if(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    WORD value = 0;
    for (auto it = digit; it != text.end() && *it >= u'0' && *it <= u'9'; ++it) {
        value = static_cast<WORD>(value * 10 + (*it - u'0'));
    }
    return value;
}

void FillSystemInfo(SYSTEM_INFO* info, WORD architecture)
{
    *info = SYSTEM_INFO{};
    info->wProcessorArchitecture = architecture;
    info->dwPageSize = 4096;
    info->lpMinimumApplicationAddress = reinterpret_cast<void*>(0x10000);
    info->lpMaximumApplicationAddress = reinterpret_cast<void*>(0x7FFEFFFF);
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    info->dwNumberOfProcessors = processors > 0 ? static_cast<DWORD>(processors) : 1;
    info->dwActiveProcessorMask =
        (info->dwNumberOfProcessors >= 32) ? 0xFFFFFFFFu : ((1u << info->dwNumberOfProcessors) - 1);
    info->dwProcessorType = architecture == PROCESSOR_ARCHITECTURE_INTEL ? 586 : 8664;
    info->dwAllocationGranularity = 65536;
    info->wProcessorLevel = 6;
}

BOOL CopyName(const std::u16string& name, LPWSTR buffer, DWORD* size, DWORD shortError, bool sizeCountsZero)
{
    if (size == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD needed = static_cast<DWORD>(name.size() + 1);
    if (buffer == nullptr || *size < needed) {
        *size = needed;
        SetLastError(shortError);
        return FALSE;
    }
    std::copy(name.begin(), name.end(), buffer);
    buffer[name.size()] = u'\0';
    *size = sizeCountsZero ? needed : needed - 1;
    return TRUE;
}

}  // namespace

void SetSystemRecord(const SystemRecord& newRecord)
{
    record = newRecord;
}

const SystemRecord& CurrentSystemRecord()
{
    return record;
}

}  // namespace platform

using platform::CurrentSystemRecord;

BOOL GetVersionExA(OSVERSIONINFOA* info)
{
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    platform::FillVersion(info);
    return TRUE;
}

BOOL GetVersionExW(OSVERSIONINFOW* info)
{
    if (info != nullptr && info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXW)) {
        return GetVersionExW(reinterpret_cast<OSVERSIONINFOEXW*>(info));
    }
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    platform::FillVersion(info);
    return TRUE;
}

BOOL GetVersionExW(OSVERSIONINFOEXW* info)
{
    if (info != nullptr && info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOW)) {
        return GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(info));
    }
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOEXW)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    platform::FillVersion(info);
    const platform::SystemRecord& r = CurrentSystemRecord();
    info->wServicePackMajor = platform::ServicePackMajor(r.servicePack);
    info->wServicePackMinor = 0;
    info->wSuiteMask = r.suiteMask;
    info->wProductType = r.productType;
    info->wReserved = 0;
    return TRUE;
}

LONG RtlGetVersion(OSVERSIONINFOEXW* info)
{
    constexpr LONG STATUS_INVALID_PARAMETER = static_cast<LONG>(0xC000000D);
    return GetVersionExW(info) ? 0 : STATUS_INVALID_PARAMETER;
}

BOOL GetProductInfo(DWORD major, DWORD, DWORD, DWORD, DWORD* productType)
{
    if (productType == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Editions exist from Windows Vista (6.0) on; earlier versions answer "undefined" (0).
    if (major < 6) {
        *productType = 0;
        return FALSE;
    }
    *productType = CurrentSystemRecord().edition;
    return TRUE;
}

void GetSystemInfo(SYSTEM_INFO* info)
{
    if (info != nullptr) {
        const WORD native = CurrentSystemRecord().architecture;
        platform::FillSystemInfo(info, platform::Is64Bit(CurrentSystemRecord()) ? platform::PROCESSOR_ARCHITECTURE_INTEL
                                                                                : native);
    }
}

void GetNativeSystemInfo(SYSTEM_INFO* info)
{
    if (info != nullptr) {
        platform::FillSystemInfo(info, CurrentSystemRecord().architecture);
    }
}

HANDLE GetCurrentProcess()
{
    return INVALID_HANDLE_VALUE;
}

BOOL IsWow64Process(HANDLE process, BOOL* wow64)
{
    if (process != GetCurrentProcess() || wow64 == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *wow64 = platform::Is64Bit(CurrentSystemRecord()) ? TRUE : FALSE;
    return TRUE;
}

BOOL GetComputerNameW(LPWSTR buffer, DWORD* size)
{
    return platform::CopyName(CurrentSystemRecord().computerName, buffer, size, ERROR_BUFFER_OVERFLOW, false);
}

BOOL GetUserNameW(LPWSTR buffer, DWORD* size)
{
    return platform::CopyName(CurrentSystemRecord().userName, buffer, size, ERROR_INSUFFICIENT_BUFFER, true);
}

LANGID GetUserDefaultLangID()
{
    return CurrentSystemRecord().userLangId;
}

LANGID GetSystemDefaultLangID()
{
    return CurrentSystemRecord().systemLangId;
}
