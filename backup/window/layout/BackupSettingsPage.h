#pragma once
// The backup settings page Set_Bac_Pan: three tabs along its top (Start up, Hotkey, Schedule) and
// below them one block per tab (Set_Bac_Startup_Pan, Set_Bac_Hotkey_Pan, Set_Bac_Time_Pan).
// Each takes the main window and cannot fail.

class TMainForm;
namespace ui {
class TListView;
class TPanel;
}  // namespace ui

// Once at creation: the page, its three tabs, then the tab blocks in tab order.
void LayoutBackupSettingsPage(TMainForm& form);
// Once, for the language 1025, after every left-to-right builder: mirrors the tabs and the blocks.
void LayoutRtlBackupSettingsPage(TMainForm& form);
// The page on the overview rectangle and the tabs from its left (mirrored: from its right) end.
void RelayoutLtrSettingsTabs(TMainForm& form);
void RelayoutRtlSettingsTabs(TMainForm& form);
// Shows the tab named by BackupSettingsTab (1, 2 or 3); the tab height follows its captions (35 px
// when one does not fit its label, else 20), the tab pictures follow that height, and the blocks
// start one pixel above the tabs' bottom. With any other value the Start up block keeps its
// visibility.
void SelectSettingsTab(TMainForm& form);
// Final tab captions for the current language table, then SelectSettingsTab for the current tab.
void ApplyBackupSettingsTabCaptions(TMainForm& form);
// The y of the work area's lower rule inside a block panel that ends at the page's bottom.
int LowerRuleY(const TMainForm& form, const ui::TPanel* block);
// The row whose delete icon (the first 16 px right of lastColumnLeft, scrolled with the list) lies
// under the client point, or -1.
int DeleteIconRowAt(ui::TListView* list, int lastColumnLeft, int x, int y);
