#pragma once
// The loop's watch on the drive letters: volume notices to one form when drives come and go.

#include "platform/drive_notices.h"
#include "ui/component.h"

namespace ui {
class TForm;
}

namespace ui::loop {

class DriveWatch {
public:
    explicit DriveWatch(TForm* target);

    // At most every 500 ms of the tick count: the removal notice first, then the arrival notice,
    // each with every letter that changed. False once the target form is gone.
    bool Check();

private:
    WeakRef<TForm> target_;
    platform::DriveChangeWatcher watcher_;
    DWORD lastCheck_;
};

}  // namespace ui::loop
