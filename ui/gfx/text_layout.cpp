#include "ui/gfx/text_layout.h"

#include "ui/gfx/utf16.h"

#include <algorithm>

namespace ui::gfx {

namespace {

constexpr std::u16string_view kEllipsis = u"...";

std::vector<std::u16string_view> SplitParagraphs(std::u16string_view text)
{
    std::vector<std::u16string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        out.push_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    out.push_back(text.substr(start));
    return out;
}

std::u16string WithoutLineBreaks(std::u16string_view text)
{
    std::u16string out;
    for (char16_t c : text) {
        if (c != u'\r' && c != u'\n')
            out.push_back(c);
    }
    return out;
}

class LineBreaker {
public:
    LineBreaker(TextMeasure& engine, const FontSpec& font, std::u16string_view text)
        : engine_(engine), font_(font), text_(text), advances_(text.size(), 0)
    {
        for (std::size_t i = 0; i < text.size();) {
            std::size_t next = i;
            NextCodePoint(text, next);
            advances_[i] = engine.Width(font, text.substr(i, next - i));
            i = next;
        }
    }

    int Width(std::size_t begin, std::size_t end) const
    {
        int w = 0;
        for (std::size_t i = begin; i < end; ++i)
            w += advances_[i];
        return w;
    }

    // Greedy breaking at spaces and around CJK characters; a word wider than maxWidth overflows.
    std::vector<std::u16string_view> Wrap(int maxWidth) const
    {
        std::vector<std::u16string_view> lines;
        std::size_t start = 0;
        const std::size_t n = text_.size();
        while (true) {
            std::size_t end = 0;
            std::size_t resume = 0;
            if (!FindBreak(start, maxWidth, end, resume)) {
                lines.push_back(text_.substr(start));
                return lines;
            }
            lines.push_back(text_.substr(start, end - start));
            start = resume;
            if (start >= n)
                return lines;
        }
    }

    std::u16string Ellipsize(std::u16string_view line, int maxWidth) const
    {
        const int budget = maxWidth - engine_.Width(font_, kEllipsis);
        return std::u16string(line.substr(0, FittingPrefix(line, budget))) + std::u16string(kEllipsis);
    }

    // The start of the path and its last part around "...": the file's name stays readable, and a
    // name too long for the room keeps its own start.
    std::u16string ElidePath(std::u16string_view line, int maxWidth) const
    {
        const std::size_t slash = line.rfind(u'\\');
        if (slash == std::u16string_view::npos) {
            return Ellipsize(line, maxWidth);
        }
        const std::u16string_view name = line.substr(slash);
        const int room = maxWidth - engine_.Width(font_, kEllipsis);
        const std::size_t nameBegin = Offset(name);
        const int nameWidth = Width(nameBegin, nameBegin + name.size());
        if (nameWidth > room) {
            return std::u16string(kEllipsis) + Ellipsize(name, room);
        }
        return std::u16string(line.substr(0, FittingPrefix(line, room - nameWidth))) + std::u16string(kEllipsis) +
               std::u16string(name);
    }

private:
    std::size_t Offset(std::u16string_view part) const { return static_cast<std::size_t>(part.data() - text_.data()); }

    // How many code units of the part's start fit in budget pixels, whole code points only.
    std::size_t FittingPrefix(std::u16string_view part, int budget) const
    {
        const std::size_t offset = Offset(part);
        std::size_t keep = 0;
        int width = 0;
        for (std::size_t i = 0; i < part.size();) {
            std::size_t next = i;
            NextCodePoint(part, next);
            const int w = advances_[offset + i];
            if (width + w > budget)
                break;
            width += w;
            i = next;
            keep = i;
        }
        return keep;
    }

    // Marks that never begin a line: they stay with what they close ("files ?", "...ください。").
    static bool ClosesText(char16_t c)
    {
        return std::u16string_view(u"?!:;)\u3001\u3002\uff0c\uff0e\u300d\u300f\uff09\uff01\uff1f\uff1a\uff1b")
                   .find(c) != std::u16string_view::npos;
    }

    bool FindBreak(std::size_t start, int maxWidth, std::size_t& end, std::size_t& resume) const
    {
        std::size_t breakEnd = std::u16string_view::npos;
        std::size_t breakResume = 0;
        int width = 0;
        for (std::size_t i = start; i < text_.size();) {
            if (text_[i] == u' ') {
                std::size_t j = i;
                while (j < text_.size() && text_[j] == u' ')
                    width += advances_[j++];
                // A mark written after a space ("files ?") stays with the word before it.
                if (i > start && !(j < text_.size() && ClosesText(text_[j]))) {
                    breakEnd = i;
                    breakResume = j;
                }
                i = j;
                continue;
            }
            std::size_t next = i;
            bool cjk = IsCjk(NextCodePoint(text_, next));
            if (cjk && i > start && !ClosesText(text_[i])) {
                breakEnd = i;
                breakResume = i;
            }
            if (width + advances_[i] > maxWidth && breakEnd != std::u16string_view::npos) {
                end = breakEnd;
                resume = breakResume;
                return true;
            }
            width += advances_[i];
            i = next;
        }
        return false;
    }

    TextMeasure& engine_;
    const FontSpec& font_;
    std::u16string_view text_;
    std::vector<int> advances_;
};

}  // namespace

Size TextBlock::Extent() const
{
    int width = 0;
    for (const TextLine& line : lines)
        width = std::max(width, line.width);
    return Size{width, static_cast<int>(lines.size()) * metrics.lineHeight};
}

TextBlock LayOutText(const FontSpec& font, std::u16string_view text, int maxWidth, int maxHeight, TextFlags flags)
{
    maxWidth = std::max(maxWidth, 0);
    maxHeight = std::max(maxHeight, 0);
    TextMeasure& engine = CurrentTextMeasure();
    TextBlock block;
    block.metrics = engine.Metrics(font);

    std::u16string single;
    std::vector<std::u16string_view> paragraphs;
    if (HasFlag(flags, TextFlags::SingleLine)) {
        single = WithoutLineBreaks(text);
        paragraphs.push_back(single);
    } else {
        paragraphs = SplitParagraphs(text);
    }

    for (std::u16string_view paragraph : paragraphs) {
        LineBreaker breaker(engine, font, paragraph);
        std::vector<std::u16string_view> segments;
        if (HasFlag(flags, TextFlags::WordWrap) && !HasFlag(flags, TextFlags::SingleLine))
            segments = breaker.Wrap(maxWidth);
        else
            segments.push_back(paragraph);
        for (std::u16string_view segment : segments) {
            std::size_t begin = static_cast<std::size_t>(segment.data() - paragraph.data());
            int width = breaker.Width(begin, begin + segment.size());
            std::u16string logical(segment);
            if (HasFlag(flags, TextFlags::PathEllipsis) && width > maxWidth)
                logical = breaker.ElidePath(segment, maxWidth);
            else if (HasFlag(flags, TextFlags::EndEllipsis) && width > maxWidth)
                logical = breaker.Ellipsize(segment, maxWidth);
            TextLine line;
            line.text = ToDisplayOrder(logical, HasFlag(flags, TextFlags::RtlReading));
            line.width = engine.Width(font, line.text);
            if (HasFlag(flags, TextFlags::Right))
                line.x = maxWidth - line.width;
            else if (HasFlag(flags, TextFlags::Center))
                line.x = (maxWidth - line.width) / 2;
            block.lines.push_back(std::move(line));
        }
    }

    int height = block.Extent().cy;
    if (HasFlag(flags, TextFlags::Bottom))
        block.top = maxHeight - height;
    else if (HasFlag(flags, TextFlags::VCenter))
        block.top = (maxHeight - height) / 2;
    return block;
}

Size MeasureTextBlock(const FontSpec& font, std::u16string_view text, int maxWidth, TextFlags flags)
{
    return LayOutText(font, text, maxWidth, 0, flags).Extent();
}

}  // namespace ui::gfx
