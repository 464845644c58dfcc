#pragma once
// The folder the Favorites tree AF_Tree shows, and its rebuild.

#include <string>

class TMainForm;

// The local Favorites folder on the Backup tab; on the Restore tab the Favorites copy in the backup
// of the PC that AF_PC_Show_Edit names, or empty when none is named.
std::u16string FavoritesTreeBase(const TMainForm& form);
// AF_Tree again for FavoritesRestoreTab and the chosen PC.
void RefillFavoritesTree(TMainForm& form);
// After a drive arrived or left: both selectors refilled; when the chosen PC changed, the tree,
// the page layout and the tab's controls follow.
void RefreshFavoritesAfterDeviceChange(TMainForm& form);
