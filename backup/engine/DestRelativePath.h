#pragma once
// Where a source path lands below a run folder: the path without its drive colon.

#include <string>

// A drive root X:\ becomes X; otherwise the first ":\" loses its colon (X:\a\b becomes X\a\b);
// a path without ":\" is returned unchanged.
std::u16string DestRelativePath(const std::u16string& path);
