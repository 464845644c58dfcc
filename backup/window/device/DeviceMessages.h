#pragma once
// The main window's reactions to power, volume and folder-change notices.

#include "platform/win_types.h"

#include <string>
#include <string_view>

class TMainForm;

// The letters of the set bits of a volume unit mask, bit 0 = A to bit 25 = Z, ascending.
std::u16string LettersOfUnitMask(DWORD mask);

void HandlePowerBroadcast(TMainForm& form, std::uintptr_t event);
void HandleVolumeArrival(TMainForm& form, const std::u16string& letters);
void HandleVolumeRemoval(TMainForm& form, const std::u16string& letters);

// Path pieces by the last backslash; a root such as "C:\" keeps its backslash as a parent.
std::u16string ShellParentPath(std::u16string_view path);
std::u16string ShellLastName(std::u16string_view path);
// A path of exactly three characters unchanged, otherwise ShellLastName.
std::u16string ShellLastNameOrRoot(std::u16string_view path);
