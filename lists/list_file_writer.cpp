#include "lists/list_file_writer.h"

#include "platform/copy_file.h"
#include "platform/files.h"

#include <bit>

namespace lists {
namespace {

constexpr std::size_t kFlushUnits = 32768;

}  // namespace

void ListFileWriter::Closer::operator()(void* handle) const
{
    CloseHandle(handle);
}

ListFileWriter::ListFileWriter(std::u16string_view path) : path_(path), written_(platform::FreeNameBeside(path_))
{
    static_assert(std::endian::native == std::endian::little, "list files are UTF-16LE");
    HANDLE handle = CreateFileW(written_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        file_.reset(handle);
        buffer_.reserve(kFlushUnits + 256);
        buffer_.push_back(u'\uFEFF');
    }
}

ListFileWriter::~ListFileWriter()
{
    if (file_) {
        file_.reset();
        DeleteFileW(written_.c_str());
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
    if (error_ != ERROR_SUCCESS || buffer_.empty()) {
        buffer_.clear();
        return;
    }
    const auto bytes = static_cast<DWORD>(buffer_.size() * sizeof(char16_t));
    DWORD written = 0;
    if (!WriteFile(file_.get(), buffer_.data(), bytes, &written, nullptr) || written != bytes) {
        error_ = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
    }
    buffer_.clear();
}

// The list written so far goes; the file keeps what it held.
bool ListFileWriter::Fail()
{
    if (error_ == ERROR_SUCCESS) {
        error_ = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
    }
    file_.reset();
    DeleteFileW(written_.c_str());
    SetLastError(error_);
    return false;
}

bool ListFileWriter::Finish()
{
    if (!Opened()) {
        return false;
    }
    Flush();
    if (error_ != ERROR_SUCCESS || !FlushFileBuffers(file_.get())) {
        return Fail();
    }
    file_.reset();
    if (!MoveFileExW(written_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return Fail();
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace lists
