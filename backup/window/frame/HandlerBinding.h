#pragma once
// Binding a control's event to a published handler of the main form, as the form description does.

#include "backup/window/frame/MainWin.h"

using NotifyHandler = void (TMainForm::*)(TObject*);
using MoveHandler = void (TMainForm::*)(TObject*, TShiftState, int, int);
using ButtonHandler = void (TMainForm::*)(TObject*, TMouseButton, TShiftState, int, int);

inline void BindClick(TControl* control, TMainForm* form, NotifyHandler handler)
{
    control->OnClick = [form, handler](TObject* sender) { (form->*handler)(sender); };
}

inline void BindMove(TControl* control, TMainForm* form, MoveHandler handler)
{
    control->OnMouseMove = [form, handler](TObject* sender, TShiftState shift, int x, int y) {
        (form->*handler)(sender, shift, x, y);
    };
}

inline void BindDown(TControl* control, TMainForm* form, ButtonHandler handler)
{
    control->OnMouseDown = [form, handler](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        (form->*handler)(sender, button, shift, x, y);
    };
}

inline void BindUp(TControl* control, TMainForm* form, ButtonHandler handler)
{
    control->OnMouseUp = [form, handler](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        (form->*handler)(sender, button, shift, x, y);
    };
}
