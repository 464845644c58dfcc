#include "platform/registry.h"
#include "platform/file_lock.h"
#include "platform/handle.h"
#include "platform/machine.h"
#include "platform/registry_store.h"
#include "platform/system.h"

#include <algorithm>
#include <optional>
#include <string>

namespace platform {
namespace {

using registry::Hive;
using registry::Key;

constexpr LONG ERROR_BADDB = 1009;
constexpr LONG ERROR_KEY_DELETED = 1018;
constexpr REGSAM writeRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | REG_DELETE;

enum class HiveId { LocalMachine, CurrentUser };

class RegistryKey final : public HandleObject {
public:
    RegistryKey(HiveId hive, std::u16string path, REGSAM access) : hive(hive), path(std::move(path)), access(access) { }
    HiveId hive;
    std::u16string path;
    REGSAM access;
};

struct KeyRef {
    HiveId hive;
    std::u16string path;
    REGSAM access;
};

std::optional<KeyRef> Resolve(HKEY key)
{
    if (key == HKEY_LOCAL_MACHINE) {
        return KeyRef{HiveId::LocalMachine, u"", KEY_ALL_ACCESS};
    }
    if (key == HKEY_CURRENT_USER) {
        return KeyRef{HiveId::CurrentUser, u"", KEY_ALL_ACCESS};
    }
    const RegistryKey* object = HandleAs<RegistryKey>(static_cast<HANDLE>(key));
    if (object == nullptr) {
        return std::nullopt;
    }
    return KeyRef{object->hive, object->path, object->access};
}

std::string HiveFile(HiveId hive)
{
    return MachineFolder() + (hive == HiveId::LocalMachine ? "/registry/HKLM.reg" : "/registry/HKCU.reg");
}

// Non-empty names of subKey joined to the parent's path with "\".
std::u16string Join(const std::u16string& parent, LPCWSTR subKey)
{
    std::u16string path = parent;
    std::u16string_view rest = subKey != nullptr ? std::u16string_view(subKey) : std::u16string_view{};
    while (!rest.empty()) {
        const auto slash = rest.find(u'\\');
        const std::u16string_view name = rest.substr(0, slash);
        if (!name.empty()) {
            path += path.empty() ? u"" : u"\\";
            path += name;
        }
        rest = slash == std::u16string_view::npos ? std::u16string_view{} : rest.substr(slash + 1);
    }
    return path;
}

bool HiveAllowsWrites(HiveId hive)
{
    return hive != HiveId::LocalMachine || CurrentSystemRecord().administrator;
}

bool MayWrite(const KeyRef& key, REGSAM right)
{
    return (key.access & right) != 0 && HiveAllowsWrites(key.hive);
}

HKEY NewHandle(HiveId hive, std::u16string path, REGSAM access)
{
    return reinterpret_cast<HKEY>(static_cast<HandleObject*>(new RegistryKey(hive, std::move(path), access)));
}

// Runs change on the loaded hive under an exclusive lock and saves it when change answers success.
template <class Change> LONG Modify(HiveId hive, Change&& change)
{
    const std::string file = HiveFile(hive);
    FileLock lock(file + ".lock", true);
    if (lock.error() != 0) {
        return static_cast<LONG>(lock.error());
    }
    Hive loaded;
    if (!LoadHive(file, loaded)) {
        return ERROR_BADDB;
    }
    const LONG result = change(loaded);
    return result == ERROR_SUCCESS ? static_cast<LONG>(SaveHive(file, loaded)) : result;
}

template <class Read> LONG Inspect(HiveId hive, Read&& read)
{
    const std::string file = HiveFile(hive);
    FileLock lock(file + ".lock", false);
    if (lock.error() != 0) {
        return static_cast<LONG>(lock.error());
    }
    Hive loaded;
    if (!LoadHive(file, loaded)) {
        return ERROR_BADDB;
    }
    return read(loaded);
}

}  // namespace
}  // namespace platform

using namespace platform;

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD, REGSAM access, HKEY* result)
{
    const auto parent = Resolve(key);
    if (!parent || result == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    *result = nullptr;
    if ((access & writeRights) != 0 && !HiveAllowsWrites(parent->hive)) {
        return ERROR_ACCESS_DENIED;
    }
    const std::u16string path = Join(parent->path, subKey);
    const LONG found = Inspect(parent->hive, [&](Hive& hive) -> LONG {
        return hive.Find(path) != nullptr ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
    if (found == ERROR_SUCCESS) {
        *result = NewHandle(parent->hive, path, access);
    }
    return found;
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM access, void*, HKEY* result,
                     DWORD* disposition)
{
    const auto parent = Resolve(key);
    if (!parent || result == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    *result = nullptr;
    if ((access & writeRights) != 0 && !HiveAllowsWrites(parent->hive)) {
        return ERROR_ACCESS_DENIED;
    }
    const std::u16string path = Join(parent->path, subKey);
    bool created = false;
    const LONG error = Modify(parent->hive, [&](Hive& hive) -> LONG {
        if (hive.Find(path) != nullptr) {
            return ERROR_SUCCESS;
        }
        if (!MayWrite(*parent, KEY_CREATE_SUB_KEY)) {
            return ERROR_ACCESS_DENIED;
        }
        created = hive.Create(path);
        return ERROR_SUCCESS;
    });
    if (error == ERROR_SUCCESS) {
        *result = NewHandle(parent->hive, path, access);
        if (disposition != nullptr) {
            *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        }
    }
    return error;
}

LONG RegCreateKeyW(HKEY key, LPCWSTR subKey, HKEY* result)
{
    return RegCreateKeyExW(key, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, result, nullptr);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    const auto ref = Resolve(key);
    if (!ref) {
        return ERROR_INVALID_HANDLE;
    }
    if (data != nullptr && size == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::u16string name = valueName != nullptr ? valueName : u"";
    return Inspect(ref->hive, [&](Hive& hive) -> LONG {
        const Key* found = hive.Find(ref->path);
        if (found == nullptr) {
            return ERROR_KEY_DELETED;
        }
        const auto value = found->values.find(registry::Folded(name));
        if (value == found->values.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        const std::vector<BYTE>& bytes = value->second.data;
        if (type != nullptr) {
            *type = value->second.type;
        }
        const DWORD room = size != nullptr ? *size : 0;
        if (size != nullptr) {
            *size = static_cast<DWORD>(bytes.size());
        }
        if (data == nullptr) {
            return ERROR_SUCCESS;
        }
        if (room < bytes.size()) {
            return ERROR_MORE_DATA;
        }
        std::copy(bytes.begin(), bytes.end(), data);
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    const auto ref = Resolve(key);
    if (!ref) {
        return ERROR_INVALID_HANDLE;
    }
    if (data == nullptr && size != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!MayWrite(*ref, KEY_SET_VALUE)) {
        return ERROR_ACCESS_DENIED;
    }
    const std::u16string name = valueName != nullptr ? valueName : u"";
    return Modify(ref->hive, [&](Hive& hive) -> LONG {
        Key* found = hive.Find(ref->path);
        if (found == nullptr) {
            return ERROR_KEY_DELETED;
        }
        found->values[registry::Folded(name)] = registry::Value{name, type, std::vector<BYTE>(data, data + size)};
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName)
{
    const auto ref = Resolve(key);
    if (!ref) {
        return ERROR_INVALID_HANDLE;
    }
    if (!MayWrite(*ref, KEY_SET_VALUE)) {
        return ERROR_ACCESS_DENIED;
    }
    const std::u16string name = valueName != nullptr ? valueName : u"";
    return Modify(ref->hive, [&](Hive& hive) -> LONG {
        Key* found = hive.Find(ref->path);
        if (found == nullptr) {
            return ERROR_KEY_DELETED;
        }
        return found->values.erase(registry::Folded(name)) != 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey)
{
    const auto ref = Resolve(key);
    if (!ref) {
        return ERROR_INVALID_HANDLE;
    }
    const std::u16string path = Join(ref->path, subKey);
    if (path.empty() || path == ref->path) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!HiveAllowsWrites(ref->hive)) {
        return ERROR_ACCESS_DENIED;
    }
    return Modify(ref->hive, [&](Hive& hive) -> LONG {
        if (hive.Find(path) == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (hive.HasSubkeys(path)) {
            return ERROR_ACCESS_DENIED;
        }
        hive.keys.erase(registry::Folded(path));
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key)
{
    if (key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER) {
        return ERROR_SUCCESS;
    }
    RegistryKey* object = HandleAs<RegistryKey>(static_cast<HANDLE>(key));
    if (object == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    delete object;
    return ERROR_SUCCESS;
}
