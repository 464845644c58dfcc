#include "platform/services.h"
#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/handle.h"
#include "platform/machine.h"
#include "platform/system.h"
#include "platform/text.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace platform {
namespace {

constexpr DWORD managerWriteRights = SC_MANAGER_CREATE_SERVICE | SC_MANAGER_LOCK | SC_MANAGER_MODIFY_BOOT_CONFIG;
constexpr DWORD serviceWriteRights =
    SERVICE_CHANGE_CONFIG | SERVICE_START | SERVICE_STOP | SERVICE_PAUSE_CONTINUE | SERVICE_DELETE;

class ServiceManager final : public HandleObject {
public:
    explicit ServiceManager(DWORD access) : access(access) { }
    DWORD access;
};

class ServiceHandle final : public HandleObject {
public:
    ServiceHandle(std::u16string name, DWORD access) : name(std::move(name)), access(access) { }
    std::u16string name;
    DWORD access;
};

std::string Folder()
{
    return MachineFolder() + "/services";
}

std::string RecordFile(std::u16string_view name)
{
    return Folder() + "/" + ToUtf8(UpperCase(name)) + ".svc";
}

bool ValidName(std::u16string_view name)
{
    return !name.empty() && name.size() <= 256 && name.find_first_of(u"/\\") == std::u16string_view::npos;
}

DWORD Number(const std::string& text)
{
    DWORD value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<ServiceRecord> ReadRecord(std::u16string_view name)
{
    std::ifstream in(RecordFile(name));
    if (!in) {
        return std::nullopt;
    }
    ServiceRecord record;
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find(" = ");
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 3);
        if (key == "name") {
            record.name = FromUtf8(value);
        } else if (key == "display") {
            record.displayName = FromUtf8(value);
        } else if (key == "path") {
            record.binaryPath = FromUtf8(value);
        } else if (key == "group") {
            record.loadOrderGroup = FromUtf8(value);
        } else if (key == "type") {
            record.serviceType = Number(value);
        } else if (key == "start") {
            record.startType = Number(value);
        } else if (key == "errorcontrol") {
            record.errorControl = Number(value);
        } else if (key == "state") {
            record.state = Number(value);
        } else if (key == "deleting") {
            record.markedForDeletion = value == "1";
        }
    }
    return record;
}

DWORD WriteRecord(const ServiceRecord& record)
{
    const std::string file = RecordFile(record.name);
    const std::string temporary = file + ".tmp." + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "name = " << ToUtf8(record.name) << "\ndisplay = " << ToUtf8(record.displayName)
            << "\npath = " << ToUtf8(record.binaryPath) << "\ngroup = " << ToUtf8(record.loadOrderGroup)
            << "\ntype = " << record.serviceType << "\nstart = " << record.startType
            << "\nerrorcontrol = " << record.errorControl << "\nstate = " << record.state
            << "\ndeleting = " << (record.markedForDeletion ? 1 : 0) << "\n";
        if (!out) {
            std::remove(temporary.c_str());
            return ERROR_WRITE_FAULT;
        }
    }
    return std::rename(temporary.c_str(), file.c_str()) == 0 ? ERROR_SUCCESS : WindowsErrorFromErrno(errno);
}

DWORD RemoveRecord(std::u16string_view name)
{
    return std::remove(RecordFile(name).c_str()) == 0 ? ERROR_SUCCESS : WindowsErrorFromErrno(errno);
}

SC_HANDLE ToScHandle(HandleObject* object)
{
    return reinterpret_cast<SC_HANDLE>(object);
}

template <class T> T* As(SC_HANDLE handle)
{
    return HandleAs<T>(static_cast<HANDLE>(handle));
}

void FillStatus(const ServiceRecord& record, SERVICE_STATUS* status)
{
    if (status != nullptr) {
        *status = SERVICE_STATUS{};
        status->dwServiceType = record.serviceType;
        status->dwCurrentState = record.state;
        status->dwControlsAccepted = record.state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    }
}

// Whether the file a service loads exists; paths that are not drive paths are taken on trust.
bool BinaryExists(std::u16string_view path)
{
    if (path.substr(0, 4) == u"\\??\\") {
        path.remove_prefix(4);
    }
    if (path.size() < 2 || path[1] != u':') {
        return true;
    }
    return GetFileAttributesW(std::u16string(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs action on the service of a handle under the manager's lock. The action returns a Windows
// error number; the handle must carry the right.
template <class Action> BOOL WithService(SC_HANDLE handle, DWORD right, Action&& action)
{
    const ServiceHandle* service = As<ServiceHandle>(handle);
    if (service == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if ((service->access & right) == 0) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    FileLock lock(Folder() + "/.lock", true);
    if (lock.error() != 0) {
        return Fail(lock.error());
    }
    std::optional<ServiceRecord> record = ReadRecord(service->name);
    if (!record) {
        return Fail(ERROR_SERVICE_DOES_NOT_EXIST);
    }
    const DWORD error = action(*record);
    return error == ERROR_SUCCESS ? TRUE : Fail(error);
}

std::u16string Wide(LPCSTR text)
{
    return text != nullptr ? FromAnsi(text) : std::u16string{};
}

LPCWSTR OrNull(LPCSTR original, const std::u16string& wide)
{
    return original != nullptr ? wide.c_str() : nullptr;
}

}  // namespace

std::optional<ServiceRecord> FindService(std::u16string_view name)
{
    if (!ValidName(name)) {
        return std::nullopt;
    }
    FileLock lock(Folder() + "/.lock", false);
    return lock.error() == 0 ? ReadRecord(name) : std::nullopt;
}

}  // namespace platform

using namespace platform;

SC_HANDLE OpenSCManagerW(LPCWSTR, LPCWSTR, DWORD access)
{
    if ((access & managerWriteRights) != 0 && !CurrentSystemRecord().administrator) {
        Fail(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return ToScHandle(new ServiceManager(access));
}

SC_HANDLE CreateServiceW(SC_HANDLE manager, LPCWSTR name, LPCWSTR displayName, DWORD access, DWORD serviceType,
                         DWORD startType, DWORD errorControl, LPCWSTR binaryPath, LPCWSTR loadOrderGroup, DWORD*,
                         LPCWSTR, LPCWSTR, LPCWSTR)
{
    const ServiceManager* owner = As<ServiceManager>(manager);
    if (owner == nullptr) {
        Fail(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if ((owner->access & SC_MANAGER_CREATE_SERVICE) == 0) {
        Fail(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (name == nullptr || !ValidName(name) || binaryPath == nullptr) {
        Fail(name != nullptr && *name != u'\0' && binaryPath != nullptr ? ERROR_INVALID_NAME : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    FileLock lock(Folder() + "/.lock", true);
    if (lock.error() != 0) {
        Fail(lock.error());
        return nullptr;
    }
    if (const auto existing = ReadRecord(name)) {
        Fail(existing->markedForDeletion ? ERROR_SERVICE_MARKED_FOR_DELETE : ERROR_SERVICE_EXISTS);
        return nullptr;
    }
    ServiceRecord record;
    record.name = name;
    record.displayName = displayName != nullptr ? displayName : name;
    record.binaryPath = binaryPath;
    record.loadOrderGroup = loadOrderGroup != nullptr ? loadOrderGroup : u"";
    record.serviceType = serviceType;
    record.startType = startType;
    record.errorControl = errorControl;
    if (const DWORD error = WriteRecord(record); error != ERROR_SUCCESS) {
        Fail(error);
        return nullptr;
    }
    return ToScHandle(new ServiceHandle(record.name, access));
}

SC_HANDLE OpenServiceW(SC_HANDLE manager, LPCWSTR name, DWORD access)
{
    if (As<ServiceManager>(manager) == nullptr) {
        Fail(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (name == nullptr || !ValidName(name)) {
        Fail(ERROR_INVALID_NAME);
        return nullptr;
    }
    const auto record = FindService(name);
    if (!record) {
        Fail(ERROR_SERVICE_DOES_NOT_EXIST);
        return nullptr;
    }
    if ((access & serviceWriteRights) != 0 && !CurrentSystemRecord().administrator) {
        Fail(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return ToScHandle(new ServiceHandle(record->name, access));
}

BOOL StartServiceW(SC_HANDLE service, DWORD, LPCWSTR*)
{
    return WithService(service, SERVICE_START, [](ServiceRecord& record) -> DWORD {
        if (record.markedForDeletion) {
            return ERROR_SERVICE_MARKED_FOR_DELETE;
        }
        if (record.state == SERVICE_RUNNING) {
            return ERROR_SERVICE_ALREADY_RUNNING;
        }
        if (!BinaryExists(record.binaryPath)) {
            return ERROR_FILE_NOT_FOUND;
        }
        record.state = SERVICE_RUNNING;
        return WriteRecord(record);
    });
}

BOOL ControlService(SC_HANDLE service, DWORD control, SERVICE_STATUS* status)
{
    if (control != SERVICE_CONTROL_STOP) {
        return Fail(ERROR_INVALID_SERVICE_CONTROL);
    }
    return WithService(service, SERVICE_STOP, [status](ServiceRecord& record) -> DWORD {
        FillStatus(record, status);
        if (record.state != SERVICE_RUNNING) {
            return ERROR_SERVICE_NOT_ACTIVE;
        }
        record.state = SERVICE_STOPPED;
        FillStatus(record, status);
        return record.markedForDeletion ? RemoveRecord(record.name) : WriteRecord(record);
    });
}

BOOL QueryServiceStatus(SC_HANDLE service, SERVICE_STATUS* status)
{
    if (status == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    return WithService(service, SERVICE_QUERY_STATUS, [status](ServiceRecord& record) -> DWORD {
        FillStatus(record, status);
        return ERROR_SUCCESS;
    });
}

BOOL DeleteService(SC_HANDLE service)
{
    return WithService(service, SERVICE_DELETE, [](ServiceRecord& record) -> DWORD {
        if (record.markedForDeletion) {
            return ERROR_SERVICE_MARKED_FOR_DELETE;
        }
        if (record.state == SERVICE_STOPPED) {
            return RemoveRecord(record.name);
        }
        record.markedForDeletion = true;
        return WriteRecord(record);
    });
}

BOOL CloseServiceHandle(SC_HANDLE handle)
{
    HandleObject* object = As<HandleObject>(handle);
    if (As<ServiceManager>(handle) == nullptr && As<ServiceHandle>(handle) == nullptr) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    delete object;
    return TRUE;
}

SC_HANDLE OpenSCManagerA(LPCSTR machineName, LPCSTR databaseName, DWORD access)
{
    const std::u16string machine = Wide(machineName);
    const std::u16string database = Wide(databaseName);
    return OpenSCManagerW(OrNull(machineName, machine), OrNull(databaseName, database), access);
}

SC_HANDLE CreateServiceA(SC_HANDLE manager, LPCSTR name, LPCSTR displayName, DWORD access, DWORD serviceType,
                         DWORD startType, DWORD errorControl, LPCSTR binaryPath, LPCSTR loadOrderGroup, DWORD* tagId,
                         LPCSTR dependencies, LPCSTR account, LPCSTR password)
{
    const std::u16string texts[] = {Wide(name),         Wide(displayName), Wide(binaryPath), Wide(loadOrderGroup),
                                    Wide(dependencies), Wide(account),     Wide(password)};
    return CreateServiceW(manager, OrNull(name, texts[0]), OrNull(displayName, texts[1]), access, serviceType,
                          startType, errorControl, OrNull(binaryPath, texts[2]), OrNull(loadOrderGroup, texts[3]),
                          tagId, OrNull(dependencies, texts[4]), OrNull(account, texts[5]), OrNull(password, texts[6]));
}

SC_HANDLE OpenServiceA(SC_HANDLE manager, LPCSTR name, DWORD access)
{
    const std::u16string wide = Wide(name);
    return OpenServiceW(manager, OrNull(name, wide), access);
}

BOOL StartServiceA(SC_HANDLE service, DWORD, LPCSTR*)
{
    return StartServiceW(service, 0, nullptr);
}
