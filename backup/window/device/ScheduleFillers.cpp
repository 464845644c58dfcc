#include "backup/window/device/ScheduleFillers.h"

#include "backup/window/device/ScheduleText.h"

namespace {

std::u16string TwoDigits(int value)
{
    return std::u16string{static_cast<char16_t>(u'0' + value / 10), static_cast<char16_t>(u'0' + value % 10)};
}

void FillNumbers(TComboBox* combo, TEdit* edit, int first, int last)
{
    combo->Items().Clear();
    for (int value = first; value <= last; ++value) {
        combo->Items().Add(TwoDigits(value));
    }
    combo->SetItemIndex(0);
    edit->SetText(combo->Items().Strings(0));
}

int DaysInMonth(int month)
{
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

}  // namespace

void FillMonthCombo(TComboBox* combo, TEdit* edit)
{
    FillNumbers(combo, edit, 1, 12);
}

void FillDayOfMonthCombo(TComboBox* combo, TEdit* edit, int month)
{
    if (month < 1 || month > 12) {
        combo->Items().Clear();
        return;
    }
    FillNumbers(combo, edit, 1, DaysInMonth(month));
}

void FillHourCombo(TComboBox* combo, TEdit* edit)
{
    FillNumbers(combo, edit, 0, 23);
}

void FillMinuteCombo(TComboBox* combo, TEdit* edit)
{
    FillNumbers(combo, edit, 0, 59);
}

void FillWeekdayCombo(const TMainForm& form, TComboBox* combo, TEdit* edit)
{
    combo->Items().Clear();
    for (char16_t digit = u'0'; digit <= u'7'; ++digit) {
        combo->Items().Add(FormatScheduleDay(form, std::u16string{u'1', digit}));
    }
    const int last = combo->Items().Count() - 1;
    combo->SetItemIndex(last);
    edit->SetText(combo->Items().Strings(last));
}
