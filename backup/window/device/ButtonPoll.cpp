#include "backup/window/device/ButtonPoll.h"

#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/drive/BridgeChip.h"
#include "backup/drive/BridgeCommands.h"
#include "backup/window/device/TriggerFunction.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "ui/windows.h"

namespace {

constexpr int kTextBackupQuestion = 20206;
constexpr WORD kTableBits[] = {0x0001, 0x0002, 0x0004, 0x0020, 0x0200};
constexpr WORD kCopiedOnlyBit = 0x0004;

bool IsD0Chip(WORD code)
{
    return code == 0x2571 || code == 0x2771;
}

// One of the five bits per reading; a cleared bit is a release, which is the press.
bool ApplyTableRule(RECORD_EXTDEVICE& device, WORD raw)
{
    WORD& state = device.ButtonState;
    if ((state & device.ButtonMask) == (raw & device.ButtonMask)) {
        state = raw;
        return false;
    }
    for (WORD bit : kTableBits) {
        if ((raw & bit) == (state & bit)) {
            continue;
        }
        if (raw & bit) {
            state |= bit;
            return false;
        }
        state &= static_cast<WORD>(~bit);
        return bit != kCopiedOnlyBit;
    }
    return false;
}

// Press on release: a set state seen cleared again.
bool ApplyReleaseRule(WORD& state, WORD raw, WORD heldMark)
{
    if (state != 0 && raw == 0) {
        state = 0;
        return true;
    }
    if (state == 0 && raw != 0) {
        state = heldMark;
    }
    return false;
}

}  // namespace

bool ApplyPressRule(RECORD_EXTDEVICE& device, WORD raw)
{
    const WORD code = device.ChipCode;
    if (code == ProbeChip) {
        return raw != 0;
    }
    if (code == EeChip) {
        return ApplyReleaseRule(device.ButtonState, raw, 2);
    }
    if (IsD0Chip(code)) {
        return ApplyReleaseRule(device.ButtonState, raw, 1);
    }
    if (code == RegisterChip) {
        const bool changed = (device.ButtonState & device.ButtonMask) != (raw & device.ButtonMask);
        device.ButtonState = raw;
        return changed && (raw & device.ButtonMask) == 0;
    }
    if (ChipButtonMask(code).has_value()) {
        return ApplyTableRule(device, raw);
    }
    return false;
}

std::u16string ButtonTargetRoot(const RECORD_EXTDEVICE& device, const std::u16string& destinationShown)
{
    for (int i = 0; i < device.LetterCount && i < MaxLettersPerDevice; ++i) {
        const std::u16string root{static_cast<char16_t>(device.Letters[i]), u':', u'\\'};
        if (destinationShown == root) {
            return root;
        }
    }
    return std::u16string{static_cast<char16_t>(device.Letters[0]), u':', u'\\'};
}

void TMainForm::ExtBtn_TimerTimer(TObject*)
{
    if (LaunchOptions[3] == 0) {
        return;
    }
    const int function = ButtonFunction;
    for (int i = 0; i < DeviceTable.Count; ++i) {
        RECORD_EXTDEVICE& device = DeviceTable.Devices[i];
        const WORD raw = ReadDeviceButton(device, DeviceTable.DiskInterfaceData[i], DeviceTable.DiskInterfaceSet[i]);
        const std::u16string root = ButtonTargetRoot(device, Bac_Dest_Edit->Text());
        if (!ApplyPressRule(device, raw)) {
            continue;
        }
        if (MsgBoxShowing == 1) {
            OwnedMsgForm->LB_Btn_LabClick(nullptr);
            continue;
        }
        ShowWindow(ui::Application->Handle(), SW_SHOW);
        ShowWindow(ui::Application->Handle(), SW_RESTORE);
        if (Idle == 0) {
            return;
        }
        if (AskQuestionOnOwnedBox(LookupText(*LangTable, kTextBackupQuestion)) == 1) {
            RunTriggerFunction(*this, root, DecimalText(function));
        }
    }
}
