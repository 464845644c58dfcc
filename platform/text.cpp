#include "platform/text.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

constexpr char16_t kEscapeFirst = 0xDC80;
constexpr char16_t kEscapeLast = 0xDCFF;

bool IsHighSurrogate(char32_t c)
{
    return c >= 0xD800 && c < 0xDC00;
}

bool IsLowSurrogate(char32_t c)
{
    return c >= 0xDC00 && c < 0xE000;
}

char16_t EscapedByte(unsigned char b)
{
    return static_cast<char16_t>(kEscapeFirst + (b - 0x80));
}

constexpr char16_t kPrivateUseBase = 0xF000;

bool IsReservedInWindows(char32_t c)
{
    return c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
}

bool IsPrivateUseForm(char32_t c)
{
    return c >= kPrivateUseBase && c < kPrivateUseBase + 0x80 && IsReservedInWindows(c - kPrivateUseBase);
}

// What a decoding makes of the reserved characters and of their private-use forms.
enum class Decoding {
    Text,  // both as they are
    HostName,  // the characters as their forms; the forms themselves as bytes that are not text
    PrivateUseHostName,  // both as the forms
};

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF); each byte that does not
// start a valid sequence becomes invalid(byte) and the decoding goes on at the next byte.
template <class Invalid> std::u16string DecodeUtf8(std::string_view text, Invalid invalid, Decoding decoding)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            cp = decoding != Decoding::Text && IsReservedInWindows(b) ? kPrivateUseBase + b : b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else {
            out += invalid(b);
            ++i;
            continue;
        }
        bool valid = i + extra < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (!valid || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000) ||
            (extra > 0 && decoding == Decoding::HostName && IsPrivateUseForm(cp))) {
            out += invalid(b);
            ++i;
            continue;
        }
        AppendUtf16(out, cp);
        i += extra + 1;
    }
    return out;
}

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kAnsiHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::u16string FromUtf8(std::string_view text)
{
    return DecodeUtf8(
        text, [](unsigned char) { return u'\uFFFD'; }, Decoding::Text);
}

std::u16string FromHostName(std::string_view name, ReservedChars reserved)
{
    return DecodeUtf8(name, EscapedByte,
                      reserved == ReservedChars::AsIs ? Decoding::HostName : Decoding::PrivateUseHostName);
}

bool ToHostName(std::u16string_view name, std::string& out, ReservedChars reserved)
{
    // Written straight into out (paths are mapped for every file call) and taken back on failure.
    const std::size_t start = out.size();
    out.reserve(start + name.size());
    bool escaped = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (c < 0x80) {
            std::size_t end = i;
            while (end < name.size() && name[end] < 0x80) {
                if (IsReservedInWindows(name[end])) {
                    out.resize(start);
                    return false;
                }
                ++end;
            }
            const std::size_t at = out.size();
            out.resize(at + (end - i));
            std::copy(name.begin() + static_cast<std::ptrdiff_t>(i), name.begin() + static_cast<std::ptrdiff_t>(end),
                      out.begin() + static_cast<std::ptrdiff_t>(at));
            i = end - 1;
        } else if (IsHighSurrogate(c) && i + 1 < name.size() && IsLowSurrogate(name[i + 1])) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (name[i + 1] - 0xDC00));
            ++i;
        } else if (c >= kEscapeFirst && c <= kEscapeLast) {
            out += static_cast<char>(c - kEscapeFirst + 0x80);
            escaped = true;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            out.resize(start);
            return false;
        } else if (reserved == ReservedChars::AsIs && IsPrivateUseForm(c)) {
            out += static_cast<char>(c - kPrivateUseBase);
        } else {
            AppendUtf8(out, c);
        }
    }
    if (escaped && FromHostName(std::string_view(out).substr(start), reserved) != name) {
        out.resize(start);
        return false;
    }
    return true;
}

std::string ToAnsi(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (std::size_t k = 0; k < kAnsiHigh.size(); ++k) {
            if (kAnsiHigh[k] != 0 && kAnsiHigh[k] == c) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::u16string FromAnsi(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t mapped = kAnsiHigh[b - 0x80];
            out += mapped != 0 ? mapped : static_cast<char16_t>(b);
        } else {
            out += static_cast<char16_t>(b);
        }
    }
    return out;
}

char16_t UpperChar(char16_t c)
{
    // A fixed table, independent of the process locale: ASCII, Latin-1, Latin Extended-A, Greek,
    // Cyrillic and the full-width Latin letters, one unit for one unit as Windows does.
    const auto shifted = [c](int delta) { return static_cast<char16_t>(c + delta); };
    if (c >= u'a' && c <= u'z')
        return shifted(-32);
    if (c < 0xE0)
        return c;
    if (c <= 0xFE)
        return c == 0xF7 ? c : shifted(-32);
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x137)
        return (c & 1) && c != 0x131 ? shifted(-1) : c;
    if (c >= 0x139 && c <= 0x148)
        return (c & 1) ? c : shifted(-1);
    if (c >= 0x14A && c <= 0x177)
        return (c & 1) ? shifted(-1) : c;
    if (c >= 0x179 && c <= 0x17E)
        return (c & 1) ? c : shifted(-1);
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return shifted(-32);
    if (c >= 0x430 && c <= 0x44F)
        return shifted(-32);
    if (c >= 0x450 && c <= 0x45F)
        return shifted(-80);
    if (c >= 0xFF41 && c <= 0xFF5A)
        return shifted(-32);
    return c;
}

std::u16string UpperCase(std::u16string_view text)
{
    std::u16string out(text);
    for (auto& c : out) {
        c = UpperChar(c);
    }
    return out;
}

bool EqualNoCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperChar(a[i]) != UpperChar(b[i])) {
            return false;
        }
    }
    return true;
}

char32_t ReservedCharOfForm(char32_t c)
{
    return IsPrivateUseForm(c) ? c - kPrivateUseBase : 0;
}

}  // namespace platform
