#include "backup/window/device/ShellChanges.h"

#include "backup/window/device/DeviceMessages.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/SourceTrees.h"
#include "platform/files.h"
#include "platform/shell_notify.h"

#include <array>

namespace {

constexpr int kAllSources = 0xFF;
constexpr LONG kWatchedEvents = SHCNE_RENAMEITEM | SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
                                SHCNE_ATTRIBUTES | SHCNE_UPDATEDIR | SHCNE_UPDATEITEM | SHCNE_RENAMEFOLDER;

std::u16string PathOfItemList(LPCITEMIDLIST list)
{
    std::array<char16_t, MAX_PATH> buffer{};
    if (list == nullptr || !SHGetPathFromIDListW(list, buffer.data())) {
        return {};
    }
    return std::u16string(buffer.data());
}

bool RegisterShellChanges(TMainForm& form)
{
    form.ShellNotifyId = 0;
    LPITEMIDLIST desktop = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop) != S_OK) {
        return false;
    }
    const SHChangeNotifyEntry entry{desktop, TRUE};
    const ULONG id = SHChangeNotifyRegister(form.Handle(), kAllSources, kWatchedEvents, WM_SHELL_CHANGE, 1, &entry);
    CoTaskMemFree(desktop);
    if (id == 0) {
        return false;
    }
    form.ShellNotifyId = id;
    return true;
}

void ApplyToBackupTree(TMainForm& form, const std::u16string& changedPath, const std::u16string& parentPath,
                       const std::u16string& oldName, const std::u16string& newName, int kind)
{
    ApplyFolderChangeToTree(form.BM_Tree, nullptr, changedPath, parentPath, oldName, newName, kind);
}

}  // namespace

void StartShellNotify(TMainForm& form)
{
    if (form.ShellNotifyRegistered) {
        return;
    }
    form.ShellNotifyRegistered = RegisterShellChanges(form) ? 1 : 0;
}

void StopShellNotify(TMainForm& form)
{
    if (!form.ShellNotifyRegistered) {
        return;
    }
    if (form.ShellNotifyId != 0) {
        SHChangeNotifyDeregister(form.ShellNotifyId);
        form.ShellNotifyId = 0;
    }
    form.ShellNotifyRegistered = 0;
}

void HandleShellChange(TMainForm& form, std::uintptr_t itemLists, LONG event)
{
    if (itemLists == 0) {
        return;
    }
    // A job pumps messages inside its walk: the tree is rebuilt once at its end instead.
    const bool treeChange = event == SHCNE_MKDIR || event == SHCNE_RMDIR || event == SHCNE_RENAMEFOLDER;
    if (form.Idle == 0 && (treeChange || event == SHCNE_UPDATEDIR)) {
        form.TreeRefreshPending = 1;
        return;
    }
    const auto* lists = reinterpret_cast<const LPCITEMIDLIST*>(itemLists);
    const std::u16string path1 = PathOfItemList(lists[0]);
    const std::u16string path2 = PathOfItemList(lists[1]);
    switch (event) {
    case SHCNE_MKDIR:
        ApplyToBackupTree(form, path1, ShellParentPath(path1), u"", ShellLastName(path1), FOLDER_CREATED);
        break;
    case SHCNE_RMDIR:
        ApplyToBackupTree(form, path1, ShellParentPath(path1), u"", ShellLastName(path1), FOLDER_REMOVED);
        break;
    case SHCNE_RENAMEFOLDER: {
        const std::u16string oldParent = ShellParentPath(path1);
        const std::u16string oldName = ShellLastNameOrRoot(path1);
        const std::u16string newParent = ShellParentPath(path2);
        const std::u16string newName = ShellLastName(path2);
        if (oldParent == newParent) {
            ApplyToBackupTree(form, path1, oldParent, oldName, newName, FOLDER_RENAMED);
        } else {
            ApplyToBackupTree(form, path2, newParent, oldName, newName, FOLDER_CREATED);
        }
        break;
    }
    case SHCNE_UPDATEDIR:
        form.BackupTreeFillStop = 0;
        form.ScheduleBackupTreeRenew();
        break;
    default:
        break;
    }
}
