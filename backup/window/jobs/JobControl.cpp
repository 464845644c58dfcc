#include "backup/window/jobs/JobControl.h"

#include "ui/application.h"

void PumpPendingMessages()
{
    if (ui::Application != nullptr) {
        ui::Application->ProcessMessages();
    }
}
