#pragma once
// The service control manager of the machine, kept as one small text file per service in the
// machine folder ("services/NAME.svc"). Nothing really runs: a started service is recorded as
// running until it is stopped. A service deleted while it runs is marked for deletion and goes
// when it stops, as Windows does. Creating services or opening them for changes needs an
// administrator (the profile's "admin", on the real machine root); otherwise ERROR_ACCESS_DENIED.

#include "platform/win_types.h"

#include <optional>
#include <string>
#include <string_view>

struct SC_HANDLE__;
using SC_HANDLE = SC_HANDLE__*;

inline constexpr DWORD SC_MANAGER_CONNECT = 0x0001;
inline constexpr DWORD SC_MANAGER_CREATE_SERVICE = 0x0002;
inline constexpr DWORD SC_MANAGER_ENUMERATE_SERVICE = 0x0004;
inline constexpr DWORD SC_MANAGER_LOCK = 0x0008;
inline constexpr DWORD SC_MANAGER_MODIFY_BOOT_CONFIG = 0x0020;
inline constexpr DWORD SC_MANAGER_ALL_ACCESS = 0xF003F;
inline constexpr DWORD SERVICE_QUERY_CONFIG = 0x0001;
inline constexpr DWORD SERVICE_CHANGE_CONFIG = 0x0002;
inline constexpr DWORD SERVICE_QUERY_STATUS = 0x0004;
inline constexpr DWORD SERVICE_START = 0x0010;
inline constexpr DWORD SERVICE_STOP = 0x0020;
inline constexpr DWORD SERVICE_PAUSE_CONTINUE = 0x0040;
inline constexpr DWORD SERVICE_DELETE = 0x00010000;
inline constexpr DWORD SERVICE_ALL_ACCESS = 0xF01FF;

inline constexpr DWORD SERVICE_KERNEL_DRIVER = 0x1;
inline constexpr DWORD SERVICE_WIN32_OWN_PROCESS = 0x10;
inline constexpr DWORD SERVICE_BOOT_START = 0;
inline constexpr DWORD SERVICE_SYSTEM_START = 1;
inline constexpr DWORD SERVICE_AUTO_START = 2;
inline constexpr DWORD SERVICE_DEMAND_START = 3;
inline constexpr DWORD SERVICE_ERROR_NORMAL = 1;

inline constexpr DWORD SERVICE_STOPPED = 1;
inline constexpr DWORD SERVICE_RUNNING = 4;
inline constexpr DWORD SERVICE_CONTROL_STOP = 1;
inline constexpr DWORD SERVICE_ACCEPT_STOP = 1;

inline constexpr DWORD ERROR_INVALID_SERVICE_CONTROL = 1052;
inline constexpr DWORD ERROR_SERVICE_ALREADY_RUNNING = 1056;
inline constexpr DWORD ERROR_SERVICE_NOT_ACTIVE = 1062;
inline constexpr DWORD ERROR_SERVICE_MARKED_FOR_DELETE = 1072;
inline constexpr DWORD ERROR_SERVICE_EXISTS = 1073;

struct SERVICE_STATUS {
    DWORD dwServiceType = 0;
    DWORD dwCurrentState = 0;
    DWORD dwControlsAccepted = 0;
    DWORD dwWin32ExitCode = 0;
    DWORD dwServiceSpecificExitCode = 0;
    DWORD dwCheckPoint = 0;
    DWORD dwWaitHint = 0;
};

// Failures return nullptr or FALSE and set the last error.
SC_HANDLE OpenSCManagerW(LPCWSTR machineName, LPCWSTR databaseName, DWORD access);
SC_HANDLE OpenSCManagerA(LPCSTR machineName, LPCSTR databaseName, DWORD access);
// ERROR_SERVICE_EXISTS for an existing name, ERROR_SERVICE_MARKED_FOR_DELETE while the old one
// waits to go.
SC_HANDLE CreateServiceW(SC_HANDLE manager, LPCWSTR name, LPCWSTR displayName, DWORD access, DWORD serviceType,
                         DWORD startType, DWORD errorControl, LPCWSTR binaryPath, LPCWSTR loadOrderGroup, DWORD* tagId,
                         LPCWSTR dependencies, LPCWSTR account, LPCWSTR password);
SC_HANDLE CreateServiceA(SC_HANDLE manager, LPCSTR name, LPCSTR displayName, DWORD access, DWORD serviceType,
                         DWORD startType, DWORD errorControl, LPCSTR binaryPath, LPCSTR loadOrderGroup, DWORD* tagId,
                         LPCSTR dependencies, LPCSTR account, LPCSTR password);
// ERROR_SERVICE_DOES_NOT_EXIST for an unknown name.
SC_HANDLE OpenServiceW(SC_HANDLE manager, LPCWSTR name, DWORD access);
SC_HANDLE OpenServiceA(SC_HANDLE manager, LPCSTR name, DWORD access);
// ERROR_SERVICE_ALREADY_RUNNING when it runs; ERROR_FILE_NOT_FOUND when its file (a drive path,
// optionally after "\??\") does not exist.
BOOL StartServiceW(SC_HANDLE service, DWORD argumentCount, LPCWSTR* arguments);
BOOL StartServiceA(SC_HANDLE service, DWORD argumentCount, LPCSTR* arguments);
// Only SERVICE_CONTROL_STOP; ERROR_SERVICE_NOT_ACTIVE when the service is not running.
BOOL ControlService(SC_HANDLE service, DWORD control, SERVICE_STATUS* status);
BOOL QueryServiceStatus(SC_HANDLE service, SERVICE_STATUS* status);
BOOL DeleteService(SC_HANDLE service);
BOOL CloseServiceHandle(SC_HANDLE handle);

namespace platform {

struct ServiceRecord {
    std::u16string name, displayName, binaryPath, loadOrderGroup;
    DWORD serviceType = SERVICE_KERNEL_DRIVER;
    DWORD startType = SERVICE_DEMAND_START;
    DWORD errorControl = SERVICE_ERROR_NORMAL;
    DWORD state = SERVICE_STOPPED;
    bool markedForDeletion = false;
};

// The installed service of that name (without case), for the layers that ask whether a driver
// is installed and running.
std::optional<ServiceRecord> FindService(std::u16string_view name);

}  // namespace platform
