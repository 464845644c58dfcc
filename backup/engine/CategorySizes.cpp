#include "backup/engine/CategorySizes.h"

void AddToCategorySize(int category, std::int64_t bytes, CATEGORY_SIZES& sizes)
{
    if (category >= CATEGORY_DOCUMENT && category <= CATEGORY_MAIL) {
        sizes.Bytes[category - 1] += bytes;
    }
}
