#pragma once
// Byte counts per file category, in category order: Document, Picture, Audio, Video, Mail, Other.

#include <cstdint>

struct CATEGORY_SIZES {
    std::int64_t Bytes[6] = {};
};

// Adds bytes to the slot of category 1 to 5; Other (6) and any other number add nothing.
void AddToCategorySize(int category, std::int64_t bytes, CATEGORY_SIZES& sizes);
