#include "backup/base/PathUtil.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

struct TextCase {
    std::u16string input;
    std::u16string expected;
};

void ExpectAll(std::u16string (*function)(const std::u16string&), const std::vector<TextCase>& cases)
{
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToUtf8(function(c.input)), platform::ToUtf8(c.expected)) << platform::ToUtf8(c.input);
    }
}

TEST(PathText, TrailingBackslash)
{
    const TextCase cases[] = {{u"", u"\\"}, {u"X:", u"X:\\"}, {u"X:\\", u"X:\\"}, {u"X:\\a", u"X:\\a\\"}};
    for (const auto& c : cases) {
        EXPECT_EQ(platform::ToUtf8(WithTrailingBackslash(c.input)), platform::ToUtf8(c.expected));
    }
}

TEST(PathText, ParentFolder)
{
    ExpectAll(ParentFolderOf,
              {{u"X:\\a\\b", u"X:\\a"}, {u"X:\\a\\b\\", u"X:\\a"}, {u"X:\\a", u"X:"}, {u"X:\\", u""}, {u"plain", u""}});
}

TEST(PathText, LastComponent)
{
    ExpectAll(LastComponentOf, {{u"X:\\a\\b\\", u"b"}, {u"X:\\a\\b.txt", u"b.txt"}, {u"plain", u""}});
}

TEST(PathText, WithoutDrive)
{
    ExpectAll(WithoutDrivePrefix, {{u"X:\\a\\b.txt", u"a\\b.txt"}, {u"X:\\", u""}, {u"X:", u""}});
}

}  // namespace
