#include "platform/module_file.h"

#include "platform/drives.h"
#include "platform/errors.h"
#include "platform/text.h"

#include <algorithm>
#include <filesystem>

namespace {

std::u16string& DeclaredPath()
{
    static std::u16string path;
    return path;
}

}  // namespace

namespace platform {

void SetModuleFilePath(std::u16string path)
{
    DeclaredPath() = std::move(path);
}

std::u16string WindowsPathOfHost(const std::string& hostPath)
{
    for (const Drive& drive : Drives()) {
        const std::string& root = drive.hostFolder;
        const bool below = hostPath.size() > root.size() && hostPath.compare(0, root.size(), root) == 0 &&
                           (hostPath[root.size()] == '/' || root == "/");
        if (!below) {
            continue;
        }
        std::u16string rest = FromHostName(hostPath.substr(root == "/" ? 1 : root.size() + 1));
        std::replace(rest.begin(), rest.end(), u'/', u'\\');
        return std::u16string{drive.letter, u':', u'\\'} + rest;
    }
    return {};
}

}  // namespace platform

DWORD GetModuleFileNameW(HMODULE, LPWSTR buffer, DWORD size)
{
    std::u16string path = DeclaredPath();
    if (path.empty()) {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        if (!error) {
            path = platform::WindowsPathOfHost(exe.string());
        }
    }
    if (path.empty()) {
        platform::Fail(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    if (size == 0) {
        platform::Fail(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const DWORD copied = std::min<DWORD>(static_cast<DWORD>(path.size()), size - 1);
    std::copy_n(path.begin(), copied, buffer);
    buffer[copied] = u'\0';
    if (copied < path.size()) {
        platform::Fail(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    return copied;
}
