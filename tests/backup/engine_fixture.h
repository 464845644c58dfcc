#pragma once
// A temporary folder mounted as a drive letter, with small helpers to make and read files on it.

#include "platform/drives.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace enginetest {

class TempDrive {
public:
    explicit TempDrive(char16_t letter, UINT type = 3) : letter_(letter)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "engine_XXXXXX").string();
        host_ = mkdtemp(pattern.data());
        platform::Drive drive;
        drive.letter = letter;
        drive.hostFolder = host_;
        drive.type = type;
        platform::MountDrive(drive);
    }
    ~TempDrive()
    {
        platform::UnmountDrive(letter_);
        std::error_code ignored;
        std::filesystem::permissions(host_, std::filesystem::perms::owner_all, ignored);
        for (auto& entry : std::filesystem::recursive_directory_iterator(host_, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
        }
        std::filesystem::remove_all(host_, ignored);
    }
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    // "X:\" + relative path.
    std::u16string Path(const std::u16string& relative) const
    {
        return std::u16string(1, letter_) + u":\\" + relative;
    }
    std::filesystem::path Host(const std::u16string& relative) const
    {
        std::string tail = platform::ToUtf8(relative);
        for (char& c : tail) {
            if (c == '\\') {
                c = '/';
            }
        }
        return std::filesystem::path(host_) / tail;
    }
    void Write(const std::u16string& relative, const std::vector<unsigned char>& bytes) const
    {
        const auto path = Host(relative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<unsigned char> Read(const std::u16string& relative) const
    {
        std::ifstream in(Host(relative), std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::u16string& relative) const { return std::filesystem::exists(Host(relative)); }

private:
    char16_t letter_;
    std::string host_;
};

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
