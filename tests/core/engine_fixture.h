#pragma once
// The temporary drive of the engine tests, the random contents they write, and the choice of every
// Easy category.

#include "backup/engine/Categories.h"
#include "platform/win_types.h"
#include "tests/support/temp_drive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace enginetest {

using testsupport::TempDrive;

inline constexpr PerEasyCategory<BYTE> kEveryCategory = {1, 1, 1, 1, 1};

inline std::vector<unsigned char> RandomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(n);
    for (auto& b : bytes) {
        b = static_cast<unsigned char>(random());
    }
    return bytes;
}

}  // namespace enginetest
