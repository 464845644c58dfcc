#include "ui/gfx/font.h"
#include "ui/gfx/painter.h"
#include "ui/gfx/text_layout.h"

#include <gtest/gtest.h>

using namespace ui::gfx;

namespace {

class FixedMetrics : public ::testing::Test {
protected:
    void SetUp() override { UseFixedMetrics(true); }
    void TearDown() override { UseFixedMetrics(false); }
};

std::vector<std::u16string> Lines(const TextBlock& block)
{
    std::vector<std::u16string> out;
    for (const TextLine& l : block.lines)
        out.push_back(l.text);
    return out;
}

}  // namespace

TEST(GfxFont, HeightAndPointsConvertAsTheClassLibrary)
{
    EXPECT_EQ(HeightFromPoints(8), -11);
    EXPECT_EQ(HeightFromPoints(9), -12);
    EXPECT_EQ(HeightFromPoints(12), -16);
    EXPECT_EQ(PointsFromHeight(-11), 8);
    EXPECT_EQ(PointsFromHeight(-16), 12);
    EXPECT_EQ(PointsFromHeight(16), -12);
}

TEST_F(FixedMetrics, MeasuresSevenByThirteenForHeightMinusEleven)
{
    FontSpec font;
    EXPECT_EQ(MeasureText(font, u"abc"), (ui::Size{21, 13}));
    font.height = 16;  // a cell height is the line height itself
    EXPECT_EQ(MeasureText(font, u"ab").cy, 16);
    font.height = -22;
    EXPECT_EQ(MeasureText(font, u"ab"), (ui::Size{28, 26}));
}

TEST_F(FixedMetrics, LayoutBreaksAlignsAndEllipsizes)
{
    FontSpec font;  // 7 x 13
    struct Case {
        const char* name;
        std::u16string text;
        int width;
        TextFlags flags;
        std::vector<std::u16string> lines;
        int firstX;
    };
    const Case cases[] = {
        {"wrap at spaces", u"aaa bbb ccc", 50, TextFlags::WordWrap, {u"aaa bbb", u"ccc"}, 0},
        {"a spaced question mark keeps its word", u"aaa bbb ?", 50, TextFlags::WordWrap, {u"aaa", u"bbb ?"}, 0},
        {"long word overflows", u"aaaaaaaaaa b", 30, TextFlags::WordWrap, {u"aaaaaaaaaa", u"b"}, 0},
        {"explicit breaks", u"a\r\nb\nc", 100, TextFlags::Left, {u"a", u"b", u"c"}, 0},
        {"single line drops breaks", u"a\r\nb", 100, TextFlags::SingleLine, {u"ab"}, 0},
        {"a closing ideographic mark keeps the ideograph before it",
         u"\u4e2d\u6587\u5b57\u3002",
         21,
         TextFlags::WordWrap,
         {u"\u4e2d\u6587", u"\u5b57\u3002"},
         0},
        {"cjk breaks between ideographs",
         u"\u4e2d\u6587\u5b57\u7b26",
         15,
         TextFlags::WordWrap,
         {u"\u4e2d\u6587", u"\u5b57\u7b26"},
         0},
        {"centre", u"ab", 20, TextFlags::Center, {u"ab"}, 3},
        {"right", u"ab", 20, TextFlags::Right, {u"ab"}, 6},
        {"ellipsis", u"abcdefgh", 40, TextFlags::SingleLine | TextFlags::EndEllipsis, {u"ab..."}, 0},
        {"fits without ellipsis", u"abcde", 35, TextFlags::EndEllipsis, {u"abcde"}, 0},
        {"a path keeps its start and its name",
         u"C:\\aaaa\\bbbb\\name.txt",
         105,
         TextFlags::PathEllipsis,
         {u"C:\\...\\name.txt"},
         0},
        {"a name wider than the room keeps its own start",
         u"C:\\dir\\averylongname.txt",
         70,
         TextFlags::PathEllipsis,
         {u"...\\ave..."},
         0},
        {"a path that fits stays whole", u"C:\\a\\b.txt", 70, TextFlags::PathEllipsis, {u"C:\\a\\b.txt"}, 0},
        {"a text without folders ends in the ellipsis", u"abcdefgh", 40, TextFlags::PathEllipsis, {u"ab..."}, 0},
    };
    for (const Case& c : cases) {
        TextBlock block = LayOutText(font, c.text, c.width, 100, c.flags);
        EXPECT_EQ(Lines(block), c.lines) << c.name;
        EXPECT_EQ(block.lines.front().x, c.firstX) << c.name;
    }
}

TEST_F(FixedMetrics, VerticalPlacementAndBlockSize)
{
    FontSpec font;
    EXPECT_EQ(LayOutText(font, u"a", 50, 33, TextFlags::VCenter).top, 10);
    EXPECT_EQ(LayOutText(font, u"a", 50, 33, TextFlags::Bottom).top, 20);
    EXPECT_EQ(MeasureTextBlock(font, u"aaa bbb ccc", 50, TextFlags::WordWrap), (ui::Size{49, 26}));
    EXPECT_EQ(MeasureTextBlock(font, u"", 50, TextFlags::WordWrap), (ui::Size{0, 13}));
}

TEST(GfxText, DisplayOrderOfMixedDirections)
{
    // Hebrew letters alef, bet, gimel stand for any right-to-left script.
    struct Case {
        std::u16string logical;
        bool rtl;
        std::u16string display;
    };
    const Case cases[] = {
        {u"abc", false, u"abc"},
        {u"\u05d0\u05d1\u05d2", false, u"\u05d2\u05d1\u05d0"},
        {u"ab \u05d0\u05d1 cd", false, u"ab \u05d1\u05d0 cd"},
        {u"ab cd", true, u"ab cd"},
        {u"\u05d0 ab cd \u05d1", true, u"\u05d1 ab cd \u05d0"},
        {u"\u05d0(\u05d1)", true, u"(\u05d1)\u05d0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToDisplayOrder(c.logical, c.rtl), c.display);
}

TEST(GfxFreeType, ArialResolvesToItsMetricTwin)
{
    FontSpec arial;
    EXPECT_EQ(ResolvedFamily(arial, U'A'), "Liberation Sans");
    FontMetrics m = CurrentTextMeasure().Metrics(arial);
    EXPECT_GE(m.lineHeight, 12);
    EXPECT_LE(m.lineHeight, 14);
    int width = MeasureText(arial, u"Hello world").cx;
    EXPECT_GT(width, 40);
    EXPECT_LT(width, 80);
    FontSpec bold = arial;
    bold.bold = true;
    EXPECT_GT(MeasureText(bold, u"Hello world").cx, width);
    EXPECT_EQ(MeasureText(arial, u"Hello world").cx, width);  // cached answer is the same
}

TEST(GfxFreeType, CjkTextAndCharsetsGetACjkFace)
{
    struct Case {
        int charset;
        char32_t ch;
    };
    const Case cases[] = {
        {kCharsetDefault, U'\u4e2d'},
        {kCharsetGb2312, U'A'},
        {kCharsetBig5, U'A'},
        {kCharsetShiftJis, U'\u3042'},
    };
    for (const Case& c : cases) {
        FontSpec font;
        font.charset = c.charset;
        EXPECT_NE(ResolvedFamily(font, c.ch).find("CJK"), std::string::npos) << c.charset;
    }
    FontSpec arial;
    EXPECT_GT(MeasureText(arial, u"\u4e2d\u6587").cx, 15);
}

TEST(GfxFreeType, NameCharactersCarriedInThePrivateUseAreaAreDrawnAsThemselves)
{
    FontSpec arial;
    EXPECT_EQ(MeasureText(arial, u"Meeting 10\uF03A30 What\uF03F").cx, MeasureText(arial, u"Meeting 10:30 What?").cx);
    Bitmap carried(80, 16, 0xFFFFFFFF);
    Bitmap plain(80, 16, 0xFFFFFFFF);
    Painter(carried).DrawText(carried.Bounds(), u"a\uF03Ab\uF07Cc", arial, TextFlags::Left);
    Painter(plain).DrawText(plain.Bounds(), u"a:b|c", arial, TextFlags::Left);
    EXPECT_TRUE(carried == plain);
}

TEST(GfxFreeType, MissingFontFallsBackAndSaysSoOnce)
{
    // A missing font is named once in a process's life: each run of the test asks for another.
    static int run = 0;
    const std::string name = "No Such Font Here " + std::to_string(++run);
    FontSpec missing;
    missing.name = std::u16string(name.begin(), name.end());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(ResolvedFamily(missing, U'A').empty());
    missing.height = -20;
    EXPECT_GT(MeasureText(missing, u"abc").cx, 0);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(name), std::string::npos);
    EXPECT_EQ(said.find(name), said.rfind(name));
}
