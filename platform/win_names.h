#pragma once
// Rules of Windows path texts: separators, characters a name cannot hold, name patterns.

#include <string_view>

namespace platform {

// "\\" or "/". Inline: every path of every file call is scanned with these.
inline bool IsSeparator(char16_t c)
{
    return c == u'\\' || c == u'/';
}
// A control character or one of < > : " | ? * (the last two are wildcards in patterns).
inline bool IsForbiddenInName(char16_t c)
{
    return c < 0x20 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' || c == u'*';
}

// "*" matches any run, "?" any one character, "*.*" every name. Both texts upper-cased by the caller.
bool MatchesWildcard(std::u16string_view name, std::u16string_view pattern);

}  // namespace platform
