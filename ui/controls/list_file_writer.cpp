#include "ui/controls/list_file_writer.h"

#include "platform/files.h"

#include <bit>

namespace ui {
namespace {

constexpr std::size_t kFlushUnits = 32768;

}  // namespace

void ListFileWriter::Closer::operator()(void* handle) const
{
    CloseHandle(handle);
}

ListFileWriter::ListFileWriter(std::u16string_view path)
{
    static_assert(std::endian::native == std::endian::little, "list files are UTF-16LE");
    const std::u16string name(path);
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        file_.reset(handle);
        buffer_.reserve(kFlushUnits + 256);
        buffer_.push_back(u'\uFEFF');
    }
}

void ListFileWriter::Add(std::u16string_view line)
{
    buffer_ += line;
    buffer_ += u"\r\n";
    if (buffer_.size() >= kFlushUnits) {
        Flush();
    }
}

void ListFileWriter::Flush()
{
    if (failed_ || buffer_.empty()) {
        buffer_.clear();
        return;
    }
    const auto bytes = static_cast<DWORD>(buffer_.size() * sizeof(char16_t));
    DWORD written = 0;
    failed_ = !WriteFile(file_.get(), buffer_.data(), bytes, &written, nullptr) || written != bytes;
    buffer_.clear();
}

bool ListFileWriter::Finish()
{
    if (!Opened()) {
        return false;
    }
    Flush();
    if (failed_) {
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace ui
