#pragma once
// What the Hotkey and Schedule tabs' handlers share: the delete icon of a list row, and the
// binding of a skinned drop-down picker.

#include "backup/window/frame/MainWin.h"

// The row whose delete icon (at the start of the last column) lies under the point, or -1.
int DeleteIconRowUnder(TListView* list, int x, int y);
// Selects the row and asks whether to delete its setting; true for Yes.
bool ConfirmDeleteRow(TMainForm& form, TListView* list, int row);
// The opener opens the list and shows its hover and pressed skins; a pick is copied into the edit,
// which takes the focus when the list closes.
void BindPickerHandlers(TMainForm& form, TImage* opener, TEdit* shown, TComboBox* list);

// The published handlers of the hotkey function selector and the seven schedule pickers.
void BindSettingPickers(TMainForm& form);
void BindHotkeyTabHandlers(TMainForm& form);
void BindScheduleTabHandlers(TMainForm& form);
