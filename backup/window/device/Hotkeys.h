#pragma once
// System-wide hotkeys bound to Easy or Manual Backup. A binding is one line of HotkeyList and of
// "HotkeySet.ini": the Ctrl, Alt and Shift flags ("1"/"0"), the virtual-key code in decimal and the
// function digit (0 Easy Backup, 1 Manual Backup). The line's index is its hotkey id.

#include "backup/window/frame/MainWin.h"

#include <string>

// The key's name (digit, capital letter, "Space", "Num 0".."Num 9"); a key without a name gives
// an empty name and sets the code to 0.
void KeyNameOf(const TMainForm& form, WORD& key, std::u16string& name);
// The editor's key: Hotkey_Edit shows its name and HotkeyKey keeps the code KeyNameOf left.
void SetHotkeyKey(TMainForm& form, WORD& key);
// "Ctrl + Alt + B" for a binding line.
std::u16string HotkeyBindingText(const TMainForm& form, const std::u16string& line);
// True for a line of the binding format; other lines of the settings file are skipped.
bool IsHotkeyLine(const std::u16string& line);
// Adds the editor's binding, asking before it replaces a line with the same keys or function.
void AddHotkeyEntry(TMainForm& form);
// Rows for the lines, then the registrations of the first two ids.
void FillHotkeyListView(TMainForm& form, TListView* view, const TStringList& lines);
// Unregisters ids 0..count-1 of the main window and registers each that has a line. A refused
// combination is not reported.
void RegisterHotkeys(TMainForm& form, const TStringList& lines, int count);
// Deletes line `index`, refills the list (the later ids move up) and saves.
void DeleteHotkeyEntry(TMainForm& form, int index);
// "HotkeySet.ini" into HotkeyList and the list view, when the file exists.
void LoadHotkeySettings(TMainForm& form);
// WM_HOTKEY with id 0 or 1 while the hotkey launch option is on: the bound backup starts.
void HandleHotkeyMessage(TMainForm& form, const ui::TMsg& msg);
