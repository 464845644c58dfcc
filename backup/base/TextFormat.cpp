#include "backup/base/TextFormat.h"

#include <array>
#include <limits>

namespace {

constexpr std::array<std::u16string_view, 5> kNumberPlaceholders = {u"%I64d", u"%lu", u"%d", u"%i", u"%u"};

}  // namespace

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args)
{
    std::u16string text;
    auto next = args.begin();
    auto take = [&]() -> const FormatArg* { return next == args.end() ? nullptr : &*next++; };
    std::size_t at = 0;
    while (at < format.size()) {
        const std::u16string_view rest = format.substr(at);
        if (rest.starts_with(u"%%")) {
            text.push_back(u'%');
            at += 2;
            continue;
        }
        if (rest.starts_with(u"%s")) {
            if (const FormatArg* arg = take()) {
                if (const auto* s = std::get_if<std::u16string_view>(arg)) {
                    text += *s;
                } else {
                    text += DecimalText(std::get<std::int64_t>(*arg));
                }
            }
            at += 2;
            continue;
        }
        bool filled = false;
        for (std::u16string_view placeholder : kNumberPlaceholders) {
            if (rest.starts_with(placeholder)) {
                if (const FormatArg* arg = take()) {
                    if (const auto* n = std::get_if<std::int64_t>(arg)) {
                        text += DecimalText(*n);
                    } else {
                        text += std::get<std::u16string_view>(*arg);
                    }
                }
                at += placeholder.size();
                filled = true;
                break;
            }
        }
        if (!filled) {
            text.push_back(format[at++]);
        }
    }
    return text;
}

std::u16string DecimalText(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::optional<std::int64_t> ParseDecimal(std::u16string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == u' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        negative = text[at] == u'-';
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    for (; at < text.size(); ++at) {
        const char16_t c = text[at];
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - u'0');
        if (magnitude > (limit - digit) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
    }
    return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}
