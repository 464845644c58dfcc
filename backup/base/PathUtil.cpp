#include "backup/base/PathUtil.h"

#include "platform/files.h"

void CreateDirIfMissing(const std::u16string& path)
{
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        CreateDirectoryW(path.c_str(), nullptr);
    }
}

void CreateDirPath(const std::u16string& path)
{
    // Mostly every folder above the last one is there already: then one call does it.
    if (!path.empty() && path.back() != u'\\' &&
        (CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)) {
        return;
    }
    for (std::size_t k = 2; k < path.size(); ++k) {
        if (path[k] == u'\\') {
            CreateDirIfMissing(path.substr(0, k));
        }
    }
    if (!path.empty() && path.back() != u'\\') {
        CreateDirIfMissing(path);
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

namespace {

std::u16string WithoutOneTrailingBackslash(const std::u16string& path)
{
    if (!path.empty() && path.back() == u'\\') {
        return path.substr(0, path.size() - 1);
    }
    return path;
}

}  // namespace

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
