#include "backup/window/jobs/Calendar_Win.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/engine/RunPaths.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/SkinBox.h"
#include "backup/skin/SkinButton.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/layout/CalendarLayout.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/shell_namespace.h"

namespace {

constexpr int kFirstYear = 2010;
constexpr int kSelectorNormal = 23010;
constexpr int kSelectorHover = 23011;
constexpr int kSelectorPressed = 23009;
constexpr ui::TColor kTodayColour = 0xFF0000;

struct RunDay {
    int year, month, day;
    std::u16string stamp;
};

std::optional<int> ParseInt(std::u16string_view text)
{
    const auto value = ParseDecimal(text);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

// The runs of {pcFolder}\Easy\BacTimeRec.ini in file order; false when the file is missing.
bool EasyRunDays(const std::u16string& pcFolder, std::vector<RunDay>& runs)
{
    const std::u16string path = WithTrailingBackslash(WithTrailingBackslash(pcFolder) + u"Easy") + u"BacTimeRec.ini";
    TStringList history;
    if (!PathExists(path) || !history.LoadFromFile(path)) {
        return false;
    }
    for (const std::u16string& line : history.Lines()) {
        double value = 0;
        SYSTEMTIME time;
        if (ParseDateTimeNumber(line, &value) && DateTimeToSystemTime(value, &time)) {
            runs.push_back({time.wYear, time.wMonth, time.wDay, FormatTimestampName(time)});
        }
    }
    return true;
}

// The run folders of {pcFolder}\Manual whose names start with a date, in listing order.
std::vector<RunDay> ManualRunDays(const std::u16string& pcFolder)
{
    std::vector<RunDay> runs;
    const std::u16string root = WithTrailingBackslash(WithTrailingBackslash(pcFolder) + u"Manual");
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((root + u"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return runs;
    }
    do {
        const std::u16string& name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsFinishedRunFolder(root + name)) {
            continue;
        }
        const auto year = ParseInt(std::u16string_view(name).substr(0, 4));
        const auto month = ParseInt(std::u16string_view(name).substr(4, 2));
        const auto day = ParseInt(std::u16string_view(name).substr(6, 2));
        if (year && month && day) {
            runs.push_back({*year, *month, *day, name});
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return runs;
}

// Day 0 marks the days of the month that have runs; another day lists that day's runs.
void ShowRuns(TCalendarForm& form, const std::vector<RunDay>& runs, int year, int month, int day)
{
    for (const RunDay& run : runs) {
        if (run.year != year || run.month != month) {
            continue;
        }
        if (day == 0) {
            form.MarkBackupDay(run.day);
        } else if (run.day == day) {
            auto* item = form.Files_ListView->Items().Add();
            item->SetCaption(run.stamp);
            item->SetImageIndex(platform::SYSICON_FOLDER);
        }
    }
}

SYSTEMTIME Today()
{
    SYSTEMTIME today;
    GetLocalTime(&today);
    return today;
}

void ShowSelectorLook(TImage* image, ButtonLook look)
{
    LoadPngResource(image, look == ButtonLook::Hover     ? kSelectorHover
                           : look == ButtonLook::Pressed ? kSelectorPressed
                                                         : kSelectorNormal);
}

}  // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int FirstWeekdayOfMonth(int year, int month)
{
    int w = (year + (year - 1) / 4 - (year - 1) / 100 + (year - 1) / 400) % 7;
    for (int m = 1; m < month; ++m) {
        w += DaysInMonth(year, m);
    }
    return w % 7;
}

TCalendarForm::TCalendarForm(TComponent* owner, std::u16string pcFolder, std::u16string pageStamp)
    : TForm(owner), pcFolder_(std::move(pcFolder)), pageStamp_(std::move(pageStamp))
{
    CreateControls();
    LayoutCalendarForm(*this);
    if (MainForm->LangId == kRtlLangId) {
        LayoutRtlCalendarForm(*this);
    }
    SetCalendarOkEnabled(false);
    BindHandlers();
}

void TCalendarForm::CreateControls()
{
    SetName("CalendarForm");
    Main_BK_ColorEdge_Lab = NewFixedLabel(this, "Main_BK_ColorEdge_Lab", this);
    Main_BK_Deep_Lab = NewFixedLabel(this, "Main_BK_Deep_Lab", this);
    Main_BK_Title_Head_Img = NewSkinImage(this, "Main_BK_Title_Head_Img", this);
    Main_Time_Title_Lab = NewControl<TLabel>(this, "Main_Time_Title_Lab", this);
    Main_Time_Show_Lab = NewFixedLabel(this, "Main_Time_Show_Lab", this);
    Btn_BK_Lab = NewFixedLabel(this, "Btn_BK_Lab", this);
    Time_BK_Lab = NewFixedLabel(this, "Time_BK_Lab", this);
    Time_Set_Month_BK_Lab = NewFixedLabel(this, "Time_Set_Month_BK_Lab", this);
    Time_Set_Month_Pan = NewPlainPanel(this, "Time_Set_Month_Pan", this);
    Month_Sel_Btn_Img = NewControl<TImage>(this, "Month_Sel_Btn_Img", Time_Set_Month_Pan);
    Month_Show_Edit = NewControl<TEdit>(this, "Month_Show_Edit", Time_Set_Month_Pan);
    Month_CBox = NewControl<TComboBox>(this, "Month_CBox", Time_Set_Month_Pan);
    Time_Set_Year_BK_Lab = NewFixedLabel(this, "Time_Set_Year_BK_Lab", this);
    Time_Set_Year_Pan = NewPlainPanel(this, "Time_Set_Year_Pan", this);
    Year_Sel_Btn_Img = NewControl<TImage>(this, "Year_Sel_Btn_Img", Time_Set_Year_Pan);
    Year_Show_Edit = NewControl<TEdit>(this, "Year_Show_Edit", Time_Set_Year_Pan);
    Year_CBox = NewControl<TComboBox>(this, "Year_CBox", Time_Set_Year_Pan);
    Week_Sun_Lab = NewFixedLabel(this, "Week_Sun_Lab", this);
    Week_Mon_Lab = NewFixedLabel(this, "Week_Mon_Lab", this);
    Week_Tue_Lab = NewFixedLabel(this, "Week_Tue_Lab", this);
    Week_Wed_Lab = NewFixedLabel(this, "Week_Wed_Lab", this);
    Week_Thu_Lab = NewFixedLabel(this, "Week_Thu_Lab", this);
    Week_Fri_Lab = NewFixedLabel(this, "Week_Fri_Lab", this);
    Week_Sat_Lab = NewFixedLabel(this, "Week_Sat_Lab", this);
    Files_ListView = NewControl<TListView>(this, "Files_ListView", this);
    Files_ListView->SetSmallImages(MainForm->SystemIcon_ImgList);
    CreateButtonPair(this, this);
    for (int c = 0; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            // Owned by the application, as the window frees them itself when it closes.
            DayGrid[c][r] =
                NewControl<TLabel>(ui::Application, "Day_" + std::to_string(c) + "_" + std::to_string(r), this);
        }
    }
}

void TCalendarForm::BindHandlers()
{
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    const auto move = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
    OnMouseMove = move;
    for (TControl* c : std::initializer_list<TControl*>{Main_BK_ColorEdge_Lab, Main_BK_Deep_Lab, Btn_BK_Lab,
                                                        Time_BK_Lab, Month_Show_Edit, Year_Show_Edit, Files_ListView}) {
        c->OnMouseMove = move;
    }
    for (auto& column : DayGrid) {
        for (TLabel* cell : column) {
            cell->OnMouseMove = move;
            cell->OnClick = [this](TObject* s) { DayLabelClick(s); };
        }
    }
    const auto drag = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Main_BK_Title_Head_ImgMouseDown(s, b, sh, x, y);
    };
    for (TControl* c :
         std::initializer_list<TControl*>{Main_BK_Title_Head_Img, Main_Time_Title_Lab, Main_Time_Show_Lab}) {
        c->OnMouseDown = drag;
    }
    Files_ListView->OnClick = [this](TObject* s) { Files_ListViewClick(s); };
    RB_Btn_Lab->OnClick = [this](TObject* s) { RB_Btn_LabClick(s); };
    LB_Btn_Lab->OnClick = [this](TObject* s) { LB_Btn_LabClick(s); };
    Year_CBox->OnChange = [this](TObject* s) { Year_CBoxChange(s); };
    Month_CBox->OnChange = [this](TObject* s) { Month_CBoxChange(s); };
    Year_Sel_Btn_Img->OnClick = [this](TObject* s) { Year_Sel_Btn_ImgClick(s); };
    Month_Sel_Btn_Img->OnClick = [this](TObject* s) { Month_Sel_Btn_ImgClick(s); };
    Year_Sel_Btn_Img->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
        Year_Sel_Btn_ImgMouseMove(s, sh, x, y);
    };
    Year_Sel_Btn_Img->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Year_Sel_Btn_ImgMouseDown(s, b, sh, x, y);
    };
    Month_Sel_Btn_Img->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
        Month_Sel_Btn_ImgMouseMove(s, sh, x, y);
    };
    Month_Sel_Btn_Img->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Month_Sel_Btn_ImgMouseDown(s, b, sh, x, y);
    };
    RB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { RB_Btn_LabMouseMove(s, sh, x, y); };
    RB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        RB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    RB_Btn_Lab->OnMouseLeave = [this](TObject* s) { RB_Btn_LabMouseLeave(s); };
    LB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { LB_Btn_LabMouseMove(s, sh, x, y); };
    LB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        LB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    LB_Btn_Lab->OnMouseLeave = [this](TObject* s) { LB_Btn_LabMouseLeave(s); };
}

SkinButtonParts TCalendarForm::OkButton() const
{
    return RightButton();
}

SkinButtonParts TCalendarForm::CancelButton() const
{
    return LeftButton();
}

void TCalendarForm::HoverSelector(TImage* image, TShiftState shift)
{
    ResetCalendarHoverSkins();
    if (!shift.LeftHeld()) {
        ShowSelectorLook(image, ButtonLook::Hover);
    }
}

// A disabled OK keeps its pressed look.
void TCalendarForm::HoverButton(const SkinButtonParts& button, TShiftState shift)
{
    ResetCalendarHoverSkins();
    if (button.Lab->Enabled() && !shift.LeftHeld()) {
        ShowButtonLook(button, ButtonLook::Hover);
    }
}

void TCalendarForm::Year_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverSelector(Year_Sel_Btn_Img, Shift);
}

void TCalendarForm::Year_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorLook(Year_Sel_Btn_Img, ButtonLook::Pressed);
}

void TCalendarForm::Month_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverSelector(Month_Sel_Btn_Img, Shift);
}

void TCalendarForm::Month_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorLook(Month_Sel_Btn_Img, ButtonLook::Pressed);
}

void TCalendarForm::RB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverButton(OkButton(), Shift);
}

void TCalendarForm::RB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (RB_Btn_Lab->Enabled()) {
        ShowButtonLook(OkButton(), ButtonLook::Pressed);
    }
}

void TCalendarForm::RB_Btn_LabMouseLeave(TObject*)
{
    if (RB_Btn_Lab->Enabled()) {
        ShowButtonLook(OkButton(), ButtonLook::Normal);
    }
}

void TCalendarForm::LB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverButton(CancelButton(), Shift);
}

void TCalendarForm::LB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(CancelButton(), ButtonLook::Pressed);
}

void TCalendarForm::LB_Btn_LabMouseLeave(TObject*)
{
    ShowButtonLook(CancelButton(), ButtonLook::Normal);
}

bool TCalendarForm::EasyPage() const
{
    return MainForm->CurrentPage == WorkPage::EasyRestore;
}

void TCalendarForm::FormCreate(TObject*)
{
    const SYSTEMTIME today = Today();
    BuildMonthGrid(today.wYear, today.wMonth);
    FillCalendarYearCombo(today.wYear);
    FillCalendarMonthCombo(today.wMonth);
    ListPageRunDay(today.wYear, today.wMonth);
}

// The window opens on the day of the run the page shows, with that day's runs listed, when the
// month shown holds it.
void TCalendarForm::ListPageRunDay(int year, int month)
{
    if (pageStamp_.size() < 8) {
        return;
    }
    const std::u16string_view stamp = pageStamp_;
    const auto stampYear = ParseInt(stamp.substr(0, 4));
    const auto stampMonth = ParseInt(stamp.substr(4, 2));
    const auto day = ParseInt(stamp.substr(6, 2));
    if (!stampYear || !stampMonth || !day || *stampYear != year || *stampMonth != month) {
        return;
    }
    const std::u16string caption = DecimalText(*day);
    for (auto& column : DayGrid) {
        for (TLabel* cell : column) {
            if (cell->Caption() == caption && cell->Cursor() == ui::crHandPoint) {
                ListRunsOfDay(cell, year, month, *day);
                return;
            }
        }
    }
}

void TCalendarForm::ListRunsOfDay(TLabel* cell, int year, int month, int day)
{
    for (auto& column : DayGrid) {
        for (TLabel* other : column) {
            if (other->Color() == kSelectedDayColour) {
                other->SetColor(MarkedDayColour);
            }
        }
    }
    cell->SetColor(kSelectedDayColour);
    Files_ListView->Items().Clear();
    if (EasyPage()) {
        MarkEasyBackupDays(year, month, day);
    } else {
        MarkManualBackupDays(year, month, day);
    }
}

void TCalendarForm::FormClose(TObject*, TCloseAction&)
{
    for (auto& column : DayGrid) {
        for (TLabel*& cell : column) {
            delete cell;
            cell = nullptr;
        }
    }
}

void TCalendarForm::FillCalendarYearCombo(int year)
{
    Year_CBox->Items().Clear();
    for (int y = kFirstYear; y <= year; ++y) {
        Year_CBox->Items().Add(DecimalText(y));
    }
    Year_CBox->SetItemIndex(year - kFirstYear);
    Year_Show_Edit->SetText(Year_CBox->Text());
}

void TCalendarForm::FillCalendarMonthCombo(int month)
{
    Month_CBox->Items().Clear();
    for (int id = 20182; id <= 20193; ++id) {
        Month_CBox->Items().Add(LookupText(*MainForm->LangTable, id));
    }
    Month_CBox->SetItemIndex(month - 1);
    Month_Show_Edit->SetText(Month_CBox->Text());
}

void TCalendarForm::Year_CBoxChange(TObject*)
{
    Year_Show_Edit->SetText(Year_CBox->Text());
    if (const auto year = ParseInt(Year_Show_Edit->Text())) {
        BuildMonthGrid(*year, Month_CBox->ItemIndex() + 1);
    }
}

void TCalendarForm::Month_CBoxChange(TObject*)
{
    Month_Show_Edit->SetText(Month_CBox->Text());
    if (const auto year = ParseInt(Year_Show_Edit->Text())) {
        BuildMonthGrid(*year, Month_CBox->ItemIndex() + 1);
    }
}

void TCalendarForm::Year_Sel_Btn_ImgClick(TObject*)
{
    Year_CBox->SetDroppedDown(true);
}

void TCalendarForm::Month_Sel_Btn_ImgClick(TObject*)
{
    Month_CBox->SetDroppedDown(true);
}

void TCalendarForm::BuildMonthGrid(int year, int month)
{
    const int first = FirstWeekdayOfMonth(year, month);
    const int days = DaysInMonth(year, month);
    for (int c = 0; c < kGridColumns; ++c) {
        const ui::TColor colour = c == 0   ? Week_Sun_Lab->Font().Color()
                                  : c == 6 ? Week_Sat_Lab->Font().Color()
                                           : Week_Mon_Lab->Font().Color();
        for (TLabel* cell : DayGrid[c]) {
            cell->SetCaption(u"");
            cell->Font().SetStyle(ui::TFontStyles());
            cell->SetTransparent(true);
            cell->SetCursor(ui::crDefault);
            cell->Font().SetColor(colour);
        }
    }
    const SYSTEMTIME today = Today();
    int d = 1;
    for (int r = 0; r < kGridRows && d <= days; ++r) {
        for (int c = r == 0 ? first : 0; c < kGridColumns && d <= days; ++c, ++d) {
            TLabel* cell = DayGrid[c][r];
            cell->SetCaption(DecimalText(d));
            if (today.wYear == year && today.wMonth == month && today.wDay == d) {
                cell->Font().SetColor(kTodayColour);
                cell->Font().SetStyle(ui::TFontStyle::fsBold);
            }
        }
    }
    Files_ListView->Items().Clear();
    SetCalendarOkEnabled(false);
    if (EasyPage()) {
        MarkEasyBackupDays(year, month, 0);
    } else {
        MarkManualBackupDays(year, month, 0);
    }
}

void TCalendarForm::MarkEasyBackupDays(int year, int month, int day)
{
    std::vector<RunDay> runs;
    if (pcFolder_.empty() || !EasyRunDays(pcFolder_, runs)) {
        return;
    }
    ShowRuns(*this, runs, year, month, day);
    if (day == 0) {
        ShowPageStamp();
    }
}

void TCalendarForm::MarkManualBackupDays(int year, int month, int day)
{
    if (pcFolder_.empty()) {
        return;
    }
    ShowRuns(*this, ManualRunDays(pcFolder_), year, month, day);
    if (day == 0) {
        ShowPageStamp();
    }
}

void TCalendarForm::ShowPageStamp()
{
    Main_Time_Show_Lab->SetHint(pageStamp_);
    Main_Time_Show_Lab->SetCaption(FormatRunFolderDate(pageStamp_));
    SetCalendarOkEnabled(true);
}

void TCalendarForm::MarkBackupDay(int day)
{
    const std::u16string caption = DecimalText(day);
    for (auto& column : DayGrid) {
        for (TLabel* cell : column) {
            if (cell->Caption() == caption) {
                cell->SetTransparent(false);
                cell->SetColor(MarkedDayColour);
                cell->Font().SetColor(ui::clWhite);
                cell->SetCursor(ui::crHandPoint);
            }
        }
    }
}

void TCalendarForm::DayLabelClick(TObject* Sender)
{
    auto* clicked = dynamic_cast<TLabel*>(Sender);
    if (clicked == nullptr || clicked->Cursor() != ui::crHandPoint || clicked->Color() == kSelectedDayColour) {
        return;
    }
    const auto year = ParseInt(Year_Show_Edit->Text());
    const auto day = ParseInt(clicked->Caption());
    if (!year || !day) {
        return;
    }
    SetCalendarOkEnabled(false);
    ListRunsOfDay(clicked, *year, Month_CBox->ItemIndex() + 1, *day);
}

void TCalendarForm::Files_ListViewClick(TObject*)
{
    const ui::TListItem* item = Files_ListView->Selected();
    if (item == nullptr) {
        return;
    }
    Main_Time_Show_Lab->SetHint(item->Caption());
    Main_Time_Show_Lab->SetCaption(FormatRunFolderDate(item->Caption()));
    SetCalendarOkEnabled(true);
}

void TCalendarForm::RB_Btn_LabClick(TObject*)
{
    ChosenStamp = Main_Time_Show_Lab->Hint();
    Close();
}

void TCalendarForm::LB_Btn_LabClick(TObject*)
{
    Close();
}

void TCalendarForm::SetCalendarOkEnabled(bool enabled)
{
    RB_Btn_Lab->SetEnabled(enabled);
    ShowButtonLook(OkButton(), enabled ? ButtonLook::Normal : ButtonLook::Pressed);
}

void TCalendarForm::Main_BK_Title_Head_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

void TCalendarForm::FormMouseMove(TObject*, TShiftState, int, int)
{
    ResetCalendarHoverSkins();
}

void TCalendarForm::ResetCalendarHoverSkins()
{
    ShowSelectorLook(Year_Sel_Btn_Img, ButtonLook::Normal);
    ShowSelectorLook(Month_Sel_Btn_Img, ButtonLook::Normal);
    ShowButtonLook(CancelButton(), ButtonLook::Normal);
    if (RB_Btn_Lab->Enabled()) {
        ShowButtonLook(OkButton(), ButtonLook::Normal);
    }
}
