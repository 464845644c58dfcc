#include "backup/window/device/DeviceMessages.h"

#include "backup/drive/DiskDriver.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/window/device/AutoStart_Win.h"
#include "backup/window/device/ShellChanges.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/jobs/JobControl.h"
#include "platform/clock.h"
#include "platform/drive_notices.h"
#include "platform/files.h"

namespace {

constexpr int kInternalDiskSettlePasses = 200;
constexpr DWORD kInternalDiskSettlePauseMs = 100;
constexpr DWORD kArrivalSettleMs = 3000;

std::u16string RootOf(char16_t letter)
{
    return std::u16string{letter, u':', u'\\'};
}

bool SameRoot(std::u16string_view a, std::u16string_view b)
{
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    return a.size() >= 3 && b.size() >= 3 && upper(a[0]) == upper(b[0]) && a.substr(1, 2) == b.substr(1, 2);
}

// The destination of the countdown or of the running backup; empty when nothing runs. A running
// job whose starter left no destination is taken as going to any drive.
bool RemovalHitsRunningJob(const TMainForm& form, const std::u16string& root)
{
    if (form.AutoStartShowing) {
        return SameRoot(form.AutoStartPath, root);
    }
    if (form.Idle == 0) {
        return form.JobDestinationRoot.empty() || SameRoot(form.JobDestinationRoot, root);
    }
    return false;
}

void CarryOutRemoval(TMainForm& form, const std::u16string& root)
{
    const bool hitsJob = RemovalHitsRunningJob(form, root);
    form.ExternalDrives = RECORD_DEVICECODE{};
    if (hitsJob) {
        if (form.AutoStartShowing) {
            CloseAutoStartCountdown(form);
        }
        form.BackupDriveRemoved = 1;
        PumpPendingMessages();
        form.CancelRequested = 1;
    }
    RefreshAfterDeviceChange(form);
}

}  // namespace

std::u16string LettersOfUnitMask(DWORD mask)
{
    std::u16string letters;
    for (int bit = 0; bit < 26; ++bit) {
        if (mask & (1u << bit)) {
            letters += static_cast<char16_t>(u'A' + bit);
        }
    }
    return letters;
}

void TMainForm::Dispatch(ui::TMessage& message)
{
    TForm::Dispatch(message);
    if (message.Msg == WM_POWERBROADCAST) {
        HandlePowerBroadcast(*this, message.WParam);
        return;
    }
    if (message.Msg == WM_SHELL_CHANGE) {
        HandleShellChange(*this, message.WParam, static_cast<LONG>(message.LParam));
        return;
    }
    if (message.Msg != WM_DEVICECHANGE || message.LParam == 0) {
        return;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(message.LParam);
    if (header->dbch_devicetype != DBT_DEVTYP_VOLUME) {
        return;
    }
    const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(message.LParam);
    const std::u16string letters = LettersOfUnitMask(volume->dbcv_unitmask);
    if (message.WParam == DBT_DEVICEARRIVAL) {
        HandleVolumeArrival(*this, letters);
    } else if (message.WParam == DBT_DEVICEREMOVECOMPLETE) {
        HandleVolumeRemoval(*this, letters);
    }
}

void HandlePowerBroadcast(TMainForm& form, std::uintptr_t event)
{
    if (event == PBT_APMSUSPEND || event == PBT_APMSTANDBY) {
        form.Sch_Timer->SetEnabled(false);
    } else if (event == PBT_APMRESUMESUSPEND || event == PBT_APMRESUMESTANDBY) {
        const bool driveThere = form.ExternalDrives.Count > 0 &&
                                GetFileAttributesW(form.ExternalDrives.Roots[0].c_str()) != INVALID_FILE_ATTRIBUTES;
        if (driveThere) {
            form.Sch_Timer->SetEnabled(true);
        } else {
            form.Close();
        }
    }
}

void HandleVolumeArrival(TMainForm& form, const std::u16string& letters)
{
    for (char16_t letter : letters) {
        const std::u16string root = RootOf(letter);
        if (DiskNumberOfDriveLetter(static_cast<char>(letter)) >= 0) {
            RefreshAfterDeviceChange(form);
        } else if (IsInternalFixedDrive(root)) {
            for (int i = 0; i < kInternalDiskSettlePasses; ++i) {
                PumpPendingMessages();
                Sleep(kInternalDiskSettlePauseMs);
            }
            form.ScheduleBackupTreeRenew();
        } else if (IsExternalUsbDrive(root)) {
            RefreshAfterDeviceChange(form);
            WaitPumpingMessages(kArrivalSettleMs);
            // A run cut short on this drive is cleaned and offered again before anything else
            // writes to it; that question stands in for the countdown.
            if (form.Idle == 1 && form.AutoStartShowing == 0 && DriveListContains(form.ExternalDrives, root) &&
                JobMarkerNamesDrive(root)) {
                OfferResumeBackup(form);
            } else if (form.LaunchOptions[2] == 1 && form.AutoStartShowing == 0 &&
                       DriveListContains(form.ExternalDrives, root)) {
                ShowAutoStartCountdown(form, root);
            }
        }
    }
}

void HandleVolumeRemoval(TMainForm& form, const std::u16string& letters)
{
    for (char16_t letter : letters) {
        const std::u16string root = RootOf(letter);
        if (DriveListContains(form.LocalFixedDisks, root)) {
            form.ScheduleBackupTreeRenew();
            continue;
        }
        // Started without a drive there is no start drive that could be gone.
        const std::u16string startRoot = form.StartPath.substr(0, 3);
        const bool startDriveGone = !startRoot.empty() && GetDriveTypeW(startRoot.c_str()) == DRIVE_NO_ROOT_DIR;
        if (startDriveGone || DriveListContains(form.ExternalDrives, root)) {
            CarryOutRemoval(form, root);
            return;
        }
    }
}

std::u16string ShellParentPath(std::u16string_view path)
{
    const std::size_t slash = path.rfind(u'\\');
    if (slash == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(path.substr(0, slash == 2 ? 3 : slash));
}

std::u16string ShellLastName(std::u16string_view path)
{
    const std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(slash + 1));
}

std::u16string ShellLastNameOrRoot(std::u16string_view path)
{
    return path.size() == 3 ? std::u16string(path) : ShellLastName(path);
}
