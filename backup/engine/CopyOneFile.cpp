#include "backup/engine/CopyOneFile.h"

#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Container.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RunningJob.h"
#include "platform/copy_file.h"
#include "platform/text.h"

#include <string>

namespace {

constexpr int kReadOnlyBit = 1;
constexpr int kHiddenBit = 2;

int ReadOnlyHiddenBitsOf(DWORD attributes)
{
    return ((attributes & FILE_ATTRIBUTE_READONLY) ? kReadOnlyBit : 0) |
           ((attributes & FILE_ATTRIBUTE_HIDDEN) ? kHiddenBit : 0);
}

// The read-only and hidden bits of a file, read without changing it; -1 when it does not exist.
int ReadOnlyHiddenBits(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? -1 : ReadOnlyHiddenBitsOf(attributes);
}

// The source's bits from its find record when there is one, else as they are now.
int SourceBits(const std::u16string& source, const WIN32_FIND_DATAW* found)
{
    return found != nullptr ? ReadOnlyHiddenBitsOf(found->dwFileAttributes) : ReadOnlyHiddenBits(source);
}

// The attributes that a record of read-only and hidden bits stands for.
DWORD AttributesOfRecord(int record)
{
    DWORD attributes = 0;
    if (record & kReadOnlyBit) {
        attributes |= FILE_ATTRIBUTE_READONLY;
    }
    if (record & kHiddenBit) {
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    }
    return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

// An existing destination that was read-only or hidden gets its own bits back; a new copy gets
// those of its source (-1: nothing to give).
void PutBackAttributes(const std::u16string& destination, int destinationBits, int sourceBits)
{
    if (destinationBits != 0 && destinationBits != -1) {
        RestoreAttributes(destination, destinationBits);
    } else if (sourceBits != -1) {
        RestoreAttributes(destination, sourceBits);
    }
}

bool EndsWithSuffix(const std::u16string& path)
{
    return path.size() >= CONTAINER_SUFFIX.size() && path.ends_with(CONTAINER_SUFFIX);
}

// True when the destination's name, matched case-blind as the drive matches names, is held by an
// entry spelled otherwise: another file, whose place the copy must not take.
bool NameHeldInOtherCase(const std::u16string& destination)
{
    WIN32_FIND_DATAW found;
    return FindEntry(destination, &found) && !std::u16string_view(destination).ends_with(u"\\" + found.cFileName);
}

// Moves a finished copy over the old destination; on failure the copy is removed.
DWORD ReplaceWith(const std::u16string& finished, const std::u16string& destination)
{
    if (finished == destination) {
        return ERROR_SUCCESS;
    }
    if (MoveFileExW(finished.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return ERROR_SUCCESS;
    }
    const DWORD error = GetLastError();
    DeleteFileW(finished.c_str());
    return error != ERROR_SUCCESS ? error : ERROR_ACCESS_DENIED;
}

bool CopyPlain(RunningJob& job, const std::u16string& source, const std::u16string& destination, int sourceBits,
               const WIN32_FIND_DATAW* found, DWORD* error)
{
    // Nothing of this file is counted yet, so a copy that starts over takes back only its own bytes.
    job.Bytes().fileCounted = 0;
    // The destination is normally new: the copy then gets its final attributes before its name,
    // with nothing of the destination to record or put back.
    if (sourceBits != -1) {
        if (platform::CopyFileToFreeName(source.c_str(), destination.c_str(), CopyProgressRoutine, &job,
                                         AttributesOfRecord(sourceBits), found)) {
            *error = ERROR_SUCCESS;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            *error = GetLastError();
            return false;
        }
    }
    if (NameHeldInOtherCase(destination)) {
        *error = ERROR_ALREADY_EXISTS;
        return false;
    }
    const int destinationBits = SaveAndClearAttributes(destination);
    const std::u16string target = destinationBits == -1 ? destination : platform::FreeNameBeside(destination);
    bool copied =
        CopyFileExW(source.c_str(), target.c_str(), CopyProgressRoutine, &job, nullptr, COPY_FILE_RESTARTABLE) != FALSE;
    *error = copied ? ERROR_SUCCESS : GetLastError();
    if (copied) {
        *error = ReplaceWith(target, destination);
        copied = *error == ERROR_SUCCESS;
    }
    PutBackAttributes(destination, destinationBits, copied ? sourceBits : -1);
    return copied;
}

bool Encode(RunningJob& job, const std::u16string& source, std::u16string destination, int sourceBits,
            const std::u16string& pass, clProcessNotify* notifier, const WIN32_FIND_DATAW* found, DWORD* error)
{
    if (job.Coder() == nullptr) {
        return false;
    }
    if (!EndsWithSuffix(destination)) {
        destination += CONTAINER_SUFFIX;
    }
    *error =
        EncodeContainerFile(job, source, destination, platform::ToAnsi(pass), CONTAINER_KEY_AES256, notifier, found);
    if (*error != ERROR_SUCCESS) {
        return false;
    }
    // The container carries the source's read-only and hidden bits, as a plain copy does, so the
    // restore can give them back.
    RestoreAttributes(destination, sourceBits);
    return true;
}

bool Decode(RunningJob& job, const std::u16string& source, std::u16string destination, const std::u16string& pass,
            clProcessNotify* notifier, DWORD* error)
{
    if (job.Coder() == nullptr) {
        return false;
    }
    if (EndsWithSuffix(destination)) {
        destination.resize(destination.size() - CONTAINER_SUFFIX.size());
    }
    if (NameHeldInOtherCase(destination)) {
        *error = ERROR_ALREADY_EXISTS;
        return false;
    }
    const int sourceBits = ReadOnlyHiddenBits(source);
    const int destinationBits = SaveAndClearAttributes(destination);
    *error = DecodeContainerFile(job, source, destination, platform::ToAnsi(pass), notifier);
    const bool decoded = *error == ERROR_SUCCESS;
    PutBackAttributes(destination, destinationBits, decoded ? sourceBits : -1);
    return decoded;
}

}  // namespace

int SaveAndClearAttributes(const std::u16string& path)
{
    const int bits = ReadOnlyHiddenBits(path);
    if (bits <= 0) {
        return bits;
    }
    return SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL) ? bits : 0;
}

void RestoreAttributes(const std::u16string& path, int record)
{
    if (record < 0) {
        return;
    }
    SetFileAttributesW(path.c_str(), AttributesOfRecord(record));
}

DWORD CopyProgressRoutine(LARGE_INTEGER totalFileSize, LARGE_INTEGER totalBytesTransferred, LARGE_INTEGER,
                          LARGE_INTEGER, DWORD, DWORD, HANDLE, HANDLE, void* data)
{
    RunningJob& job = *static_cast<RunningJob*>(data);
    if (totalBytesTransferred.QuadPart == 0) {
        // A copy that starts over (its source changed since it was listed) counts its file once.
        const JobBytes bytes = job.Bytes();
        bytes.done -= bytes.fileCounted;
        bytes.fileCounted = 0;
    }
    return ReportCopyProgress(job, totalBytesTransferred.QuadPart, totalFileSize.QuadPart) ? PROGRESS_CONTINUE
                                                                                           : PROGRESS_CANCEL;
}

bool CopyOneFile(RunningJob& job, const std::u16string& source, const std::u16string& destination, int mode,
                 const std::u16string& pass, clProcessNotify* notifier, DWORD* error, const WIN32_FIND_DATAW* found)
{
    switch (mode) {
    case COPY_PLAIN:
        return CopyPlain(job, source, destination, SourceBits(source, found), found, error);
    case COPY_ENCODE:
        return Encode(job, source, destination, SourceBits(source, found), pass, notifier, found, error);
    case COPY_DECODE:
        return Decode(job, source, destination, pass, notifier, error);
    default:
        return false;
    }
}
