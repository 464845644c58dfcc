#include "backup/base/Language.h"

#include "backup/base/TextFormat.h"

namespace {

constexpr std::size_t kFormatBufferCharacters = 259;

}  // namespace

std::u16string LookupText(const lists::TStringList& table, int id)
{
    for (const std::u16string& line : table.Lines()) {
        const std::u16string_view view(line);
        if (ParseDecimal(view.substr(0, 5)) == id) {
            return line.size() > 6 ? line.substr(6) : std::u16string();
        }
    }
    return {};
}

std::u16string FormatText1(std::u16string_view format, std::u16string_view text)
{
    std::u16string filled = FormatText1Sized(format, text);
    if (filled.size() > kFormatBufferCharacters) {
        filled.resize(kFormatBufferCharacters);
    }
    return filled;
}

std::u16string FormatText1Sized(std::u16string_view format, std::u16string_view text)
{
    return FormatText(format, {text});
}

std::u16string FormatHoursMinutesSeconds(std::u16string_view format, std::int64_t hours, std::int64_t minutes,
                                         std::int64_t seconds)
{
    std::u16string filled;
    if (hours > 0) {
        filled = FormatText(format, {hours, minutes, seconds});
    } else if (minutes > 0) {
        filled = FormatText(format, {minutes, seconds});
    } else {
        filled = FormatText(format, {seconds});
    }
    if (filled.size() > kFormatBufferCharacters) {
        filled.resize(kFormatBufferCharacters);
    }
    return filled;
}

std::u16string FormatVersionNumber(int n)
{
    const std::u16string digits = DecimalText(n);
    if (digits.size() < 4) {
        return DecimalText(n / 10000);
    }
    return DecimalText(n / 10000) + u"." + digits.substr(digits.size() - 4, 2) + u"." +
           digits.substr(digits.size() - 2);
}

BYTE CharsetOfLanguage(int langId)
{
    switch (langId) {
    case 1041:
        return 128;
    case 2052:
        return 134;
    default:
        return 1;
    }
}

std::u16string LanguageCode3(int langId)
{
    switch (langId) {
    case 1028:
        return u"CHT";
    case 1041:
        return u"JPN";
    case 2052:
        return u"CHS";
    default:
        return u"ENG";
    }
}
