#include "backup/window/device/Hotkeys.h"

#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/window/device/ScheduleText.h"
#include "backup/window/device/TriggerFunction.h"
#include "ui/windows.h"

namespace {

constexpr int kTextSelectModifierAndKey = 20116;
constexpr int kTextReplaceSetting = 20117;
constexpr int kFunctionCount = 2;
constexpr int kDeleteIconImage = 0;
constexpr WORD kNumpadFirst = 0x60;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsFlag(char16_t c)
{
    return c == u'0' || c == u'1';
}

std::u16string KeyPart(const std::u16string& line)
{
    return line.substr(0, line.size() - 1);
}

WORD KeyCodeOf(const std::u16string& line)
{
    WORD code = 0;
    for (std::size_t i = 3; i + 1 < line.size(); ++i) {
        code = static_cast<WORD>(code * 10 + (line[i] - u'0'));
    }
    return code;
}

void SaveHotkeySettings(const TMainForm& form)
{
    (void)form.HotkeyList->SaveToFile(HotkeySetPath(true));
}

void Refresh(TMainForm& form)
{
    FillHotkeyListView(form, form.Hotkey_ListView, *form.HotkeyList);
    SaveHotkeySettings(form);
}

}  // namespace

void KeyNameOf(const TMainForm&, WORD& key, std::u16string& name)
{
    if ((key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'Z')) {
        name = std::u16string(1, static_cast<char16_t>(key));
    } else if (key == VK_SPACE) {
        name = u"Space";
    } else if (key >= kNumpadFirst && key <= kNumpadFirst + 9) {
        name = u"Num " + std::u16string(1, static_cast<char16_t>(u'0' + key - kNumpadFirst));
    } else {
        name.clear();
        key = 0;
    }
}

void SetHotkeyKey(TMainForm& form, WORD& key)
{
    std::u16string name;
    KeyNameOf(form, key, name);
    form.Hotkey_Edit->SetText(name);
    form.HotkeyKey = key;
}

std::u16string HotkeyBindingText(const TMainForm& form, const std::u16string& line)
{
    if (!IsHotkeyLine(line)) {
        return {};
    }
    std::u16string text;
    if (line[0] == u'1') {
        text += u"Ctrl + ";
    }
    if (line[1] == u'1') {
        text += u"Alt + ";
    }
    if (line[2] == u'1') {
        text += u"Shift + ";
    }
    WORD key = KeyCodeOf(line);
    std::u16string name;
    KeyNameOf(form, key, name);
    return text + name;
}

bool IsHotkeyLine(const std::u16string& line)
{
    if (line.size() < 6 || line.size() > 7) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (!IsFlag(line[i])) {
            return false;
        }
    }
    for (std::size_t i = 3; i < line.size(); ++i) {
        if (!IsDigit(line[i])) {
            return false;
        }
    }
    return true;
}

void AddHotkeyEntry(TMainForm& form)
{
    if ((form.HotkeyCtrl != 1 && form.HotkeyAlt != 1 && form.HotkeyShift != 1) || form.HotkeyKey == 0) {
        form.ShowErrorBox(LookupText(*form.LangTable, kTextSelectModifierAndKey));
        return;
    }
    const auto flag = [](BYTE on) { return on == 1 ? u'1' : u'0'; };
    std::u16string line{flag(form.HotkeyCtrl), flag(form.HotkeyAlt), flag(form.HotkeyShift)};
    line += DecimalText(form.HotkeyKey) + DecimalText(form.SB_FuncSel_CBox->ItemIndex());

    TStringList& list = *form.HotkeyList;
    bool replaced = false;
    for (int i = 0; i < list.Count();) {
        const std::u16string& existing = list.Strings(i);
        const bool matches =
            !existing.empty() && (KeyPart(existing) == KeyPart(line) || existing.back() == line.back());
        if (!matches) {
            ++i;
            continue;
        }
        if (replaced) {
            list.Delete(i);
            Refresh(form);
            continue;
        }
        if (form.AskQuestion(LookupText(*form.LangTable, kTextReplaceSetting)) != 1) {
            return;
        }
        list.SetStrings(i, line);
        Refresh(form);
        replaced = true;
        ++i;
    }
    if (!replaced) {
        list.Add(line);
        Refresh(form);
    }
}

void FillHotkeyListView(TMainForm& form, TListView* view, const TStringList& lines)
{
    view->Items().Clear();
    for (const std::u16string& line : lines.Lines()) {
        ui::TListItem* item = view->Items().Add();
        item->SetCaption(HotkeyBindingText(form, line));
        item->SubItems().Add(line.empty() ? std::u16string() : FormatEntryFunction(form, line.substr(line.size() - 1)));
        item->SubItems().Add(u"");
        item->SetSubItemImages(1, kDeleteIconImage);
    }
    RegisterHotkeys(form, lines, form.SB_FuncSel_CBox->Items().Count());
}

void RegisterHotkeys(TMainForm& form, const TStringList& lines, int count)
{
    for (int id = 0; id < count; ++id) {
        UnregisterHotKey(form.Handle(), id);
    }
    for (int id = 0; id < count && id < lines.Count(); ++id) {
        const std::u16string& line = lines.Strings(id);
        if (!IsHotkeyLine(line)) {
            continue;
        }
        UINT modifiers = 0;
        modifiers |= line[0] == u'1' ? MOD_CONTROL : 0;
        modifiers |= line[1] == u'1' ? MOD_ALT : 0;
        modifiers |= line[2] == u'1' ? MOD_SHIFT : 0;
        RegisterHotKey(form.Handle(), id, modifiers, KeyCodeOf(line));
    }
}

void DeleteHotkeyEntry(TMainForm& form, int index)
{
    form.HotkeyList->Delete(index);
    Refresh(form);
}

void LoadHotkeySettings(TMainForm& form)
{
    const std::u16string path = HotkeySetPath(false);
    TStringList lines;
    if (!PathExists(path) || !lines.LoadFromFile(path)) {
        return;
    }
    form.HotkeyList->Clear();
    for (const std::u16string& line : lines.Lines()) {
        if (IsHotkeyLine(line)) {
            form.HotkeyList->Add(line);
        }
    }
    FillHotkeyListView(form, form.Hotkey_ListView, *form.HotkeyList);
}

void HandleHotkeyMessage(TMainForm& form, const ui::TMsg& msg)
{
    if (form.LaunchOptions[4] == 0) {
        return;
    }
    std::u16string entry;
    if (msg.message == WM_HOTKEY && msg.wParam < kFunctionCount) {
        entry = form.HotkeyList->Strings(static_cast<int>(msg.wParam));
    }
    RunTriggerFunction(form, form.Bac_Dest_Edit->Text(), entry);
}
