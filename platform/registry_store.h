#pragma once
// Inside the registry: one hive held in memory, and its text file.
//
// File format (UTF-8): a first line "harbex-registry 1", then per key a line "[path]" followed by
// its values as "value TYPE HEX NAME" (TYPE in decimal, HEX the data bytes or "-" for none, NAME to
// the end of the line). '%', CR and LF in names are written as %25, %0D and %0A.

#include "platform/win_types.h"

#include <map>
#include <string>
#include <vector>

namespace platform::registry {

struct Value {
    std::u16string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

struct Key {
    std::u16string path;  // as first written, "" for the hive's root
    std::map<std::u16string, Value> values;  // by upper-cased name
};

struct Hive {
    std::map<std::u16string, Key> keys;  // by upper-cased path; every level of a path exists
    Key* Find(const std::u16string& path);
    // Adds the key and every missing level above it; true when the key itself was new.
    bool Create(const std::u16string& path);
    bool HasSubkeys(const std::u16string& path) const;
};

std::u16string Folded(const std::u16string& text);

// Reads the hive's file (a missing file is an empty hive); false for a file that is not a hive.
bool LoadHive(const std::string& file, Hive& hive);
// Writes a temporary file beside the hive's file and renames it over it; a Windows error number.
DWORD SaveHive(const std::string& file, const Hive& hive);

}  // namespace platform::registry
