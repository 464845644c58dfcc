#pragma once
// Text at the boundaries: UTF-16 inside the program, UTF-8 towards Linux, Windows-1252 where the
// program converts to 8-bit ANSI text.

#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// Linux file names to Windows names and back, without loss: each byte that is not part of valid
// UTF-8 becomes the lone unit U+DC80 + (byte - 0x80), as no valid text decodes to one, and such a
// unit becomes its byte again. ToHostName is false for a name that no host name gives (another
// lone surrogate, or escaped bytes that would read back as valid UTF-8), so two names never meet.
std::u16string FromHostName(std::string_view name);
bool ToHostName(std::u16string_view name, std::string& out);

// Windows-1252; characters it cannot hold become '?'.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view text);

// Upper-casing as Windows does it for file names: per UTF-16 unit, no length change.
char16_t UpperChar(char16_t c);
std::u16string UpperCase(std::u16string_view text);
bool EqualNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace platform
