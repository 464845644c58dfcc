#pragma once
// Rules of Windows path texts: separators, characters a name cannot hold, name patterns.

#include <string_view>

namespace platform {

// "\\" or "/".
bool IsSeparator(char16_t c);
// A control character or one of < > : " | ? * (the last two are wildcards in patterns).
bool IsForbiddenInName(char16_t c);

// "*" matches any run, "?" any one character, "*.*" every name. Both texts upper-cased by the caller.
bool MatchesWildcard(std::u16string_view name, std::u16string_view pattern);

}  // namespace platform
