// Harbex_Solo_V2 [drive path] [--screenshot FILE]
// With --screenshot the first window is rendered without a display into FILE and the program ends.

#include "backup/base/CommandLine.h"
#include "backup/window/frame/Entry.h"
#include "backup/window/frame/MainWin.h"
#include "platform/machine.h"
#include "platform/text.h"
#include "ui/backends/sdl_backend.h"
#include "ui/screenshot.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

struct Options {
    std::u16string argument;
    std::string screenshot;
};

Options ReadOptions(int argc, char** argv)
{
    Options options;
    bool haveArgument = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--screenshot" && i + 1 < argc) {
            options.screenshot = argv[++i];
        } else if (!haveArgument) {
            options.argument = platform::FromUtf8(word);
            haveArgument = true;
        }
    }
    return options;
}

int Run(int argc, char** argv)
{
    const Options options = ReadOptions(argc, argv);
    std::string error;
    if (!platform::InitMachine(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (options.screenshot.empty()) {
        if (BringRunningInstanceForward(WindowTitleFor(options.argument))) {
            return 0;
        }
        if (auto backend = ui::MakeSdlBackend()) {
            ui::SetBackend(std::move(backend));
        }
    }
    CreateMainWindow(options.argument);
    if (!options.screenshot.empty()) {
        return ui::SaveFormScreenshot(*MainForm, options.screenshot);
    }
    ui::Application->Run();
    return 0;
}

}  // namespace

// An unexpected error that reaches the entry is shown and ends the program, nothing is retried.
int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        ui::App().ShowException(platform::FromUtf8(error.what()));
    } catch (...) {
        ui::App().ShowException(u"Unknown error.");
    }
    return 0;
}
