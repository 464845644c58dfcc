#include "backup/window/device/LaunchOptions.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Filelistwin.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/ListFiles.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/DropDowns.h"
#include "platform/files.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;
constexpr std::size_t kLaunchDigits = 6;
constexpr std::size_t kFunctionDigit = 7;

// The options line, or nothing when the file is missing, empty or not the writer's digits.
std::optional<std::u16string> StoredLine()
{
    const std::u16string path = CheckSetPath(true);
    TStringList lines;
    if (!PathExists(path) || !lines.LoadFromFile(path) || lines.Count() == 0) {
        return std::nullopt;
    }
    const std::u16string line = lines.Strings(0);
    const auto digits = std::u16string_view(line).substr(0, kLaunchDigits);
    if (line.size() < kLaunchDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        return std::nullopt;
    }
    return line;
}

void ShowLaunchOptions(TMainForm& form)
{
    const std::array<TImage*, 6> images = {form.Start_Win_CheckImg,   form.Minimize_CheckImg,
                                           form.Auto_Plugin_CheckImg, form.Auto_ClickBtn_CheckImg,
                                           form.Auto_Hotkey_CheckImg, form.Auto_Sch_CheckImg};
    for (std::size_t k = 0; k < images.size(); ++k) {
        ShowCheckImage(images[k], form.LaunchOptions[k]);
    }
    ShowCheckImage(form.Aes_Check_Img, form.EncryptBackup);
}

}  // namespace

void ShowCheckImage(TImage* image, BYTE on)
{
    LoadPngResource(image, on != 0 ? kCheckTicked : kCheckClear);
}

void SaveCheckSettings(TMainForm& form)
{
    std::u16string line;
    for (BYTE option : form.LaunchOptions) {
        line += DecimalText(option);
    }
    line += DecimalText(form.EncryptBackup);
    line += DecimalText(form.ButtonFunction);
    TStringList lines;
    lines.Add(line);
    [[maybe_unused]] const DWORD ignored = SaveListFile(lines, CheckSetPath(true));
}

void ApplyHideBackupFolder(TMainForm& form, BYTE hide)
{
    ShowCheckImage(form.HideBacFolder_Check_Img, hide);
    const DWORD attributes = hide != 0 ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL;
    for (int k = 0; k < form.ExternalDrives.Count; ++k) {
        const std::u16string folder = ProductFolderOn(form.ExternalDrives.Roots[k], false, false);
        SetFileAttributesW(folder.c_str(), attributes);
    }
}

void ShowButtonFunction(TMainForm& form)
{
    form.AC_FuncSel_CBox->SetItemIndex(form.ButtonFunction);
    CopySelectorChoice(form.AC_FuncSel_CBox, form.AC_FuncSel_Edit);
}

void LoadCheckSettings(TMainForm& form)
{
    BYTE hide = 0;
    if (form.ExternalDrives.Count > 0) {
        const std::u16string folder = ProductFolderOn(form.ExternalDrives.Roots[0], false, false);
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        hide = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0 ? 1 : 0;
    }
    form.HideBackupFolder = hide;
    ApplyHideBackupFolder(form, hide);

    form.LaunchOptions[0] = StartupShortcutExists() ? 1 : 0;
    ShowCheckImage(form.Start_Win_CheckImg, form.LaunchOptions[0]);
    const std::optional<std::u16string> line = StoredLine();
    if (!line) {
        return;
    }
    for (std::size_t k = 1; k < kLaunchDigits; ++k) {
        form.LaunchOptions[k] = (*line)[k] != u'0' ? 1 : 0;
    }
    form.EncryptBackup = 0;
    const auto function = line->size() > kFunctionDigit ? ParseDecimal(line->substr(kFunctionDigit, 1)) : std::nullopt;
    // Only the selector's two items are functions; anything else falls back to the default.
    form.ButtonFunction = function && *function == 0 ? 0 : 1;
    ShowLaunchOptions(form);
    ShowButtonFunction(form);
}
