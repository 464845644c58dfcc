#pragma once
// What belongs to the user the program runs as (its effective user). The per-user data folder is
// that user's alone; what another account placed there is never taken for the user's own.

#include "platform/win_types.h"

// Makes the folder (0700; its parent must exist) or, when it is a folder of the user and no link,
// takes every other account's access to it away: group and other bits, access-list entries and
// inherited default entries. FALSE with ERROR_ACCESS_DENIED for another user's folder, a link or a
// file of that name; else with the error of the path.
BOOL MakeOwnFolder(LPCWSTR path);

// TRUE when path names a file or folder (no link) of the user. FALSE with ERROR_FILE_NOT_FOUND or
// ERROR_PATH_NOT_FOUND when nothing is there, with ERROR_ACCESS_DENIED for anything else.
BOOL IsOwnItem(LPCWSTR path);
