#pragma once
// Where a test's renderings go: $HARBEX_SHOTS when set (for people to look at), else the test's
// temporary folder.

#include <string>

namespace testsupport {

std::string ShotPath(const std::string& name);

}  // namespace testsupport
