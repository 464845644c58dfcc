#include "platform/clock.h"
#include "platform/text.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Text, Utf8RoundTripKeepsEveryPlane)
{
    const std::u16string text = u"Caf\u00e9 \u5907\u4efd \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(FromUtf8("a\xff"
                       "b"),
              u"a\uFFFD"
              u"b");
    EXPECT_EQ(FromUtf8("\xe4\xb8"), u"\uFFFD\uFFFD");
}

TEST(Text, HostNamesConvertWithoutLossBothWays)
{
    struct Case {
        std::string host;
        std::u16string windows;
    };
    const Case cases[] = {
        {"plain.txt", u"plain.txt"},
        {"caf\xc3\xa9 \xf0\x9f\x98\x80", u"caf\u00e9 \U0001F600"},
        {"report\xfe.doc", u"report\xdcfe.doc"},
        {"report\xff.doc", u"report\xdcff.doc"},
        {"cut\xe4\xb8", u"cut\xdce4\xdcb8"},
        // Overlong forms and encoded surrogates are not UTF-8: each byte keeps its own unit.
        {"\xc0\xaf", u"\xdcc0\xdcaf"},
        {"\xed\xb2\x80", u"\xdced\xdcb2\xdc80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FromHostName(c.host), c.windows) << c.host;
        std::string back;
        EXPECT_TRUE(ToHostName(c.windows, back)) << c.host;
        EXPECT_EQ(back, c.host);
    }
    // Names that no host name gives are refused, so that two names never map to one.
    for (const std::u16string& name :
         {std::u16string(u"\xdcc3\xdca9"), std::u16string(u"a\xd800"), std::u16string(u"\xdc41")}) {
        std::string out = "kept";
        EXPECT_FALSE(ToHostName(name, out));
        EXPECT_EQ(out, "kept");
    }
}

// Each character a Linux name may hold and a Windows name cannot has a private-use form: on a
// drive that holds the characters themselves (AsIs) and on one that refuses them (PrivateUse).
TEST(Text, ReservedCharactersOfHostNamesMapToPrivateUseAndBack)
{
    using enum ReservedChars;
    struct Case {
        std::string host;
        std::u16string windows;
        ReservedChars reserved;
    };
    const Case cases[] = {
        {"a\\b", u"a\uF05Cb", AsIs},
        {"a:b", u"a\uF03Ab", AsIs},
        {"a*b", u"a\uF02Ab", AsIs},
        {"a?b", u"a\uF03Fb", AsIs},
        {"a\"b", u"a\uF022b", AsIs},
        {"a<b", u"a\uF03Cb", AsIs},
        {"a>b", u"a\uF03Eb", AsIs},
        {"a|b", u"a\uF07Cb", AsIs},
        {"\\:*?\"<>|", u"\uF05C\uF03A\uF02A\uF03F\uF022\uF03C\uF03E\uF07C", AsIs},
        {"Meeting 10:30 caf\xc3\xa9\xff?.txt", u"Meeting 10\uF03A30 caf\u00e9\xdcff\uF03F.txt", AsIs},
        // A name holding a private-use form itself keeps its bytes, so it never meets "a:b".
        {"a\xef\x80\xba"
         "b",
         u"a\xdcef\xdc80\xdcba"
         u"b",
         AsIs},
        // Private-use characters that stand for no reserved one are plain text.
        {"a\xef\x80\xa1"
         "b",
         u"a\uF021b", AsIs},
        {"a\xef\x80\xba"
         "b",
         u"a\uF03Ab", PrivateUse},
        {"\xef\x81\x9c\xef\x80\xaa", u"\uF05C\uF02A", PrivateUse},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FromHostName(c.host, c.reserved), c.windows) << c.host;
        std::string back;
        EXPECT_TRUE(ToHostName(c.windows, back, c.reserved)) << c.host;
        EXPECT_EQ(back, c.host);
    }
    // Where the forms stand for the characters, bytes that spell a form would make two names meet.
    std::string out = "kept";
    EXPECT_FALSE(ToHostName(u"a\xdcef\xdc80\xdcba"
                            u"b",
                            out, PrivateUse));
    EXPECT_EQ(out, "kept");
    // The reserved characters themselves are no Windows name's: "a:b" would meet "a\uF03Ab".
    for (const std::u16string name : {u"a:b", u"C:\\Data", u"what?", u"\uF03A|"}) {
        EXPECT_FALSE(ToHostName(name, out)) << ToUtf8(name);
        EXPECT_EQ(out, "kept");
    }
}

TEST(Text, AnsiIsWindows1252)
{
    EXPECT_EQ(ToAnsi(u"\u20ac\u00e9\u4e00"), "\x80\xe9?");
    EXPECT_EQ(FromAnsi("\x80\xe9"), u"\u20ac\u00e9");
}

TEST(Text, UpperCaseAsFileNamesCompare)
{
    EXPECT_EQ(UpperCase(u"abc\u00e9\u00ff\u0432z1"), u"ABC\u00c9\u0178\u0412Z1");
    EXPECT_TRUE(EqualNoCase(u"Documents", u"DOCUMENTS"));
    EXPECT_FALSE(EqualNoCase(u"Documents", u"Document"));
}

TEST(Clock, TickCountWrapsAt32Bits)
{
    FakeClock clock(133000000000000000ull, 0, 0xFFFFFFFFull - 10);
    SetClock(&clock);
    const DWORD before = GetTickCount();
    clock.Advance(20);
    const DWORD after = GetTickCount();
    SetClock(nullptr);
    EXPECT_LT(after, before);
    EXPECT_EQ(static_cast<DWORD>(after - before), 20u);
}

TEST(Clock, LocalTimeFollowsTheFakeClockAndItsOffset)
{
    ScopedFakeClock fake(0, 120);
    fake.clock().SetLocalTime(SYSTEMTIME{2026, 12, 0, 10, 23, 59, 58, 500});
    fake.clock().Advance(2000);
    SYSTEMTIME local{};
    GetLocalTime(&local);
    EXPECT_EQ(local.wYear, 2026);
    EXPECT_EQ(local.wMonth, 12);
    EXPECT_EQ(local.wDay, 11);
    EXPECT_EQ(local.wHour, 0);
    EXPECT_EQ(local.wSecond, 0);
    EXPECT_EQ(local.wMilliseconds, 500);
    EXPECT_EQ(local.wDayOfWeek, 5);  // a Friday
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    EXPECT_EQ(utc.wHour, 22);
}
