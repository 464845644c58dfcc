// Install [--screenshot FILE]
// With --screenshot the wizard is rendered without a display into FILE and the program ends.

#include "platform/machine.h"
#include "setup/MainWin.h"
#include "setup/SetupEntry.h"
#include "ui/backends/sdl_backend.h"
#include "ui/screenshot.h"

#include <cstdio>
#include <string>

namespace {

std::string ScreenshotPath(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--screenshot") {
            return argv[i + 1];
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string screenshot = ScreenshotPath(argc, argv);
    std::string error;
    if (!platform::InitMachine(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (setup::SetupAlreadyRunning()) {
        return 0;
    }
    if (screenshot.empty()) {
        if (auto backend = ui::MakeSdlBackend()) {
            ui::SetBackend(std::move(backend));
        }
    }
    setup::CreateWizard();
    if (!screenshot.empty()) {
        return ui::SaveFormScreenshot(*setup::MainForm, screenshot);
    }
    ui::Application->Run();
    return 0;
}
