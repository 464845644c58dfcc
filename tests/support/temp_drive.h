#pragma once
// A drive letter mounted on a fresh temporary folder for the life of a test, with small helpers to
// make and read files on it.

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/text.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// A path below a drive's root, written the host way ("a/b", any bytes) or the Windows way (u"a\\b").
struct Below {
    Below(const char* hostPath) : host(hostPath) { }
    Below(const std::string& hostPath) : host(hostPath) { }
    Below(const char16_t* windowsPath) : Below(std::u16string_view(windowsPath)) { }
    Below(const std::u16string& windowsPath) : Below(std::u16string_view(windowsPath)) { }
    Below(std::u16string_view windowsPath);

    std::string host;
};

class TempDrive {
public:
    // type: a GetDriveType value (3 fixed, 2 removable); parent: the host folder to make it in.
    explicit TempDrive(char16_t letter, UINT type = 3,
                       const std::string& parent = std::filesystem::temp_directory_path().string());
    ~TempDrive();
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    // "X:\" + relative.
    std::u16string Path(std::u16string_view relative = u"") const;
    std::filesystem::path Host(const Below& relative = "") const;

    void Write(const Below& relative, std::string_view content) const;
    void Write(const Below& relative, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> Read(const Below& relative) const;
    std::string ReadText(const Below& relative) const;
    bool Exists(const Below& relative) const;
    void MakeFolder(const Below& relative) const;

private:
    char16_t letter_;
    TempFolder folder_;
};

}  // namespace testsupport
