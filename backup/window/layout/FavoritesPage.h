#pragma once
// The Favorites page App_Fav_Pan: the Backup and Restore tabs along its top, the source-PC selector
// (Restore tab), the IE tab heading the Favorites tree, and the destination selector with its arrow
// (Backup tab). Each takes the main window and cannot fail.

class TMainForm;

// Once at creation, after the overview page and before the backup settings page.
void LayoutFavoritesPage(TMainForm& form);
// Once, for the language 1025, after every left-to-right builder: the Backup-tab form, mirrored.
void LayoutRtlFavoritesPage(TMainForm& form);
// Shows the Backup (true) or Restore tab's controls, moves the IE tab and the tree's top, and
// loads the tab skins for the tabs' height. The work button's caption follows only while page 9 is
// shown. FavoritesRestoreTab is the caller's.
void SelectFavoritesTab(TMainForm& form, bool backup);
// Everything that follows the page size and FavoritesRestoreTab.
void RelayoutLtrFavoritesPage(TMainForm& form);
void RelayoutRtlFavoritesPage(TMainForm& form);
// Captions of the current language, the tab height they need (35 when one does not fit, else 20)
// and the vertical positions that follow from it.
void ApplyFavoritesCaptions(TMainForm& form);
