#include "backup/base/PathUtil.h"

#include "platform/files.h"

#include <vector>

namespace {

std::u16string WithoutOneTrailingBackslash(const std::u16string& path)
{
    if (!path.empty() && path.back() == u'\\') {
        return path.substr(0, path.size() - 1);
    }
    return path;
}

}  // namespace

void CreateDirIfMissing(const std::u16string& path)
{
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        CreateDirectoryW(path.c_str(), nullptr);
    }
}

void CreateDirPath(const std::u16string& path)
{
    CreateDirPathLike(path, u"");
}

void CreateDirPathLike(const std::u16string& path, const std::u16string& model)
{
    const std::u16string last = WithoutOneTrailingBackslash(path);
    const std::u16string source = WithoutOneTrailingBackslash(model);
    // A drive's own level stands for its root, "X:\".
    const auto sourceUpTo = [&source](std::size_t end) { return source.substr(0, end) + (end == 2 ? u"\\" : u""); };
    const auto make = [](const std::u16string& folder, const std::u16string& like) {
        if (like.empty()) {
            return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
        }
        return CreateDirectoryExW(like.c_str(), folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS ||
               CreateDirectoryW(folder.c_str(), nullptr);
    };
    // Mostly every folder above the last one is there already: then one call does it.
    if (make(last, sourceUpTo(source.size()))) {
        return;
    }
    const auto levelEnds = [](const std::u16string& text) {
        std::vector<std::size_t> ends;
        for (std::size_t k = 2; k < text.size(); ++k) {
            if (text[k] == u'\\') {
                ends.push_back(k);
            }
        }
        ends.push_back(text.size());
        return ends;
    };
    const std::vector<std::size_t> pathEnds = levelEnds(last);
    const std::vector<std::size_t> modelEnds = levelEnds(source);
    for (std::size_t i = 0; i < pathEnds.size(); ++i) {
        const std::u16string level = last.substr(0, pathEnds[i]);
        const std::size_t fromEnd = pathEnds.size() - i;
        if (fromEnd > modelEnds.size()) {
            CreateDirIfMissing(level);
        } else if (!PathExists(level)) {
            make(level, sourceUpTo(modelEnds[modelEnds.size() - fromEnd]));
        }
    }
}

bool PathExists(const std::u16string& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DirExists(const std::u16string& path)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(find);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::u16string WithTrailingBackslash(std::u16string text)
{
    if (text.empty() || text.back() != u'\\') {
        text.push_back(u'\\');
    }
    return text;
}

std::u16string ParentFolderOf(const std::u16string& path)
{
    const std::u16string text = WithoutOneTrailingBackslash(path);
    const std::size_t slash = text.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : text.substr(0, slash);
}

std::u16string LastComponentOf(const std::u16string& path)
{
    const std::u16string text = WithoutOneTrailingBackslash(path);
    const std::size_t slash = text.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : text.substr(slash + 1);
}

std::u16string WithoutDrivePrefix(const std::u16string& path)
{
    return path.size() <= 3 ? std::u16string() : path.substr(3);
}
