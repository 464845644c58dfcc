#include "backup/window/frame/SettingsTabs.h"

#include "backup/base/Language.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/HotkeyBlock.h"

namespace {

constexpr int kTextDeleteSetting = 20101;

}  // namespace

int DeleteIconRowUnder(TListView* list, int x, int y)
{
    return DeleteIconRowAt(list, LastColumnLeft(list), x, y);
}

bool ConfirmDeleteRow(TMainForm& form, TListView* list, int row)
{
    list->SetSelected(list->Items().Item(row));
    return form.AskQuestion(LookupText(*form.LangTable, kTextDeleteSetting)) == 1;
}

void BindPickerHandlers(TMainForm& form, TImage* opener, TEdit* shown, TComboBox* list)
{
    TMainForm* f = &form;
    opener->OnClick = [list](TObject*) { OpenSelectorList(list); };
    opener->OnMouseMove = [f, opener](TObject*, TShiftState shift, int, int) { ShowSelectorHover(*f, opener, shift); };
    opener->OnMouseDown = [opener](TObject*, TMouseButton, TShiftState, int, int) { ShowSelectorPressed(opener); };
    list->OnChange = [list, shown](TObject*) { CopySelectorChoice(list, shown); };
    list->OnCloseUp = [f, shown](TObject*) { SelectorListClosed(*f, shown); };
}
