#pragma once
// A drive letter mounted on a fresh temporary folder for the life of a test.

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/text.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

class TempDrive {
public:
    explicit TempDrive(char16_t letter, const std::string& parent = std::filesystem::temp_directory_path().string())
        : letter_(letter)
    {
        std::string pattern = parent + "/drive-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("mkdtemp failed");
        }
        host_ = pattern;
        platform::Drive drive;
        drive.letter = letter;
        drive.hostFolder = host_;
        drive.label = u"TEST";
        drive.serial = 0x1234ABCD;
        platform::MountDrive(drive);
    }
    ~TempDrive()
    {
        platform::UnmountDrive(letter_);
        std::error_code ignored;
        std::filesystem::remove_all(host_, ignored);
    }
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    // "X:\" + relative (relative uses "\").
    std::u16string Path(std::u16string_view relative = u"") const
    {
        return std::u16string(1, letter_) + u":\\" + std::u16string(relative);
    }
    // The Linux path of a relative path written with "/".
    std::string Host(const std::string& relative = "") const { return relative.empty() ? host_ : host_ + "/" + relative; }

    void WriteFile(const std::string& relative, const std::string& content) const
    {
        std::filesystem::create_directories(std::filesystem::path(Host(relative)).parent_path());
        std::ofstream(Host(relative), std::ios::binary) << content;
    }
    std::string ReadFile(const std::string& relative) const
    {
        std::ifstream in(Host(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(Host(relative)); }

private:
    char16_t letter_;
    std::string host_;
};
