#include "tests/support/shot_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace testsupport {

std::string ShotPath(const std::string& name)
{
    const char* dir = std::getenv("HARBEX_SHOTS");
    return (std::filesystem::path(dir != nullptr ? dir : ::testing::TempDir()) / name).string();
}

}  // namespace testsupport
