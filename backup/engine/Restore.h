#pragma once
// The restore engine: copies the files of a run back to their original places or into a chosen
// folder, following the run's repeat list to the earlier copies it names. Containers (".vemoen")
// are decoded on the way. Every copy is reported to the job's lists; the walks go on after a failed
// copy and stop (false) once the job is cancelled.

#include "backup/engine/BackupSelection.h"
#include "backup/engine/Categories.h"
#include "backup/engine/CategorySizes.h"
#include "platform/win_types.h"

#include <array>
#include <string>

namespace lists {
class TStringList;
}  // namespace lists
class clProcessNotify;
class RunningJob;

// What every walk and pass reports into; the lists are the caller's. The notifier may be absent.
// Running is the job the walks run as: the restore entries set it.
struct RESTORE_JOB {
    lists::TStringList* Completed = nullptr;
    lists::TStringList* Failed = nullptr;
    std::u16string Pass;
    clProcessNotify* Notifier = nullptr;
    RunningJob* Running = nullptr;
};

// The restore offset is 1-based: the position of the first character after "{run folder}\", that
// is the run folder path's length + 2.
// D\Work\a.txt gives D:\Work\a.txt, a lone D gives D:; empty when nothing lies at or after the
// offset.
std::u16string OriginalPathOf(const std::u16string& path, std::size_t restoreOffset);

// folder\name (a file or a folder tree) to its original place. False when the item is missing or
// the job was cancelled.
bool RestoreWalkToOriginal(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& name,
                           std::size_t restoreOffset);
// The earlier copies that the run's repeat list names for the selected item, to their original
// places. False when the run has no repeat list or the job was cancelled.
bool RestoreReferencesToOriginal(const RESTORE_JOB& job, const std::u16string& runFolder,
                                 const std::u16string& selectedPath, bool isFolder, std::size_t restoreOffset);
// folder\name into destinationFolder\destinationName. False when the item is missing, a folder
// cannot be listed or the job was cancelled.
bool RestoreWalkToFolder(const RESTORE_JOB& job, const std::u16string& folder, const std::u16string& destinationFolder,
                         const std::u16string& name, const std::u16string& destinationName);
// The earlier copies that belong to the selected item, each at its place below
// destinationFolder\destinationName. No folder is created.
bool RestoreReferencesToFolder(const RESTORE_JOB& job, const std::u16string& runFolder,
                               const std::u16string& selectedPath, const std::u16string& destinationFolder,
                               const std::u16string& destinationName, bool isFolder, std::size_t restoreOffset);

// The run folder of that stamp of category 1 to 5 (when its flag is set). False only for a
// category outside 1 to 5.
bool RestoreEasyCategory(const RESTORE_JOB& job, const PerEasyCategory<BYTE>& categories, bool toOriginal, int category,
                         const std::u16string& easyFolder, const std::u16string& destinationFolder,
                         const std::u16string& stamp);
// The categories 1 to 5 in order, as the job given, into the lists of `lists`.
void RunEasyRestore(RunningJob& running, const RESTORE_JOB& lists, const PerEasyCategory<BYTE>& categories,
                    const std::u16string& easyFolder, const std::u16string& destinationFolder,
                    const std::u16string& stamp, bool toOriginal);
// Every selected item (drive path and name) in selection order, as the job given, into the lists
// of `lists`. False when the job was cancelled.
bool RunManualRestore(RunningJob& running, const RESTORE_JOB& lists, const BACKUP_SELECTION& selection,
                      const std::u16string& manualFolder, const std::u16string& destinationFolder, bool toOriginal);

// The sum of the restore-information sizes of the selected categories (Other never counts).
void SumSelectedCategorySizes(const PerEasyCategory<BYTE>& categories, const CATEGORY_SIZES& sizes, LONGLONG& total);
