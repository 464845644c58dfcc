#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"

#include <gtest/gtest.h>

namespace {

lists::TStringList Table(std::initializer_list<const char16_t*> lines)
{
    lists::TStringList table;
    for (const char16_t* line : lines) {
        table.Add(line);
    }
    return table;
}

TEST(LanguageText, LookupFindsTheFirstLineOfAnId)
{
    const lists::TStringList table = Table(
        {u"20001\tEnglish", u"2000", u"20004\tOK", u"20004\tSecond", u"20009\t", u"x0010\tBroken", u"20011\tEnds "});
    struct Case {
        int id;
        std::u16string expected;
    };
    const Case cases[] = {{20004, u"OK"}, {20001, u"English"}, {2000, u""}, {20009, u""},
                          {20010, u""},   {20011, u"Ends "},   {29999, u""}};
    for (const Case& c : cases) {
        EXPECT_EQ(LookupText(table, c.id), c.expected) << c.id;
    }
}

TEST(LanguageText, FormattersFillPlaceholdersWithoutPrintf)
{
    EXPECT_EQ(FormatText1(u"About %s", u"Harbex Solo+"), u"About Harbex Solo+");
    EXPECT_EQ(FormatText1(u"%s didn't quit.  %d%%", u"A"), u"A didn't quit.  %");
    EXPECT_EQ(FormatText1Sized(u"Quit %s", std::u16string(400, u'x')).size(), 405u);
    EXPECT_EQ(FormatText1(u"Quit %s", std::u16string(400, u'x')).size(), 259u);

    struct Case {
        std::int64_t h, m, s;
        const char16_t* format;
        std::u16string expected;
    };
    const Case cases[] = {
        {1, 2, 3, u"%I64d hours %I64d minutes %I64d seconds remaining.", u"1 hours 2 minutes 3 seconds remaining."},
        {0, 4, 5, u"%I64d minutes %I64d seconds remaining", u"4 minutes 5 seconds remaining"},
        {0, 0, 5, u"%I64d seconds remaining", u"5 seconds remaining"},
        {-1, 0, 7, u"%I64d seconds remaining", u"7 seconds remaining"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatHoursMinutesSeconds(c.format, c.h, c.m, c.s), c.expected) << c.h << c.m << c.s;
    }
}

TEST(LanguageText, VersionCharsetAndHelpCode)
{
    EXPECT_EQ(FormatVersionNumber(20028), u"2.00.28");
    EXPECT_EQ(FormatVersionNumber(20500), u"2.05.00");
    struct Case {
        int langId;
        BYTE charset;
        std::u16string code;
    };
    const Case cases[] = {
        {1033, 1, u"ENG"}, {2052, 134, u"CHS"}, {1028, 1, u"CHT"}, {1041, 128, u"JPN"}, {1025, 1, u"ENG"}};
    for (const Case& c : cases) {
        EXPECT_EQ(CharsetOfLanguage(c.langId), c.charset) << c.langId;
        EXPECT_EQ(LanguageCode3(c.langId), c.code) << c.langId;
    }
}

TEST(LanguageText, DecimalParsing)
{
    EXPECT_EQ(ParseDecimal(u"2052"), 2052);
    EXPECT_EQ(ParseDecimal(u"  -7"), -7);
    EXPECT_EQ(ParseDecimal(u"12a"), std::nullopt);
    EXPECT_EQ(ParseDecimal(u""), std::nullopt);
    EXPECT_EQ(ParseDecimal(u"99999999999999999999"), std::nullopt);
}

}  // namespace
