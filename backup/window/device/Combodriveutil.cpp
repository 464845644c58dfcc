#include "backup/window/device/Combodriveutil.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/ListFiles.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/EasyCategoryRows.h"

#include <optional>

namespace {

constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;

// The settings file's lines; false when it does not exist or cannot be read.
bool LoadSettingLines(const std::u16string& path, TStringList& lines)
{
    return PathExists(path) && lines.LoadFromFile(path);
}

// A line the writers never leave out reads as empty when the file is short.
std::u16string LineOrEmpty(const TStringList& lines, int index)
{
    return index < lines.Count() ? lines.Strings(index) : std::u16string();
}

std::optional<std::int64_t> LineNumber(const TStringList& lines, int index)
{
    return ParseDecimal(LineOrEmpty(lines, index));
}

// Keeps the edit's choice while it is still an item; otherwise item 0 (or nothing) is shown.
void SelectShownOrFirst(TComboBox* combo, TEdit* edit)
{
    const std::u16string& shown = edit->Text();
    const int kept = shown.empty() ? -1 : combo->Items().IndexOf(shown);
    if (kept >= 0) {
        combo->SetItemIndex(kept);
        return;
    }
    combo->SetItemIndex(0);
    edit->SetText(combo->ItemIndex() >= 0 ? combo->Items().Strings(0) : std::u16string());
}

// The two functions a drive button, hotkey or schedule entry can start, by the menu's captions.
void FillFunctionItems(TMainForm& form, TComboBox* combo, TEdit* edit, int selected)
{
    combo->Items().Clear();
    combo->Items().Add(form.Menu_Bac_EasyBtn_Lab->Caption());
    combo->Items().Add(form.Menu_Bac_ManualBtn_Lab->Caption());
    combo->SetItemIndex(selected);
    edit->SetText(combo->Items().Strings(selected));
}

}  // namespace

void LoadCountDownSetting(TMainForm& form)
{
    TStringList lines;
    if (!LoadSettingLines(CountDownPath(false), lines)) {
        return;
    }
    if (const auto seconds = LineNumber(lines, 0)) {
        form.AutoStartSeconds = static_cast<int>(*seconds);
        form.Auto_Plugin_Time_Set_Edit->SetText(DecimalText(form.AutoStartSeconds));
    }
}

void SaveCountDownSetting(int seconds)
{
    TStringList lines;
    lines.Add(DecimalText(seconds));
    [[maybe_unused]] const DWORD ignored = SaveListFile(lines, CountDownPath(true));
}

void LoadBacTypeSetting(TMainForm& form)
{
    TStringList lines;
    if (!LoadSettingLines(BacTypeSetPath(false), lines) || lines.Count() < kEasyCategoryCount) {
        return;
    }
    const auto& rows = EasyCategoryRows();
    for (int k = 0; k < kEasyCategoryCount; ++k) {
        const auto flag = LineNumber(lines, k);
        if (!flag) {
            continue;
        }
        form.EasyBackupCategories[k] = *flag != 0 ? 1 : 0;
        LoadPngResource(form.*rows[k].Check, *flag != 0 ? kCheckTicked : kCheckClear);
    }
}

void FillDestinationCombo(TComboBox* combo, TEdit* edit, const RECORD_DEVICECODE& drives)
{
    combo->Items().Clear();
    for (int i = 0; i < drives.Count; ++i) {
        combo->Items().Add(drives.Roots[i]);
    }
    SelectShownOrFirst(combo, edit);
}

void LoadBacDestSetting(TComboBox* combo, TEdit* edit)
{
    TStringList lines;
    if (!LoadSettingLines(BacDestPath(false), lines)) {
        return;
    }
    const std::u16string destination = LineOrEmpty(lines, 0);
    const int index = destination.empty() ? -1 : combo->Items().IndexOf(destination);
    if (index >= 0) {
        combo->SetItemIndex(index);
        edit->SetText(destination);
    }
}

void AddPcFoldersOfDrive(TComboBox* combo, const std::u16string& root)
{
    const std::u16string product = EnsureProductFolderOn(root, false, false);
    const std::u16string drive = root.substr(0, 2);
    ForEachFolderEntry(product, [&](const WIN32_FIND_DATAW& entry, int) {
        const std::u16string name = entry.cFileName;
        if (IsDirectoryEntry(entry) && !IsDotsName(name)) {
            combo->Items().Add(drive + u"  " + name);
        }
        return true;
    });
}

bool FillPcFolderCombo(TComboBox* combo, TEdit* edit, const RECORD_DEVICECODE& drives)
{
    combo->Items().Clear();
    for (int i = 0; i < drives.Count; ++i) {
        AddPcFoldersOfDrive(combo, drives.Roots[i]);
    }
    SelectShownOrFirst(combo, edit);
    return true;
}

void SaveRestoreDestSetting(BYTE toOriginal, const std::u16string& text)
{
    TStringList lines;
    lines.Add(DecimalText(toOriginal));
    lines.Add(text);
    [[maybe_unused]] const DWORD ignored = SaveListFile(lines, DestSetResPath(true));
}

void LoadRestoreDestSetting(TMainForm& form, TEdit* destination)
{
    TStringList lines;
    if (!LoadSettingLines(DestSetResPath(false), lines)) {
        return;
    }
    if (const auto flag = LineNumber(lines, 0)) {
        form.RestoreToOriginal = *flag != 0 ? 1 : 0;
    }
    const std::u16string text = LineOrEmpty(lines, 1);
    if (!text.empty()) {
        destination->SetText(text);
    }
}

void FillAcFuncCombo(TMainForm& form, TComboBox* combo, TEdit* edit)
{
    FillFunctionItems(form, combo, edit, 1);
}

void FillSbFuncCombo(TMainForm& form, TComboBox* combo, TEdit* edit)
{
    FillFunctionItems(form, combo, edit, 0);
}
