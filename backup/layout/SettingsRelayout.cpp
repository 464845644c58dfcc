#include "backup/layout/SettingsRelayout.h"

#include "backup/device/Combodriveutil.h"
#include "backup/device/LaunchOptions.h"
#include "backup/layout/BackupSettingsPage.h"
#include "backup/layout/GeneralSettingsPage.h"
#include "backup/layout/LaunchMethodBlock.h"
#include "backup/layout/SettingsTabBlocks.h"

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
