#pragma once
// Windows command-line words.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits at blanks; double quotes group words, as a Windows command line does. UTF-8 words.
std::vector<std::string> SplitCommandLine(std::u16string_view line);

}  // namespace platform
