#include "lists/list_file_writer.h"

#include "platform/copy_file.h"
#include "platform/files.h"

#include <algorithm>
#include <bit>

namespace lists {
namespace {

constexpr std::size_t kFlushUnits = 32768;

// True for "<fileName>.~part<digits>": a name the list file fileName is written under before it
// takes its place.
bool IsFreeNameOf(std::u16string_view name, std::u16string_view fileName)
{
    const std::u16string_view mark = platform::kFreeNameMark;
    if (name.size() <= fileName.size() + mark.size() || !name.starts_with(fileName) ||
        name.substr(fileName.size(), mark.size()) != mark) {
        return false;
    }
    const std::u16string_view number = name.substr(fileName.size() + mark.size());
    return std::all_of(number.begin(), number.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// One process writes a list at a time (a job holds its drive; the settings have one window), and a
// name this process is still writing refuses the delete.
void RemoveAbandonedFreeNames(std::u16string_view path)
{
    const std::size_t nameStart = path.find_last_of(u"\\/") + 1;
    const std::u16string_view folder = path.substr(0, nameStart);
    const std::u16string_view fileName = path.substr(nameStart);
    WIN32_FIND_DATAW found;
    const std::u16string pattern = std::u16string(path) + std::u16string(platform::kFreeNameMark) + u"*";
    const HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsFreeNameOf(found.cFileName, fileName)) {
            DeleteFileW((std::u16string(folder) + found.cFileName).c_str());
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

// The name to write under, once the names a killed write left behind are gone.
std::u16string FreshFreeName(std::u16string_view path)
{
    RemoveAbandonedFreeNames(path);
    return platform::FreeNameBeside(std::u16string(path));
}

}  // namespace

void ListFileWriter::Closer::operator()(void* handle) const
{
    CloseHandle(handle);
}

ListFileWriter::ListFileWriter(std::u16string_view path) : path_(path), written_(FreshFreeName(path))
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
