#pragma once
// An open file of this layer and the share modes between the open files of the process.

#include "platform/dos_attributes.h"
#include "platform/drives.h"
#include "platform/handle.h"

#include <memory>

struct stat;

namespace platform {

class FileHandle final : public HandleObject {
public:
    ~FileHandle() override;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int fd() const { return fd_; }
    DWORD access() const { return access_; }
    DWORD share() const { return share_; }
    FileIdentity id() const { return id_; }

    // Takes fd over when the share modes of the handles already open on the file allow access and
    // share; otherwise closes fd and returns nullptr.
    static std::unique_ptr<FileHandle> Adopt(int fd, FileIdentity id, DWORD access, DWORD share);
    // Takes over an unnamed file (O_TMPFILE): no other handle can open it, so it has no share
    // modes to keep and its identity is not read. It must be closed when it is given a name.
    static std::unique_ptr<FileHandle> AdoptUnnamed(int fd, DWORD access);

private:
    FileHandle(int fd, FileIdentity id, DWORD access, DWORD share);

    int fd_;
    FileIdentity id_;
    DWORD access_;
    DWORD share_;
};

// True when a new handle with access and share could be opened beside the handles open on the file.
bool CanOpenBeside(FileIdentity id, DWORD access, DWORD share);
// True when every handle open on the file (if any) was opened with FILE_SHARE_DELETE.
bool DeleteIsShared(FileIdentity id);
// True when no handle of the process refuses FILE_SHARE_DELETE, so that any file may go.
bool EveryDeleteIsShared();

// Opens host as CreateFileW does. On failure sets the last error and returns nullptr; on success
// sets the last error to ERROR_ALREADY_EXISTS or ERROR_SUCCESS as CreateFileW does, and fills info
// (when given) with the status of the opened file. listed, for an existing file opened to read, is
// its find record: it then stands for the status (kind, identity, size, write time to 100 ns and
// change time), which is not read again, so the caller must check the open file against it before
// trusting it.
std::unique_ptr<FileHandle> OpenHostFile(HostPath& host, DWORD access, DWORD share, DWORD disposition, DWORD flags,
                                         struct stat* info = nullptr, const WIN32_FIND_DATAW* listed = nullptr);

}  // namespace platform
