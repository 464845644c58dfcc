#pragma once
// The setup program's languages: its own language list, tables and licence texts, and applying a
// language to the wizard (charsets, reading order, start-page captions, licence text).

#include "backup/skin/UiNames.h"

#include <string>
#include <string_view>

namespace setup {

class TMainForm;

inline constexpr int kSetupLanguageList = 12000;

int SetupLanguageTable(int langId);
int SetupLicenseText(int langId);
// The language list into the combo box, selecting the id's line ("English" when it is not listed).
void FillLanguageCombo(TComboBox* combo, TEdit* edit, int langId);
void LoadLanguageTable(TStringList& table, int langId);
void LoadLicenseText(TMemo* memo, int langId);
// The id of the selected line; its table is loaded into the list.
int LanguageOfComboIndex(TComboBox* combo, TStringList& table);
void ApplyLanguage(TMainForm& form, int langId);
void SetMemoRtlLayout(TMemo* memo);

// Text id of the wizard's language table; empty for a missing id.
std::u16string WizardText(const TMainForm& form, int id);
// Text id with its "%s" filled with the product title.
std::u16string WizardProductText(const TMainForm& form, int id);
std::u16string FormatText3(std::u16string_view format, std::u16string_view first, std::u16string_view second);

}  // namespace setup
