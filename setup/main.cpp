// Install [--screenshot FILE]
// With --screenshot the wizard is rendered without a display into FILE and the program ends.

#include "platform/machine.h"
#include "setup/MainWin.h"
#include "setup/SetupEntry.h"
#include "ui/backends/sdl_backend.h"
#include "ui/gfx/bitmap.h"
#include "ui/gfx/image.h"

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

int SaveScreenshot(const std::string& path)
{
    ui::TForm* form = setup::MainForm;
    form->ShowForm();
    ui::Application->ProcessMessages();
    ui::gfx::Bitmap frame(form->Width(), form->Height());
    form->RenderTo(frame);
    if (!ui::gfx::WritePng(frame, path)) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
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
        return SaveScreenshot(screenshot);
    }
    ui::Application->Run();
    return 0;
}
