#include "backup/window/device/Schedule.h"

#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/ListFiles.h"
#include "backup/window/device/ScheduleText.h"
#include "backup/window/device/TriggerFunction.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "platform/clock.h"

#include <tuple>

namespace {

constexpr int kTextSettingExists = 20111;
constexpr int kDeleteIconImage = 0;
constexpr double kOneMinuteInDays = 1.0 / 1440.0;
constexpr std::size_t kRegularLength = 7;
constexpr std::size_t kSpecialLength = 14;

int Number(const std::u16string& line, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        value = value * 10 + (line[i] - u'0');
    }
    return value;
}

bool AllDigits(const std::u16string& line)
{
    for (char16_t c : line) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysOfMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The time is the four characters before the function digit, in both formats.
int EntryHour(const std::u16string& line)
{
    return Number(line, line.size() - 5, 2);
}

int EntryMinute(const std::u16string& line)
{
    return Number(line, line.size() - 3, 2);
}

bool PossibleTime(const std::u16string& line)
{
    return EntryHour(line) < 24 && EntryMinute(line) < 60;
}

bool PossibleDate(const std::u16string& line)
{
    const int year = Number(line, 1, 4);
    const int month = Number(line, 5, 2);
    const int day = Number(line, 7, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysOfMonth(year, month);
}

// A run of the entry's function recorded less than a minute ago, within the same clock minute.
bool LastRunBlocks(const std::u16string& line, const SYSTEMTIME& now)
{
    double last = 0;
    const char16_t function = line.back();
    const bool recorded = function == u'0'   ? LoadLastEasyBackupTime(&last)
                          : function == u'1' ? LoadLastManualBackupTime(&last)
                                             : false;
    SYSTEMTIME lastTime{};
    if (!recorded || !DateTimeToSystemTime(last, &lastTime)) {
        return false;
    }
    return DateTimeDifference(SystemTimeToDateTime(now), last) < kOneMinuteInDays && now.wMinute <= lastTime.wMinute;
}

void SaveScheduleSettings(const TMainForm& form)
{
    (void)form.ScheduleList->SaveToFile(SchSetPath(true));
}

std::u16string RegularEntryOfEditor(const TMainForm& form)
{
    return u"1" + DecimalText(form.Time_Set_Reg_Day_CBox->ItemIndex()) + form.Time_Set_Reg_Hou_Show_Edit->Text() +
           form.Time_Set_Reg_Min_Show_Edit->Text();
}

std::u16string SpecialEntryOfEditor(const TMainForm& form)
{
    const std::u16string month = form.Time_Set_Spe_Mon_Show_Edit->Text();
    const std::u16string day = form.Time_Set_Spe_Dat_Show_Edit->Text();
    const std::u16string hour = form.Time_Set_Spe_Hou_Show_Edit->Text();
    const std::u16string minute = form.Time_Set_Spe_Min_Show_Edit->Text();
    const std::u16string moment = month + day + hour + minute;
    if (moment.size() != 8 || !AllDigits(moment)) {
        return {};
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // A moment earlier than now, to the millisecond, belongs to the coming year.
    const auto entryMoment =
        std::make_tuple(Number(moment, 0, 2), Number(moment, 2, 2), Number(moment, 4, 2), Number(moment, 6, 2), 0, 0);
    const auto nowMoment = std::make_tuple(int{now.wMonth}, int{now.wDay}, int{now.wHour}, int{now.wMinute},
                                           int{now.wSecond}, int{now.wMilliseconds});
    const int year = now.wYear + (entryMoment < nowMoment ? 1 : 0);
    return u"2" + DecimalText(year) + moment;
}

}  // namespace

bool IsScheduleLine(const std::u16string& line)
{
    if (!AllDigits(line)) {
        return false;
    }
    if (line.size() == kRegularLength && line[0] == u'1') {
        return line[1] <= u'7' && PossibleTime(line);
    }
    if (line.size() == kSpecialLength && line[0] == u'2') {
        return PossibleDate(line) && PossibleTime(line);
    }
    return false;
}

void AddScheduleEntry(TMainForm& form)
{
    const std::u16string function = DecimalText(form.SB_FuncSel_CBox->ItemIndex());
    const std::u16string entry = form.ScheduleKind == 1 ? RegularEntryOfEditor(form) : SpecialEntryOfEditor(form);
    const std::u16string line = entry + function;
    if (!IsScheduleLine(line)) {
        return;
    }
    if (form.ScheduleList->IndexOf(line) >= 0) {
        form.ShowErrorBox(LookupText(*form.LangTable, kTextSettingExists));
        return;
    }
    form.ScheduleList->Add(line);
    FillScheduleListView(form, form.Sch_ListView, *form.ScheduleList);
    SaveScheduleSettings(form);
}

void FillScheduleListView(TMainForm& form, TListView* view, const TStringList& lines)
{
    view->Items().Clear();
    for (const std::u16string& line : lines.Lines()) {
        ui::TListItem* item = view->Items().Add();
        item->SetCaption(FormatScheduleDay(form, line));
        item->SubItems().Add(FormatScheduleTime(form, line));
        item->SubItems().Add(line.empty() ? std::u16string() : FormatEntryFunction(form, line.substr(line.size() - 1)));
        item->SubItems().Add(u"");
        item->SetSubItemImages(2, kDeleteIconImage);
    }
}

void DeleteScheduleEntry(TMainForm& form, int index)
{
    form.ScheduleList->Delete(index);
    FillScheduleListView(form, form.Sch_ListView, *form.ScheduleList);
    SaveScheduleSettings(form);
}

void LoadScheduleSettings(TMainForm& form)
{
    const std::u16string path = SchSetPath(false);
    TStringList lines;
    if (!PathExists(path) || !lines.LoadFromFile(path)) {
        return;
    }
    form.ScheduleList->Clear();
    for (const std::u16string& line : lines.Lines()) {
        if (IsScheduleLine(line)) {
            form.ScheduleList->Add(line);
        }
    }
    FillScheduleListView(form, form.Sch_ListView, *form.ScheduleList);
}

int ScheduleEntryDue(const std::u16string& line, const SYSTEMTIME& now)
{
    if (!IsScheduleLine(line)) {
        return kScheduleNotDue;
    }
    if (line[0] == u'1') {
        const int weekday = line[1] - u'0';
        const bool due = (weekday == 7 || weekday == now.wDayOfWeek) && EntryHour(line) == now.wHour &&
                         EntryMinute(line) == now.wMinute && !LastRunBlocks(line, now);
        return due ? kScheduleRegularDue : kScheduleNotDue;
    }
    const auto moment =
        std::make_tuple(Number(line, 1, 4), Number(line, 5, 2), Number(line, 7, 2), EntryHour(line), EntryMinute(line));
    const auto nowMoment =
        std::make_tuple(int{now.wYear}, int{now.wMonth}, int{now.wDay}, int{now.wHour}, int{now.wMinute});
    return nowMoment >= moment ? kScheduleSpecialDue : kScheduleNotDue;
}

void CheckSchedule(TMainForm& form)
{
    if (form.LaunchOptions[5] == 0 || form.ScheduleList->Count() == 0 || form.SchedulePassRunning == 1) {
        return;
    }
    form.SchedulePassRunning = 1;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    for (int i = form.ScheduleList->Count() - 1; i >= 0; --i) {
        ui::Application->ProcessMessages();
        // The pumping may have let a delete click shorten the list.
        i = std::min(i, form.ScheduleList->Count() - 1);
        if (i < 0) {
            break;
        }
        const std::u16string line = form.ScheduleList->Strings(i);
        const int due = ScheduleEntryDue(line, now);
        if (due == kScheduleNotDue) {
            continue;
        }
        CloseFinishedProgressPanel(form);
        if (form.Idle == 0) {
            break;
        }
        if (due == kScheduleSpecialDue) {
            const int index = form.ScheduleList->IndexOf(line);
            if (index >= 0) {
                form.ScheduleList->Delete(index);
            }
            SaveScheduleSettings(form);
            FillScheduleListView(form, form.Sch_ListView, *form.ScheduleList);
        }
        RunScheduledEntry(form, line);
    }
    form.SchedulePassRunning = 0;
}

void RunScheduledEntry(TMainForm& form, const std::u16string& line)
{
    if (line.empty()) {
        return;
    }
    const char16_t function = line.back();
    if (function == u'0') {
        SaveLastEasyBackup(form.EasyBackupCategories);
    } else if (function == u'1') {
        SaveLastManualBackupTime();
    } else {
        return;
    }
    if (form.AskScheduledBackup(line) == 1) {
        RunTriggerFunction(form, form.Bac_Dest_Edit->Text(), line);
    }
}
