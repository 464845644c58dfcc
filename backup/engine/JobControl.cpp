#include "backup/engine/JobControl.h"

#include "backup/frame/MainWin.h"
#include "ui/application.h"

void PumpPendingMessages()
{
    if (ui::Application != nullptr) {
        ui::Application->ProcessMessages();
    }
}

bool JobCancelRequested()
{
    return MainForm != nullptr && MainForm->CancelRequested != 0;
}

bool ProgramEnding()
{
    return ui::Application != nullptr && ui::Application->Terminated();
}
