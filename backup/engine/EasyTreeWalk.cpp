#include "backup/engine/EasyTreeWalk.h"

#include "backup/base/DrivePathCheck.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/DriveEntries.h"
#include "backup/engine/RunningJob.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

DWORD WindowsMajorVersion()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) ? version.dwMajorVersion : 0;
}

// The record of a folder the walk could not read: nothing but that it is a folder.
WIN32_FIND_DATAW UnreadFolder()
{
    WIN32_FIND_DATAW record{};
    record.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    return record;
}

}  // namespace

EasySourceRoots ReadEasySourceRoots()
{
    EasySourceRoots roots;
    roots.Folders = {DesktopFolder(), DocumentsFolder()};
    if (WindowsMajorVersion() >= 6) {
        roots.Folders.insert(roots.Folders.end(), {PicturesFolder(), MusicFolder(), VideosFolder()});
    }
    roots.LocalAppData = LocalAppDataFolder();
    ListLocalFixedDisks(roots.LocalFixedDisks);
    return roots;
}

EasyTreeWalk::EasyTreeWalk(RunningJob& job)
    : job_(job), excludedPaths_{WindowsFolder(), UsersRootFolder(), ProgramFilesFolder(), CommonAppDataFolder()}
{
}

bool EasyTreeWalk::IsExcludedFolder(const std::u16string& fullPath, const std::u16string& name) const
{
    for (const std::u16string& excluded : excludedPaths_) {
        if (!excluded.empty() && fullPath == excluded) {
            return true;
        }
    }
    return name == u"Program Files" || name == u"ProgramData" || platform::UpperCase(name) == u"WINDOWS";
}

int EasyTreeWalk::Walk(const std::u16string& folder, const std::u16string& name)
{
    if (!OnCall()) {
        return 0;
    }
    const std::u16string path = (folder.empty() ? folder : WithTrailingBackslash(folder)) + name;
    if (!path.ends_with(u":\\")) {
        WIN32_FIND_DATAW found;
        if (!FindEntry(path, &found)) {
            const DWORD error = GetLastError();
            if (!folder.empty() || (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)) {
                OnFailed(path, UnreadFolder(), error);
            }
            return 1;
        }
        if (IsPlainFileEntry(found)) {
            OnFile(path, found);
            return 1;
        }
        // A root that is itself a link is not followed either.
        if (IsLinkEntry(found)) {
            return 1;
        }
    }
    int result = 1;
    CaseTwins twins;
    const bool listed = ForEachFolderEntry(path, [&](const WIN32_FIND_DATAW& entry, int index) {
        OnEntry(index + 1);
        if (JobCancelRequested(job_)) {
            result = 0;
            return false;
        }
        const std::u16string fullPath = WithTrailingBackslash(path) + entry.cFileName;
        if (twins.IsTwin(entry)) {
            OnFailed(fullPath, entry, ERROR_ALREADY_EXISTS);
        } else if (IsWalkedFolderEntry(entry) && !IsSafeDriveName(entry.cFileName)) {
            // Joined into a path, the name would lead somewhere else.
            OnFailed(fullPath, entry, ERROR_INVALID_NAME);
        } else if (IsPlainFileEntry(entry)) {
            OnFile(fullPath, entry);
        } else if (IsWalkedFolderEntry(entry) && !IsExcludedFolder(fullPath, entry.cFileName)) {
            Walk(path, entry.cFileName);
        }
        return true;
    });
    if (!listed) {
        if (const DWORD error = ListingError()) {
            OnFailed(path, UnreadFolder(), error);
        }
    }
    return result;
}
