#pragma once
// The scan before an Easy Backup: how many bytes the copy walk will pass over (the job total) and
// how many bytes the selected categories hold. It only reads.

#include "backup/engine/Categories.h"
#include "backup/engine/CategorySizes.h"
#include "platform/win_types.h"

#include <array>
#include <cstdint>
#include <string>

class RunningJob;

// Adds every file of the Easy roots to jobTotal and the bytes of the selected categories
// (Document .. Mail) to selectedSize, showing the job each file. After a cancel selectedSize keeps
// the value it came with and jobTotal holds what was counted so far.
void ScanEasySources(RunningJob& job, const PerEasyCategory<BYTE>& categories, std::int64_t& jobTotal,
                     std::uint64_t& selectedSize);

// Walks folder\name (folder may be empty for a root) into jobTotal and sizes, showing the job each
// file. 0 when it stopped on a cancel, else 1.
int EasyScanWalk(RunningJob& job, std::int64_t& jobTotal, const std::u16string& folder, const std::u16string& name,
                 CATEGORY_SIZES& sizes);
