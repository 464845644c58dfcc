#pragma once
// The copy a backup makes of a file into a folder where its name is normally still free, and the
// free name a file is written under before it takes its place.

#include "platform/files.h"

#include <string>
#include <string_view>

namespace platform {

// CopyFileExW to a name that no entry of its folder holds in any case, the copy getting exactly
// `attributes` (FILE_ATTRIBUTE_NORMAL, or read-only, hidden and system bits) rather than the
// source's plus archive, before it is given its name. Fails with ERROR_FILE_EXISTS, having written
// nothing, when the name is taken or its folder is not found as written: the general way then
// decides. listed, when given, is the source's find record from a listing: the copy then trusts it
// at the open rather than reading the source's status, and checks it after the copy. A source
// changed or replaced since its listing but before the copy began is copied again as it is then,
// its progress starting over from 0; one changed during the copy fails with
// ERROR_SHARING_VIOLATION, as without a listing.
BOOL CopyFileToFreeName(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, void* data, DWORD attributes,
                        const WIN32_FIND_DATAW* listed = nullptr);

// What FreeNameBeside puts after the path, before a decimal number.
inline constexpr std::u16string_view kFreeNameMark = u".~part";

// A name beside the path (the path with ".~partN") that no entry holds yet.
std::u16string FreeNameBeside(const std::u16string& path);

}  // namespace platform
