#pragma once
// Byte counts per file category, in category order: Document, Picture, Audio, Video, Mail, Other.

#include "backup/engine/Categories.h"

#include <cstdint>

struct CATEGORY_SIZES {
    std::int64_t Bytes[CATEGORY_OTHER] = {};
};

// Adds bytes to the slot of category 1 to 5; Other (6) and any other number add nothing.
void AddToCategorySize(int category, std::int64_t bytes, CATEGORY_SIZES& sizes);
