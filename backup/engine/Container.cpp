#include "backup/engine/Container.h"

#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/RunningJob.h"
#include "backup/engine/ScopedFile.h"
#include "platform/copy_file.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::array<BYTE, 16> kMagic = {'V', 'e', 'm', 'o', ' ', 'C', 'r', 'y',
                                         'p', 't', ' ', 'F', 'i', 'l', 'e', '.'};
constexpr BYTE kMarker = 0x1A;
// LZO1X-1's worst case for one block.
constexpr std::size_t kOutputBufferSize = CONTAINER_BLOCK_SIZE + CONTAINER_BLOCK_SIZE / 64 + 16 + 3;

struct Header {
    int keySizeCode = 0;
    ULONGLONG plainSize = 0;
};

void PutLe(BYTE* at, ULONGLONG value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<BYTE>(value >> (8 * i));
    }
}

ULONGLONG GetLe(const BYTE* at, int bytes)
{
    ULONGLONG value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | at[i];
    }
    return value;
}

std::array<BYTE, CONTAINER_HEADER_SIZE> EncodeHeader(int keySizeCode, ULONGLONG plainSize)
{
    std::array<BYTE, CONTAINER_HEADER_SIZE> bytes{};
    std::copy(kMagic.begin(), kMagic.end(), bytes.begin());
    bytes[0x10] = kMarker;
    PutLe(&bytes[0x11], CONTAINER_HEADER_SIZE, 2);
    bytes[0x13] = static_cast<BYTE>(keySizeCode);
    PutLe(&bytes[0x14], CONTAINER_BLOCK_SIZE, 4);
    PutLe(&bytes[0x18], plainSize, 8);
    return bytes;
}

bool DecodeHeader(const std::array<BYTE, CONTAINER_HEADER_SIZE>& bytes, Header* header)
{
    if (!std::equal(kMagic.begin(), kMagic.end(), bytes.begin()) || bytes[0x10] != kMarker ||
        GetLe(&bytes[0x11], 2) != CONTAINER_HEADER_SIZE || GetLe(&bytes[0x14], 4) != CONTAINER_BLOCK_SIZE) {
        return false;
    }
    header->keySizeCode = bytes[0x13];
    header->plainSize = GetLe(&bytes[0x18], 8);
    return header->plainSize != 0;
}

ULONGLONG BlockCount(ULONGLONG plainSize)
{
    return (plainSize - 1) / CONTAINER_BLOCK_SIZE + 1;
}

DWORD LastErrorOr(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

DWORD WriteAll(HANDLE file, const BYTE* data, std::size_t n)
{
    DWORD written = 0;
    if (!WriteFile(file, data, static_cast<DWORD>(n), &written, nullptr)) {
        return LastErrorOr(ERROR_WRITE_FAULT);
    }
    return written == n ? ERROR_SUCCESS : ERROR_DISK_FULL;
}

// A read that returns fewer bytes than asked means the file changed under the coder.
DWORD ReadAll(HANDLE file, BYTE* data, std::size_t n)
{
    DWORD read = 0;
    if (!ReadFile(file, data, static_cast<DWORD>(n), &read, nullptr)) {
        return LastErrorOr(ERROR_READ_FAULT);
    }
    return read == n ? ERROR_SUCCESS : ERROR_HANDLE_EOF;
}

DWORD SeekTo(HANDLE file, ULONGLONG offset)
{
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, distance, nullptr, FILE_BEGIN) ? ERROR_SUCCESS : LastErrorOr(ERROR_READ_FAULT);
}

template <class T> bool TryAllocate(std::vector<T>* table, ULONGLONG count)
{
    try {
        table->resize(static_cast<std::size_t>(count));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

DWORD EncodeBlocks(RunningJob& job, ContainerCoder& c, HANDLE in, HANDLE out, ULONGLONG size, std::string_view pass,
                   int keySizeCode, clProcessNotify* notifier)
{
    std::vector<BYTE> table;
    if (!TryAllocate(&table, BlockCount(size) * 2)) {
        return ERROR_NO_SYSTEM_RESOURCES;
    }
    const auto header = EncodeHeader(keySizeCode, size);
    if (const DWORD error = WriteAll(out, header.data(), header.size())) {
        return error;
    }
    if (!c.cipher.SetUp(pass, keySizeCode, true)) {
        return ERROR_INVALID_FUNCTION;
    }
    const bool keyed = c.cipher.HasKey();
    ULONGLONG done = 0;
    for (std::size_t k = 0;; ++k) {
        const auto length = static_cast<std::size_t>(std::min<ULONGLONG>(CONTAINER_BLOCK_SIZE, size - done));
        if (const DWORD error = ReadAll(in, c.block.data(), length)) {
            return error;
        }
        lzo_uint packed = c.output.size();
        if (lzo1x_1_compress(c.block.data(), length, c.output.data(), &packed, c.work.data()) != LZO_E_OK) {
            packed = length;
        }
        DWORD error = ERROR_SUCCESS;
        std::size_t stored = 0;
        if (packed < length) {
            stored = packed;
            error = keyed ? WriteAll(out, c.block.data(), c.cipher.Encipher(c.output.data(), packed, c.block.data()))
                          : WriteAll(out, c.output.data(), packed);
        } else {
            stored = length;
            error = keyed ? WriteAll(out, c.output.data(), c.cipher.Encipher(c.block.data(), length, c.output.data()))
                          : WriteAll(out, c.block.data(), length);
        }
        if (error != ERROR_SUCCESS) {
            return error;
        }
        // 65,536 does not fit in the 16-bit entry; it wraps to 0, which readers take as the block size.
        PutLe(&table[2 * k], stored, 2);
        done += length;
        if (!ReportContainerProgress(job, notifier, static_cast<LONGLONG>(done), static_cast<LONGLONG>(size))) {
            return ERROR_REQUEST_ABORTED;
        }
        if (done == size) {
            return WriteAll(out, table.data(), table.size());
        }
    }
}

// The checks that come before the destination is touched: header, table and total length. Sets
// the cipher up for the header's key-size code.
DWORD ReadLayout(ContainerCoder& c, HANDLE in, ULONGLONG fileSize, std::string_view pass, Header* header,
                 std::vector<BYTE>* table)
{
    std::array<BYTE, CONTAINER_HEADER_SIZE> bytes{};
    if (fileSize < CONTAINER_HEADER_SIZE) {
        return ERROR_BAD_FORMAT;
    }
    if (const DWORD error = ReadAll(in, bytes.data(), bytes.size())) {
        return error;
    }
    if (!DecodeHeader(bytes, header)) {
        return ERROR_BAD_FORMAT;
    }
    const ULONGLONG tableBytes = BlockCount(header->plainSize) * 2;
    if (CONTAINER_HEADER_SIZE + tableBytes > fileSize) {
        return ERROR_BAD_FORMAT;
    }
    if (!TryAllocate(table, tableBytes)) {
        return ERROR_NO_SYSTEM_RESOURCES;
    }
    if (const DWORD error = SeekTo(in, fileSize - tableBytes)) {
        return error;
    }
    if (const DWORD error = ReadAll(in, table->data(), table->size())) {
        return error;
    }
    if (!c.cipher.SetUp(pass, header->keySizeCode, false)) {
        return ERROR_INVALID_FUNCTION;
    }
    const bool keyed = c.cipher.HasKey();
    ULONGLONG expected = CONTAINER_HEADER_SIZE + tableBytes;
    for (std::size_t k = 0; k < table->size(); k += 2) {
        const ULONGLONG stored = GetLe(&(*table)[k], 2);
        const ULONGLONG length = stored == 0 ? CONTAINER_BLOCK_SIZE : stored;
        expected += keyed ? RoundUpTo16(length) : length;
    }
    return expected == fileSize ? ERROR_SUCCESS : ERROR_BAD_FORMAT;
}

DWORD DecodeBlocks(RunningJob& job, ContainerCoder& c, HANDLE in, HANDLE out, const Header& header,
                   const std::vector<BYTE>& table, clProcessNotify* notifier)
{
    if (const DWORD error = SeekTo(in, CONTAINER_HEADER_SIZE)) {
        return error;
    }
    const bool keyed = c.cipher.HasKey();
    const std::size_t blocks = table.size() / 2;
    ULONGLONG done = 0;
    for (std::size_t k = 0;; ++k) {
        if (done == header.plainSize) {
            return ERROR_SUCCESS;
        }
        if (k >= blocks) {
            return ERROR_BAD_FORMAT;
        }
        const ULONGLONG entry = GetLe(&table[2 * k], 2);
        const auto stored = static_cast<std::size_t>(entry == 0 ? CONTAINER_BLOCK_SIZE : entry);
        if (keyed) {
            const std::size_t padded = RoundUpTo16(stored);
            if (const DWORD error = ReadAll(in, c.output.data(), padded)) {
                return error;
            }
            c.cipher.Decipher(c.output.data(), padded, c.block.data());
        } else if (const DWORD error = ReadAll(in, c.block.data(), stored)) {
            return error;
        }
        const auto expected =
            static_cast<std::size_t>(std::min<ULONGLONG>(CONTAINER_BLOCK_SIZE, header.plainSize - done));
        const BYTE* plain = c.block.data();
        if (stored != expected) {
            lzo_uint unpacked = expected;
            if (lzo1x_decompress_safe(c.block.data(), stored, c.output.data(), &unpacked, nullptr) != LZO_E_OK ||
                unpacked != expected) {
                return ERROR_BAD_FORMAT;
            }
            plain = c.output.data();
        }
        if (const DWORD error = WriteAll(out, plain, expected)) {
            return error;
        }
        done += expected;
        if (!ReportContainerProgress(job, notifier, static_cast<LONGLONG>(done),
                                     static_cast<LONGLONG>(header.plainSize))) {
            return ERROR_REQUEST_ABORTED;
        }
    }
}

HANDLE OpenSource(const std::u16string& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                       nullptr);
}

// Opens the source, runs the checks that come before the destination is touched, then writes the
// destination (nothing to write for an empty source), unnamed until it is whole, from the start with
// the source's permission bits; it gets the source's write time and then its name, replacing a file
// of that name. The source must be as it was at the open once written, or the result is
// ERROR_SHARING_VIOLATION (listed, when given, as for platform::ReadSourceVersion). On any failure
// no destination is named and one already there is left as it was.
template <class Check, class Write>
DWORD CodeFile(RunningJob& job, const std::u16string& source, const std::u16string& destination,
               const WIN32_FIND_DATAW* listed, Check check, Write write)
{
    ContainerCoder* coder = job.Coder();
    if (coder == nullptr) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    ScopedFile in(OpenSource(source));
    if (!in.IsOpen()) {
        return ERROR_FILE_NOT_FOUND;
    }
    platform::SourceVersion version;
    if (const DWORD error = platform::ReadSourceVersion(in.Get(), listed, &version)) {
        return error;
    }
    if (const DWORD error = check(*coder, in.Get(), version.size)) {
        return error;
    }
    const std::unique_ptr<platform::PendingCopy> out = platform::CreatePendingCopy(destination.c_str(), version);
    if (!out) {
        return GetLastError() == ERROR_CANT_ACCESS_FILE ? ERROR_CANT_ACCESS_FILE : ERROR_CANNOT_MAKE;
    }
    DWORD result = version.size == 0 ? ERROR_SUCCESS : write(*coder, in.Get(), out->handle(), version.size);
    // A source that ended early or changed while read holds no one version of the file.
    if (result == ERROR_SUCCESS || result == ERROR_HANDLE_EOF) {
        if (const DWORD changed = platform::CheckSourceUnchanged(in.Get(), version)) {
            result = changed;
        }
    }
    if (result == ERROR_SUCCESS && !platform::CommitPendingCopy(*out, version)) {
        result = LastErrorOr(ERROR_WRITE_FAULT);
    }
    return result;
}

}  // namespace

std::unique_ptr<ContainerCoder> MakeContainerCoder()
{
    if (lzo_init() != LZO_E_OK) {
        return nullptr;
    }
    auto fresh = std::unique_ptr<ContainerCoder>(new (std::nothrow) ContainerCoder);
    if (!fresh || !fresh->cipher.Ready() || !TryAllocate(&fresh->block, CONTAINER_BLOCK_SIZE) ||
        !TryAllocate(&fresh->output, kOutputBufferSize) || !TryAllocate(&fresh->work, LZO1X_1_MEM_COMPRESS)) {
        return nullptr;
    }
    return fresh;
}

bool ReadContainerPlainSize(const std::u16string& container, LONGLONG fileSize, LONGLONG* plainSize)
{
    if (fileSize == 0) {
        *plainSize = 0;
        return true;
    }
    ScopedFile in(OpenSource(container));
    std::array<BYTE, CONTAINER_HEADER_SIZE> bytes{};
    Header header;
    if (!in.IsOpen() || ReadAll(in.Get(), bytes.data(), bytes.size()) != ERROR_SUCCESS ||
        !DecodeHeader(bytes, &header)) {
        return false;
    }
    *plainSize = static_cast<LONGLONG>(header.plainSize);
    return true;
}

DWORD EncodeContainerFile(RunningJob& job, const std::u16string& source, const std::u16string& destination,
                          std::string_view pass, int keySizeCode, clProcessNotify* notifier,
                          const WIN32_FIND_DATAW* listed)
{
    return CodeFile(
        job, source, destination, listed, [](ContainerCoder&, HANDLE, ULONGLONG) { return DWORD{ERROR_SUCCESS}; },
        [&](ContainerCoder& coder, HANDLE in, HANDLE out, ULONGLONG size) {
            return EncodeBlocks(job, coder, in, out, size, pass, keySizeCode, notifier);
        });
}

DWORD DecodeContainerFile(RunningJob& job, const std::u16string& source, const std::u16string& destination,
                          std::string_view pass, clProcessNotify* notifier)
{
    Header header;
    std::vector<BYTE> table;
    return CodeFile(
        job, source, destination, nullptr,
        [&](ContainerCoder& coder, HANDLE in, ULONGLONG size) {
            return size == 0 ? DWORD{ERROR_SUCCESS} : ReadLayout(coder, in, size, pass, &header, &table);
        },
        [&](ContainerCoder& coder, HANDLE in, HANDLE out, ULONGLONG) {
            return DecodeBlocks(job, coder, in, out, header, table, notifier);
        });
}
