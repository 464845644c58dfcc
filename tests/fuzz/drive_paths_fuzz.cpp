// Feeds arbitrary text to the check that every path read back from a backup drive passes, and
// arbitrary bytes to the host-name conversion, and stops at the first path that would leave its
// folder or name that would not come back as it was.

#include "backup/base/DrivePathCheck.h"
#include "platform/drives.h"
#include "platform/text.h"
#include "tests/fuzz/fuzz_drive.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void Require(bool holds)
{
    if (!holds) {
        std::abort();
    }
}

// A mapped path lies below the host folder of Z:\Out and never holds a ".." name.
void RequireInsideOut(const std::u16string& windowsPath)
{
    const platform::HostPath host = platform::ToHostPath(windowsPath);
    if (!host.ok()) {
        return;
    }
    const std::string out = FuzzDriveFolder() + "/Out/";
    Require(host.path.starts_with(out));
    Require(host.path.find("/../") == std::string::npos && !host.path.ends_with("/.."));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string back;
    Require(platform::ToHostName(platform::FromHostName(bytes), back) && back == bytes);

    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    std::string host;
    if (platform::ToHostName(text, host)) {
        Require(platform::FromHostName(host) == text);
    }

    if (const auto checked = CheckedDrivePath(text)) {
        Require(checked->find(u'/') == std::u16string::npos);
        Require(LiesInsideFolder(u"Z:\\Out\\" + *checked, u"Z:\\Out"));
        RequireInsideOut(u"Z:\\Out\\" + *checked);
    }
    const std::u16string target = u"Z:\\Out\\" + text;
    if (LiesInsideFolder(target, u"Z:\\Out")) {
        RequireInsideOut(target);
    }
    return 0;
}
