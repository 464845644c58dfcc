// The opener of the language selector on the General Settings page.

#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"

void TMainForm::Lang_Sel_Btn_ImgClick(TObject*)
{
    OpenSelectorList(Lang_Sel_CBox);
}

void TMainForm::Lang_Sel_Btn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Lang_Sel_Btn_Img, Shift);
}

void TMainForm::Lang_Sel_Btn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Lang_Sel_Btn_Img);
}

void BindLanguageSelectorHandlers(TMainForm& form)
{
    BindSelectorOpener(form, form.Lang_Sel_Btn_Img, &TMainForm::Lang_Sel_Btn_ImgClick,
                       &TMainForm::Lang_Sel_Btn_ImgMouseMove, &TMainForm::Lang_Sel_Btn_ImgMouseDown);
}
