#pragma once
// Writes a list file line by line in the form TStringList reads (UTF-16 LE, byte-order mark, CRLF
// after every line) through a small buffer, so that a long list never exists twice in memory. The
// list is written whole: under a free name beside the file, flushed to the disk, then moved over
// the file, so a failed or abandoned write leaves the file as it was.

#include "platform/win_types.h"

#include <memory>
#include <string>
#include <string_view>

namespace lists {

class ListFileWriter {
public:
    // Opened() is false (with the Windows last error set) when the list cannot be written beside
    // the file at that Windows path. The names a write of the same file left behind (a process
    // killed before it renamed the list) go first.
    explicit ListFileWriter(std::u16string_view path);
    // An unfinished list is removed.
    ~ListFileWriter();
    ListFileWriter(const ListFileWriter&) = delete;
    ListFileWriter& operator=(const ListFileWriter&) = delete;

    bool Opened() const { return file_ != nullptr; }

    void Add(std::u16string_view line);
    // Writes what is buffered and puts the list in the file's place; false (with the Windows last
    // error set) when any step failed.
    [[nodiscard]] bool Finish();

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    void Flush();
    bool Fail();

    std::u16string path_;
    std::u16string written_;
    std::unique_ptr<void, Closer> file_;
    std::u16string buffer_;
    DWORD error_ = ERROR_SUCCESS;
};

}  // namespace lists
