#pragma once
// The per-user data folder (application data + "\Harbex_Solo+"), its settings folder "Ini" and the
// names of the settings files and job result lists. Both folders are the user's alone: with
// `create` they are made, or closed to every other account, on the way. A folder or settings file
// of another account counts as absent: its path comes back empty, so that nothing is read from or
// written to it (with `create`, such a file in the user's own folder is removed first). The file
// itself is neither made nor read.

#include <string>

std::u16string UserDataFolder(bool create);
std::u16string IniFolder(bool create);

std::u16string LangSetPath(bool create);
std::u16string CheckSetPath(bool create);
std::u16string HotkeySetPath(bool create);
std::u16string SchSetPath(bool create);
std::u16string CountDownPath(bool create);
std::u16string DestSetResPath(bool create);
std::u16string BacTypeSetPath(bool create);
std::u16string BacDestPath(bool create);
std::u16string LastBackupPath(bool create);
std::u16string LastBackupTimePath(bool create);
std::u16string BacAbnorPath(bool create);
std::u16string CheckedRecordPath(bool create);
std::u16string TreeExpansionPath(bool create);

std::u16string LangSetFileName();
std::u16string CheckSetFileName();
std::u16string HotkeySetFileName();
std::u16string SchSetFileName();
std::u16string LastBackupFileName();
std::u16string LastBackupTimeFileName();

// folder + "FilesList_Complete.txt", or "FilesList_Complete_" + suffix + ".txt" for a suffix.
std::u16string CompleteListPath(const std::u16string& folder, const std::u16string& suffix);
std::u16string FailedListPath(const std::u16string& folder, const std::u16string& suffix);
