#include "backup/window/layout/SettingsTabBlocks.h"

#include "backup/base/Language.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/device/Hotkeys.h"
#include "backup/window/device/Schedule.h"
#include "backup/window/device/ScheduleFillers.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/HotkeyBlock.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/ScheduleBlock.h"

namespace {

constexpr int kHotkeyTab = 2;
constexpr int kScheduleTab = 3;
constexpr int kAddMargin = 6;

}  // namespace

void PlaceSettingsTabBlocks(TMainForm& form)
{
    const LayoutDirection direction = LayoutDirectionOf(form.LangId);
    PlaceHotkeyBlockFrame(form);
    PlaceModifierRow(form, direction);
    PlaceScheduleBlockFrame(form);
    PlaceScheduleRows(form, direction);
    const int tab = form.BackupSettingsTab;
    form.Set_Bac_Hotkey_Pan->SetVisible(tab == kHotkeyTab);
    form.Set_Bac_Time_Pan->SetVisible(tab == kScheduleTab);
    const bool shared = tab == kHotkeyTab || tab == kScheduleTab;
    TPanel* add = form.SB_Btn_Add_Pan;
    TPanel* selector = form.SB_FuncSel_Pan;
    add->SetVisible(shared);
    selector->SetVisible(shared);
    // Hidden on the Start up tab, both are still placed (by the Schedule tab's editor), so that a
    // change of size or of reading order reaches them there too.
    const TPanel* block = tab == kHotkeyTab ? form.Set_Bac_Hotkey_Pan : form.Set_Bac_Time_Pan;
    const TLabel* editor = tab == kHotkeyTab ? form.Hotkey_SetBK_Lab : form.Time_Set_BK_Light_Lab;
    const int left =
        direction == LayoutDirection::RightToLeft ? kAddMargin : editor->Width() - add->Width() - kAddMargin;
    add->SetBounds(left, block->Top() + BottomOf(editor) - add->Height() - kAddMargin, add->Width(), add->Height());
    PlaceFunctionSelector(form, direction);
    add->BringToFront();
    selector->BringToFront();
}

void ApplyHotkeyScheduleLanguage(TMainForm& form)
{
    const lists::TStringList& table = *form.LangTable;
    const auto caption = [&table](TLabel* label, int id) { label->SetCaption(LookupText(table, id)); };
    caption(form.Hotkey_List_Title_Lab, 20081);
    caption(form.Add_Btn_Lab, 20013);
    caption(form.SB_FuncSel_Title_Lab, 20080);
    caption(form.Time_Set_Reg_Title_Lab, 20082);
    caption(form.Time_Set_Spe_Title_Lab, 20083);
    caption(form.Time_Set_Spe_Month_Lab, 20086);
    caption(form.Time_Set_Spe_Date_Lab, 20087);
    caption(form.Sch_List_Title_Lab, 20084);
    FillSbFuncCombo(form, form.SB_FuncSel_CBox, form.SB_FuncSel_Edit);
    if (form.ScheduleKind != 2) {
        FillWeekdayCombo(form, form.Time_Set_Reg_Day_CBox, form.Time_Set_Reg_Day_Show_Edit);
    }
    FillHotkeyListView(form, form.Hotkey_ListView, *form.HotkeyList);
    FillScheduleListView(form, form.Sch_ListView, *form.ScheduleList);
}
