#include "backup/skin/LanguageSetting.h"

#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/ResourceLoaders.h"
#include "platform/registry.h"

#include <array>

namespace {

constexpr DWORD kLangVerBufferBytes = 512;

int LangIdOfText(std::u16string_view text)
{
    const auto value = ParseDecimal(text);
    return value && *value >= 0 && *value <= 0xFFFF ? static_cast<int>(*value) : -1;
}

int ReadLangVerValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, UninstallKeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return -1;
    }
    std::array<BYTE, kLangVerBufferBytes> data{};
    DWORD size = kLangVerBufferBytes;
    DWORD type = 0;
    const LONG result = RegQueryValueExW(key, u"LangVer", nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        return -1;
    }
    std::u16string text;
    for (DWORD at = 0; at + 1 < size; at += 2) {
        const auto unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return LangIdOfText(text);
}

}  // namespace

std::u16string UninstallKeyPath()
{
    return u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + ProductTitle();
}

int ReadLanguageSetting()
{
    const std::u16string path = LangSetPath(true);
    if (PathExists(path)) {
        lists::TStringList setting;
        if (setting.LoadFromFile(path) && setting.Count() > 0) {
            const int langId = LangIdOfText(setting.Strings(0));
            if (langId != -1) {
                return langId;
            }
        }
    }
    return ReadLangVerValue();
}

int SaveLanguageSetting(int langId)
{
    lists::TStringList setting;
    setting.Add(DecimalText(langId));
    [[maybe_unused]] const bool saved = setting.SaveToFile(LangSetPath(true));
    return 1;
}

int LanguageTableResource(int langId)
{
    switch (langId) {
    case 2052:
        return 31003;
    case 1028:
        return 31004;
    case 1041:
        return 31005;
    default:
        return 31001;
    }
}

void LoadLanguageTable(lists::TStringList& table, int langId)
{
    LoadTextResource(table, LanguageTableResource(langId));
}

void FillLanguageCombo(ui::TComboBox* combo, ui::TEdit* edit, int langId)
{
    FillLanguageComboFrom(kLanguageListResource, combo, edit, langId);
}

void FillLanguageComboFrom(int listResource, ui::TComboBox* combo, ui::TEdit* edit, int langId)
{
    combo->Items().Clear();
    lists::TStringList languages;
    LoadTextResource(languages, listResource);
    int selected = 0;
    for (int i = 0; i < languages.Count(); ++i) {
        const std::u16string& line = languages.Strings(i);
        const std::u16string name = line.size() > 6 ? line.substr(6) : std::u16string();
        combo->Items().Add(name);
        if (LangIdOfText(std::u16string_view(line).substr(0, 5)) == langId) {
            selected = i;
            if (edit != nullptr) {
                edit->SetText(name);
            }
        }
    }
    combo->SetItemIndex(selected > 0 && selected < languages.Count() ? selected : 0);
}

int LangIdOfComboIndex(int index)
{
    static constexpr std::array<int, 4> kLangIdOfIndex = {1033, 2052, 1028, 1041};
    return index > 0 && index < static_cast<int>(kLangIdOfIndex.size()) ? kLangIdOfIndex[index] : 1033;
}

int LanguageOfComboIndex(ui::TComboBox* combo, lists::TStringList& table)
{
    const int langId = LangIdOfComboIndex(combo->ItemIndex());
    LoadLanguageTable(table, langId);
    return langId;
}
