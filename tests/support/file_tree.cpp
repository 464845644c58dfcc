#include "tests/support/file_tree.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <time.h>

namespace testsupport {

void WriteText(const std::filesystem::path& file, std::string_view content)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WaitPastChangeTime(const std::filesystem::path& file)
{
    struct stat info { };
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    timespec now{};
    do {
        ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    } while (now.tv_sec < info.st_ctim.tv_sec ||
             (now.tv_sec == info.st_ctim.tv_sec && now.tv_nsec <= info.st_ctim.tv_nsec));
}

void WriteFinishedRunLists(const std::filesystem::path& runFolder)
{
    for (const char* list : {"OriSize.ini", "FileList_Repeat.ini", "Record.ini"}) {
        if (!std::filesystem::exists(runFolder / list)) {
            WriteText(runFolder / list, "\xFF\xFE");
        }
    }
}

void WriteTree(const std::filesystem::path& folder, const FileTree& files)
{
    for (const auto& [path, content] : files) {
        WriteText(folder / path, content);
    }
}

FileTree ReadTree(const std::filesystem::path& folder)
{
    FileTree files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && !entry.is_symlink()) {
            files[std::filesystem::relative(entry.path(), folder).string()] = ReadText(entry.path());
        }
    }
    return files;
}

::testing::AssertionResult HoldsTree(const std::filesystem::path& folder, const FileTree& expected)
{
    const FileTree found = ReadTree(folder);
    std::string faults;
    for (const auto& [path, content] : expected) {
        const auto it = found.find(path);
        if (it == found.end()) {
            faults += "\n  missing " + path;
        } else if (it->second != content) {
            faults += "\n  " + path + " holds \"" + it->second + "\", not \"" + content + "\"";
        }
    }
    for (const auto& [path, content] : found) {
        if (!expected.contains(path)) {
            faults += "\n  extra " + path;
        }
    }
    if (faults.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << folder.string() << faults;
}

}  // namespace testsupport
