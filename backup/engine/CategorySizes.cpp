#include "backup/engine/CategorySizes.h"

void AddToCategorySize(int category, std::int64_t bytes, CATEGORY_SIZES& sizes)
{
    if (category >= 1 && category <= 5) {
        sizes.Bytes[category - 1] += bytes;
    }
}
