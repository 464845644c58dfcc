#pragma once
// The push button of the external drives: its state sits in the bridge chip and is polled.

#include "backup/drive/DeviceRecords.h"

#include <string>

// Applies the press rule of the device's chip family to a raw state read: updates ButtonState
// and answers whether the reading is a press.
bool ApplyPressRule(RECORD_EXTDEVICE& device, WORD raw);
// The partition shown as destination when it is on this device, else the device's first letter.
std::u16string ButtonTargetRoot(const RECORD_EXTDEVICE& device, const std::u16string& destinationShown);
