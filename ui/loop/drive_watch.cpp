#include "ui/loop/drive_watch.h"

#include "platform/clock.h"
#include "ui/application.h"

namespace ui {

namespace loop {

namespace {

constexpr DWORD kCheckIntervalMs = 500;

// Sent, not posted, as the system sends it: the notice lives on this stack frame.
void SendVolumeNotice(TForm& target, std::uintptr_t event, DWORD unitMask)
{
    DEV_BROADCAST_VOLUME volume;
    volume.dbcv_unitmask = unitMask;
    target.Perform(WM_DEVICECHANGE, event, reinterpret_cast<std::intptr_t>(&volume));
}

}  // namespace

DriveWatch::DriveWatch(TForm* target) : target_(target), lastCheck_(GetTickCount())
{
}

bool DriveWatch::Check()
{
    if (target_.get() == nullptr) {
        return false;
    }
    const DWORD now = GetTickCount();
    if (now - lastCheck_ < kCheckIntervalMs) {
        return true;
    }
    lastCheck_ = now;
    const platform::DriveChange change = watcher_.Poll();
    WeakRef<TForm> target = target_;
    if (change.removed != 0 && target.get() != nullptr) {
        SendVolumeNotice(*target.get(), DBT_DEVICEREMOVECOMPLETE, change.removed);
    }
    if (change.arrived != 0 && target.get() != nullptr) {
        SendVolumeNotice(*target.get(), DBT_DEVICEARRIVAL, change.arrived);
    }
    return true;
}

}  // namespace loop

void TApplication::WatchDriveChanges(TForm* target)
{
    driveWatch_.reset();
    if (target != nullptr) {
        driveWatch_ = std::make_unique<loop::DriveWatch>(target);
    }
}

void TApplication::HandleDriveChanges()
{
    if (driveWatch_ && !driveWatch_->Check()) {
        driveWatch_.reset();
    }
}

}  // namespace ui
