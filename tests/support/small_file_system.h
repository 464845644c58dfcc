#pragma once
// A file system of a few hundred kilobytes made for one test, so that a job can run out of room on
// real files: a size-limited tmpfs mounted on a fresh temporary folder (root only). Where it
// cannot be mounted, Why() says so and the test skips.

#include "tests/support/temp_folder.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace testsupport {

class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    // Why it is not mounted.
    const std::string& Why() const { return why_; }
    // The mounted folder, to make a TempDrive in.
    const std::string& Folder() const { return folder_.Path(); }
    // Fills what room is left, but about `leave` bytes, with one file below the folder; returns its
    // path.
    std::filesystem::path Fill(const std::string& name, std::size_t leave = 0) const;

private:
    TempFolder folder_{"small"};
    bool mounted_ = false;
    std::string why_;
};

}  // namespace testsupport
