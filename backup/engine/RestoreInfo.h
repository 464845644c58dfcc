#pragma once
// What the Restore page shows before a restore: run dates and the size of each category of an Easy
// run (original sizes where OriSize.ini records them).

#include "backup/engine/OriSizeIndex.h"
#include "lists/string_list.h"
#include "platform/win_types.h"

#include <string>

class RunningJob;

// "Manual" for 0, "Document", "Graphic", "Audio", "Video", "Mail" for 1 to 5, else empty.
std::u16string CategoryFolderName(int category);

// 20240131_081502 gives 2024/01/31 08:15:02; empty for an empty stamp.
std::u16string FormatRunFolderDate(const std::u16string& stamp);

// Adds the size on the drive of folder\name, or of every file below it except the list files
// directly inside a run folder; links are never counted or entered. The sums stop when the job is
// to stop.
void AddRunFolderSize(RunningJob& job, LONGLONG& size, const std::u16string& folder, const std::u16string& name);
// Adds the original sizes of the earlier copies that the run's repeat list names.
void AddRunReferenceSizes(RunningJob& job, LONGLONG& size, const std::u16string& categoryFolder,
                          const std::u16string& stamp);
void AddListedReferenceSizes(RunningJob& job, LONGLONG& size, const lists::TStringList& repeatList,
                             OriSizeIndex& oriSizes, const std::u16string& runFolder);
// Adds the size of the OriSize line of the reference's place in the run and takes that line;
// false when there is none. A container's line is found with or without its ".vemoen".
bool TakeOriSizeOfReference(LONGLONG& size, OriSizeIndex& oriSizes, const std::u16string& line,
                            const std::u16string& runFolder);
