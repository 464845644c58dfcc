#pragma once
// A fresh folder below the system's temporary folder for the life of a test; removed with all it
// holds, whatever rights a test took away inside it.

#include <filesystem>
#include <string>

namespace testsupport {

class TempFolder {
public:
    // The folder is made as "<parent>/<prefix>-XXXXXX".
    explicit TempFolder(const std::string& prefix,
                        const std::string& parent = std::filesystem::temp_directory_path().string());
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace testsupport
