#pragma once
// The Favorites job: the local Favorites folder copied whole to the chosen drive's per-PC folder
// (Backup tab), or the chosen PC's copy back over the local folder (Restore tab), by
// FavoritesRestoreTab.

class TMainForm;

// Nothing while a job runs; on the Restore tab without a chosen PC nothing at all, silently.
void StartFavorites(TMainForm& form);
