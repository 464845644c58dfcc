#pragma once
// The Hotkey tab's block Set_Bac_Hotkey_Pan (modifier checks, key edit, list of bindings) and the
// Add button and function selector it shares with the Schedule tab. Each takes the main window
// and cannot fail.

#include "backup/window/layout/LayoutDirection.h"

class TMainForm;
namespace ui {
class TListView;
}

// The controls, as the form description declares them; at construction.
void CreateHotkeyBlock(TMainForm& form);
// Once at creation, after the launch-method block: the block, then the Add button and selector.
void LayoutHotkeyPanel(TMainForm& form);
void LayoutHotkeyAddButton(TMainForm& form);
void LayoutHotkeyFunctionSelector(TMainForm& form);
// For the language 1025, after every left-to-right builder.
void LayoutRtlHotkeySettings(TMainForm& form);
void LayoutRtlHotkeyAddButton(TMainForm& form);
void LayoutRtlHotkeyFunctionSelector(TMainForm& form);
// The selector's panel beside the Add button where it stands now, and its parts in the direction
// (the title's width follows its caption).
void PlaceFunctionSelector(TMainForm& form, LayoutDirection direction);
// The list's columns for its width: the last `lastWidth` wide, the others sharing the rest evenly
// (remainder dropped).
void SetDeleteListColumns(ui::TListView* list, int lastWidth);
// The sum of the widths of every column but the last: where the delete icons begin.
int LastColumnLeft(ui::TListView* list);
// The panel on the launch-method block's rectangle, its frame, editor area, title bar and list
// (rows kept) for that size.
void PlaceHotkeyBlockFrame(TMainForm& form);
// The modifier row for the block's width: from the editor's left, or as a whole near its right.
void PlaceModifierRow(TMainForm& form, LayoutDirection direction);
