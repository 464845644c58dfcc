#include "lists/string_list.h"

#include <gtest/gtest.h>

using lists::TStringList;

TEST(StringList, FileFormatByteForByte)
{
    struct Case {
        const char* what;
        std::vector<std::u16string> lines;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty list: the mark only", {}, std::string("\xFF\xFE", 2)},
        {"one line",
         {u"A"},
         std::string("\xFF\xFE"
                     "A\0\r\0\n\0",
                     8)},
        {"empty line kept", {u"", u"\u00E9"}, std::string("\xFF\xFE\r\0\n\0\xE9\0\r\0\n\0", 12)},
    };
    for (const Case& c : cases) {
        TStringList list;
        for (const auto& l : c.lines) {
            list.Add(l);
        }
        EXPECT_EQ(list.Encode(), c.bytes) << c.what;
        TStringList back;
        back.Decode(c.bytes);
        EXPECT_EQ(back.Lines(), c.lines) << c.what;
    }
}

TEST(StringList, ReadsFilesWithoutMarkOrWithBareLineFeeds)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {"no mark", std::string("a\0\r\0\n\0b\0", 8), {u"a", u"b"}},
        {"LF only, last line unterminated",
         std::string("\xFF\xFE"
                     "a\0\n\0b\0",
                     8),
         {u"a", u"b"}},
        {"no phantom last line",
         std::string("\xFF\xFE"
                     "a\0\n\0",
                     6),
         {u"a"}},
        {"odd trailing byte ignored",
         std::string("\xFF\xFE"
                     "a\0b",
                     5),
         {u"a"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Decode(c.bytes);
        EXPECT_EQ(list.Lines(), c.lines) << c.what;
    }
}

TEST(StringList, EditingOperations)
{
    TStringList list;
    list.Add(u"b");
    list.Insert(0, u"a");
    list.Add(u"c");
    list.Delete(1);
    list.SetStrings(1, u"z");
    list.Delete(7);
    EXPECT_EQ(list.Lines(), (std::vector<std::u16string>{u"a", u"z"}));
    EXPECT_EQ(list.IndexOf(u"z"), 1);
    EXPECT_EQ(list.IndexOf(u"Z"), -1);
    EXPECT_EQ(list.Strings(5), u"");
    EXPECT_EQ(list.Text(), u"a\r\nz\r\n");
}
