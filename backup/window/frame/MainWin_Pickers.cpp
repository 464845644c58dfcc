// The handlers of the hotkey function selector and the seven schedule pickers. Each picker is a
// skinned drop-down; only the month picker's change does more than show the choice.

#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/SettingsTabs.h"

#include <array>

namespace {

struct PickerHandlers {
    TImage* TMainForm::*Opener;
    OpenerClick Click;
    OpenerMove Move;
    OpenerDown Down;
    TComboBox* TMainForm::*List;
    void (TMainForm::*Change)(TObject*);
    void (TMainForm::*CloseUp)(TObject*);
};

constexpr std::array<PickerHandlers, 8> kPickers = {{
    {&TMainForm::SB_FuncSel_Btn_Img, &TMainForm::SB_FuncSel_Btn_ImgClick, &TMainForm::SB_FuncSel_Btn_ImgMouseMove,
     &TMainForm::SB_FuncSel_Btn_ImgMouseDown, &TMainForm::SB_FuncSel_CBox, &TMainForm::SB_FuncSel_CBoxChange,
     &TMainForm::SB_FuncSel_CBoxCloseUp},
    {&TMainForm::Time_Set_Reg_Day_Sel_Btn_Img, &TMainForm::Time_Set_Reg_Day_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Reg_Day_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Reg_Day_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Reg_Day_CBox, &TMainForm::Time_Set_Reg_Day_CBoxChange,
     &TMainForm::Time_Set_Reg_Day_CBoxCloseUp},
    {&TMainForm::Time_Set_Reg_Hou_Sel_Btn_Img, &TMainForm::Time_Set_Reg_Hou_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Reg_Hou_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Reg_Hou_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Reg_Hou_CBox, &TMainForm::Time_Set_Reg_Hou_CBoxChange,
     &TMainForm::Time_Set_Reg_Hou_CBoxCloseUp},
    {&TMainForm::Time_Set_Reg_Min_Sel_Btn_Img, &TMainForm::Time_Set_Reg_Min_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Reg_Min_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Reg_Min_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Reg_Min_CBox, &TMainForm::Time_Set_Reg_Min_CBoxChange,
     &TMainForm::Time_Set_Reg_Min_CBoxCloseUp},
    {&TMainForm::Time_Set_Spe_Mon_Sel_Btn_Img, &TMainForm::Time_Set_Spe_Mon_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Spe_Mon_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Spe_Mon_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Spe_Mon_CBox, &TMainForm::Time_Set_Spe_Mon_CBoxChange,
     &TMainForm::Time_Set_Spe_Mon_CBoxCloseUp},
    {&TMainForm::Time_Set_Spe_Dat_Sel_Btn_Img, &TMainForm::Time_Set_Spe_Dat_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Spe_Dat_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Spe_Dat_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Spe_Dat_CBox, &TMainForm::Time_Set_Spe_Dat_CBoxChange,
     &TMainForm::Time_Set_Spe_Dat_CBoxCloseUp},
    {&TMainForm::Time_Set_Spe_Hou_Sel_Btn_Img, &TMainForm::Time_Set_Spe_Hou_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Spe_Hou_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Spe_Hou_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Spe_Hou_CBox, &TMainForm::Time_Set_Spe_Hou_CBoxChange,
     &TMainForm::Time_Set_Spe_Hou_CBoxCloseUp},
    {&TMainForm::Time_Set_Spe_Min_Sel_Btn_Img, &TMainForm::Time_Set_Spe_Min_Sel_Btn_ImgClick,
     &TMainForm::Time_Set_Spe_Min_Sel_Btn_ImgMouseMove, &TMainForm::Time_Set_Spe_Min_Sel_Btn_ImgMouseDown,
     &TMainForm::Time_Set_Spe_Min_CBox, &TMainForm::Time_Set_Spe_Min_CBoxChange,
     &TMainForm::Time_Set_Spe_Min_CBoxCloseUp},
}};

}  // namespace

void TMainForm::SB_FuncSel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(SB_FuncSel_CBox);
}
void TMainForm::SB_FuncSel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, SB_FuncSel_Btn_Img, Shift);
}
void TMainForm::SB_FuncSel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(SB_FuncSel_Btn_Img);
}
void TMainForm::SB_FuncSel_CBoxChange(TObject*)
{
    CopySelectorChoice(SB_FuncSel_CBox, SB_FuncSel_Edit);
}
void TMainForm::SB_FuncSel_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, SB_FuncSel_Edit);
}

void TMainForm::Time_Set_Reg_Day_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Reg_Day_CBox);
}
void TMainForm::Time_Set_Reg_Day_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Reg_Day_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Reg_Day_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Reg_Day_Sel_Btn_Img);
}
void TMainForm::Time_Set_Reg_Day_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Reg_Day_CBox, Time_Set_Reg_Day_Show_Edit);
}
void TMainForm::Time_Set_Reg_Day_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Reg_Day_Show_Edit);
}

void TMainForm::Time_Set_Reg_Hou_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Reg_Hou_CBox);
}
void TMainForm::Time_Set_Reg_Hou_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Reg_Hou_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Reg_Hou_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Reg_Hou_Sel_Btn_Img);
}
void TMainForm::Time_Set_Reg_Hou_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Reg_Hou_CBox, Time_Set_Reg_Hou_Show_Edit);
}
void TMainForm::Time_Set_Reg_Hou_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Reg_Hou_Show_Edit);
}

void TMainForm::Time_Set_Reg_Min_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Reg_Min_CBox);
}
void TMainForm::Time_Set_Reg_Min_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Reg_Min_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Reg_Min_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Reg_Min_Sel_Btn_Img);
}
void TMainForm::Time_Set_Reg_Min_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Reg_Min_CBox, Time_Set_Reg_Min_Show_Edit);
}
void TMainForm::Time_Set_Reg_Min_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Reg_Min_Show_Edit);
}

void TMainForm::Time_Set_Spe_Mon_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Spe_Mon_CBox);
}
void TMainForm::Time_Set_Spe_Mon_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Spe_Mon_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Spe_Mon_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Spe_Mon_Sel_Btn_Img);
}
void TMainForm::Time_Set_Spe_Mon_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Spe_Mon_Show_Edit);
}

void TMainForm::Time_Set_Spe_Dat_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Spe_Dat_CBox);
}
void TMainForm::Time_Set_Spe_Dat_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Spe_Dat_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Spe_Dat_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Spe_Dat_Sel_Btn_Img);
}
void TMainForm::Time_Set_Spe_Dat_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Spe_Dat_CBox, Time_Set_Spe_Dat_Show_Edit);
}
void TMainForm::Time_Set_Spe_Dat_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Spe_Dat_Show_Edit);
}

void TMainForm::Time_Set_Spe_Hou_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Spe_Hou_CBox);
}
void TMainForm::Time_Set_Spe_Hou_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Spe_Hou_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Spe_Hou_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Spe_Hou_Sel_Btn_Img);
}
void TMainForm::Time_Set_Spe_Hou_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Spe_Hou_CBox, Time_Set_Spe_Hou_Show_Edit);
}
void TMainForm::Time_Set_Spe_Hou_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Spe_Hou_Show_Edit);
}

void TMainForm::Time_Set_Spe_Min_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Time_Set_Spe_Min_CBox);
}
void TMainForm::Time_Set_Spe_Min_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Time_Set_Spe_Min_Sel_Btn_Img, Shift);
}
void TMainForm::Time_Set_Spe_Min_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Time_Set_Spe_Min_Sel_Btn_Img);
}
void TMainForm::Time_Set_Spe_Min_CBoxChange(TObject*)
{
    CopySelectorChoice(Time_Set_Spe_Min_CBox, Time_Set_Spe_Min_Show_Edit);
}
void TMainForm::Time_Set_Spe_Min_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Time_Set_Spe_Min_Show_Edit);
}

void BindSettingPickers(TMainForm& form)
{
    TMainForm* f = &form;
    for (const PickerHandlers& p : kPickers) {
        BindSelectorOpener(form, form.*p.Opener, p.Click, p.Move, p.Down);
        const auto change = p.Change;
        const auto closeUp = p.CloseUp;
        (form.*p.List)->OnChange = [f, change](TObject* s) { (f->*change)(s); };
        (form.*p.List)->OnCloseUp = [f, closeUp](TObject* s) { (f->*closeUp)(s); };
    }
}
