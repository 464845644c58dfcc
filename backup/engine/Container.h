#pragma once
// The ".vemoen" container: a 32-byte header, the file in 64 KiB blocks (each LZO1X-1 compressed
// when that makes it smaller, then enciphered with AES in independent 16-byte units) and a table
// of the stored block lengths.
//
// Results are Windows error numbers: 0 success, 2 the source cannot be opened, 82 the destination
// cannot be created (1920 when a link stands on its way, platform/drive_root.h), 1450 the block table cannot be
// allocated, 11 not a valid container, 1235 the job was cancelled, 32 the source changed while it was read
// (platform/copy_file.h), 38 the source ended early, else the error of a failed read, write or seek.

#include "backup/engine/ContainerCipher.h"
#include "platform/win_types.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class clProcessNotify;
class RunningJob;
struct WIN32_FIND_DATAW;

inline constexpr DWORD CONTAINER_BLOCK_SIZE = 65536;
inline constexpr DWORD CONTAINER_HEADER_SIZE = 32;
inline constexpr int CONTAINER_KEY_AES256 = 3;
inline constexpr std::u16string_view CONTAINER_SUFFIX = u".vemoen";
// The product's one pass string: every job that encodes or decodes a container hands this to the
// copy. Plain ASCII, so each character is one ANSI byte; the key reads its first 20.
inline constexpr std::u16string_view CONTAINER_PASS = u"Harbex Solo + container key 2.00";
static_assert(CONTAINER_PASS.size() >= 20);

// The buffers and the cipher of the coder: one per job (RunningJob::Coder), reused for its files.
struct ContainerCoder {
    std::vector<BYTE> block;
    std::vector<BYTE> output;
    std::vector<BYTE> work;
    ContainerCipher cipher;
};

// Null when the buffers cannot be allocated or the compressor cannot start.
std::unique_ptr<ContainerCoder> MakeContainerCoder();

// The size of the file that a container of fileSize bytes holds, from its header; false when it
// cannot be read or is no container.
bool ReadContainerPlainSize(const std::u16string& container, LONGLONG fileSize, LONGLONG* plainSize);

// Both codings use the job's coder and report each block to the job through the notifier (none
// without one); what they write has the source's permission bits from the start, gets its write
// time, and takes the destination's name only once whole (replacing a file of that name): any
// non-zero result leaves no destination and an existing one as it was. An empty source gives an
// empty destination. listed,
// when given, is the source's find record from a listing, checked as a plain copy checks it.
DWORD EncodeContainerFile(RunningJob& job, const std::u16string& source, const std::u16string& destination,
                          std::string_view pass, int keySizeCode, clProcessNotify* notifier,
                          const WIN32_FIND_DATAW* listed = nullptr);

// Header and length are checked before the destination is created. An empty container decodes to
// an empty file.
DWORD DecodeContainerFile(RunningJob& job, const std::u16string& source, const std::u16string& destination,
                          std::string_view pass, clProcessNotify* notifier);
