#include "tests/support/temp_drive.h"

#include "platform/drives.h"
#include "platform/text.h"
#include "tests/support/file_tree.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace testsupport {

Below::Below(std::u16string_view windowsPath) : host(platform::ToUtf8(std::u16string(windowsPath)))
{
    std::replace(host.begin(), host.end(), '\\', '/');
}

TempDrive::TempDrive(char16_t letter, UINT type, const std::string& parent) : letter_(letter), folder_("drive", parent)
{
    platform::Drive drive;
    drive.letter = letter;
    drive.hostFolder = folder_.Path();
    drive.type = type;
    drive.label = u"TEST";
    drive.serial = 0x1234ABCD;
    platform::MountDrive(drive);
}

TempDrive::~TempDrive()
{
    platform::UnmountDrive(letter_);
}

std::u16string TempDrive::Path(std::u16string_view relative) const
{
    return std::u16string(1, letter_) + u":\\" + std::u16string(relative);
}

std::filesystem::path TempDrive::Host(const Below& relative) const
{
    const std::filesystem::path root(folder_.Path());
    return relative.host.empty() ? root : root / relative.host;
}

void TempDrive::Write(const Below& relative, std::string_view content) const
{
    WriteText(Host(relative), content);
}

void TempDrive::Write(const Below& relative, const std::vector<unsigned char>& bytes) const
{
    Write(relative, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<unsigned char> TempDrive::Read(const Below& relative) const
{
    std::ifstream in(Host(relative), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::string TempDrive::ReadText(const Below& relative) const
{
    std::ifstream in(Host(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TempDrive::Exists(const Below& relative) const
{
    return std::filesystem::exists(Host(relative));
}

void TempDrive::MakeFolder(const Below& relative) const
{
    std::filesystem::create_directories(Host(relative));
}

}  // namespace testsupport
