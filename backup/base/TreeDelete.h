#pragma once
// Removing a file or a whole folder tree, for the jobs and for the setup program's own folders.

#include <functional>
#include <string>

// Deletes a file, or a folder with everything below it; a linked folder is removed as a link and
// never entered. Read-only and hidden files go as well. betweenEntries runs before each entry, so
// that a long delete can let the window breathe; when it answers false the delete stops there.
// False when the path does not exist, a single file cannot be deleted or the delete was stopped.
bool DeleteTree(const std::u16string& path, const std::function<bool()>& betweenEntries = {});
