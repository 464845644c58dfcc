#pragma once
// Files on the host as tests make and check them: one file, or a whole tree of files by their path
// below a folder ("a/b.txt") with their contents.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace testsupport {

// Makes the file's folders too.
void WriteText(const std::filesystem::path& file, std::string_view content);
std::string ReadText(const std::filesystem::path& file);
// Returns once the clock's tick is past the file's change time, so that a copy begun then takes
// the last change for one made before it.
void WaitPastChangeTime(const std::filesystem::path& file);

// The list files a finished backup run leaves in its folder (OriSize.ini, FileList_Repeat.ini,
// Record.ini), each an empty list, the byte-order mark alone, where the folder holds none yet.
void WriteFinishedRunLists(const std::filesystem::path& runFolder);

using FileTree = std::map<std::string, std::string>;

void WriteTree(const std::filesystem::path& folder, const FileTree& files);
// Every regular file below the folder; links are not files and are not followed.
FileTree ReadTree(const std::filesystem::path& folder);
// Fails naming every file that is missing, extra or different.
::testing::AssertionResult HoldsTree(const std::filesystem::path& folder, const FileTree& expected);

}  // namespace testsupport
