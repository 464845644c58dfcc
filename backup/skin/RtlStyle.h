#pragma once
// Right alignment, right-to-left reading order and mirrored layout of edits, combo boxes, tree views
// and memos, as bits of their extended window style. Setters only set and clearers only clear the
// named bits; every other bit stays, and the control is neither redrawn nor recreated.

#include "backup/skin/UiNames.h"

// WS_EX_RIGHT.
void SetEditRightAligned(TEdit* edit);
void SetComboRightAligned(TComboBox* combo);
// WS_EX_RIGHT and WS_EX_RTLREADING.
void SetEditRtlReading(TEdit* edit);
// WS_EX_RIGHT, WS_EX_RTLREADING and WS_EX_LEFTSCROLLBAR.
void SetComboRtlFull(TComboBox* combo);
// Clear WS_EX_RIGHT.
void ClearEditRightAligned(TEdit* edit);
void ClearComboRightAligned(TComboBox* combo);
// Clear WS_EX_RIGHT and WS_EX_RTLREADING.
void ClearEditRtl(TEdit* edit);
// Clear WS_EX_RIGHT, WS_EX_LEFTSCROLLBAR and WS_EX_RTLREADING.
void ClearComboRtl(TComboBox* combo);
// A tree view or memo: clears WS_EX_LAYOUTRTL, WS_EX_NOINHERITLAYOUT and WS_EX_RTLREADING and
// switches double buffering on.
void ClearViewRtlLayout(TWinControl* view);
