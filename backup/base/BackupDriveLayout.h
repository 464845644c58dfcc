#pragma once
// The tree that the application writes on a backup drive:
//   root\Harbex_Solo+\<computer><user><major><minor>\{Easy\<category>, Manual, Favorites}\<run>\...
// Builders take a root ("X:\" or "X:") and two flags: with `create` every level down to the one
// asked for is made when missing and opened to all users; `hide` sets the product folder's
// attributes to exactly hidden. With `create` clear nothing is touched. No result ends in "\".

#include "platform/win_types.h"

#include <string>

std::u16string ProductFolderOn(const std::u16string& root, bool create, bool hide);
std::u16string EnsureProductFolderOn(const std::u16string& root, bool create, bool hide);
std::u16string PcFolderName();
std::u16string PcBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string EasyBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string ManualBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string FavoritesBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string DocumentBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string GraphicBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string AudioBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string VideoBackupFolder(const std::u16string& root, bool create, bool hide);
std::u16string MailBackupFolder(const std::u16string& root, bool create, bool hide);
// The folder of category 1..5 (Document .. Mail); empty for any other number.
std::u16string CategoryBackupFolder(const std::u16string& root, int category, bool create, bool hide);
std::u16string BacTimeRecPath(const std::u16string& root, bool create, bool hide);

// A run folder's name: the local start time as YYYYMMDD_HHMMSS.
std::u16string FormatTimestampName(const SYSTEMTIME& time);
// folder + "\" + YYYYMMDD_HHMMSS; with `create` that one level is made (no access grant).
std::u16string StampedFolderNow(const std::u16string& folder, bool create);
std::u16string StampedFolderAt(const std::u16string& folder, const SYSTEMTIME& time, bool create);

std::u16string OriSizePath(const std::u16string& folder);
// The Manual run's name for the same file.
std::u16string OriSizeFilePath(const std::u16string& folder);
std::u16string RepeatListPath(const std::u16string& folder);
std::u16string RecordPath(const std::u16string& folder);

// "X:  PCNAME" (a PC selector's text) -> X:\Harbex_Solo+\PCNAME; empty for an empty text.
std::u16string PcBackupFolderFromEdit(const std::u16string& text);

std::u16string ProductFolderName();
std::u16string EasyFolderName();
std::u16string ManualFolderName();
std::u16string DocumentFolderName();
std::u16string GraphicFolderName();
std::u16string AudioFolderName();
std::u16string VideoFolderName();
std::u16string MailFolderName();
std::u16string FavoritesFolderName();
std::u16string RepeatListFileName();
std::u16string OriSizeFileName();
std::u16string RecordFileName();
std::u16string BacTimeRecFileName();
