#pragma once
// The text of the overview page's read-only memo: version, Windows edition and languages.

#include "ui/controls/memo.h"

void FillDebugInfo(ui::TMemo* memo, int langId);
// "LangVer : <id>(<name>)" for a listed LANGID, then "(<all names joined by " , ">)".
void LanguageLines(ui::TMemo* memo, int langId);
