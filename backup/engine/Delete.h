#pragma once
// The delete engine: removes ticked files, folders and runs from the backup drive without taking a
// file away from the later runs whose repeat lists name it. Before a file goes, it is copied into
// the first later run that names it and the other later runs are pointed to that copy.

#include "backup/engine/RepeatListSet.h"
#include "platform/files.h"

#include <string>
#include <vector>

class clProcessNotify;
class RunningJob;

// The ticked paths of one delete tree, in collection order.
struct DELETE_SELECTION {
    int Count = 0;
    std::vector<std::u16string> Paths;
};

enum class ReferencePass {
    Rehome,  // copy the file into the first later run that names it and point the others there
    CleanUp,  // drop the lines that still name a copy inside the deleted item
};

// Deletes the selected items as the job, last collected first. False at the first item that cannot
// be deleted (or whose file could not be re-homed); the items not yet processed stay.
bool DeleteSelectedItems(RunningJob& job, const DELETE_SELECTION& selection, const std::u16string& baseFolder,
                         clProcessNotify* notifier);

// Deletes a file, or a folder with everything in it. Every file is re-homed first and the changed
// repeat lists are saved before anything goes. True when the item is gone or was never there; a file
// whose re-homing failed is kept (false), and nothing goes when a changed list cannot be saved.
bool DeleteBackupItem(RunningJob& job, RepeatListSet& lists, const std::u16string& baseFolder,
                      const std::u16string& stamp, const std::u16string& path, clProcessNotify* notifier);

// One pass over the repeat lists of the item's run and of every later run, in ascending name order,
// saving the lists it changed. False when a re-homing copy or a save failed.
bool UpdateLaterRunReferences(RunningJob& job, RepeatListSet& lists, const std::u16string& baseFolder,
                              const std::u16string& stamp, const std::u16string& path, ReferencePass pass,
                              clProcessNotify* notifier);

// The re-homing pass of one file over the loaded lists of the runs (its own run `ownRun` is passed
// over: no list of a run names that run's own files). found is the file's find record. Changes the
// lists in memory only. False when a list cannot be read or the copy failed.
bool RehomeFile(RunningJob& job, const std::vector<RepeatListOfRun*>& runs, const std::u16string& ownRun,
                const std::u16string& path, const WIN32_FIND_DATAW& found, clProcessNotify* notifier);

// The index of the first line of the run's repeat list that names exactly the item's copy, or -1.
int FindRepeatReference(const RepeatListOfRun& list, const std::u16string& path);

// Removes the lines that name the item's copy or a copy below it; true when one was removed.
bool DropReferencesBelow(RepeatListOfRun& list, const std::u16string& path);
