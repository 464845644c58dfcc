#include "platform/win_names.h"

namespace platform {

bool MatchesWildcard(std::u16string_view name, std::u16string_view pattern)
{
    if (pattern == u"*.*") {
        pattern = u"*";
    }
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::u16string_view::npos;
    std::size_t nameAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            nameAtStar = n;
        } else if (starAt != std::u16string_view::npos) {
            p = starAt + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace platform
