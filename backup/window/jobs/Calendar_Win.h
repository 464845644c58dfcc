#pragma once
// TCalendarForm: the modal window that picks the backup run a restore uses. A month grid marks the
// days with runs of the source PC (Easy runs from the PC's run history on the Easy Restore page,
// Manual run folders otherwise); a marked day lists its runs and a run becomes the choice.

#include "backup/skin/SkinButton.h"
#include "backup/skin/UiNames.h"

#include <array>
#include <string>

class TCalendarForm : public TForm, public SkinButtonPair {
public:
    // pcFolder is the source PC's folder on the backup drive (empty when none is chosen) and
    // pageStamp the run the restore page shows now. Reads the main window's language, page and
    // charset.
    TCalendarForm(TComponent* owner, std::u16string pcFolder, std::u16string pageStamp);

    TLabel* Main_BK_ColorEdge_Lab = nullptr;
    TLabel* Main_BK_Deep_Lab = nullptr;
    TImage* Main_BK_Title_Head_Img = nullptr;
    TLabel* Main_Time_Title_Lab = nullptr;
    TLabel* Main_Time_Show_Lab = nullptr;
    TLabel* Btn_BK_Lab = nullptr;
    TLabel* Time_BK_Lab = nullptr;
    TLabel* Time_Set_Month_BK_Lab = nullptr;
    TPanel* Time_Set_Month_Pan = nullptr;
    TImage* Month_Sel_Btn_Img = nullptr;
    TEdit* Month_Show_Edit = nullptr;
    TComboBox* Month_CBox = nullptr;
    TLabel* Time_Set_Year_BK_Lab = nullptr;
    TPanel* Time_Set_Year_Pan = nullptr;
    TImage* Year_Sel_Btn_Img = nullptr;
    TEdit* Year_Show_Edit = nullptr;
    TComboBox* Year_CBox = nullptr;
    TLabel* Week_Sun_Lab = nullptr;
    TLabel* Week_Mon_Lab = nullptr;
    TLabel* Week_Tue_Lab = nullptr;
    TLabel* Week_Wed_Lab = nullptr;
    TLabel* Week_Thu_Lab = nullptr;
    TLabel* Week_Fri_Lab = nullptr;
    TLabel* Week_Sat_Lab = nullptr;
    TListView* Files_ListView = nullptr;

    static constexpr int kGridColumns = 7;
    static constexpr int kGridRows = 6;
    static constexpr ui::TColor kSelectedDayColour = 0xC56A31;

    std::u16string ChosenStamp;  // "YYYYMMDD_HHMMSS" after OK; empty otherwise
    ui::TColor MarkedDayColour = 0x8E2C65;
    // Column c is the weekday (0 Sunday), row r the week of the month; the labels live until the
    // window closes.
    std::array<std::array<TLabel*, kGridRows>, kGridColumns> DayGrid{};

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BuildMonthGrid(int year, int month);
    void MarkEasyBackupDays(int year, int month, int day);
    void MarkManualBackupDays(int year, int month, int day);
    void MarkBackupDay(int day);
    void DayLabelClick(TObject* Sender);
    void Files_ListViewClick(TObject* Sender);
    void RB_Btn_LabClick(TObject* Sender);
    void LB_Btn_LabClick(TObject* Sender);
    void SetCalendarOkEnabled(bool enabled);
    void FillCalendarYearCombo(int year);
    void FillCalendarMonthCombo(int month);
    void Year_CBoxChange(TObject* Sender);
    void Month_CBoxChange(TObject* Sender);
    void Year_Sel_Btn_ImgClick(TObject* Sender);
    void Month_Sel_Btn_ImgClick(TObject* Sender);
    void Year_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Year_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Month_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Month_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseLeave(TObject* Sender);
    void RB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseLeave(TObject* Sender);
    void Main_BK_Title_Head_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);

private:
    void CreateControls();
    void BindHandlers();
    void ResetCalendarHoverSkins();
    SkinButtonParts OkButton() const;
    SkinButtonParts CancelButton() const;
    void HoverSelector(TImage* image, TShiftState shift);
    void HoverButton(const SkinButtonParts& button, TShiftState shift);
    void ShowPageStamp();
    void ListPageRunDay(int year, int month);
    // Selects a marked day and lists its runs.
    void ListRunsOfDay(TLabel* cell, int year, int month, int day);
    bool EasyPage() const;

    std::u16string pcFolder_;
    std::u16string pageStamp_;
};

// True for a year divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Column (0 Sunday) of the 1st of the month.
int FirstWeekdayOfMonth(int year, int month);
