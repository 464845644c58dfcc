#include "backup/window/layout/ScheduleKindSwitch.h"

#include "backup/base/TextFormat.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/device/ScheduleFillers.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/SchedulePickers.h"

namespace {

constexpr int kRadioChosen = 23051;
constexpr int kRadioOther = 23049;
constexpr int kOpenerActive = 23010;
constexpr int kOpenerGreyed = 23009;
constexpr ui::TColor kGrey = 0x808080;

void SetPickerActive(TMainForm& form, int index, bool active)
{
    const SchedulePicker& p = SchedulePickers()[index];
    TImage* opener = form.*p.Opener;
    LoadPngResource(opener, active ? kOpenerActive : kOpenerGreyed);
    opener->SetEnabled(active);
    TEdit* edit = form.*p.Shown;
    edit->SetColor(active ? form.Palette[12] : kGrey);
    if (!active) {
        edit->SetText(u"");
    }
    edit->SetEnabled(active);
    (form.*p.List)->SetEnabled(active);
}

void SetCaptionColour(std::initializer_list<TLabel*> labels, ui::TColor colour)
{
    for (TLabel* label : labels) {
        label->Font().SetColor(colour);
    }
}

void FillRegularRow(TMainForm& form)
{
    FillMinuteCombo(form.Time_Set_Reg_Min_CBox, form.Time_Set_Reg_Min_Show_Edit);
    FillHourCombo(form.Time_Set_Reg_Hou_CBox, form.Time_Set_Reg_Hou_Show_Edit);
    FillWeekdayCombo(form, form.Time_Set_Reg_Day_CBox, form.Time_Set_Reg_Day_Show_Edit);
}

void FillSpecialRow(TMainForm& form)
{
    FillMonthCombo(form.Time_Set_Spe_Mon_CBox, form.Time_Set_Spe_Mon_Show_Edit);
    const int month = static_cast<int>(ParseDecimal(form.Time_Set_Spe_Mon_Show_Edit->Text()).value_or(0));
    FillDayOfMonthCombo(form.Time_Set_Spe_Dat_CBox, form.Time_Set_Spe_Dat_Show_Edit, month);
    FillMinuteCombo(form.Time_Set_Spe_Min_CBox, form.Time_Set_Spe_Min_Show_Edit);
    FillHourCombo(form.Time_Set_Spe_Hou_CBox, form.Time_Set_Spe_Hou_Show_Edit);
}

}  // namespace

void SelectScheduleKind(TMainForm& form, int kind)
{
    const bool regular = kind == 1;
    LoadPngResource(form.Time_Set_Reg_Radio_Img, regular ? kRadioChosen : kRadioOther);
    LoadPngResource(form.Time_Set_Spe_Radio_Img, regular ? kRadioOther : kRadioChosen);
    const ui::TColor regularColour = regular ? form.Palette[7] : kGrey;
    const ui::TColor specialColour = regular ? kGrey : form.Palette[7];
    SetCaptionColour({form.Time_Set_Reg_Title_Lab, form.Time_Set_Reg_Hour_Colon_Lab}, regularColour);
    SetCaptionColour({form.Time_Set_Spe_Title_Lab, form.Time_Set_Spe_Month_Lab, form.Time_Set_Spe_Date_Lab,
                      form.Time_Set_Spe_Hour_Colon_Lab},
                     specialColour);
    for (int i = 0; i < kSchedulePickerCount; ++i) {
        SetPickerActive(form, i, (i < kSpeMon) == regular);
    }
    if (regular) {
        FillRegularRow(form);
    } else {
        FillSpecialRow(form);
    }
}
