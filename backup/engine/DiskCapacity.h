#pragma once
// The numbers of the Easy Backup page's capacity display: total, used and free bytes of the local
// fixed disks, the bytes of each file category found on them, and the pixel width of a share.

#include "backup/engine/CategorySizes.h"

#include <cstdint>
#include <string>

class RunningJob;

// Sums the local fixed disks; a disk whose query fails adds nothing. Always true.
bool GetLocalDiskCapacity(std::uint64_t& total, std::uint64_t& used, std::uint64_t& free);

// Zeroes the counts, adds every file of every local fixed disk (except the Windows folder and
// system entries) to its category, then Other = (total - free) - the five categories, which may be
// negative. A cancelled walk keeps what it counted. The job is shown each file once it is counted.
void ScanCategorySizes(RunningJob& job, CATEGORY_SIZES& sizes, std::uint64_t total, std::uint64_t free);

// Adds folder\name (or just name without a folder), a file or every file below that folder.
void AddCategorySizesOf(RunningJob& job, const std::u16string& folder, const std::u16string& name,
                        CATEGORY_SIZES& sizes);

// 0 when the whole is 0; otherwise part / whole * width, truncated toward zero.
int ProportionalWidth(std::int64_t part, std::uint64_t whole, int width);
