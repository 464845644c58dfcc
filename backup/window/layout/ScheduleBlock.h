#pragma once
// The Schedule tab's block Set_Bac_Time_Pan: the regular row (weekday, hour, minute), the special
// row (month, day, hour, minute), each behind a radio image, and the list of entries. Each takes
// the main window and cannot fail.

#include "backup/window/layout/LayoutDirection.h"

class TMainForm;

// The controls, as the form description declares them; at construction.
void CreateScheduleBlock(TMainForm& form);
// Once at creation, after the hotkey block (whose list look it copies).
void LayoutSchedulePanel(TMainForm& form);
// For the language 1025, after every left-to-right builder.
void LayoutRtlScheduleSettings(TMainForm& form);
// The panel on the launch-method block's rectangle, its frame, editor area, rows, title bar and
// list (rows kept) for that size.
void PlaceScheduleBlockFrame(TMainForm& form);
// The radios, titles and both rows' labels and pickers for the block's width, in the direction.
void PlaceScheduleRows(TMainForm& form, LayoutDirection direction);
