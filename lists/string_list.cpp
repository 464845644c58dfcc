#include "lists/string_list.h"

#include "lists/list_file_writer.h"
#include "platform/files.h"

#include <bit>
#include <cstring>
#include <memory>

namespace lists {
namespace {

struct FileCloser {
    void operator()(void* h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, FileCloser>;

FileHandle Open(std::u16string_view path, DWORD access, DWORD disposition)
{
    std::u16string p(path);
    HANDLE h = CreateFileW(p.c_str(), access, FILE_SHARE_READ, nullptr, disposition, 0, nullptr);
    return FileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

const std::u16string& EmptyLine()
{
    static const std::u16string empty;
    return empty;
}

}  // namespace

const std::u16string& TStringList::Strings(int index) const
{
    return index >= 0 && index < Count() ? lines_[index] : EmptyLine();
}

void TStringList::SetStrings(int index, std::u16string text)
{
    if (index >= 0 && index < Count() && lines_[index] != text) {
        lines_[index] = std::move(text);
        Changed();
    }
}

int TStringList::Add(std::u16string text)
{
    lines_.push_back(std::move(text));
    Changed();
    return Count() - 1;
}

void TStringList::Insert(int index, std::u16string text)
{
    if (index < 0 || index > Count()) {
        return;
    }
    lines_.insert(lines_.begin() + index, std::move(text));
    Changed();
}

void TStringList::Delete(int index)
{
    if (index >= 0 && index < Count()) {
        lines_.erase(lines_.begin() + index);
        Changed();
    }
}

void TStringList::Clear()
{
    if (!lines_.empty()) {
        lines_.clear();
        Changed();
    }
}

int TStringList::IndexOf(std::u16string_view text) const
{
    for (int i = 0; i < Count(); ++i) {
        if (lines_[i] == text) {
            return i;
        }
    }
    return -1;
}

void TStringList::Assign(const TStringList& other)
{
    lines_ = other.lines_;
    Changed();
}

std::u16string TStringList::Text() const
{
    std::u16string text;
    for (const auto& line : lines_) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

void TStringList::SetText(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') {
            ++start;
        }
    }
    lines_ = std::move(lines);
    Changed();
}

std::string TStringList::Encode() const
{
    static_assert(std::endian::native == std::endian::little, "list files are UTF-16LE");
    const std::u16string text = Text();
    std::string bytes(2 + text.size() * 2, '\0');
    bytes[0] = '\xFF';
    bytes[1] = '\xFE';
    std::memcpy(bytes.data() + 2, text.data(), text.size() * 2);
    return bytes;
}

void TStringList::Decode(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        bytes.remove_prefix(2);
    }
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    SetText(text);
}

bool TStringList::LoadFromFile(std::u16string_view path)
{
    FileHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        return false;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            break;
        }
        bytes.append(buffer, read);
    }
    Decode(bytes);
    return true;
}

bool TStringList::SaveToFile(std::u16string_view path) const
{
    ListFileWriter writer(path);
    if (!writer.Opened()) {
        return false;
    }
    for (const auto& line : lines_) {
        writer.Add(line);
    }
    return writer.Finish();
}

void TStringList::Changed()
{
    if (OnChange) {
        OnChange();
    }
}

}  // namespace lists
