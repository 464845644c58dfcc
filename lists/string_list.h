#pragma once
// TStringList: an ordered list of UTF-16 lines. Its files are UTF-16 LE with a byte-order mark and
// CRLF after every line; reading also accepts files without the mark and LF line ends.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lists {

class TStringList {
public:
    TStringList() = default;
    TStringList(const TStringList&) = default;
    TStringList& operator=(const TStringList&) = default;

    int Count() const { return static_cast<int>(lines_.size()); }
    // Out-of-range indexes give an empty string.
    const std::u16string& Strings(int index) const;
    const std::u16string& operator[](int index) const { return Strings(index); }
    // Replaces a line; out of range does nothing.
    void SetStrings(int index, std::u16string text);
    int Add(std::u16string text);
    void Insert(int index, std::u16string text);
    void Delete(int index);
    void Clear();
    // Exact comparison, as the program's lists need; -1 when absent.
    int IndexOf(std::u16string_view text) const;
    void Assign(const TStringList& other);
    const std::vector<std::u16string>& Lines() const { return lines_; }

    // Every line followed by CRLF.
    std::u16string Text() const;
    // Splits at CRLF, LF or CR; a final line break adds no empty line.
    void SetText(std::u16string_view text);

    // Windows paths; false (with the Windows last error set) when the file cannot be read or
    // written. A failed load leaves the list as it was.
    [[nodiscard]] bool LoadFromFile(std::u16string_view path);
    [[nodiscard]] bool SaveToFile(std::u16string_view path) const;

    // The file form of the list and back.
    std::string Encode() const;
    void Decode(std::string_view bytes);

    std::function<void()> OnChange;

private:
    void Changed();

    std::vector<std::u16string> lines_;
};

using TStrings = TStringList;

}  // namespace lists
