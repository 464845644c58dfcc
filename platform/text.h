#pragma once
// Text at the boundaries: UTF-16 inside the program, UTF-8 towards Linux, Windows-1252 where the
// program converts to 8-bit ANSI text.

#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// How a drive's file system holds the characters \ : * ? " < > | that a Linux name may hold and a
// Windows name cannot.
enum class ReservedChars {
    AsIs,  // as themselves, as Linux file systems do
    PrivateUse,  // as their private-use characters, since the file system refuses them (FAT, exFAT)
};

// Linux file names to Windows names and back, without loss: each byte that is not part of valid
// UTF-8 becomes the lone unit U+DC80 + (byte - 0x80), as no valid text decodes to one, and such a
// unit becomes its byte again. Each of \ : * ? " < > | becomes the private-use character U+F000
// + its code and back; where those are held as themselves, a name that holds such a private-use
// character itself keeps its bytes as escaped units. ToHostName is false for a name that no host
// name gives (a reserved character itself, another lone surrogate, or escaped bytes that would
// read back otherwise), so two names never meet.
std::u16string FromHostName(std::string_view name, ReservedChars reserved = ReservedChars::AsIs);
bool ToHostName(std::u16string_view name, std::string& out, ReservedChars reserved = ReservedChars::AsIs);
// The reserved character whose private-use form `c` is, or 0 when it is none.
char32_t ReservedCharOfForm(char32_t c);

// Windows-1252; characters it cannot hold become '?'.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view text);

// Upper-casing as Windows does it for file names: per UTF-16 unit, no length change.
char16_t UpperChar(char16_t c);
std::u16string UpperCase(std::u16string_view text);
bool EqualNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace platform
