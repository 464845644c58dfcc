#pragma once
// The interface language: its choice at start ("LangSet.ini", then the setup program's registry
// value, then the caller's user default), the language list and the tables carried as resources.

#include "lists/string_list.h"
#include "ui/controls/combo_box.h"
#include "ui/controls/edit.h"

#include <string>

inline constexpr int kLanguageListResource = 31000;

// The uninstall key under HKEY_LOCAL_MACHINE whose value "LangVer" the setup program writes.
std::u16string UninstallKeyPath();

// The LANGID of "LangSet.ini" (its folders are created on the way), else of the registry value;
// -1 when neither gives a number.
int ReadLanguageSetting();
// Writes "LangSet.ini" with the one line of the LANGID; always 1.
int SaveLanguageSetting(int langId);

// The table resource of a LANGID: English for every LANGID without a table of its own.
int LanguageTableResource(int langId);
void LoadLanguageTable(lists::TStringList& table, int langId);
// Fills the combo with the names of the language list and selects the LANGID's line ("English"
// for a LANGID not listed); the edit, when given, takes the name of a listed LANGID.
void FillLanguageCombo(ui::TComboBox* combo, ui::TEdit* edit, int langId);
// The same from another language list resource (the setup program carries its own).
void FillLanguageComboFrom(int listResource, ui::TComboBox* combo, ui::TEdit* edit, int langId);
// The LANGID of a line of the language list: 1033 for line 0 and any line not listed.
int LangIdOfComboIndex(int index);
// The LANGID of the combo's selected line, whose table is loaded into the list.
int LanguageOfComboIndex(ui::TComboBox* combo, lists::TStringList& table);
