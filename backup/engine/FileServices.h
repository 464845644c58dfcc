#pragma once
// The small file services that the job walks share: the size text, the failed-file line, the
// recursive delete, the size sum and the walk that copies a folder tree.

#include "backup/engine/PackedLines.h"
#include "lists/string_list.h"
#include "platform/files.h"

#include <string>
#include <vector>

class clProcessNotify;
class RunningJob;

// One truncated decimal and " GB", " MB", " KB" or " Bytes": 1536 gives "1.5 KB".
std::u16string FormatSizeText(DWORD sizeHigh, DWORD sizeLow);
std::u16string FormatByteSize(LONGLONG size);

// path + "     ErrorCode : " + the error number.
std::u16string FailedFileLine(const std::u16string& path, DWORD error);
// A find record that carries only a size, for a failed line of a file that is not at hand.
WIN32_FIND_DATAW SizedFindData(LONGLONG size);
// The path of a failed line; the whole line when it is not one.
std::u16string_view FailedFilePath(std::u16string_view line);
// A file of the job that failed: its line in `failed`, and the job is told.
void ReportFailedFile(RunningJob& job, lists::TStringList& failed, const WIN32_FIND_DATAW& found, DWORD error,
                      const std::u16string& path);
// Copies one file of a job: the job is shown the source, then the source goes to `completed`, or
// is reported as failed with the copy's error. True when it was copied.
bool CopyReportedFile(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                      const std::u16string& source, const std::u16string& destination, const WIN32_FIND_DATAW& found,
                      const std::u16string& pass, int mode, clProcessNotify* notifier);
// The copies of a cancelled run are gone: the completed files from `firstCompleted` on (with their
// sizes, in the same order) move to the failed list with error 1235, in that order.
void ReportCancelledFiles(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                          int firstCompleted, const std::vector<LONGLONG>& sizes);
// Saves a list file of a run; a failure is reported like a failed file naming the list file.
bool SaveListFileReported(RunningJob& job, const lists::TStringList& list, const std::u16string& path,
                          lists::TStringList& failed);
bool SaveListFileReported(RunningJob& job, const PackedLines& list, const std::u16string& path,
                          lists::TStringList& failed);

// Adds the size of folder\name, or of every file below it except system entries and the Windows
// folder, to the total. Nothing when it does not exist. Stops when the job is to stop.
void SumPathSize(RunningJob& job, LONGLONG& total, const std::u16string& folder, const std::u16string& name,
                 const std::u16string& pattern);

// Copies sourceFolder\sourceName (a file or a folder tree) to destinationFolder\destinationName,
// reporting every file to the lists. A link below the item is never followed and a name that no
// Windows folder holds is never joined: each is a failed line. False when the walk was cancelled
// or the folder cannot be listed.
bool CopyItemTree(RunningJob& job, lists::TStringList& completed, lists::TStringList& failed,
                  const std::u16string& sourceFolder, const std::u16string& destinationFolder,
                  const std::u16string& sourceName, const std::u16string& destinationName,
                  const std::u16string& pattern, const std::u16string& pass, int mode, clProcessNotify* notifier);
