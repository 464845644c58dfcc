#pragma once
// The items of a Manual Backup (or the Manual Restore selection): three parallel arrays.

#include <string>
#include <vector>

struct BACKUP_SELECTION {
    int Count = 0;
    std::vector<std::u16string> SourcePaths;  // D:\Data\Docs, or a drive root E:\ .
    std::vector<std::u16string> ItemNames;  // Docs, or the root itself
    std::vector<std::u16string> RelativePaths;  // D\Data\Docs, or E
};
