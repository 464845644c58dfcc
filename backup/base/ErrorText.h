#pragma once
// The system's message text of a Windows error number, as the system gives it (with its line
// break). Empty when there is none.

#include "platform/win_types.h"

#include <string>

// The remote-access text for 600..801, else the system's text.
std::u16string WindowsErrorText(DWORD code);
// Empty outside 600..801.
std::u16string RasErrorText(DWORD code);
std::u16string SystemErrorText(DWORD languageId, DWORD code);
