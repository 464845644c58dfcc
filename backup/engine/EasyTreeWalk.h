#pragma once
// The roots and the walk rules that the Easy Backup scan and run share, so that every file the scan
// counts is a file the run meets: system entries are skipped, the Windows, users, program-files
// and program-data folders are never entered, nor is a linked folder.

#include "backup/drive/DeviceRecords.h"
#include "platform/files.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class RunningJob;

struct EasySourceRoots {
    // The desktop and documents folders, then (from Windows major version 6 on) the pictures,
    // music and videos folders, which lie inside the documents folder on older versions.
    std::vector<std::u16string> Folders;
    std::u16string LocalAppData;
    RECORD_DEVICECODE LocalFixedDisks;
};

EasySourceRoots ReadEasySourceRoots();

class EasyTreeWalk {
public:
    // Walks for the job: stops once it is to stop.
    explicit EasyTreeWalk(RunningJob& job);

    // At the start of every walk call; false ends that call with 0.
    std::function<bool()> OnCall = [] { return true; };
    // Before the cancel test of each directory entry, with the entry's 1-based number in its folder.
    std::function<void(int)> OnEntry = [](int) {};
    // A file met by the walk, with its full path.
    std::function<void(const std::u16string&, const WIN32_FIND_DATAW&)> OnFile;
    // An entry the walk cannot open, list or name, or a name that only an earlier entry of its
    // folder may have (it differs from it only in case), with its full path, its find record when
    // it has one and the error; it is not walked. A root that does not exist is no failure.
    std::function<void(const std::u16string&, const WIN32_FIND_DATAW&, DWORD)> OnFailed =
        [](const std::u16string&, const WIN32_FIND_DATAW&, DWORD) {};

    // Walks folder\name (folder empty for a root). 0 when it stopped on CancelRequested, else 1.
    int Walk(const std::u16string& folder, const std::u16string& name);

private:
    bool IsExcludedFolder(const std::u16string& fullPath, const std::u16string& name) const;

    RunningJob& job_;
    std::array<std::u16string, 4> excludedPaths_;
};
