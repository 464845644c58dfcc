#pragma once
// A run after an item inside it was deleted: its repeat list and its OriSize.ini no longer name the
// item nor anything below it, so that a restore of the trimmed run counts only what it holds.

#include "backup/engine/RepeatListSet.h"
#include "platform/win_types.h"

#include <string>

// For the deleted item at path inside the run base + stamp (base with backslash): removes the
// run's repeat-list lines of earlier copies at or below the item's place and the lines of the item
// and of what lay below it from the run's OriSize.ini (a container's line with or without its
// ".vemoen"), each list written whole. 0 when done or when there is nothing to remove (a whole run,
// or a list missing or cut, which stays as it is); else the Windows error of the failed write, the
// old list staying.
DWORD TrimRunOfDeletedItem(RepeatListSet& lists, const std::u16string& base, const std::u16string& stamp,
                           const std::u16string& path);
