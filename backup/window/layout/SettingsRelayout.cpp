#include "backup/window/layout/SettingsRelayout.h"

#include "backup/window/device/Combodriveutil.h"
#include "backup/window/device/LaunchOptions.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/GeneralSettingsPage.h"
#include "backup/window/layout/LaunchMethodBlock.h"
#include "backup/window/layout/SettingsTabBlocks.h"

void RelayoutLtrSettingsPages(TMainForm& form)
{
    RelayoutLtrGeneralSettingsPage(form);
    RelayoutLtrSettingsTabs(form);
    RelayoutLtrLaunchMethods(form);
    PlaceSettingsTabBlocks(form);
}

void RelayoutRtlSettingsPages(TMainForm& form)
{
    LayoutRtlGeneralSettingsPage(form);
    RelayoutRtlSettingsTabs(form);
    LayoutRtlStartupSettings(form);
    PlaceSettingsTabBlocks(form);
}

void ApplySettingsCaptions(TMainForm& form)
{
    ApplyGeneralSettingsCaptions(form);
    ApplyLaunchMethodCaptions(form);
    FillAcFuncCombo(form, form.AC_FuncSel_CBox, form.AC_FuncSel_Edit);
    ShowButtonFunction(form);
    ApplyHotkeyScheduleLanguage(form);
    ApplyBackupSettingsTabCaptions(form);
}
