#include "backup/base/AccessGrant.h"
#include "backup/base/ErrorText.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/SysInfo.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/window/frame/DebugInfo.h"
#include "frame_fixture.h"
#include "platform/files.h"

#include <acl/libacl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using frametest::FrameMachine;

class FrameSettings : public FrameMachine { };

TEST_F(FrameSettings, LanguagePrecedenceFileThenRegistryThenNone)
{
    SetUserLanguage(1041);
    EXPECT_EQ(ReadLanguageSetting(), -1);
    SetRegistryLanguage(u"1028");
    EXPECT_EQ(ReadLanguageSetting(), 1028);
    SaveLanguageSetting(2052);
    EXPECT_EQ(ReadLanguageSetting(), 2052);

    lists::TStringList broken;
    broken.Add(u"Chinese");
    ASSERT_TRUE(broken.SaveToFile(LangSetPath(true)));
    EXPECT_EQ(ReadLanguageSetting(), 1028) << "a line that does not parse falls back to the registry";
}

// A settings file that another account placed in the user's folder is taken for none: its choice
// is not read, and the user's next save replaces it with a file of the user's own.
TEST_F(FrameSettings, ASettingsFileOfAnotherAccountIsNotReadAndASaveReplacesIt)
{
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || nobody == nullptr) {
        GTEST_SKIP() << "giving files to another account needs root and the account nobody";
    }
    SetRegistryLanguage(u"1028");
    lists::TStringList planted;
    planted.Add(u"2052");
    ASSERT_TRUE(planted.SaveToFile(LangSetPath(true)));
    const std::string host = Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/Ini/LangSet.ini").string();
    ASSERT_EQ(chown(host.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    EXPECT_EQ(ReadLanguageSetting(), 1028);

    SaveLanguageSetting(1041);
    EXPECT_EQ(ReadLanguageSetting(), 1041);
    struct stat info { };
    ASSERT_EQ(stat(host.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, geteuid());
}

TEST_F(FrameSettings, LanguageTablesAndCombo)
{
    struct Case {
        int langId;
        int resource;
        int selected;
        const char16_t* edit;
    };
    const Case cases[] = {{1033, 31001, 0, u"English"}, {2052, 31003, 1, u"简体中文"}, {1028, 31004, 2, u"繁體中文"},
                          {1041, 31005, 3, u"日本語"},  {1025, 31001, 0, u"before"},   {1049, 31001, 0, u"before"}};
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageTableResource(c.langId), c.resource) << c.langId;
        ui::TComboBox combo(nullptr);
        ui::TEdit edit(nullptr);
        edit.SetText(u"before");
        FillLanguageCombo(&combo, &edit, c.langId);
        EXPECT_EQ(combo.Items().Count(), 4);
        EXPECT_EQ(combo.ItemIndex(), c.selected) << c.langId;
        EXPECT_EQ(edit.Text(), c.edit) << c.langId;
        lists::TStringList table;
        EXPECT_EQ(LanguageOfComboIndex(&combo, table), c.selected == 0 ? 1033 : c.langId);
        EXPECT_GT(table.Count(), 100);
    }
}

TEST_F(FrameSettings, PathsOfTheDataFolderAndSettingsFiles)
{
    const std::u16string data = u"C:\\Users\\Alice\\AppData\\Roaming\\Harbex_Solo+";
    EXPECT_EQ(UserDataFolder(false), data);
    EXPECT_EQ(SchSetPath(false), data + u"\\Ini\\SchSet.ini");
    EXPECT_EQ(TreeExpansionPath(false), data + u"\\Ini\\TreeExp_BM.ini");
    EXPECT_FALSE(std::filesystem::exists(Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+")))
        << "readers create nothing";
    EXPECT_EQ(LangSetPath(true), data + u"\\Ini\\LangSet.ini");
    EXPECT_TRUE(std::filesystem::is_directory(Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/Ini")));

    EXPECT_EQ(CompleteListPath(data, u"E"), data + u"\\FilesList_Complete_E.txt");
    EXPECT_EQ(FailedListPath(data + u"\\", u""), data + u"\\FilesList_Failed.txt");
}

TEST_F(FrameSettings, AccessGrantReachesTheUsersGroup)
{
    ASSERT_TRUE(CreateDirectoryW(u"C:\\Shared", nullptr));
    ASSERT_EQ(GrantUsersFullAccess(u"C:\\Shared"), 0);
    ASSERT_EQ(GrantUsersFullAccess(u"C:\\Shared"), 0);
    const std::string host = Host("c/Shared").string();
    acl_t acl = acl_get_file(host.c_str(), ACL_TYPE_ACCESS);
    ASSERT_NE(acl, nullptr);
    const group* users = getgrnam("users");
    ASSERT_NE(users, nullptr);
    int entries = 0;
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1; which = ACL_NEXT_ENTRY) {
        acl_tag_t tag;
        acl_get_tag_type(entry, &tag);
        if (tag != ACL_GROUP) {
            continue;
        }
        auto* gid = static_cast<gid_t*>(acl_get_qualifier(entry));
        if (*gid == users->gr_gid) {
            ++entries;
            acl_permset_t permissions;
            acl_get_permset(entry, &permissions);
            EXPECT_EQ(acl_get_perm(permissions, ACL_READ), 1);
            EXPECT_EQ(acl_get_perm(permissions, ACL_WRITE), 1);
            EXPECT_EQ(acl_get_perm(permissions, ACL_EXECUTE), 1);
        }
        acl_free(gid);
    }
    acl_free(acl);
    EXPECT_EQ(entries, 1) << "a second grant replaces the first";
    EXPECT_NE(GrantUsersFullAccess(u"C:\\missing"), 0);
}

TEST_F(FrameSettings, DescribesWindowsVersionRecords)
{
    struct Case {
        DWORD major, minor, build;
        BYTE productType;
        DWORD edition;
        WORD suite;
        WORD architecture;
        const char16_t* servicePack;
        std::u16string expected;
    };
    const Case cases[] = {
        {6, 1, 7601, 1, 1, 0x100, 9, u"Service Pack 1",
         u"Microsoft Windows 7 Ultimate Edition Service Pack 1, 64-bit, Build 7601"},
        {10, 0, 19045, 1, 48, 0x100, 9, u"", u"Microsoft Windows 10.0 , 64-bit, Build 19045"},
        {6, 3, 9600, 3, 7, 0x110, 9, u"", u"Microsoft Standard Edition , 64-bit, Build 9600"},
        {5, 2, 3790, 1, 0, 0, 9, u"Service Pack 2", u"Microsoft  Service Pack 2, Build 3790"},
        {5, 1, 2600, 1, 0, 0x200, 0, u"Service Pack 3",
         u"Microsoft Windows XP Home Edition Service Pack 3, Build 2600"},
        {6, 0, 6002, 1, 3, 0x100, 0, u"Service Pack 2",
         u"Microsoft Windows Vista Home Premium Edition Service Pack 2, 32-bit, Build 6002"},
    };
    for (const Case& c : cases) {
        platform::SystemRecord record = platform::CurrentSystemRecord();
        record.majorVersion = c.major;
        record.minorVersion = c.minor;
        record.buildNumber = c.build;
        record.productType = c.productType;
        record.edition = c.edition;
        record.suiteMask = c.suite;
        record.architecture = c.architecture;
        record.servicePack = c.servicePack;
        platform::SetSystemRecord(record);
        EXPECT_EQ(DescribeOperatingSystem(), c.expected) << c.major << "." << c.minor;
    }
}

TEST_F(FrameSettings, DiagnosticsTextEndsWithTheLanguageLines)
{
    ui::TMemo memo(nullptr);
    FillDebugInfo(&memo, 1033);
    ASSERT_EQ(memo.Lines().Count(), 8);
    EXPECT_EQ(memo.Lines()[1], u"Ver :2.00.28");
    EXPECT_EQ(memo.Lines()[3], u"OS Ver : ");
    EXPECT_EQ(memo.Lines()[6], u"LangVer : 1033(English)");
    EXPECT_EQ(memo.Lines()[7], u"(English , 简体中文 , 繁體中文 , 日本語)");
    for (int unlisted : {1025, 1036}) {
        FillDebugInfo(&memo, unlisted);
        ASSERT_EQ(memo.Lines().Count(), 7) << unlisted << ": no LangVer line";
        EXPECT_EQ(memo.Lines()[6], u"(English , 简体中文 , 繁體中文 , 日本語)") << unlisted;
    }
}

TEST(FrameErrorText, SystemAndRemoteAccessTexts)
{
    const std::u16string denied = WindowsErrorText(5);
    EXPECT_FALSE(denied.empty());
    EXPECT_TRUE(denied.ends_with(u"\r\n"));
    EXPECT_EQ(RasErrorText(599), u"");
    EXPECT_EQ(RasErrorText(802), u"");
    EXPECT_EQ(WindowsErrorText(600), RasErrorText(600));
    EXPECT_EQ(WindowsErrorText(802), SystemErrorText(0x400, 802));
    EXPECT_FALSE(WindowsErrorText(802).empty());
}

}  // namespace
