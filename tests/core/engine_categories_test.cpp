#include "backup/engine/Categories.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

struct CategoryCase {
    const char16_t* path;
    int category;
};

TEST(Categories, ByTheExactTailOfThePath)
{
    const CategoryCase cases[] = {
        {u"D:\\x\\Report.DOC", CATEGORY_DOCUMENT},
        {u"D:\\x\\report.doc", CATEGORY_DOCUMENT},
        {u"D:\\x\\Report.Doc", CATEGORY_OTHER},
        {u"D:\\x\\song.wma", CATEGORY_AUDIO},
        {u"D:\\x\\clip.mp4", CATEGORY_AUDIO},
        {u"D:\\x\\movie.dat", CATEGORY_VIDEO},
        {u"D:\\x\\movie.WMV", CATEGORY_VIDEO},
        {u"D:\\x\\page.html", CATEGORY_DOCUMENT},
        {u"D:\\x\\page.HTML", CATEGORY_DOCUMENT},
        {u"D:\\x\\page.Html", CATEGORY_OTHER},
        {u"D:\\x\\book.xl", CATEGORY_DOCUMENT},
        {u"D:\\x\\sound.au", CATEGORY_AUDIO},
        {u"D:\\x\\sound.AU", CATEGORY_AUDIO},
        {u"D:\\x\\sound.Au", CATEGORY_OTHER},
        {u"D:\\x\\archive.mbox", CATEGORY_MAIL},
        {u"D:\\x\\old.pst", CATEGORY_MAIL},
        {u"D:\\x\\photo.jpeg", CATEGORY_PICTURE},
        {u"D:\\x\\photo.JPG", CATEGORY_PICTURE},
        {u"D:\\x\\setup.exe", CATEGORY_OTHER},
        {u"D:\\x\\noextension", CATEGORY_OTHER},
        {u"ab", CATEGORY_OTHER},
        {u"", CATEGORY_OTHER},
        {u"D:\\x\\file.tar.doc", CATEGORY_DOCUMENT},
        {u"D:\\x\\b.docx", CATEGORY_DOCUMENT},
        {u"D:\\x\\w.WK4", CATEGORY_DOCUMENT},
        {u"D:\\x\\v.M2V", CATEGORY_VIDEO},
        {u"D:\\x\\docx", CATEGORY_OTHER},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CategoryOfPath(c.path), c.category) << platform::ToUtf8(c.path);
    }
}

}  // namespace
