#pragma once
// Copying one file of a job: a plain copy, an encoding into a container or a decoding out of one,
// with the read-only and hidden bits of the destination kept and the source left as it was.

#include "platform/files.h"

#include <string>

class clProcessNotify;
class RunningJob;

enum CopyMode : int {
    COPY_PLAIN = 0,
    COPY_ENCODE = 3,  // the destination gets the ".vemoen" suffix
    COPY_DECODE = 4,  // the ".vemoen" suffix is taken off the destination
};

// -1 when the path does not exist; else 1 (was read-only) + 2 (was hidden), each counted only when
// the attributes could be set to normal.
int SaveAndClearAttributes(const std::u16string& path);
// Sets the attributes to exactly the recorded bits (0 = normal) when the file exists.
void RestoreAttributes(const std::u16string& path, int record);

// The progress routine of a plain copy: moves the bars, waits while the cancel question is up and
// cancels when the job is to stop. data is the RunningJob of the copy; a copy that starts over
// from 0 takes back the bytes its file counted.
DWORD CopyProgressRoutine(LARGE_INTEGER totalFileSize, LARGE_INTEGER totalBytesTransferred, LARGE_INTEGER streamSize,
                          LARGE_INTEGER streamBytesTransferred, DWORD streamNumber, DWORD callbackReason,
                          HANDLE sourceFile, HANDLE destinationFile, void* data);

// True when the file was copied, with its progress reported to the job. *error receives the copy's or the coder's
// Windows error (0 on success); it is left unchanged for an unknown mode or when the coder cannot be prepared. An
// existing destination is replaced only once the new copy is complete, so a failed copy or decode
// leaves it as it was. A plain copy or a decode whose destination name is held by another file
// spelled otherwise (in case only) fails with ERROR_ALREADY_EXISTS and leaves that file alone; an
// encoding goes into a new run folder whose walk never gives two such names. found, when given,
// is the source's find record from the walk, whose attributes are then not read again, nor (for a
// plain copy) its status when it is opened.
bool CopyOneFile(RunningJob& job, const std::u16string& source, const std::u16string& destination, int mode,
                 const std::u16string& pass, clProcessNotify* notifier, DWORD* error,
                 const WIN32_FIND_DATAW* found = nullptr);
