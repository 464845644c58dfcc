#pragma once
// Byte counts per file category, in category order: Document, Picture, Audio, Video, Mail, Other.

#include <cstdint>

struct CATEGORY_SIZES {
    std::int64_t Bytes[6] = {};
};
