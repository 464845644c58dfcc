// The version record of a program file and the installed-version question.

#include "setup_fixture.h"

#include "platform/version_info.h"
#include "platform/version_record.h"
#include "setup/InstallFiles.h"

namespace setuptest {
namespace {

std::string RecordBytes(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d)
{
    const auto record = platform::MakeVersionRecord(a, b, c, d);
    return std::string(record.begin(), record.end());
}

class VersionTest : public SetupMachine { };

TEST_F(VersionTest, FixedBlockComesFromTheRecordAnywhereInTheFile)
{
    MakeMachine();
    // The marker alone (as a reader's own constant would be) is not a record.
    const std::string marker(platform::kVersionMarker.begin(), platform::kVersionMarker.end());
    WriteHostFile("c/app.exe", std::string(3 << 20, 'x') + marker + "12345678" + RecordBytes(2, 1, 0, 7) + "tail");
    DWORD handle = 1;
    const DWORD size = GetFileVersionInfoSizeW(u"C:\\app.exe", &handle);
    ASSERT_EQ(size, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(handle, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(u"C:\\app.exe", 0, size, block.data()));
    void* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), u"\\", &fixed, &length));
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    EXPECT_EQ(info->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(info->dwFileVersionMS, 0x00020001u);
    EXPECT_EQ(info->dwFileVersionLS, 0x00000007u);

    WriteHostFile("c/plain.exe", marker + "no record");
    EXPECT_EQ(GetFileVersionInfoSizeW(u"C:\\plain.exe", nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
}

TEST_F(VersionTest, InstalledVersionComparesWithThisProgram)
{
    MakeMachine();
    struct Case {
        const char* name;
        std::string content;
        int result, installed;
    };
    const Case cases[] = {
        {"newer 2.1.0", RecordBytes(2, 1, 0, 0), setup::kInstalledNewer, 20100},
        {"same 2.0.28.5", RecordBytes(2, 0, 28, 5), setup::kSameVersion, 20028},
        {"older 1.9.3", RecordBytes(1, 9, 3, 0), setup::kInstalledOlder, 10903},
        {"no version block", "plain", setup::kSameVersion, 0},
    };
    for (const Case& c : cases) {
        WriteHostFile("c/App/Harbex_Solo+.exe", c.content);
        int installed = -1;
        EXPECT_EQ(setup::CompareInstalledVersion(u"C:\\App", 20028, &installed), c.result) << c.name;
        EXPECT_EQ(installed, c.installed) << c.name;
    }
    int untouched = -1;
    EXPECT_EQ(setup::CompareInstalledVersion(u"C:\\Other\\", 20028, &untouched), setup::kNotInstalled);
    EXPECT_EQ(untouched, -1);
}

TEST_F(VersionTest, ReplaceQuestionNamesInstalledThenOwnVersion)
{
    const std::u16string format = u"%s Version %s is already installed. Do you want to replace Version %s ?";
    EXPECT_EQ(setup::FormatReplaceQuestion(format, u"Harbex Solo+", 0, 20028),
              u"Harbex Solo+ Version 0.0.0 is already installed. Do you want to replace Version 2.0.28 ?");
    EXPECT_EQ(setup::FormatReplaceQuestion(format, u"Harbex Solo+", 20100, 20028),
              u"Harbex Solo+ Version 2.1.0 is already installed. Do you want to replace Version 2.0.28 ?");
}

TEST_F(VersionTest, AnsweringNoToTheReplaceQuestionClosesTheWizard)
{
    MakeMachine();
    WriteHostFile("c/Program Files (x86)/Harbex Solo+/Harbex_Solo+.exe", RecordBytes(2, 0, 28, 0));
    OpenWizard();
    AnswerBox(false);
    ShowWizard();
    ASSERT_EQ(boxTexts_.size(), 1u);
    EXPECT_EQ(boxTexts_[0],
              u"Harbex Solo+ Version 2.0.28 is already installed. Do you want to replace Version 2.0.28 ?");
    EXPECT_FALSE(Wizard().Visible());
}

TEST_F(VersionTest, ItaniumIsRefused)
{
    MakeMachine();
    platform::SystemRecord record = platform::CurrentSystemRecord();
    record.architecture = platform::PROCESSOR_ARCHITECTURE_IA64;
    platform::SetSystemRecord(record);
    OpenWizard();
    AnswerBox(false);
    ShowWizard();
    ASSERT_EQ(boxTexts_.size(), 1u);
    EXPECT_EQ(boxTexts_[0], u"Harbex Solo+ does not support IA64 !");
    EXPECT_FALSE(Wizard().Visible());
}

}  // namespace
}  // namespace setuptest
