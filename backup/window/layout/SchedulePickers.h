#pragma once
// The seven date and time pickers of the Schedule tab, each a frame label, a white panel, an
// opener image, a read-only edit showing the choice and the drop-down list behind it.

#include "backup/window/frame/MainWin.h"

#include <array>

struct SchedulePicker {
    const char* Name;  // between "Time_Set_" and the control suffixes
    TLabel* TMainForm::*Frame;
    TPanel* TMainForm::*Panel;
    TImage* TMainForm::*Opener;
    TEdit* TMainForm::*Shown;
    TComboBox* TMainForm::*List;
};

enum SchedulePickerIndex { kRegDay, kRegHou, kRegMin, kSpeMon, kSpeDat, kSpeHou, kSpeMin, kSchedulePickerCount };

const std::array<SchedulePicker, kSchedulePickerCount>& SchedulePickers();
