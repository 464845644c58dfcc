#include "platform/files.h"
#include "tests/support/temp_drive.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

using testsupport::TempDrive;

using namespace platform;

namespace {

struct Listed {
    std::u16string name;
    DWORD attributes;
    ULONGLONG size;
};

std::vector<Listed> Walk(const std::u16string& pattern)
{
    std::vector<Listed> listed;
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return listed;
    }
    do {
        listed.push_back(
            {data.cFileName, data.dwFileAttributes, (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow});
    } while (FindNextFileW(find, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    FindClose(find);
    return listed;
}

std::vector<std::u16string> Names(const std::vector<Listed>& listed)
{
    std::vector<std::u16string> names;
    for (const auto& entry : listed) {
        names.push_back(entry.name);
    }
    return names;
}

// dir: b.txt (3 bytes), A.txt (5 GiB, sparse), _under.txt, sub/inner.txt, link -> sub
class WalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        x.Write("dir/b.txt", "abc");
        x.Write("dir/A.txt", "");
        ASSERT_EQ(::truncate(x.Host("dir/A.txt").c_str(), 5LL << 30), 0);
        x.Write("dir/_under.txt", "u");
        x.Write("dir/sub/inner.txt", "inner");
        ASSERT_EQ(::symlink("sub", x.Host("dir/link").c_str()), 0);
    }
    TempDrive x{u'X'};
};

}  // namespace

TEST_F(WalkTest, ListsDotsFirstThenByUpperCasedName)
{
    const auto listed = Walk(x.Path(u"dir\\*.*"));
    EXPECT_EQ(Names(listed),
              (std::vector<std::u16string>{u".", u"..", u"A.txt", u"b.txt", u"link", u"sub", u"_under.txt"}));
    ASSERT_EQ(listed.size(), 7u);
    EXPECT_EQ(listed[0].attributes, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(listed[2].size, 5ULL << 30);
    EXPECT_EQ(listed[2].attributes, FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(listed[3].size, 3u);
    EXPECT_EQ(listed[4].attributes, FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(listed[5].attributes, FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(WalkTest, PatternsSelectNames)
{
    struct Case {
        std::u16string pattern;
        std::vector<std::u16string> names;
    };
    const Case cases[] = {
        {u"dir\\*", {u".", u"..", u"A.txt", u"b.txt", u"link", u"sub", u"_under.txt"}},
        {u"dir\\*.TXT", {u"A.txt", u"b.txt", u"_under.txt"}},
        {u"dir\\?.txt", {u"A.txt", u"b.txt"}},
        {u"dir\\B.TXT", {u"b.txt"}},
        {u"dir\\LINK", {u"link"}},
        {u"DIR\\SUB\\*", {u".", u"..", u"inner.txt"}},
        {u"*", {u"dir"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Names(Walk(x.Path(c.pattern))), c.names) << ToUtf8(c.pattern);
    }
    EXPECT_EQ(Walk(x.Path(u"dir\\LINK"))[0].attributes, FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(WalkTest, EntryThatVanishesIsSkipped)
{
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW(x.Path(u"dir\\*.txt").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.cFileName, u"A.txt");
    ASSERT_EQ(::unlink(x.Host("dir/b.txt").c_str()), 0);
    ASSERT_TRUE(FindNextFileW(find, &data));
    EXPECT_EQ(data.cFileName, u"_under.txt");
    EXPECT_FALSE(FindNextFileW(find, &data));
    EXPECT_TRUE(FindClose(find));
}

TEST_F(WalkTest, FolderLinkIsRemovedAsALinkOnly)
{
    EXPECT_FALSE(DeleteFileW(x.Path(u"dir\\link").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(RemoveDirectoryW(x.Path(u"dir\\link").c_str()));
    EXPECT_EQ(GetFileAttributesW(x.Path(u"dir\\link").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(x.ReadText("dir/sub/inner.txt"), "inner");
}

TEST_F(WalkTest, NamesThatAreNotUtf8StayApartAndOpenUnderTheirOwnBytes)
{
    x.Write("odd/report\xfe.doc", "first");
    x.Write("odd/report\xff.doc", "second");
    const auto listed = Walk(x.Path(u"odd\\*.doc"));
    ASSERT_EQ(listed.size(), 2u);
    for (const auto& [name, content] : {std::pair{std::u16string(u"report\xdcfe.doc"), std::string("first")},
                                        std::pair{std::u16string(u"report\xdcff.doc"), std::string("second")}}) {
        EXPECT_NE(GetFileAttributesW(x.Path(u"odd\\" + name).c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(CopyFileW(x.Path(u"odd\\" + name).c_str(), x.Path(u"odd\\copy" + name).c_str(), TRUE));
    }
    EXPECT_EQ(x.ReadText("odd/copyreport\xfe.doc"), "first");
    EXPECT_EQ(x.ReadText("odd/copyreport\xff.doc"), "second");
}
