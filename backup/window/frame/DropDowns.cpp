#include "backup/window/frame/DropDowns.h"

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/layout/PageLayout.h"
#include "ui/windows.h"

namespace {

constexpr int kOpenerHover = 23011;
constexpr int kOpenerPressed = 23009;

}  // namespace

void OpenSelectorList(TComboBox* list)
{
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, 0, 0);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, 0);
}

void ShowSelectorHover(TMainForm& form, TImage* opener, TShiftState shift)
{
    ResetButtonSkins(form);
    if (!shift.LeftHeld()) {
        LoadPngResource(opener, kOpenerHover);
    }
}

void ShowSelectorPressed(TImage* opener)
{
    LoadPngResource(opener, kOpenerPressed);
}

void CopySelectorChoice(TComboBox* list, TEdit* shown)
{
    const int index = list->ItemIndex();
    shown->SetText(index >= 0 ? list->Items().Strings(index) : std::u16string());
}

void SelectorListClosed(TMainForm& form, TEdit* shown)
{
    ResetButtonSkins(form);
    shown->SetFocus();
}

void BindSelectorOpener(TMainForm& form, TImage* opener, OpenerClick click, OpenerMove move, OpenerDown down)
{
    TMainForm* f = &form;
    opener->OnClick = [f, click](TObject* s) { (f->*click)(s); };
    opener->OnMouseMove = [f, move](TObject* s, TShiftState shift, int x, int y) { (f->*move)(s, shift, x, y); };
    opener->OnMouseDown = [f, down](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        (f->*down)(s, b, shift, x, y);
    };
}
