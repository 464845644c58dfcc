#include "backup/engine/JobControl.h"

#include "backup/frame/MainWin.h"
#include "platform/clock.h"
#include "ui/application.h"

void PumpPendingMessages()
{
    if (ui::Application != nullptr) {
        ui::Application->ProcessMessages();
    }
}

void PumpPendingMessagesAtIntervals()
{
    constexpr DWORD kIntervalMs = 30;
    static DWORD lastPump = 0;
    static bool pumped = false;
    const DWORD now = GetTickCount();
    if (pumped && now - lastPump < kIntervalMs) {
        return;
    }
    pumped = true;
    lastPump = now;
    PumpPendingMessages();
}

bool JobCancelRequested()
{
    return MainForm != nullptr && MainForm->CancelRequested != 0;
}

bool ProgramEnding()
{
    return ui::Application != nullptr && ui::Application->Terminated();
}
