#include "setup/ProxyDriverInstall.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/SysInfo.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/system.h"
#include "platform/text.h"
#include "setup/InstallFiles.h"
#include "ui/application.h"

namespace setup {
namespace {

constexpr int kDriverPayload32 = 11001;
constexpr int kDriverPayload64 = 11002;
constexpr int kStopAttempts = 100;
// A stopping driver needs time to go; asking again at once would spend the attempts in no time.
constexpr DWORD kStopRetryMs = 100;
constexpr DWORD kDriverVersion = 103;
constexpr char16_t kDriverRegistryKey[] = u"SOFTWARE\\VEMO\\VEMOURPX";
constexpr char16_t kDriverUsedRegistryKey[] = u"SOFTWARE\\VEMO\\VEMOURPX\\Used";
constexpr char16_t kUsedValueName[] = u"Harbex Solo +";

// Owns a service-manager or service handle.
class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) { }
    ~ServiceHandle()
    {
        if (handle_ != nullptr) {
            CloseServiceHandle(handle_);
        }
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    SC_HANDLE handle_;
};

ServiceHandle OpenManager()
{
    return ServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
}

HKEY OpenOrCreateKey(const char16_t* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        return key;
    }
    if (RegCreateKeyW(HKEY_LOCAL_MACHINE, path, &key) == ERROR_SUCCESS) {
        return key;
    }
    return nullptr;
}

std::u16string TwoDigits(int value)
{
    return std::u16string{static_cast<char16_t>(u'0' + value / 10 % 10), static_cast<char16_t>(u'0' + value % 10)};
}

}  // namespace

bool IsWow64()
{
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64 != FALSE;
}

std::u16string DriversFolder(int kind)
{
    const std::u16string windows = WithTrailingBackslash(WindowsFolder());
    switch (kind) {
    case 0:
        return windows + u"System32\\drivers";
    case 1:
        return windows + u"SysWOW64\\drivers";
    default:
        return {};
    }
}

std::u16string DriverFilePath(int kind)
{
    const std::u16string folder = DriversFolder(kind);
    return folder.empty() ? folder : folder + u"\\VEMOURPX.SYS";
}

bool WriteDriverFile()
{
    const int kind = ProcessorKind();
    if (kind != 0 && kind != 1) {
        return false;
    }
    return WritePayload(kind == 0 ? kDriverPayload32 : kDriverPayload64, DriverFilePath(kind));
}

DWORD CreateDriverService(const std::string& name, const std::string& path, const std::string& group, DWORD startType)
{
    const ServiceHandle manager = OpenManager();
    if (!manager) {
        return GetLastError();
    }
    const ServiceHandle service(CreateServiceA(manager.get(), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                               SERVICE_KERNEL_DRIVER, startType, SERVICE_ERROR_NORMAL, path.c_str(),
                                               group.c_str(), nullptr, nullptr, nullptr, nullptr));
    return service ? 0 : GetLastError();
}

DWORD StartDriverService(const std::string& name)
{
    const ServiceHandle manager = OpenManager();
    if (!manager) {
        return GetLastError();
    }
    const ServiceHandle service(OpenServiceA(manager.get(), name.c_str(), SERVICE_ALL_ACCESS));
    if (!service) {
        return GetLastError();
    }
    return StartServiceA(service.get(), 0, nullptr) ? 0 : GetLastError();
}

DWORD StopDriverService(const std::string& name, DWORD& state)
{
    const ServiceHandle manager = OpenManager();
    if (!manager) {
        return GetLastError();
    }
    const ServiceHandle service(OpenServiceA(manager.get(), name.c_str(), SERVICE_ALL_ACCESS));
    if (!service) {
        const DWORD error = GetLastError();
        if (error == ERROR_SERVICE_DOES_NOT_EXIST) {
            state = SERVICE_STOPPED;
            return 0;
        }
        return error;
    }
    SERVICE_STATUS status;
    if (!QueryServiceStatus(service.get(), &status)) {
        return GetLastError();
    }
    state = status.dwCurrentState;
    if (state == SERVICE_STOPPED) {
        return 0;
    }
    if (!ControlService(service.get(), SERVICE_CONTROL_STOP, &status)) {
        return GetLastError();
    }
    state = status.dwCurrentState;
    return 0;
}

DWORD DeleteDriverService(const std::string& name)
{
    const ServiceHandle manager = OpenManager();
    if (!manager) {
        return GetLastError();
    }
    const ServiceHandle service(OpenServiceA(manager.get(), name.c_str(), SERVICE_ALL_ACCESS));
    if (!service) {
        const DWORD error = GetLastError();
        return error == ERROR_SERVICE_DOES_NOT_EXIST ? 0 : error;
    }
    return DeleteService(service.get()) ? 0 : GetLastError();
}

DWORD RemoveDriverService()
{
    DWORD state = 0;
    for (int attempt = 0; attempt < kStopAttempts; ++attempt) {
        StopDriverService(kDriverServiceName, state);
        if (state == SERVICE_STOPPED) {
            break;
        }
        ui::Application->ProcessMessages();
        Sleep(kStopRetryMs);
    }
    return DeleteDriverService(kDriverServiceName);
}

DWORD InstallDriverService()
{
    const std::string path = platform::ToAnsi(DriverFilePath(ProcessorKind()));
    CreateDriverService(kDriverServiceName, path, "Base", SERVICE_SYSTEM_START);
    return GetLastError();
}

DWORD StartProxyDriver()
{
    return StartDriverService(kDriverServiceName);
}

bool WriteDriverRegistry()
{
    HKEY key = OpenOrCreateKey(kDriverRegistryKey);
    if (key == nullptr) {
        return false;
    }
    const DWORD version = kDriverVersion;
    const LONG versionWritten =
        RegSetValueExW(key, u"Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version), sizeof(version));
    RegCloseKey(key);
    if (versionWritten != ERROR_SUCCESS) {
        return false;
    }
    key = OpenOrCreateKey(kDriverUsedRegistryKey);
    if (key == nullptr) {
        return false;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::u16string text = DateTimeText(now);
    const LONG usedWritten = RegSetValueExW(key, kUsedValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                                            static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
    RegCloseKey(key);
    return usedWritten == ERROR_SUCCESS;
}

std::u16string DateTimeText(const SYSTEMTIME& time)
{
    return TwoDigits(time.wYear / 100) + TwoDigits(time.wYear % 100) + u"/" + TwoDigits(time.wMonth) + u"/" +
           TwoDigits(time.wDay) + u" " + TwoDigits(time.wHour) + u":" + TwoDigits(time.wMinute) + u":" +
           TwoDigits(time.wSecond);
}

}  // namespace setup
