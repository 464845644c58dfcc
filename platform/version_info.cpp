#include "platform/version_info.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/version_record.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr DWORD kChunkSize = 1 << 20;

bool IsRecordAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    if (at + platform::kVersionRecordSize > bytes.size() ||
        !std::equal(platform::kVersionMarker.begin(), platform::kVersionMarker.end(), bytes.begin() + at)) {
        return false;
    }
    const std::size_t parts = at + platform::kVersionMarkerSize;
    for (std::size_t i = 0; i < platform::kVersionPartsSize; ++i) {
        if (static_cast<std::uint8_t>(~bytes[parts + i]) != bytes[parts + platform::kVersionPartsSize + i]) {
            return false;
        }
    }
    return true;
}

DWORD PartAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<DWORD>(bytes[at] | (bytes[at + 1] << 8));
}

VS_FIXEDFILEINFO FixedInfoOfRecord(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    const std::size_t parts = at + platform::kVersionMarkerSize;
    VS_FIXEDFILEINFO info;
    info.dwSignature = VS_FFI_SIGNATURE;
    info.dwStrucVersion = VS_FFI_STRUCVERSION;
    info.dwFileVersionMS = PartAt(bytes, parts) << 16 | PartAt(bytes, parts + 2);
    info.dwFileVersionLS = PartAt(bytes, parts + 4) << 16 | PartAt(bytes, parts + 6);
    info.dwProductVersionMS = info.dwFileVersionMS;
    info.dwProductVersionLS = info.dwFileVersionLS;
    return info;
}

// The fixed part of the first record in the file; nullopt with the last error set otherwise.
// Reads in chunks that overlap by a record's length, so a record across a chunk edge is found.
std::optional<VS_FIXEDFILEINFO> ReadFixedInfo(LPCWSTR file)
{
    HANDLE handle =
        CreateFileW(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> window;
    std::vector<std::uint8_t> chunk(kChunkSize);
    std::optional<VS_FIXEDFILEINFO> found;
    DWORD read = 0;
    while (!found && ReadFile(handle, chunk.data(), kChunkSize, &read, nullptr) && read > 0) {
        window.insert(window.end(), chunk.begin(), chunk.begin() + read);
        for (std::size_t at = 0; at + platform::kVersionRecordSize <= window.size(); ++at) {
            if (window[at] == platform::kVersionMarker[0] && IsRecordAt(window, at)) {
                found = FixedInfoOfRecord(window, at);
                break;
            }
        }
        const std::size_t keep = std::min(window.size(), platform::kVersionRecordSize - 1);
        window.erase(window.begin(), window.end() - static_cast<std::ptrdiff_t>(keep));
    }
    CloseHandle(handle);
    if (!found) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    }
    return found;
}

}  // namespace

DWORD GetFileVersionInfoSizeW(LPCWSTR file, DWORD* handle)
{
    if (handle != nullptr) {
        *handle = 0;
    }
    return ReadFixedInfo(file) ? static_cast<DWORD>(sizeof(VS_FIXEDFILEINFO)) : 0;
}

BOOL GetFileVersionInfoW(LPCWSTR file, DWORD, DWORD size, void* data)
{
    if (data == nullptr || size < sizeof(VS_FIXEDFILEINFO)) {
        return platform::Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    const auto info = ReadFixedInfo(file);
    if (!info) {
        return FALSE;
    }
    std::memcpy(data, &*info, sizeof(VS_FIXEDFILEINFO));
    return TRUE;
}

BOOL VerQueryValueW(const void* block, LPCWSTR subBlock, void** buffer, UINT* length)
{
    if (block == nullptr || subBlock == nullptr || std::u16string_view(subBlock) != u"\\") {
        return platform::Fail(ERROR_RESOURCE_TYPE_NOT_FOUND);
    }
    *buffer = const_cast<void*>(block);
    *length = sizeof(VS_FIXEDFILEINFO);
    return TRUE;
}
