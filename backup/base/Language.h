#pragma once
// Language tables: lines of a five-digit text id, a tab and the text. Lookup, the formatters of
// the texts, and what each language implies (font charset, help-file code).

#include "lists/string_list.h"
#include "platform/win_types.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kRtlLangId = 1025;

// The text of the first line whose first five characters read as the id; empty when none does.
std::u16string LookupText(const lists::TStringList& table, int id);

// The format with its one "%s" filled; cut to 259 characters.
std::u16string FormatText1(std::u16string_view format, std::u16string_view text);
// The same without a length limit.
std::u16string FormatText1Sized(std::u16string_view format, std::u16string_view text);
// Hours, minutes and seconds when hours > 0, else minutes and seconds when minutes > 0, else the
// seconds alone, each into the next "%I64d" of the format.
std::u16string FormatHoursMinutesSeconds(std::u16string_view format, std::int64_t hours, std::int64_t minutes,
                                         std::int64_t seconds);
// n / 10000, ".", the third- and second-last digit pair of n, "."; 20028 gives "2.00.28".
std::u16string FormatVersionNumber(int n);

// The program's fixed version number.
inline constexpr int kProgramVersion = 20028;

BYTE CharsetOfLanguage(int langId);
std::u16string LanguageCode3(int langId);
