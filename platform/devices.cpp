// Device names and the control codes sent on device handles, served by the current machine.

#include "platform/devices.h"

#include "platform/device_machine.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/handle.h"
#include "platform/pass_through_request.h"
#include "platform/text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {
namespace {

using devices::CurrentDeviceMachine;
using devices::StorageTarget;

constexpr DWORD IOCTL_PROXY_SET_TARGET = 0x222040;
constexpr DWORD IOCTL_VDDA_QUERY_LETTER = 0x740D4;
constexpr std::u16string_view DosDevicesPrefix = u"\\DosDevices\\";
constexpr std::u16string_view DevicePrefix = u"\\\\.\\";

class ProxyHandle : public HandleObject {
public:
    std::shared_ptr<StorageTarget> target;
};

class DiskDriverHandle : public HandleObject { };

// UTF-16 units of a little-endian buffer up to the first 0 unit or its end.
std::u16string UnitsUntilZero(const BYTE* bytes, DWORD size)
{
    std::u16string text;
    for (DWORD at = 0; at + 1 < size; at += 2) {
        char16_t unit = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

BOOL BindTarget(ProxyHandle& proxy, const void* in, DWORD inSize)
{
    if (in == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    std::u16string name = UnitsUntilZero(static_cast<const BYTE*>(in), inSize);
    if (name.size() <= DosDevicesPrefix.size() ||
        !EqualNoCase(std::u16string_view(name).substr(0, DosDevicesPrefix.size()), DosDevicesPrefix)) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    auto target = CurrentDeviceMachine().Target(std::u16string_view(name).substr(DosDevicesPrefix.size()));
    if (!target) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    proxy.target = std::move(target);
    return TRUE;
}

BOOL AnswerDeviceNumber(StorageTarget& target, void* out, DWORD outSize, DWORD* returned)
{
    if (out == nullptr || outSize < sizeof(STORAGE_DEVICE_NUMBER)) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    auto info = target.Info();
    if (!info) {
        return Fail(ERROR_DEVICE_NOT_CONNECTED);
    }
    STORAGE_DEVICE_NUMBER number{info->deviceType, info->number, info->partition};
    std::memcpy(out, &number, sizeof number);
    if (returned != nullptr) {
        *returned = sizeof number;
    }
    return TRUE;
}

// The whole descriptor: the fixed part, then each string with its terminating zero.
std::vector<BYTE> DescriptorBytes(const devices::StorageInfo& info)
{
    STORAGE_DEVICE_DESCRIPTOR head;
    std::vector<BYTE> tail;
    auto append = [&tail](const std::string& text, DWORD& offset) {
        if (text.empty()) {
            return;
        }
        offset = static_cast<DWORD>(sizeof(STORAGE_DEVICE_DESCRIPTOR) + tail.size());
        tail.insert(tail.end(), text.begin(), text.end());
        tail.push_back(0);
    };
    head.Version = sizeof(STORAGE_DEVICE_DESCRIPTOR);
    head.DeviceType = info.deviceType == FILE_DEVICE_CD_ROM ? 5 : 0;
    head.RemovableMedia = info.removable ? 1 : 0;
    head.BusType = info.busType;
    append(info.vendor, head.VendorIdOffset);
    append(info.product, head.ProductIdOffset);
    append(info.revision, head.ProductRevisionOffset);
    append(info.serial, head.SerialNumberOffset);
    head.Size = static_cast<DWORD>(sizeof head + tail.size());
    std::vector<BYTE> bytes(sizeof head);
    std::memcpy(bytes.data(), &head, sizeof head);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

// As Windows: a short buffer gets the first bytes, with Size telling the whole length.
BOOL AnswerStorageProperty(StorageTarget& target, const void* in, DWORD inSize, void* out, DWORD outSize,
                           DWORD* returned)
{
    constexpr DWORD HeaderBytes = 8;
    if (in == nullptr || inSize < 2 * sizeof(DWORD)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    DWORD propertyAndQuery[2];
    std::memcpy(propertyAndQuery, in, sizeof propertyAndQuery);
    if (propertyAndQuery[0] != StorageDeviceProperty || propertyAndQuery[1] != PropertyStandardQuery) {
        return Fail(ERROR_NOT_SUPPORTED);
    }
    if (out == nullptr || outSize < HeaderBytes) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    auto info = target.Info();
    if (!info) {
        return Fail(ERROR_DEVICE_NOT_CONNECTED);
    }
    std::vector<BYTE> bytes = DescriptorBytes(*info);
    DWORD moved = std::min<DWORD>(outSize, static_cast<DWORD>(bytes.size()));
    std::memcpy(out, bytes.data(), moved);
    if (returned != nullptr) {
        *returned = moved;
    }
    return TRUE;
}

BOOL AnswerPassThrough(StorageTarget& target, const void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned)
{
    if (in == nullptr || out == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    // The request travels through one system buffer, as METHOD_BUFFERED requests do.
    std::vector<BYTE> buffer(std::max(inSize, outSize), 0);
    std::memcpy(buffer.data(), in, inSize);
    DWORD answered = 0;
    DWORD error = ExecutePassThrough(target, buffer, inSize, outSize, answered);
    if (error != ERROR_SUCCESS) {
        return Fail(error);
    }
    std::memcpy(out, buffer.data(), std::min<DWORD>(outSize, answered));
    if (returned != nullptr) {
        *returned = std::min<DWORD>(outSize, answered);
    }
    return TRUE;
}

BOOL AnswerProxy(ProxyHandle& proxy, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned)
{
    if (code == IOCTL_PROXY_SET_TARGET) {
        return BindTarget(proxy, in, inSize);
    }
    if (!proxy.target) {
        return Fail(ERROR_INVALID_FUNCTION);
    }
    switch (code) {
    case IOCTL_STORAGE_GET_DEVICE_NUMBER:
        return AnswerDeviceNumber(*proxy.target, out, outSize, returned);
    case IOCTL_STORAGE_QUERY_PROPERTY:
        return AnswerStorageProperty(*proxy.target, in, inSize, out, outSize, returned);
    case IOCTL_SCSI_PASS_THROUGH:
        return AnswerPassThrough(*proxy.target, in, inSize, out, outSize, returned);
    default:
        return Fail(ERROR_INVALID_FUNCTION);
    }
}

// The request: signature at 0, the answer letter at 30, the UTF-16 device path from 31.
BOOL AnswerDiskDriver(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned)
{
    constexpr DWORD AnswerOffset = 30;
    constexpr DWORD PathOffset = 31;
    if (code != IOCTL_VDDA_QUERY_LETTER) {
        return Fail(ERROR_INVALID_FUNCTION);
    }
    if (in == nullptr || out == nullptr || inSize <= PathOffset || outSize < inSize ||
        std::memcmp(in, "VEMOVDDA", 8) != 0) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const BYTE* request = static_cast<const BYTE*>(in);
    std::u16string path = UnitsUntilZero(request + PathOffset, inSize - PathOffset);
    char letter = CurrentDeviceMachine().DiskDriverLetter(path);
    std::memmove(out, in, inSize);
    static_cast<BYTE*>(out)[AnswerOffset] = static_cast<BYTE>(letter);
    if (returned != nullptr) {
        *returned = inSize;
    }
    return TRUE;
}

}  // namespace

HANDLE OpenDevice(std::u16string_view name, DWORD, DWORD)
{
    if (name.substr(0, DevicePrefix.size()) == DevicePrefix) {
        name.remove_prefix(DevicePrefix.size());
    }
    auto& machine = CurrentDeviceMachine();
    machine.Refresh();
    if (EqualNoCase(name, u"VEMOURPX") && machine.HasProxyDriver()) {
        return ToHandle(new ProxyHandle);
    }
    if (EqualNoCase(name, u"VEMOVDDA") && machine.HasDiskDriver()) {
        return ToHandle(new DiskDriverHandle);
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
}

DWORD RequestSafeRemoval(char16_t letter)
{
    auto& machine = CurrentDeviceMachine();
    machine.Refresh();
    return machine.SafeRemoval(UpperChar(letter));
}

void RefreshDevices()
{
    CurrentDeviceMachine().Refresh();
}

}  // namespace platform

BOOL DeviceIoControl(HANDLE device, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                     void*)
{
    if (returned != nullptr) {
        *returned = 0;
    }
    platform::devices::CurrentDeviceMachine().Refresh();
    if (auto* proxy = platform::HandleAs<platform::ProxyHandle>(device)) {
        return platform::AnswerProxy(*proxy, code, in, inSize, out, outSize, returned);
    }
    if (platform::HandleAs<platform::DiskDriverHandle>(device) != nullptr) {
        return platform::AnswerDiskDriver(code, in, inSize, out, outSize, returned);
    }
    return platform::Fail(ERROR_INVALID_HANDLE);
}

UINT SetErrorMode(UINT mode)
{
    static UINT current = 0;
    UINT previous = current;
    current = mode;
    return previous;
}

HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, void* security, DWORD disposition, DWORD flags,
                   HANDLE templateFile)
{
    std::u16string wide = platform::FromAnsi(path == nullptr ? "" : path);
    if (wide.starts_with(platform::DevicePrefix)) {
        return platform::OpenDevice(wide, access, share);
    }
    return CreateFileW(wide.c_str(), access, share, security, disposition, flags, templateFile);
}
