#include "backup/engine/DestRelativePath.h"

std::u16string DestRelativePath(const std::u16string& path)
{
    const std::size_t colon = path.find(u":\\");
    if (colon == std::u16string::npos) {
        return path;
    }
    if (colon + 2 == path.size()) {
        return path.substr(0, colon);
    }
    return path.substr(0, colon) + path.substr(colon + 1);
}
