#include "backup/skin/RtlStyle.h"

#include "ui/windows.h"

namespace {

void SetStyleBits(TWinControl* control, LONG bits)
{
    const HWND handle = control->Handle();
    SetWindowLongA(handle, GWL_EXSTYLE, GetWindowLongA(handle, GWL_EXSTYLE) | bits);
}

void ClearStyleBits(TWinControl* control, LONG bits)
{
    const HWND handle = control->Handle();
    SetWindowLongA(handle, GWL_EXSTYLE, GetWindowLongA(handle, GWL_EXSTYLE) & ~bits);
}

}  // namespace

void SetEditRightAligned(TEdit* edit)
{
    SetStyleBits(edit, WS_EX_RIGHT);
}

void SetComboRightAligned(TComboBox* combo)
{
    SetStyleBits(combo, WS_EX_RIGHT);
}

void SetEditRtlReading(TEdit* edit)
{
    SetStyleBits(edit, WS_EX_RIGHT | WS_EX_RTLREADING);
}

void SetComboRtlFull(TComboBox* combo)
{
    SetStyleBits(combo, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
}

void ClearEditRightAligned(TEdit* edit)
{
    ClearStyleBits(edit, WS_EX_RIGHT);
}

void ClearComboRightAligned(TComboBox* combo)
{
    ClearStyleBits(combo, WS_EX_RIGHT);
}

void ClearEditRtl(TEdit* edit)
{
    ClearStyleBits(edit, WS_EX_RIGHT | WS_EX_RTLREADING);
}

void ClearComboRtl(TComboBox* combo)
{
    ClearStyleBits(combo, WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR | WS_EX_RTLREADING);
}

void ClearViewRtlLayout(TWinControl* view)
{
    ClearStyleBits(view, WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT | WS_EX_RTLREADING);
    view->SetDoubleBuffered(true);
}
