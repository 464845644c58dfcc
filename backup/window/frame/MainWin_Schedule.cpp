// The Schedule tab's handlers: the radio rows, the pickers, the list's delete icons and the
// schedule timer.

#include "backup/base/TextFormat.h"
#include "backup/window/device/Schedule.h"
#include "backup/window/device/ScheduleFillers.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/SettingsTabs.h"
#include "backup/window/layout/ScheduleKindSwitch.h"

void TMainForm::Time_Set_Reg_Radio_ImgClick(TObject*)
{
    ScheduleKind = 1;
    SelectScheduleKind(*this, 1);
}

void TMainForm::Time_Set_Spe_Radio_ImgClick(TObject*)
{
    ScheduleKind = 2;
    SelectScheduleKind(*this, 2);
}

void TMainForm::Time_Set_Spe_Mon_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Spe_Mon_CBox, Time_Set_Spe_Mon_Show_Edit);
    const int month = static_cast<int>(ParseDecimal(Time_Set_Spe_Mon_Show_Edit->Text()).value_or(0));
    FillDayOfMonthCombo(Time_Set_Spe_Dat_CBox, Time_Set_Spe_Dat_Show_Edit, month);
}

void TMainForm::Sch_ListViewMouseMove(TObject*, TShiftState, int X, int Y)
{
    Sch_ListView->SetCursor(DeleteIconRowUnder(Sch_ListView, X, Y) >= 0 ? ui::crHandPoint : ui::crDefault);
}

void TMainForm::Sch_ListViewMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    const int row = DeleteIconRowUnder(Sch_ListView, X, Y);
    if (row >= 0 && ConfirmDeleteRow(*this, Sch_ListView, row)) {
        DeleteScheduleEntry(*this, row);
    }
}

void TMainForm::Sch_TimerTimer(TObject*)
{
    CheckSchedule(*this);
}

void BindScheduleTabHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    form.Time_Set_Reg_Radio_Img->OnClick = [f](TObject* s) { f->Time_Set_Reg_Radio_ImgClick(s); };
    form.Time_Set_Spe_Radio_Img->OnClick = [f](TObject* s) { f->Time_Set_Spe_Radio_ImgClick(s); };
    BindSettingPickers(form);
    form.Sch_ListView->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) {
        f->Sch_ListViewMouseMove(s, shift, x, y);
    };
    form.Sch_ListView->OnMouseDown = [f](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        f->Sch_ListViewMouseDown(s, b, shift, x, y);
    };
    form.Sch_Timer->OnTimer = [f](TObject* s) { f->Sch_TimerTimer(s); };
}
