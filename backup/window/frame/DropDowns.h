#pragma once
// The behaviour every skinned drop-down selector shares: a drop-down list lying behind the page,
// a read-only edit that shows the choice, and an opener image (23010 normal, 23011 hover, 23009
// pressed). Each instance's handlers call these and add their own effect.

#include "backup/window/frame/MainWin.h"

// Opens the list as a click on the combo's own face would: a left-button press and release sent
// to its window.
void OpenSelectorList(TComboBox* list);
// The page's resting skins first, then the hover picture unless the left button is held.
void ShowSelectorHover(TMainForm& form, TImage* opener, TShiftState shift);
void ShowSelectorPressed(TImage* opener);
// A pick: the list's text into the shown edit.
void CopySelectorChoice(TComboBox* list, TEdit* shown);
// The list closed, by a pick, a click outside, a key or a second click: the page's pictures rest
// again (a pointer still on the opener lights it at once) and the focus goes to the shown edit.
void SelectorListClosed(TMainForm& form, TEdit* shown);

// Binds an opener's published click, mouse-move and mouse-down handlers.
using OpenerClick = void (TMainForm::*)(TObject*);
using OpenerMove = void (TMainForm::*)(TObject*, TShiftState, int, int);
using OpenerDown = void (TMainForm::*)(TObject*, TMouseButton, TShiftState, int, int);
void BindSelectorOpener(TMainForm& form, TImage* opener, OpenerClick click, OpenerMove move, OpenerDown down);
