#pragma once
// Filling the placeholders of language texts. Language texts are data, never printf formats: "%s"
// takes the next text argument, "%d", "%i", "%u", "%lu" and "%I64d" the next number, "%%" a "%".
// Any other "%" is copied as it stands, and a placeholder without an argument left becomes empty.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

using FormatArg = std::variant<std::u16string_view, std::int64_t>;

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args);

std::u16string DecimalText(std::int64_t value);
// Blanks before an optional sign and at least one digit, nothing after; nullopt otherwise or on
// overflow.
std::optional<std::int64_t> ParseDecimal(std::u16string_view text);
