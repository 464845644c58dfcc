#include "tests/support/temp_folder.h"

#include <stdexcept>

#include <stdlib.h>

namespace testsupport {

TempFolder::TempFolder(const std::string& prefix, const std::string& parent) : path_(parent + "/" + prefix + "-XXXXXX")
{
    if (::mkdtemp(path_.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
}

TempFolder::~TempFolder()
{
    // Tests take rights away from files; give them back so that everything can be removed.
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace testsupport
