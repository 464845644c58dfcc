#pragma once
// The calendar window's fixed geometry: left to right for every language, then the mirrored
// changes for the language 1025.

class TCalendarForm;

void LayoutCalendarForm(TCalendarForm& form);
void LayoutCalendarOkButton(TCalendarForm& form);
void LayoutCalendarCancelButton(TCalendarForm& form);
void LayoutRtlCalendarForm(TCalendarForm& form);
void LayoutRtlCalendarOkButton(TCalendarForm& form);
void LayoutRtlCalendarCancelButton(TCalendarForm& form);
