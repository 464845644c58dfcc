#pragma once
// Writes a list file line by line in the form TStringList reads (UTF-16 LE, byte-order mark, CRLF
// after every line) through a small buffer, so that a long list never exists twice in memory.

#include "platform/win_types.h"

#include <memory>
#include <string>
#include <string_view>

namespace ui {

class ListFileWriter {
public:
    // Creates or truncates the file at a Windows path; Opened() is false (with the Windows last
    // error set) when it cannot.
    explicit ListFileWriter(std::u16string_view path);
    bool Opened() const { return file_ != nullptr; }

    void Add(std::u16string_view line);
    // Writes what is buffered; false (with the Windows last error set) when any write failed.
    [[nodiscard]] bool Finish();

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    void Flush();

    std::unique_ptr<void, Closer> file_;
    std::u16string buffer_;
    bool failed_ = false;
};

}  // namespace ui
