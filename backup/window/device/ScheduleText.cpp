#include "backup/window/device/ScheduleText.h"

#include "backup/base/Language.h"
#include "backup/window/frame/MainWin.h"

#include <array>

std::u16string FormatScheduleDay(const TMainForm& form, const std::u16string& line)
{
    if (line.empty()) {
        return {};
    }
    if (line[0] == u'1') {
        static constexpr std::array<int, 8> kWeekdayText = {20095, 20089, 20090, 20091, 20092, 20093, 20094, 20088};
        const char16_t digit = line.size() > 1 ? line[1] : u' ';
        if (digit < u'0' || digit > u'7') {
            return {};
        }
        return LookupText(*form.LangTable, kWeekdayText[digit - u'0']);
    }
    const auto part = [&line](std::size_t from, std::size_t count) {
        return from < line.size() ? line.substr(from, count) : std::u16string();
    };
    return part(1, 4) + u" / " + part(5, 2) + u" / " + part(7, 2);
}

std::u16string FormatScheduleTime(const TMainForm&, const std::u16string& line)
{
    if (line.size() < 5) {
        return {};
    }
    const std::u16string time = line.substr(line.size() - 5, 4);
    return time.substr(0, 2) + u":" + time.substr(2);
}

std::u16string FormatEntryFunction(const TMainForm& form, const std::u16string& function)
{
    if (function == u"0") {
        return form.Menu_Bac_EasyBtn_Lab->Caption();
    }
    if (function == u"1") {
        return form.Menu_Bac_ManualBtn_Lab->Caption();
    }
    return {};
}
